// The page's side of the drill's display: the controls by their names, the dialogs, the
// pictures and the sounds. The drill itself runs in the WebAssembly module; this only shows.
import { errorBox, inputBox, messageBox } from './dialogs.mjs';
import { drawPicture } from './media.mjs';

const kFields = [null, 'Edit1', 'Edit2', 'Edit3', 'Edit4', 'Edit5', 'Edit6'];

export class Front {
  constructor(doc, hints, files, sound) {
    this.doc = doc;
    this.hints = hints;
    this.files = files;
    this.sound = sound;
    this.module = null;
    this.focusAfterBusy = null;
  }

  $(id) { return this.doc.getElementById(id); }

  // A string for the module, allocated in its memory.
  newCString(text) {
    const m = this.module;
    const size = m.lengthBytesUTF8(text) + 1;
    const at = m._malloc(size);
    m.stringToUTF8(text, at, size);
    return at;
  }

  field(number) { return this.$(kFields[number]); }

  setText(number, text) {
    const field = this.field(number);
    if (field.tagName === 'OUTPUT') field.textContent = text; else field.value = text;
  }

  text(number) {
    const field = this.field(number);
    return field.tagName === 'OUTPUT' ? field.textContent : field.value;
  }

  setEdit6Colour(r, g, b) { this.$('Edit6').style.color = `rgb(${r}, ${g}, ${b})`; }

  setButton3(caption, hint) {
    if (caption !== null) this.$('Button3').textContent = caption;
    if (hint !== null) this.hints.set(this.$('Button3'), hint);
  }

  focus(name) {
    if (this.$('Form1').inert) {
      this.focusAfterBusy = name;
      return;
    }
    const control = this.$(name);
    control.focus({ preventScroll: true });
    if (control.select) control.select();
  }

  checkBox1(set) {
    const box = this.$('CheckBox1').querySelector('input');
    if (set >= 0) box.checked = set === 1;
    return box.checked;
  }

  radioGroup1ItemIndex() {
    const item = this.$('RadioGroup1').querySelector('input:checked');
    return item ? Number(item.value) : -1;
  }

  title(windowCaption) { this.doc.title = windowCaption; }

  controlTexts(name, caption, hint, accessibleName) {
    const control = this.$(name);
    if (!control) return;
    if (caption) {
      const place = control.querySelector(':scope > legend, :scope > span') || control;
      place.textContent = caption;
    }
    if (hint) this.hints.set(control, hint);
    if (accessibleName) control.setAttribute('aria-label', accessibleName);
  }

  kindLabel(index, label) {
    const item = this.$('RadioGroup1').querySelectorAll('label > span')[index];
    if (item) item.textContent = label;
  }

  showPicture(rgba, width, height) { drawPicture(this.$('Image1'), rgba, width, height); }

  // Ends the run: the installed app's window closes; a browser tab that may not be closed
  // starts again as a fresh run, since nothing is kept between runs.
  closeWindow() {
    window.close();
    setTimeout(() => { if (!window.closed) location.reload(); }, 100);
  }

  inputBox(caption, prompt, text) { return inputBox(this.$('InputBox'), caption, prompt, text); }

  errorBox(caption, text) { return errorBox(this.$('ErrorBox'), caption, text); }

  // A confirmation box; `buttons` holds a "result:label" line a button, the default first.
  // CR LF LF between the lines shows as one blank line.
  async confirm(icon, caption, text, buttons, escResult, closeResult) {
    const list = buttons.split('\n').map((line) => [line.slice(0, line.indexOf(':')),
      line.slice(line.indexOf(':') + 1)]);
    const answer = await messageBox(this.$('MessageBox'), {
      caption, icon, text: text.replaceAll('\r\n', '\n'), buttons: list,
      escValue: String(escResult), closeValue: String(closeResult),
    });
    return Number(answer);
  }

  // Resolves once the page has painted; a hidden page, which paints nothing, goes on anyway.
  nextPaint() {
    return new Promise((resolve) => {
      requestAnimationFrame(() => setTimeout(resolve));
      setTimeout(resolve, 100);
    });
  }

  // While busy the window takes no input at all and shows the busy cursor; the focus it is
  // given meanwhile is taken when it is idle again.
  busy(on) {
    this.$('Form1').inert = on;
    this.$('Pad').inert = on;
    this.doc.documentElement.classList.toggle('busy', on);
    if (!on && this.focusAfterBusy) {
      const name = this.focusAfterBusy;
      this.focusAfterBusy = null;
      this.focus(name);
    }
  }

  // A media file as { bytes } or { failure }: held now (undefined when it is not), or read.
  fileNow(name) { return this.files.now(name); }

  file(name) { return this.files.get(name); }

  playSoundNow(name) { return this.sound.playNow(name); }

  playSound(name) { return this.sound.play(name); }
}

// The page's side of the drill's display: the controls by their names, the dialogs, the
// pictures and the sounds. The drill itself runs in the WebAssembly module; this only shows.
// The media files and sounds, the hints and the dialogs are loaded once the window is on
// screen or when first used.

const kFields = [null, 'Edit1', 'Edit2', 'Edit3', 'Edit4', 'Edit5', 'Edit6'];

// Draws a picture given as RGBA bytes at its own size from the top-left corner; what lies
// beyond the canvas is cut off, and where the picture is smaller the panel shows through.
function drawPicture(canvas, rgba, width, height) {
  const context = canvas.getContext('2d');
  context.clearRect(0, 0, canvas.width, canvas.height);
  if (width > 0 && height > 0) {
    context.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), 0, 0);
  }
}

// Draws a picture file of the page's own; with `keyed`, the colour of its bottom-left pixel
// becomes transparent.
export async function drawOwnPicture(canvas, url, keyed) {
  const image = new Image();
  image.src = url;
  await image.decode();
  const context = canvas.getContext('2d');
  context.drawImage(image, 0, 0);
  if (!keyed) return;
  const pixels = context.getImageData(0, 0, canvas.width, canvas.height);
  const d = pixels.data;
  const key = (canvas.height - 1) * canvas.width * 4;
  const [r, g, b] = [d[key], d[key + 1], d[key + 2]];
  for (let i = 0; i < d.length; i += 4) {
    if (d[i] === r && d[i + 1] === g && d[i + 2] === b) d[i + 3] = 0;
  }
  context.putImageData(pixels, 0, 0);
}

export class Front {
  constructor(doc) {
    this.doc = doc;
    this.hintTexts = new Map();  // control -> its hint
    this.hints = null;
    this.media = null;
    this.loading = null;
    this.module = null;
    this.focusAfterBusy = null;
    this.answerWritten = null;  // told when the drill writes the answer box
  }

  // Loads the media files with the sound output, and the hints; resolves to the media.
  loadLater() {
    if (!this.loading) {
      this.loading = Promise.all([import('./media.mjs'), import('./hints.mjs')])
        .then(([{ MediaFiles, SoundPlayer }, { Hints }]) => {
          const files = new MediaFiles();
          files.keepAll();
          this.media = { files, sound: new SoundPlayer(this.doc, files) };
          this.hints = new Hints(this.$('Form1'), this.$('Hint'), this.hintTexts);
          return this.media;
        });
    }
    return this.loading;
  }

  setHint(control, hint) {
    if (hint) this.hintTexts.set(control, hint); else this.hintTexts.delete(control);
    if (this.hints) this.hints.changed(control);
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
    // The writing pad's boxes hold what the answer box holds: they empty with it.
    if (number === 2 && this.answerWritten) this.answerWritten();
  }

  text(number) {
    const field = this.field(number);
    return field.tagName === 'OUTPUT' ? field.textContent : field.value;
  }

  setEdit6Colour(r, g, b) { this.$('Edit6').style.color = `rgb(${r}, ${g}, ${b})`; }

  setButton3(caption, hint) {
    if (caption !== null) this.$('Button3').textContent = caption;
    if (hint !== null) this.setHint(this.$('Button3'), hint);
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
    if (hint) this.setHint(control, hint);
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

  async inputBox(caption, prompt, text) {
    const { inputBox } = await import('./dialogs.mjs');
    return inputBox(this.$('InputBox'), caption, prompt, text);
  }

  async errorBox(caption, text) {
    const { errorBox } = await import('./dialogs.mjs');
    return errorBox(this.$('ErrorBox'), caption, text);
  }

  // A confirmation box; `buttons` holds a "result:label" line a button, the default first.
  // CR LF LF between the lines shows as one blank line.
  async confirm(icon, caption, text, buttons, escResult, closeResult) {
    const list = buttons.split('\n').map((line) => [line.slice(0, line.indexOf(':')),
      line.slice(line.indexOf(':') + 1)]);
    const { messageBox } = await import('./dialogs.mjs');
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
  fileNow(name) { return this.media ? this.media.files.now(name) : undefined; }

  async file(name) { return (await this.loadLater()).files.get(name); }

  playSoundNow(name) { return this.media ? this.media.sound.playNow(name) : undefined; }

  async playSound(name) { return (await this.loadLater()).sound.play(name); }
}

// Starts the drill on the page: the module, the run, and the controls' events, each handed to
// the drill's handler of the same name, one at a time and in order; the window's scaling and
// its keys. What the window needs only later (media, hints, dialogs, worksheets) is loaded
// once it is on screen or when first used.
import createModule from '../mogran.mjs';
import { Front, drawOwnPicture } from './front.mjs';

// The window keeps its design size of 509 x 415 CSS pixels and is scaled as a whole to the
// largest size that fits the screen; on touch screens the number pad stands beside it.
const kWidth = 509;
const kHeight = 415;
const kGap = 12;
const kKeyMin = 60;

function fitToScreen(doc) {
  const stage = doc.getElementById('Stage');
  const pad = doc.getElementById('Pad');
  const edit = doc.getElementById('Edit2');
  const coarse = matchMedia('(pointer: coarse)');

  const fit = () => {
    pad.hidden = !coarse.matches;
    // The pad is the keyboard there; the answer box still takes a hardware keyboard.
    if (coarse.matches) edit.setAttribute('inputmode', 'none'); else edit.removeAttribute('inputmode');
    const width = kWidth + (pad.hidden ? 0 : kGap + pad.offsetWidth);
    const scale = Math.min(innerWidth / width, innerHeight / kHeight);
    // Keys stay at least 60 CSS pixels wide on the screen however small the scale.
    pad.style.setProperty('--key', `${Math.max(72, Math.ceil(kKeyMin / scale))}px`);
    const left = Math.max(0, (innerWidth - width * scale) / 2);
    const top = Math.max(0, (innerHeight - kHeight * scale) / 2);
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    doc.documentElement.style.setProperty('--scale', String(scale));
  };
  addEventListener('resize', fit);
  coarse.addEventListener('change', fit);
  fit();
}

// Keys of the answer box, the number pad for touch screens, and the keyboard focus rules.
const kFullWidthDigits = /[０-９]/g;

// Full-width digits, as a Japanese input method types them, become the digits they are.
function asciiDigits(text) {
  return text.replace(kFullWidthDigits, (d) => String.fromCharCode(d.charCodeAt(0) - 0xfee0));
}

function normalise(edit) {
  const text = asciiDigits(edit.value);
  if (text === edit.value) return;
  const { selectionStart: start, selectionEnd: end } = edit;
  edit.value = text;  // each full-width digit is one code unit, as its ASCII digit is
  edit.setSelectionRange(start, end);
}

// Keys are told by their name or, where an engine names a key "Unidentified" (as one does
// Tab with Shift held), by their place on the keyboard.
function isEnter(event) {
  return event.key === 'Enter' || event.code === 'Enter' || event.code === 'NumpadEnter';
}

function isTab(event) {
  return event.key === 'Tab' || event.code === 'Tab';
}

// Key-down and key-up in the answer box go to the drill. An input method's own keys take
// part only as keys: the Enter that confirms a composition is the input method's, neither an
// answer nor a release that arms the next one.
function bindAnswerBox(edit, { handle }) {
  let compositionEnter = null;
  edit.addEventListener('keydown', (event) => {
    const composing = event.isComposing || event.keyCode === 229;
    if (composing && isEnter(event)) {
      compositionEnter = event.code || 'Enter';
      return;
    }
    if (isEnter(event)) event.preventDefault();
    handle('Edit2KeyDown', composing ? 0 : event.keyCode);
  });
  edit.addEventListener('keyup', (event) => {
    if (compositionEnter !== null && (event.code || 'Enter') === compositionEnter) {
      compositionEnter = null;
      return;
    }
    handle('Edit2KeyUp');
  });
  edit.addEventListener('input', (event) => { if (!event.isComposing) normalise(edit); });
  edit.addEventListener('compositionend', () => normalise(edit));
}

// The pad's keys act on the answer box as its keys would, without taking the focus.
function bindPad(pad, edit, { handle, enqueue }) {
  pad.addEventListener('pointerdown', (event) => event.preventDefault());
  pad.addEventListener('click', (event) => {
    const key = event.target.closest('button')?.dataset.key;
    if (!key) return;
    if (key === 'Enter') {
      handle('Edit2KeyDown', 13);
    } else {
      handle('Edit2KeyDown', 0);
      enqueue(() => {
        const start = edit.selectionStart ?? edit.value.length;
        const end = edit.selectionEnd ?? start;
        if (key === 'Backspace') {
          const from = start === end ? Math.max(0, start - 1) : start;
          edit.setRangeText('', from, end, 'end');
        } else if (edit.value.length - (end - start) < edit.maxLength) {
          edit.setRangeText(key, start, end, 'end');
        }
      });
    }
    handle('Edit2KeyUp');
  });
}

// Edit boxes select their whole text when the keyboard focuses them, not when a click does;
// Tab wraps around from the last control to the first.
function bindFocus(doc) {
  let pointer = false;
  doc.addEventListener('pointerdown', () => { pointer = true; }, { capture: true });
  doc.addEventListener('pointerup', () => { setTimeout(() => { pointer = false; }); }, { capture: true });
  for (const edit of doc.querySelectorAll('#Form1 input.edit')) {
    edit.addEventListener('focus', () => { if (!pointer) edit.select(); });
  }
  const first = doc.getElementById('RadioGroup1');
  const last = doc.getElementById('BitBtn1');
  doc.getElementById('Form1').addEventListener('keydown', (event) => {
    if (!isTab(event)) return;
    const target = event.shiftKey ? last : first;
    if (doc.activeElement === (event.shiftKey ? first : last)) {
      event.preventDefault();
      target.focus();
    }
  });
}

function bindKeys(doc, queue) {
  const edit = doc.getElementById('Edit2');
  bindAnswerBox(edit, queue);
  bindPad(doc.getElementById('Pad'), edit, queue);
  bindFocus(doc);
}

function failed() {
  document.getElementById('Stage').hidden = true;
  document.getElementById('Failure').hidden = false;
}

// Lets the browser keep the site, for the next visit without a network and for installing it
// as an app; where it cannot, the page simply stays a page.
function keepForOffline() {
  if (!('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register('sw.js', { updateViaCache: 'none' }).catch(() => {});
}

// The module compiled while the page loaded, as index.html starts it.
function instantiateWasm(imports, receive) {
  window.mogranWasm
    .then((compiled) => WebAssembly.instantiate(compiled, imports)
      .then((instance) => receive(instance, compiled)))
    .catch((error) => { console.error(error); failed(); });
  return {};
}

async function start() {
  if (typeof WebAssembly !== 'object') throw new Error('no WebAssembly');
  const $ = (id) => document.getElementById(id);
  fitToScreen(document);
  const front = new Front(document);
  const pictures = Promise.all([
    drawOwnPicture($('Image1'), 'image1.bmp', false),
    drawOwnPicture($('BitBtn1').querySelector('canvas'), 'bitbtn1.bmp', true),
  ]);
  const module = await createModule({ front, instantiateWasm });
  front.module = module;

  let queue = Promise.resolve();
  // Runs a step after every step before it; a handler that waits for a dialog or a file
  // holds back the events that come meanwhile, as a window's event queue does.
  const enqueue = (step) => {
    queue = queue.then(step).catch((error) => { console.error(error); failed(); });
    return queue;
  };
  const call = (name, argument = 0) => module.ccall('mogran_handle', 'number',
    ['number', 'string', 'number'], [run, name, argument], { async: true });
  const handle = (name, argument = 0) => enqueue(() => call(name, argument));

  const run = await module.ccall('mogran_run_new', 'number', [], [], { async: true });
  document.documentElement.dataset.run = 'ready';
  // What the first answers and the print button need is read once the window is on screen.
  const later = front.nextPaint();
  later.then(() => { keepForOffline(); front.loadLater(); });
  const sheets = later.then(() => import('./sheets.mjs')).then(({ Sheets }) => new Sheets(document));

  for (const item of $('RadioGroup1').querySelectorAll('input')) {
    item.addEventListener('change', () => handle('RadioGroup1Click'));
  }
  for (const name of ['Button1', 'Button2', 'Button3']) {
    $(name).addEventListener('click', () => handle(`${name}Click`));
  }
  // The sheets go to the browser's print dialog once they are laid out.
  $('BitBtn1').addEventListener('click', () => {
    enqueue(async () => { module.sheets = await sheets; });
    handle('BitBtn1Click', $('Paper').selectedIndex);
    enqueue(() => module.sheets.printFresh());
  });
  $('CheckBox1').querySelector('input').addEventListener('click', () => handle('CheckBox1Click'));
  bindKeys(document, { handle, enqueue });
  $('RadioGroup1').focus();
  await pictures.catch(() => {});
}

start().catch((error) => { console.error(error); failed(); });

// Starts the drill on the page: the module, the run, and the controls' events, each handed to
// the drill's handler of the same name, one at a time and in order; the window's scaling and
// its keys. What the window needs only later (media, hints, dialogs, worksheets) is loaded
// once it is on screen or when first used.
import createModule from '../mogran.mjs';
import { Front, drawOwnPicture } from './front.mjs';

// The window keeps its design size of 509 x 415 CSS pixels. Where a finger or a pen may write,
// the pad stands beside it in landscape and under it in portrait, and the two are scaled
// together to the largest size that fits the screen.
const kWidth = 509;
const kHeight = 415;
const kGap = 12;
// The pad: its switch's row over a face, kInner apart; the writing face holds three boxes at
// least kBoxMin CSS pixels a side on the screen over a row of keys, the number keys stay at
// least kKeyMin high on the screen.
const kBar = 44;
const kInner = 8;
const kBoxMin = 140;
const kKeyMin = 60;

// The design sizes of window and pad together and of the pad, and the boxes' side, at a scale.
function arrange(scale, landscape) {
  const box = Math.max(kBoxMin, kBoxMin / scale);
  const face = Math.max(box + kInner + kBar, (4 * kKeyMin) / scale + 3 * kInner);
  const pad = [3 * box + 2 * kInner, kBar + kInner + face];
  if (landscape) {
    pad[1] = Math.max(pad[1], kHeight);
    return { box, pad, size: [kWidth + kGap + pad[0], pad[1]] };
  }
  pad[0] = Math.max(pad[0], kWidth);
  return { box, pad, size: [pad[0], kHeight + kGap + pad[1]] };
}

// The pad shows on touch screens and from the first touch or pen on the page (pens report a
// fine pointer); `shown` is told whenever it is laid out.
function fitToScreen(doc, shown) {
  const stage = doc.getElementById('Stage');
  const pad = doc.getElementById('Pad');
  const edit = doc.getElementById('Edit2');
  const coarse = matchMedia('(any-pointer: coarse)');
  let written = false;

  const fit = () => {
    const landscape = innerWidth >= innerHeight;
    pad.hidden = !(coarse.matches || written);
    let scale = Math.min(innerWidth / kWidth, innerHeight / kHeight);
    let size = [kWidth, kHeight];
    // The pad is the keyboard there; the answer box still takes a hardware keyboard.
    if (pad.hidden) edit.removeAttribute('inputmode'); else edit.setAttribute('inputmode', 'none');
    if (!pad.hidden) {
      shown();
      const fits = (s) => {
        const [width, height] = arrange(s, landscape).size;
        return width * s <= innerWidth && height * s <= innerHeight;
      };
      let low = 0.1;
      for (let i = 0; i < 30; i += 1) {
        const middle = (low + scale) / 2;
        if (fits(middle)) low = middle; else scale = middle;
      }
      scale = low;
      const { box, pad: [width, height], size: all } = arrange(scale, landscape);
      Object.assign(pad.style, { width: `${width}px`, height: `${height}px` });
      pad.style.setProperty('--box', `${box}px`);
      stage.style.flexDirection = landscape ? 'row' : 'column';
      size = all;
    }
    const left = Math.max(0, (innerWidth - size[0] * scale) / 2);
    const top = Math.max(0, (innerHeight - size[1] * scale) / 2);
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    doc.documentElement.style.setProperty('--scale', String(scale));
  };
  addEventListener('resize', fit);
  coarse.addEventListener('change', fit);
  // A pen is noticed as it comes near, mostly before it first taps a control that would move.
  const noticed = (event) => {
    if (event.pointerType === 'mouse') return;
    written = true;
    for (const type of ['pointerdown', 'pointermove']) doc.removeEventListener(type, noticed, true);
    fit();
  };
  for (const type of ['pointerdown', 'pointermove']) doc.addEventListener(type, noticed, true);
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
  // The writing pad's code is loaded only where the pad shows, as soon as it does.
  const ink = new Promise((shown) => fitToScreen(document, shown)).then(() => import('./ink.mjs'));
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
  ink.then(({ InkPad }) => new InkPad(document, front, module, { handle, enqueue, call }))
    .catch((error) => console.error(error));
  $('RadioGroup1').focus();
  await pictures.catch(() => {});
}

start().catch((error) => { console.error(error); failed(); });

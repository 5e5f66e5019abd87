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

function isEnter(event) {
  return event.key === 'Enter' || event.code === 'Enter' || event.code === 'NumpadEnter';
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
    if (event.key !== 'Tab') return;
    const target = event.shiftKey ? last : first;
    if (doc.activeElement === (event.shiftKey ? first : last)) {
      event.preventDefault();
      target.focus();
    }
  });
}

export function bindKeys(doc, queue) {
  const edit = doc.getElementById('Edit2');
  bindAnswerBox(edit, queue);
  bindPad(doc.getElementById('Pad'), edit, queue);
  bindFocus(doc);
}

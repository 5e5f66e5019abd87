// The modal boxes of the page, each a <dialog> opened with showModal(): while one is open,
// nothing else on the page takes input.

function opened(dialog, caption) {
  dialog.querySelector('.caption').textContent = caption;
  dialog.setAttribute('aria-label', caption);
  dialog.showModal();
  return new Promise((resolve) => dialog.addEventListener('close', resolve, { once: true }));
}

// A message box: the caption, the icon of its kind, the text as it stands (line breaks
// kept) and its buttons, given as [value, label] with the default first; an "&" in a label
// marks the letter that chooses the button. `escValue` is the answer of Esc; `closeValue`
// that of the close box, where the box has one. Resolves to the value.
export async function messageBox(dialog, { caption, icon, text, buttons, escValue, closeValue }) {
  dialog.querySelector('.icon').className = `icon ${icon}`;
  dialog.querySelector('.icon').textContent = { stop: '✕', info: 'i', warning: '!' }[icon];
  dialog.querySelector('.text').textContent = text;
  const row = dialog.querySelector('.buttons');
  const letters = new Map();
  row.replaceChildren(...buttons.map(([value, label]) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.value = value;
    const at = label.indexOf('&');
    if (at >= 0 && at + 1 < label.length) {
      const letter = document.createElement('u');
      letter.textContent = label[at + 1];
      button.append(label.slice(0, at), letter, label.slice(at + 2));
      letters.set(`Key${label[at + 1].toUpperCase()}`, button);
    } else {
      button.textContent = label;
    }
    button.addEventListener('click', () => dialog.close(value));
    return button;
  }));
  dialog.onkeydown = (event) => {
    const button = !event.ctrlKey && !event.metaKey && letters.get(event.code);
    if (button) {
      event.preventDefault();
      button.click();
    }
  };
  const closeBox = dialog.querySelector('.close');
  if (closeBox) closeBox.onclick = () => dialog.close(closeValue);
  dialog.returnValue = escValue;
  const closed = opened(dialog, caption);
  row.firstElementChild.focus();
  await closed;
  return dialog.returnValue || escValue;
}

export function errorBox(dialog, caption, text) {
  return messageBox(dialog, { caption, icon: 'stop', text, buttons: [['ok', 'OK']], escValue: 'ok' });
}

// The input box: the edited text after OK (or Enter), the default text after Cancel or Esc.
export async function inputBox(dialog, caption, prompt, text) {
  const field = dialog.querySelector('input');
  dialog.querySelector('.prompt').textContent = prompt;
  field.value = text;
  dialog.returnValue = 'cancel';
  dialog.querySelector('[value=cancel]').onclick = () => dialog.close('cancel');
  const closed = opened(dialog, caption);
  field.focus();
  field.select();
  await closed;
  return dialog.returnValue === 'ok' ? field.value : text;
}

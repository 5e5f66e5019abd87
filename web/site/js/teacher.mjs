// The teacher's page: class sets laid out by the module from the form's settings, which the
// module checks, and handed to the browser's print dialog.
import createModule from '../mogran.mjs';
import { Sheets } from './sheets.mjs';

const $ = (id) => document.getElementById(id);
const kFields = ['Kind', 'Count', 'Sets', 'Seed', 'Paper'];

// Full-width digits, as a Japanese input method types them, become the digits they are.
const asciiDigits = (text) => text.replace(/[０-９]/g,
  (d) => String.fromCharCode(d.charCodeAt(0) - 0xfee0));

// The form's side of the module: the kinds' names, a setting's message, the seed used.
class Form {
  kindLabel(kind, label) { $('Kind').add(new Option(`${kind}　${label}`, String(kind))); }

  refuse(field, message) {
    $(`${field}Message`).textContent = message;
    $(field).setAttribute('aria-invalid', 'true');
  }

  seed(text) { $('Seed').value = text; }

  failed(message) { $('Status').textContent = message; }

  clear() {
    for (const id of kFields) {
      $(`${id}Message`).textContent = '';
      $(id).removeAttribute('aria-invalid');
    }
    $('Status').textContent = '';
  }
}

async function start() {
  const form = new Form();
  const sheets = new Sheets(document);
  const module = await createModule({ form, sheets });
  module.ccall('mogran_class_form', null, [], []);
  $('ClassForm').addEventListener('submit', (event) => {
    event.preventDefault();
    form.clear();
    const settings = kFields.map((id) => asciiDigits($(id).value));
    const pages = module.ccall('mogran_class_print', 'number', kFields.map(() => 'string'), settings);
    if (pages > 0) {
      $('Status').textContent = `${pages}ページを いんさつします。`;
      sheets.printFresh();
    } else {
      document.querySelector('[aria-invalid="true"]')?.focus();
    }
  });
  document.documentElement.dataset.run = 'ready';
}

start().catch((error) => {
  console.error(error);
  $('Status').textContent = 'ページを よみこみなおしてください。';
});

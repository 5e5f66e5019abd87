// Starts the drill on the page: the module, the run, and the controls' events, each handed to
// the drill's handler of the same name, one at a time and in order.
import createModule from '../mogran.mjs';
import { Front } from './front.mjs';
import { Hints } from './hints.mjs';
import { MediaFiles, SoundPlayer, drawOwnPicture } from './media.mjs';
import { bindKeys } from './keys.mjs';
import { fitToScreen } from './layout.mjs';

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
  const hints = new Hints($('Form1'), $('Hint'));
  const files = new MediaFiles();
  const front = new Front(document, hints, files, new SoundPlayer(document, files));
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
  later.then(() => { keepForOffline(); files.keepAll(); });
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

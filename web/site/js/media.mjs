// Media files of the drill, read by bare name beside the page at each use, and the sound output.

// A media file as the page has it now. Once the service worker keeps the files, the kept copy
// answers at once, read here without the worker's round trip, and the worker refreshes it from
// the network behind the answer; before that, the network answers.
async function mediaFile(name) {
  if (globalThis.caches && navigator.serviceWorker && navigator.serviceWorker.controller) {
    const kept = await caches.match(new URL(name, location.href).href);
    if (kept) {
      fetch(name, { cache: 'no-cache' }).catch(() => {});
      return kept;
    }
  }
  return fetch(name, { cache: 'no-cache' });
}

function sameBytes(a, b) {
  if (!a || a.byteLength !== b.byteLength) return false;
  const x = new Uint8Array(a);
  const y = new Uint8Array(b);
  for (let i = 0; i < x.length; ++i) if (x[i] !== y[i]) return false;
  return true;
}

// The bytes of a file, or null when it cannot be had.
export async function readFile(name) {
  try {
    const response = await mediaFile(name);
    if (!response.ok) return null;
    return new Uint8Array(await response.arrayBuffer());
  } catch {
    return null;
  }
}

// One sound at a time through Web Audio; the next sound stops the one playing. Browsers start
// audio only after a gesture of the user, so the context is made at the first click or key.
export class SoundPlayer {
  constructor(target) {
    this.context = null;
    this.playing = null;
    this.decoded = new Map();  // name -> the bytes last read and their sound
    const wake = () => this.wake();
    for (const type of ['pointerdown', 'keydown', 'touchend']) {
      target.addEventListener(type, wake, { capture: true });
    }
  }

  wake() {
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!this.context && Context) this.context = new Context();
    if (this.context && this.context.state === 'suspended') this.context.resume();
  }

  stop() {
    if (!this.playing) return;
    try { this.playing.stop(); } catch { /* it had ended */ }
    this.playing = null;
  }

  // Starts the file playing and resolves to null, or to the text of the failure ('' if none).
  async play(name) {
    this.stop();
    let bytes;
    try {
      const response = await mediaFile(name);
      if (!response.ok) return `${name}: ${response.status} ${response.statusText}`.trim();
      bytes = await response.arrayBuffer();
    } catch (error) {
      return error && error.message ? `${name}: ${error.message}` : '';
    }
    this.wake();
    if (!this.context) return '';
    // The file is read at every use; the same bytes as last time need no decoding again.
    const last = this.decoded.get(name);
    let buffer = last && sameBytes(last.bytes, bytes) ? last.buffer : null;
    if (!buffer) {
      try {
        buffer = await this.context.decodeAudioData(bytes.slice(0));
      } catch (error) {
        return error && error.message ? `${name}: ${error.message}` : '';
      }
      this.decoded.set(name, { bytes, buffer });
    }
    this.stop();
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    source.start();
    this.playing = source;
    return null;
  }
}

// Draws a picture given as RGBA bytes at its own size from the top-left corner; what lies
// beyond the canvas is cut off, and where the picture is smaller the panel shows through.
export function drawPicture(canvas, rgba, width, height) {
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

// Media files of the drill, read by bare name beside the page at each use, and the sound output.

const kMedia = ['mascot.bmp', 'maru1.bmp', 'batu1.bmp', 'maru1.wav', 'batu1.wav'];

// The media files as the page has them: each use reads the copy held here at once, and the
// copy is read again behind the use, so a replaced file shows from its next use on and a
// removed one fails from then on. Where the service worker keeps the site, the copy is read
// from the network through it, which keeps its own copy for going offline; without a network
// its copy answers. Before a file is held, its use waits for the first read.
export class MediaFiles {
  constructor() {
    this.held = new Map();  // name -> { bytes } or { failure }
    this.reading = new Map();  // name -> the read under way
  }

  // Reads every file once, so that the first uses need not wait.
  keepAll() { for (const name of kMedia) this.refresh(name); }

  refresh(name) {
    if (!this.reading.has(name)) {
      this.reading.set(name, this.read(name).finally(() => this.reading.delete(name)));
    }
    return this.reading.get(name);
  }

  async read(name) {
    let response;
    try {
      response = await fetch(name, { cache: 'reload' });
    } catch (error) {
      // No network and no kept copy: what is held stays; with nothing held the use fails.
      if (!this.held.has(name)) {
        this.held.set(name, { failure: error && error.message ? `${name}: ${error.message}` : '' });
      }
      return;
    }
    if (response.ok) {
      try {
        const bytes = new Uint8Array(await response.arrayBuffer());
        // The same bytes stay the same object, so a use sees at once that nothing changed.
        const held = this.held.get(name);
        if (!held || !sameBytes(held.bytes, bytes)) this.held.set(name, { bytes });
      } catch (error) {
        if (!this.held.has(name)) this.held.set(name, { failure: '' });
      }
    } else if (response.status === 404 || response.status === 410 || !this.held.has(name)) {
      this.held.set(name, { failure: `${name}: ${response.status} ${response.statusText}`.trim() });
    }
  }

  // The file as held now, its next read started behind; undefined while nothing is held.
  now(name) {
    const file = this.held.get(name);
    if (file) this.refresh(name);
    return file;
  }

  // The file; one not held yet is the service worker's kept copy, else its first read.
  async get(name) {
    const file = this.now(name);
    if (file) return file;
    const reading = this.refresh(name);
    const kept = await keptCopy(name);
    if (kept && !this.held.has(name)) this.held.set(name, { bytes: kept });
    if (!this.held.has(name)) await reading;
    return this.held.get(name);
  }
}

async function keptCopy(name) {
  if (!globalThis.caches || !navigator.serviceWorker || !navigator.serviceWorker.controller) {
    return null;
  }
  try {
    const kept = await caches.match(new URL(name, location.href).href);
    return kept ? new Uint8Array(await kept.arrayBuffer()) : null;
  } catch {
    return null;
  }
}

function sameBytes(a, b) {
  if (!a || a.byteLength !== b.byteLength) return false;
  for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
  return true;
}

// One sound at a time through Web Audio; the next sound stops the one playing. Browsers start
// audio only after a gesture of the user, so the context is made at the first click or key.
export class SoundPlayer {
  constructor(target, files) {
    this.files = files;
    this.context = null;
    this.playing = null;
    this.decoded = new Map();  // name -> the bytes last decoded and their sound or failure
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

  start(buffer) {
    this.stop();
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    source.start();
    this.playing = source;
  }

  // Plays a file whose sound is decoded: null when it plays, the text of the failure ('' if
  // none), or undefined when the file's bytes are not the ones decoded last time.
  playDecoded(name, file) {
    if (!file.bytes) return file.failure;
    this.wake();
    if (!this.context) return '';
    const sound = this.decoded.get(name);
    if (!sound || sound.bytes !== file.bytes) return undefined;
    if (sound.failure !== undefined) return sound.failure;
    this.start(sound.buffer);
    return null;
  }

  // Starts a held file playing where that needs no waiting; undefined when it must wait for
  // play(), which reads and decodes it first.
  playNow(name) {
    const file = this.files.now(name);
    return file ? this.playDecoded(name, file) : undefined;
  }

  async play(name) {
    this.stop();
    const file = await this.files.get(name);
    const played = this.playDecoded(name, file);
    if (played !== undefined) return played;
    try {
      const buffer = await this.context.decodeAudioData(file.bytes.slice(0).buffer);
      this.decoded.set(name, { bytes: file.bytes, buffer });
    } catch (error) {
      const failure = error && error.message ? `${name}: ${error.message}` : '';
      this.decoded.set(name, { bytes: file.bytes, failure });
    }
    return this.playDecoded(name, file);
  }
}

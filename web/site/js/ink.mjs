// The pad's writing face, where a finger or a pen may write: three boxes for the answer's
// digits, each read by the drill's WebAssembly module, and the switch between this face and
// the number keys. The answer box holds the digits read, left to right, each change entering
// as a typed key does; the drill itself judges.

// A box is read once the pen has left it for this long (4, 5 and 7 often take two strokes).
const kReadAfter = 500;
const kFaceKey = 'mogran.padFace';
const kSwitchCaption = { ink: 'ボタンにする', keys: 'てがきにする' };
const kNoDigit = -1;

// The face chosen last on this device; writing first, and where storage is refused.
function storedFace() {
  try {
    return localStorage.getItem(kFaceKey) === 'keys' ? 'keys' : 'ink';
  } catch {
    return 'ink';
  }
}

function storeFace(face) {
  try {
    localStorage.setItem(kFaceKey, face);
  } catch {
    // kept for this visit only
  }
}

// Reads the strokes of one box (each a flat list of x, y in the box's own CSS pixels, y
// downward) as the module's reader does: the digit, or kNoDigit.
export function readDigit(module, strokes, side) {
  const points = strokes.reduce((count, stroke) => count + stroke.length, 0);
  const at = module._malloc(8 + 4 * strokes.length + 4 * points);
  try {
    const lengths = at + 8;
    const xy = lengths + 4 * strokes.length;
    let next = xy;
    strokes.forEach((stroke, i) => {
      module.HEAP32[(lengths >> 2) + i] = stroke.length / 2;
      module.HEAPF32.set(stroke, next >> 2);
      next += 4 * stroke.length;
    });
    return module._mogran_read_digit(xy, lengths, strokes.length, side, at);
  } finally {
    module._free(at);
  }
}

// One writing box: its strokes, drawn on its canvas at the screen's resolution, and what it
// reads as (null until read).
class Box {
  constructor(element) {
    this.element = element;
    this.canvas = element.querySelector('canvas');
    this.corner = element.querySelector('output');
    this.strokes = [];
    this.digit = null;
    this.timer = 0;
  }

  get side() { return this.canvas.clientWidth; }

  get unread() { return this.strokes.length > 0 && this.digit === null; }

  empty() {
    clearTimeout(this.timer);
    if (this.strokes.length === 0 && this.digit === null) return;
    this.strokes = [];
    this.show(null);
    this.draw();
  }

  show(digit) {
    this.digit = digit;
    this.corner.textContent = digit === null ? '' : digit === kNoDigit ? '?' : String(digit);
  }

  // The canvas at the screen's pixels, the drawing in the box's CSS pixels.
  context() {
    const pixels = Math.round(this.canvas.getBoundingClientRect().width * devicePixelRatio);
    if (this.canvas.width !== pixels) Object.assign(this.canvas, { width: pixels, height: pixels });
    const context = this.canvas.getContext('2d');
    const k = pixels / this.side;
    context.setTransform(k, 0, 0, k, 0, 0);
    Object.assign(context, { lineWidth: this.side / 16, lineCap: 'round', lineJoin: 'round',
      strokeStyle: '#000080' });
    return context;
  }

  draw() {
    const context = this.context();
    context.clearRect(0, 0, this.side, this.side);
    for (const stroke of this.strokes) this.line(context, stroke, 0);
  }

  // Draws a stroke from its point `from` on (points are pairs in the flat list).
  line(context, stroke, from) {
    const start = Math.max(0, from - 2);
    context.beginPath();
    context.moveTo(stroke[start], stroke[start + 1]);
    for (let i = start; i < stroke.length; i += 2) context.lineTo(stroke[i], stroke[i + 1]);
    context.stroke();
  }
}

export class InkPad {
  constructor(doc, front, module, { handle, enqueue, call }) {
    this.pad = doc.getElementById('Pad');
    this.edit = doc.getElementById('Edit2');
    this.switch = doc.getElementById('PadSwitch');
    Object.assign(this, { module, handle, enqueue, call });
    this.boxes = ['Ink1', 'Ink2', 'Ink3'].map((id) => new Box(doc.getElementById(id)));
    this.writer = null;  // the stroke being written: its box, pointer and points
    this.pens = new Set();  // pens on the glass, while which touches are the hand resting
    for (const type of ['pointerdown', 'pointerup', 'pointercancel']) {
      doc.addEventListener(type, (event) => {
        if (event.pointerType !== 'pen') return;
        if (type === 'pointerdown') this.pens.add(event.pointerId);
        else this.pens.delete(event.pointerId);
      }, { capture: true });
    }
    for (const box of this.boxes) this.bindBox(box);
    doc.getElementById('InkClear').addEventListener('click', () => {
      this.emptyBoxes();
      this.update([]);
    });
    // Every box not yet read is read before Enter.
    doc.getElementById('InkEnter').addEventListener('click', () => {
      this.update(this.boxes);
      this.handle('Edit2KeyDown', 13);
      this.handle('Edit2KeyUp');
    });
    this.switch.addEventListener('click', () => {
      const face = this.pad.dataset.face === 'ink' ? 'keys' : 'ink';
      storeFace(face);
      this.showFace(face);
    });
    // A new problem empties the answer box, and the boxes with it.
    front.answerWritten = () => this.emptyBoxes();
    addEventListener('resize', () => { for (const box of this.boxes) box.draw(); });
    this.showFace(storedFace());
    readDigit(module, [], 1);  // the reader makes its model ready now, not at the first box
  }

  emptyBoxes() {
    for (const box of this.boxes) box.empty();
    this.writer = null;
  }

  showFace(face) {
    this.pad.dataset.face = face;
    this.switch.textContent = kSwitchCaption[face];
  }

  bindBox(box) {
    const { element } = box;
    element.addEventListener('pointerdown', (event) => {
      const { pointerType: type } = event;
      if (type === 'touch' ? this.pens.size > 0 : type === 'mouse' && event.button !== 0) return;
      if (this.writer) {
        // One stroke at a time; a pen coming down takes over from the hand resting on the glass.
        if (type !== 'pen' || this.writer.type !== 'touch') return;
        this.writer.box.strokes.pop();
        this.writer.box.draw();
      }
      element.setPointerCapture(event.pointerId);
      clearTimeout(box.timer);
      // The box left is read at once; a box read before is written afresh.
      const others = this.boxes.filter((other) => other !== box && other.unread);
      const afresh = box.digit !== null;
      if (afresh) box.empty();
      const rect = box.canvas.getBoundingClientRect();
      this.writer = { box, type, id: event.pointerId, rect, stroke: [] };
      box.strokes.push(this.writer.stroke);
      this.add([event]);
      if (others.length > 0 || afresh) this.update(others);
    });
    // Touches written here are no gesture of the page's: no scrolling, and no fling that
    // would swallow a tap on the return key just after.
    element.addEventListener('touchstart', (event) => event.preventDefault(), { passive: false });
    element.addEventListener('pointermove', (event) => {
      if (this.writer?.id !== event.pointerId || this.writer.box !== box) return;
      this.add(event.getCoalescedEvents?.() ?? [event]);
    });
    const end = (event) => {
      if (this.writer?.id !== event.pointerId || this.writer.box !== box) return;
      this.writer = null;
      box.timer = setTimeout(() => this.update([box]), kReadAfter);
    };
    element.addEventListener('pointerup', end);
    element.addEventListener('pointercancel', end);
  }

  // Adds the points of pointer events to the stroke being written, in the box's own CSS
  // pixels, and draws them.
  add(events) {
    const { box, rect, stroke } = this.writer;
    const scale = box.side / rect.width;
    const from = stroke.length;
    for (const event of events) {
      stroke.push((event.clientX - rect.left) * scale, (event.clientY - rect.top) * scale);
    }
    box.line(box.context(), stroke, from);
  }

  // Reads the boxes given, then brings the answer box to the digits read, as one step of the
  // page's queue: a key-down that is not Enter, the new text, the key-up.
  update(boxes) {
    for (const box of boxes) clearTimeout(box.timer);
    this.enqueue(async () => {
      for (const box of boxes) {
        if (box.unread && box !== this.writer?.box) {
          box.show(readDigit(this.module, box.strokes, box.side));
        }
      }
      const text = this.boxes.map((box) => (box.digit === null || box.digit === kNoDigit ? ''
        : String(box.digit))).join('');
      if (text === this.edit.value) return;
      await this.call('Edit2KeyDown', 0);
      this.edit.value = text;
      await this.call('Edit2KeyUp');
    });
  }
}

// Hints at the mouse pointer: 200 ms at rest over a control, 50 ms when moving on to another
// hinted control while one shows, up for 2500 ms, on the cyan hint background.
const kWakeUp = 200;
const kFollowOn = 50;
const kShown = 2500;

export class Hints {
  constructor(root, tip, texts) {
    this.tip = tip;
    this.texts = texts;  // control -> its hint, kept by the display
    this.over = null;
    this.timer = 0;
    this.hideTimer = 0;
    this.lastShown = 0;
    this.shown = false;
    root.addEventListener('mousemove', (e) => this.move(e));
    root.addEventListener('mouseleave', () => this.leave());
    root.addEventListener('mousedown', () => this.hide());
  }

  // The hint of a control has changed: the one showing shows the new text.
  changed(element) {
    if (this.over === element && !this.tip.hidden) this.tip.textContent = this.texts.get(element) || '';
  }

  hinted(element) {
    for (let e = element; e; e = e.parentElement) {
      if (this.texts.has(e)) return e;
    }
    return null;
  }

  move(event) {
    const element = this.hinted(event.target);
    if (element === this.over) {
      // Resting is waited for anew while the pointer moves; a hint shows once per visit.
      if (element && !this.shown) this.schedule(event, kWakeUp);
      return;
    }
    const showing = !this.tip.hidden || performance.now() - this.lastShown < kFollowOn;
    this.hide();
    this.over = element;
    this.shown = false;
    if (element) this.schedule(event, showing ? kFollowOn : kWakeUp);
  }

  schedule(event, delay) {
    clearTimeout(this.timer);
    const { clientX: x, clientY: y } = event;
    this.timer = setTimeout(() => this.show(x, y), delay);
  }

  show(x, y) {
    if (!this.over) return;
    this.tip.textContent = this.texts.get(this.over);
    this.tip.style.left = `${x}px`;
    this.tip.style.top = `${y + 20}px`;
    this.tip.hidden = false;
    this.shown = true;
    this.lastShown = performance.now();
    clearTimeout(this.hideTimer);
    this.hideTimer = setTimeout(() => this.hide(), kShown);
  }

  hide() {
    clearTimeout(this.timer);
    clearTimeout(this.hideTimer);
    if (!this.tip.hidden) this.lastShown = performance.now();
    this.tip.hidden = true;
  }

  leave() {
    this.hide();
    this.over = null;
  }
}

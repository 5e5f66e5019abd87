// The printed sheets: one SVG a sheet, in the device pixels the module draws in, sized to the
// paper so that a device pixel stays its fraction of an inch on paper. They are hidden on the
// screen; the print shows them, each on a page of its own. The last sheets laid out stay on
// the page, so that printing the page again prints them again.

const kEscapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' };
const escape = (text) => text.replace(/[&<>"']/g, (c) => kEscapes[c]);

export class Sheets {
  constructor(doc) {
    this.doc = doc;
    this.place = doc.getElementById('Sheets');
    this.pageStyle = doc.getElementById('SheetPage');
    this.measure = doc.createElement('canvas').getContext('2d');
    this.fresh = false;
    this.fonts = new Map();
    this.begin(0, 0, 1200);
  }

  // A new document of sheets of width x height device pixels, dpi of them an inch.
  begin(width, height, dpi) {
    this.size = { width, height, dpi };
    this.pages = [];
    this.page = null;
  }

  beginPage() {
    this.page = [];
    this.group = false;
  }

  // The face as the module names it, the sheets' gothic faces after it for a browser that
  // has no face of that name; the text's cell is measured in the face the browser takes.
  setFont(face, pixels) {
    const key = `${pixels} ${face}`;
    if (!this.fonts.has(key)) {
      const style = getComputedStyle(this.doc.documentElement);
      const family = `"${face}", ${style.getPropertyValue('--sheet-faces').trim() || 'monospace'}`;
      this.measure.font = `${pixels}px ${family}`;
      const metrics = this.measure.measureText('なまえ');
      this.fonts.set(key, {
        css: this.measure.font,
        group: `<g font-family="${escape(family)}" font-size="${pixels}">`,
        advances: new Map(),
        ascent: metrics.fontBoundingBoxAscent ?? pixels * 0.88,
        descent: metrics.fontBoundingBoxDescent ?? pixels * 0.12,
      });
    }
    const font = this.fonts.get(key);
    ({ ascent: this.ascent, descent: this.descent, advances: this.advances } = font);
    this.measure.font = font.css;
    if (this.group) this.page.push('</g>');
    this.page.push(font.group);
    this.group = true;
  }

  line(x1, y1, x2, y2) {
    this.page.push(`<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}"/>`);
  }

  // (x, y) is the top-left corner of the first character cell: the baseline stands the
  // face's ascent, in whole pixels, below it. Every character is placed by the advances of
  // those before it, as they are at this size, since a browser's own layout of scaled text
  // drifts by parts of a device pixel. The cell is white behind the text.
  text(x, y, text) {
    const baseline = y + Math.round(this.ascent);
    const positions = [];
    let at = x;
    for (const character of text) {
      positions.push(at);
      at += this.advance(character);
    }
    this.page.push(`<rect x="${x}" y="${baseline - this.ascent}" width="${at - x}" `
      + `height="${this.ascent + this.descent}"/>`
      + `<text x="${positions.join(' ')}" y="${baseline}">${escape(text)}</text>`);
  }

  advance(character) {
    let width = this.advances.get(character);
    if (width === undefined) {
      width = this.measure.measureText(character).width;
      this.advances.set(character, width);
    }
    return width;
  }

  endPage() {
    if (this.group) this.page.push('</g>');
    const { width, height } = this.size;
    this.pages.push(`<svg class="sheet" viewBox="0 0 ${width} ${height}">${this.page.join('')}</svg>`);
    this.page = null;
  }

  // Puts the document's sheets in place of the last ones, with the paper's page size, and
  // gives their count; with `keep` false, or without sheets, the last ones stay.
  finish(keep) {
    const count = keep ? this.pages.length : 0;
    if (count > 0) {
      const { width, height, dpi } = this.size;
      const inches = (pixels) => `${pixels / dpi}in`;
      this.pageStyle.textContent = `@page { size: ${inches(width)} ${inches(height)}; margin: 0; }`;
      this.place.style.setProperty('--sheet-width', inches(width));
      this.place.style.setProperty('--sheet-height', inches(height));
      this.place.innerHTML = this.pages.join('');
      this.fresh = true;
    }
    this.pages = [];
    return count;
  }

  // Opens the browser's print dialog when new sheets have been laid out since the last time.
  printFresh() {
    if (!this.fresh) return;
    this.fresh = false;
    window.print();
  }
}

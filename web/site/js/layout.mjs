// The window keeps its design size of 509 x 415 CSS pixels and is scaled as a whole to the
// largest size that fits the screen; on touch screens the number pad stands beside it.
const kWidth = 509;
const kHeight = 415;
const kGap = 12;
const kKeyMin = 60;

export function fitToScreen(doc) {
  const stage = doc.getElementById('Stage');
  const pad = doc.getElementById('Pad');
  const edit = doc.getElementById('Edit2');
  const coarse = matchMedia('(pointer: coarse)');

  const fit = () => {
    pad.hidden = !coarse.matches;
    // The pad is the keyboard there; the answer box still takes a hardware keyboard.
    if (coarse.matches) edit.setAttribute('inputmode', 'none'); else edit.removeAttribute('inputmode');
    const width = kWidth + (pad.hidden ? 0 : kGap + pad.offsetWidth);
    const scale = Math.min(innerWidth / width, innerHeight / kHeight);
    // Keys stay at least 60 CSS pixels wide on the screen however small the scale.
    pad.style.setProperty('--key', `${Math.max(72, Math.ceil(kKeyMin / scale))}px`);
    const left = Math.max(0, (innerWidth - width * scale) / 2);
    const top = Math.max(0, (innerHeight - kHeight * scale) / 2);
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    doc.documentElement.style.setProperty('--scale', String(scale));
  };
  addEventListener('resize', fit);
  coarse.addEventListener('change', fit);
  fit();
}

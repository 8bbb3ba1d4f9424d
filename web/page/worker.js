// The page's worker: the WebAssembly core (ChargefieldCore, put before this script in the same
// Blob) with the session, one operation per message, in order. It answers each with what the
// operation returned and what the page is to show since: the pictures' pixels when they
// changed, the messages, the tones, the caption, the notes of the picture. While a long
// operation runs it reports its progress and, now and then, the picture as drawn so far.
'use strict';

let core = null;
let app = null;
// The picture's font: its size in pixels, and the metrics the desktop's font engine gives
// Liberation Serif (ascent and descent from the font's own, in 64ths of a pixel).
let fontPixels = 15;
const kAscent = 1825 / 2048;
const kDescent = 443 / 2048;
const sixtyFourths = (v) => Math.round(v * 64) / 64;
let measure = null;
let scratch = null;
// What the canvas is to draw into each picture (key -1 the field, 0-5 the profiles), and the
// boxes of the texts drawn since the picture was cleared (for tests that leave texts aside).
const pending = new Map();
const textBoxes = new Map();

const cssColour = (c) => `rgb(${c & 255},${(c >> 8) & 255},${(c >>> 16) & 255})`;
const fontSpec = () => `${fontPixels}px "Liberation Serif"`;

// 0xAARRGGBB words (little-endian B, G, R, A) to the canvas's R, G, B, A and back.
function swapRedBlue(words, out) {
  for (let i = 0, n = words.length; i < n; i++) {
    const w = words[i];
    out[i] = (w & 0xff00ff00) | ((w >>> 16) & 0xff) | ((w & 0xff) << 16);
  }
  return out;
}

const textCanvas = {
  width(text) {
    measure.font = fontSpec();
    return measure.measureText(text).width;
  },
  lineHeight() {
    return sixtyFourths(fontPixels * kAscent) + sixtyFourths(fontPixels * kDescent);
  },
  cleared(picture) {
    pending.delete(picture);
    textBoxes.set(picture, []);
  },
  text(picture, text, x, y, colour) {
    if (!pending.has(picture)) pending.set(picture, []);
    pending.get(picture).push({ kind: 'text', text, x, y, colour });
  },
  shape(picture, kind, x1, y1, x2, y2, colour, width, filled, fill) {
    if (!pending.has(picture)) pending.set(picture, []);
    pending.get(picture).push({ kind, x1, y1, x2, y2, colour, width, filled, fill });
  },
  // The texts (and the few shapes) handed since the last call, drawn into the buffer at
  // `address` in their place in the order: the pixels drawn after them cover them. Only the
  // rectangle they cover goes through the canvas.
  draw(picture, address, width, height) {
    const items = pending.get(picture);
    if (!items || items.length === 0) return;
    pending.delete(picture);
    const ascent = sixtyFourths(fontPixels * kAscent);
    const lineHeight = this.lineHeight();
    let x0 = width, y0 = height, x1 = 0, y1 = 0;
    for (const it of items) {
      if (it.kind === 'text') {
        it.width = this.width(it.text);
        x0 = Math.min(x0, it.x - 2); y0 = Math.min(y0, it.y - 2);
        x1 = Math.max(x1, it.x + it.width + 3); y1 = Math.max(y1, it.y + lineHeight + 3);
      } else {
        x0 = 0; y0 = 0; x1 = width; y1 = height;
      }
    }
    x0 = Math.max(0, Math.floor(x0)); y0 = Math.max(0, Math.floor(y0));
    x1 = Math.min(width, Math.ceil(x1)); y1 = Math.min(height, Math.ceil(y1));
    const w = x1 - x0, h = y1 - y0;
    const boxes = textBoxes.get(picture) || [];
    for (const it of items) if (it.kind === 'text') boxes.push([it.x, it.y, it.width, lineHeight]);
    textBoxes.set(picture, boxes);
    if (w <= 0 || h <= 0) return;
    if (!scratch || scratch.canvas.width < w || scratch.canvas.height < h) {
      scratch = new OffscreenCanvas(Math.max(w, scratch ? scratch.canvas.width : 0),
                                    Math.max(h, scratch ? scratch.canvas.height : 0))
        .getContext('2d', { willReadFrequently: true });
    }
    // The rectangle's rows out of the module's memory, and back after the drawing (a fresh view
    // each time: the memory may have grown meanwhile).
    const rows = (from, to) => {
      const memory = new Uint32Array(core.HEAPU8.buffer, address, width * height);
      for (let j = 0; j < h; j++) {
        const at = (y0 + j) * width + x0;
        if (from) swapRedBlue(memory.subarray(at, at + w), to.subarray(j * w, j * w + w));
        else swapRedBlue(to.subarray(j * w, j * w + w), memory.subarray(at, at + w));
      }
    };
    const image = new ImageData(w, h);
    rows(true, new Uint32Array(image.data.buffer));
    scratch.putImageData(image, 0, 0);
    scratch.save();
    scratch.translate(-x0, -y0);
    for (const it of items) {
      scratch.fillStyle = scratch.strokeStyle = cssColour(it.colour);
      if (it.kind === 'text') {
        scratch.font = fontSpec();
        scratch.textBaseline = 'alphabetic';
        scratch.fillText(it.text, it.x, it.y + ascent);
      } else if (it.kind === 'segment') {
        scratch.lineWidth = it.width;
        scratch.lineCap = 'square';
        scratch.beginPath();
        scratch.moveTo(it.x1 + 0.5, it.y1 + 0.5);
        scratch.lineTo(it.x2 + 0.5, it.y2 + 0.5);
        scratch.stroke();
      } else if (it.kind === 'dot') {
        scratch.fillRect(it.x1, it.y1, it.width, it.width);
      } else if (it.kind === 'circle') {
        scratch.beginPath();
        scratch.arc(it.x1, it.y1, it.x2, 0, 2 * Math.PI);
        if (it.filled) {
          scratch.fillStyle = cssColour(it.fill);
          scratch.fill();
        }
        scratch.lineWidth = it.width;
        scratch.stroke();
      }
    }
    scratch.restore();
    rows(false, new Uint32Array(scratch.getImageData(0, 0, w, h).data.buffer));
  },
};

// A picture's pixels for the page (a copy it may keep), or none when unchanged.
function picture(graph) {
  const p = app.pixels(graph);
  const out = new Uint32Array(p.words.length);
  swapRedBlue(p.words, out);
  return { width: p.width, height: p.height, pixels: out.buffer,
           texts: (textBoxes.get(graph) || []).slice() };
}

// What every answer carries besides the operation's own result.
function shown(answer, transfer, graphs) {
  if (app.pictureChanged()) {
    answer.picture = picture(-1);
    transfer.push(answer.picture.pixels);
  }
  for (const g of graphs || []) {
    const p = picture(g);
    answer.graphs = answer.graphs || {};
    answer.graphs[g] = p;
    transfer.push(p.pixels);
  }
  answer.messages = toArray(app.takeMessages());
  answer.tones = toArray(app.takeTones());
  answer.caption = app.caption();
  answer.notes = toArray(app.pictureNotes());
  answer.tip = app.levelStepTip();
  answer.title = app.pictureTitle();
  answer.logOn = app.logOn();
  return answer;
}

const toArray = (v) => (Array.isArray(v) ? v : Array.from(v));

// The progress function of a long operation: reports at most every 100 ms, with the picture
// as drawn so far every 250 ms; a replayed operation stops where its original was stopped.
function progressOf(id, stopAt) {
  let lastReport = 0;
  let lastPicture = performance.now();
  return (done) => {
    if (stopAt !== undefined && done >= stopAt) return false;
    const now = performance.now();
    if (stopAt === undefined && now - lastReport >= 100) {
      lastReport = now;
      const message = { id, progress: done };
      const transfer = [];
      if (now - lastPicture >= 250) {
        lastPicture = now;
        message.picture = picture(-1);
        transfer.push(message.picture.pixels);
      }
      self.postMessage(message, transfer);
    }
    return true;
  };
}

// The operations the page asks for, by name; each returns its result.
const operations = {
  resizePictureBox: (w, h, px) => { fontPixels = px; app.resizePictureBox(w, h); },
  setLanguage: (rows) => app.setLanguage(rows),
  resetInputs: () => app.resetInputs(),
  drawStartFrame: () => app.drawStartFrame(),
  moveBar: (which, position) => app.moveBar(which, position),
  typeLevelCount: (t) => app.typeLevelCount(t),
  typeLineCount: (t) => app.typeLineCount(t),
  typeYFixed: (t) => app.typeYFixed(t),
  typeXFixed: (t) => app.typeXFixed(t),
  typeChosenPotential: (t) => app.typeChosenPotential(t),
  chooseFamilies: (row) => app.chooseFamilies(row),
  pressCompute: (progress) => app.pressCompute(progress),
  click: (which, progress) => app.click(which, progress),
  toggleView: (map, arrows, flux, exact, marks) => app.toggleView(map, arrows, flux, exact, marks),
  toggleLive: (on) => app.toggleLive(on),
  resizePicture: () => app.resizePicture(),
  switchLanguage: () => app.switchLanguage(),
  redrawPicture: (how, progress) => app.redrawPicture(how, progress),
  movePointer: (x, y) => app.movePointer(x, y),
  doubleClickPicture: (x, y) => app.doubleClickPicture(x, y),
  clickLogBox: (ticked) => app.clickLogBox(ticked),
  logBytes: () => (core.FS.analyzePath('kerant.txt').exists ? core.FS.readFile('kerant.txt') : null),
  tickProfileBox: (id, on) => app.tickProfileBox(id, on),
  startScaleBar: (id) => app.startScaleBar(id),
  moveScaleBar: (id, position) => app.moveScaleBar(id, position),
  drawProfile: (id, w, h, inPicture, progress) => app.drawProfile(id, w, h, inPicture, progress),
  profileTable: (id) => app.profileTable(id),
  profileKind: (id) => app.profileKind(id),
  // A picture drawn once by a session of its own, nothing shown: the browser compiles the
  // core's code as it is first run, which would otherwise slow the user's first «расчёт».
  warmUp: () => {
    const quiet = { width: () => 8, lineHeight: () => 16, cleared() {}, text() {}, shape() {}, draw() {} };
    const spare = new core.WebApp(quiet);
    spare.resizePictureBox(200, 200);
    spare.resetInputs();
    spare.pressCompute(null);
    spare.pixels(-1);
    spare.delete();
  },
  pictureSvg: () => app.pictureSvg(fontPixels, sixtyFourths(fontPixels * kAscent)),
  // The picture at `scale` times its size, its texts too.
  pictureAt: (scale) => {
    const base = fontPixels;
    fontPixels = base * scale;
    try {
      const p = app.pictureAt(scale);
      const out = new Uint32Array(p.words.length);
      swapRedBlue(p.words, out);
      return { width: p.width, height: p.height, pixels: out.buffer };
    } finally {
      fontPixels = base;
    }
  },
};
// Those that take a progress function as their last argument.
const long = new Set(['pressCompute', 'click', 'redrawPicture', 'drawProfile']);

async function start(message) {
  // The core compiles while the font is read.
  const core_ = ChargefieldCore();
  const text = atob(message.font);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  const font = new FontFace('Liberation Serif', bytes.buffer);
  self.fonts.add(await font.load());
  measure = new OffscreenCanvas(1, 1).getContext('2d');
  core = await core_;
  app = new core.WebApp(textCanvas);
}

let ready = null;
self.onmessage = async (event) => {
  const m = event.data;
  if (m.op === 'start') {
    ready = start(m);
    await ready;
    self.postMessage({ id: m.id, result: null });
    return;
  }
  await ready;
  const transfer = [];
  try {
    const args = m.args.slice();
    if (long.has(m.op)) args.push(progressOf(m.id, m.stopAt));
    const t0 = performance.now();
    let result = operations[m.op](...args);
    const t1 = performance.now();
    if (result instanceof Uint8Array) {
      result = result.slice();
      transfer.push(result.buffer);
    } else if (result && result.pixels instanceof ArrayBuffer) {
      transfer.push(result.pixels);
    }
    const answer = shown({ id: m.id, result, replay: m.replay }, transfer, m.graphs);
    // The milliseconds of the operation and of handing its pictures over, for the benchmark.
    answer.spent = [t1 - t0, performance.now() - t1];
    self.postMessage(answer, transfer);
  } catch (e) {
    self.postMessage({ id: m.id, error: String(e && e.stack || e) });
  }
};

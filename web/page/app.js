// The page: the desktop window's controls over the session in a Web Worker. Each control hands
// its value to the worker's operation of the same name and shows what comes back; the rules
// of what an action does are the session's, in the core.
'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const translations = JSON.parse($('translations').textContent);
  // The documents are read when one is first opened.
  let documentsRead = null;
  const documents = () => (documentsRead = documentsRead || JSON.parse($('documents').textContent));
  const kLanguageKey = 'chargefield.language';

  // ---- Language: Russian unless English was chosen here before, whatever the browser's.
  let language = (() => {
    try { return localStorage.getItem(kLanguageKey) === 'en' ? 'en' : 'ru'; } catch (e) { return 'ru'; }
  })();
  // A text in the language of the page: `context|source`, as the desktop's translation has it.
  function tr(key) {
    const bar = key.indexOf('|');
    const context = key.slice(0, bar);
    const source = key.slice(bar + 1);
    if (language !== 'en') return source;
    const c = translations[context];
    return (c && c[source]) || source;
  }
  const menuText = (key) => tr(key).replace(/&(.)/g, '$1');
  // The translation rows the core's translator takes.
  function translationRows() {
    if (language !== 'en') return [];
    const rows = [];
    for (const [context, texts] of Object.entries(translations)) {
      for (const [source, text] of Object.entries(texts)) rows.push([context, source, text]);
    }
    return rows;
  }
  const fill = (pattern, ...args) =>
    pattern.replace(/%(\d)/g, (m, n) => (args[n - 1] !== undefined ? args[n - 1] : m));

  function applyTexts() {
    document.documentElement.lang = language;
    for (const el of document.querySelectorAll('[data-t]')) el.textContent = menuText(el.dataset.t);
    for (const el of document.querySelectorAll('[data-tip]')) el.title = tr(el.dataset.tip);
    for (const el of document.querySelectorAll('[data-name]')) el.setAttribute('aria-label', tr(el.dataset.name));
    // A description with a number (a scroll bar's step) has it in data-arg, as the page writes numbers.
    for (const el of document.querySelectorAll('[data-desc]')) {
      el.setAttribute('aria-description', fill(tr(el.dataset.desc), ...(el.dataset.arg ? [el.dataset.arg] : [])));
    }
    for (const el of document.querySelectorAll('[data-language]')) {
      el.setAttribute('aria-checked', String(el.dataset.language === language));
    }
    $('progress_label').textContent = tr('Computation|Расчёт…');
    $('progress_stop').textContent = tr('Computation|Остановить');
    $('progress').setAttribute('aria-label', tr('Computation|Ход расчёта'));
    $('progress').setAttribute('aria-description', tr('Computation|Расчёт идёт; кнопка «Остановить» прерывает его'));
    $('progress_bar').setAttribute('aria-label', tr('Computation|Выполнено'));
    $('progress_bar').setAttribute('aria-description', tr('Computation|Доля расчёта, выполненная до сих пор'));
    $('progress_stop').setAttribute('aria-description', tr('Computation|Прерывает расчёт; нарисованное до сих пор остаётся'));
    showValues();
    showReadout();
    setTitle();
    for (const panel of profilePanels.values()) panel.retranslate(true);
  }

  // ---- The worker: the core and the session, one operation at a time, in order.
  const coreSource = $('core').textContent;
  const workerSource = $('worker').textContent;
  // The font goes to the worker as its text, which the worker decodes: the page's own texts
  // take it once the first picture is on the canvas.
  const fontText = $('font').textContent.trim();
  function loadPageFont() {
    const bytes = Uint8Array.from(atob(fontText), (c) => c.charCodeAt(0));
    document.fonts.add(new FontFace('Liberation Serif', bytes.buffer));
  }
  let worker = null;
  let nextId = 1;
  const waiting = new Map();
  // Every operation the session has been asked since the page opened (but the pointer's moves),
  // so that a worker ended to stop a computation can be brought back to where it was.
  const journal = [];

  function startWorker() {
    const url = URL.createObjectURL(new Blob([coreSource, '\n', workerSource], { type: 'text/javascript' }));
    worker = new Worker(url);
    URL.revokeObjectURL(url);
    worker.onmessage = (event) => received(event.data);
    worker.onerror = (event) => { console.error(event.message); };
    return post('start', [], { font: fontText });
  }

  function post(op, args, extra = {}) {
    const id = nextId++;
    const message = Object.assign({ id, op, args }, extra);
    const done = new Promise((resolve, reject) => waiting.set(id, { resolve, reject, op, message }));
    worker.postMessage(message);
    showPending();
    return done;
  }

  // An operation of the session: journalled (for a restart) unless it only reads.
  const readOnly = new Set(['movePointer', 'logBytes', 'profileTable', 'profileKind', 'startScaleBar', 'pictureAt', 'pictureSvg', 'warmUp']);
  function call(op, ...args) {
    return callWith(op, args, {});
  }
  // While a new worker is being brought back, the page's operations wait for it.
  let replaying = null;
  async function callWith(op, args, extra) {
    while (replaying) await replaying;
    if (!readOnly.has(op)) journal.push({ op, args, graphs: extra.graphs });
    return post(op, args, extra);
  }

  // How many operations are under way, for the tests to wait on.
  const showPending = () => { document.body.dataset.pending = String(waiting.size); };
  function received(m) {
    const w = waiting.get(m.id);
    if (!w) return;
    setTimeout(showPending, 0);
    if (m.progress !== undefined) {
      showProgress(m.id, m.progress);
      if (m.picture) showPicture(m.picture);
      return;
    }
    waiting.delete(m.id);
    endProgress(m.id);
    if (m.error) {
      console.error(m.error);
      w.reject(new Error(m.error));
      return;
    }
    if (m.picture) showPicture(m.picture);
    if (m.graphs) for (const [g, p] of Object.entries(m.graphs)) profilePanels.get(Number(g))?.show(p);
    if (w.op === 'start') {
      w.resolve(null);
      return;
    }
    document.body.dataset.spent = m.spent.map((t) => t.toFixed(2)).join(' ');
    // What a replayed operation tells was told before.
    if (!m.replay) {
      for (const message of m.messages) showMessage(message.text, message.title);
      for (const tone of m.tones) playTone(tone.hz, tone.ms);
    }
    notes = m.notes;
    caption = m.caption;
    title = m.title;
    $('level_count_heading').title = m.tip;
    setTitle();
    describePicture();
    w.resolve(m.result);
  }
  let notes = [];
  let caption = null;
  let title = '';

  // ---- A long operation: after half a second «Расчёт…» shows its progress and «Остановить».
  const progressShown = { id: 0, timer: 0, done: 0 };
  function beginProgress(id) {
    progressShown.id = id;
    progressShown.done = 0;
    clearTimeout(progressShown.timer);
    progressShown.timer = setTimeout(() => {
      if (progressShown.id === id) {
        $('progress').hidden = false;
        $('progress_stop').focus();
      }
    }, 500);
  }
  function showProgress(id, done) {
    if (id !== progressShown.id) return;
    progressShown.done = done;
    $('progress_bar').value = done;
  }
  function endProgress(id) {
    if (id !== progressShown.id) return;
    progressShown.id = 0;
    clearTimeout(progressShown.timer);
    const wasShown = !$('progress').hidden;
    $('progress').hidden = true;
    if (wasShown && document.activeElement === $('progress_stop')) focusAfterProgress?.focus();
  }
  let focusAfterProgress = null;

  async function long(op, args, extra = {}) {
    while (replaying) await replaying;
    focusAfterProgress = document.activeElement;
    const id = nextId;
    const p = callWith(op, args, extra);
    beginProgress(id);
    return p;
  }

  // «Остановить» or Escape: a worker cannot be told anything while it computes, so it is ended;
  // a new one is brought to where the old one was by the same operations, the stopped one
  // stopped at the share it had reached. What was drawn stays on the page meanwhile.
  async function stop() {
    if (!progressShown.id) return;
    const stoppedId = progressShown.id;
    const stopAt = progressShown.done;
    worker.terminate();
    // Those waiting, by their arguments (the journal keeps the same arrays).
    const pending = new Map([...waiting.values()].map((w) => [w.message.args, w]));
    const stopped = waiting.get(stoppedId);
    waiting.clear();
    endProgress(stoppedId);
    let replayed;
    replaying = new Promise((resolve) => { replayed = resolve; });
    await startWorker();
    for (const e of journal.slice()) {
      const extra = { replay: true, graphs: e.graphs };
      if (stopped && e.args === stopped.message.args) extra.stopAt = stopAt;
      const result = await post(e.op, e.args, extra);
      const w = pending.get(e.args);
      if (w) {
        pending.delete(e.args);
        w.resolve(result);
      }
    }
    // What only reads is asked again.
    for (const w of pending.values()) post(w.op, w.message.args).then(w.resolve, w.reject);
    replaying = null;
    replayed();
  }

  // ---- The picture.
  const canvas = $('picture');
  const context2d = canvas.getContext('2d');
  let pictureSize = 0;
  let textBoxes = [];
  function showPicture(p) {
    if (canvas.width !== p.width || canvas.height !== p.height) {
      canvas.width = p.width;
      canvas.height = p.height;
    }
    context2d.putImageData(new ImageData(new Uint8ClampedArray(p.pixels), p.width, p.height), 0, 0);
    textBoxes = p.texts;
    if (!canvas.dataset.drawn) performance.mark('first-picture');
    // When the last picture was shown, for the speed measurements.
    performance.clearMarks('picture');
    performance.mark('picture');
    canvas.dataset.drawn = String(Number(canvas.dataset.drawn || 0) + 1);
  }
  const fontPixels = () => Math.round(15 * devicePixelRatio);

  function describePicture() {
    const drawn = notes.map((n) => n).join(tr('MainWindow|, '));
    canvas.setAttribute('aria-description', fill(tr('MainWindow|%1. Нарисовано: %2.'), title, drawn));
  }
  function setTitle() {
    document.title = caption || tr('MainWindow|Несимметричные электростатические поля 2-х точечных зарядов');
  }

  // The picture as large as fits: a square beside the column on a wide screen, above it on a
  // narrow one; computed at device pixels, one canvas pixel per CSS pixel at a ratio of 1.
  function layoutSize() {
    const area = document.querySelector('.picture-area');
    const narrow = matchMedia('(max-width: 759px)').matches;
    const page = document.querySelector('.window');
    const style = getComputedStyle(page);
    const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    let css;
    if (narrow) {
      css = document.documentElement.clientWidth - padding;
    } else {
      const column = document.querySelector('.column').getBoundingClientRect().width;
      const top = area.getBoundingClientRect().top + window.scrollY;
      css = Math.min(document.documentElement.clientWidth - padding - column - parseFloat(style.columnGap),
                     window.innerHeight - top - 8);
    }
    css = Math.max(120, Math.floor(css));
    canvas.style.width = canvas.style.height = css + 'px';
    return Math.round(css * devicePixelRatio);
  }

  async function fitPicture(redraw) {
    const size = layoutSize();
    if (size === pictureSize) return;
    pictureSize = size;
    await call('resizePictureBox', size, size, fontPixels());
    if (redraw) {
      const how = await call('resizePicture');
      await redrawPicture(how);
    }
  }

  async function redrawPicture(how) {
    if (how === 'none') return;
    // The frame alone is quick; what draws lines again may take long.
    if (how === 'frame') await call('redrawPicture', how, null);
    else await long('redrawPicture', [how]);
  }

  // ---- The inputs.
  const bars = [
    { bar: $('q1_bar'), value: $('q1_value'), name: 'MainWindow|Заряд Q1 слева: %1 нКл', valueName: 'MainWindow|Заряд Q1: %1 нКл', unit: 'нКл' },
    { bar: $('q2_bar'), value: $('q2_value'), name: 'MainWindow|Заряд Q2 справа: %1 нКл', valueName: 'MainWindow|Заряд Q2: %1 нКл', unit: 'нКл' },
    { bar: $('size_bar'), value: $('size_value'), name: 'MainWindow|Половина ширины области: %1 м', valueName: 'MainWindow|Половина ширины области: %1 м', unit: 'м' },
  ];
  function showValues() {
    for (const b of bars) {
      const v = b.value.textContent;
      b.bar.setAttribute('aria-label', fill(tr(b.name), v));
      b.bar.setAttribute('aria-valuetext', fill(tr(b.valueName), v));
      b.value.setAttribute('aria-label', fill(tr(b.valueName), v));
    }
  }
  // A bar dragged faster than the pictures follow hands on only where it is when the last
  // change has been shown.
  bars.forEach((b, which) => {
    let busy = false;
    let again = false;
    b.bar.addEventListener('input', async () => {
      if (busy) { again = true; return; }
      busy = true;
      do {
        again = false;
        const moved = await call('moveBar', which, Number(b.bar.value));
        b.value.textContent = moved.value;
        showValues();
        await redrawPicture(moved.picture);
        await redrawProfiles(moved.profiles);
      } while (again);
      busy = false;
    });
  });

  const edits = {
    level_count_edit: async (t) => redrawPicture(await call('typeLevelCount', t)),
    line_count_edit: async (t) => redrawPicture(await call('typeLineCount', t)),
    y_fixed_edit: async (t) => redrawProfiles(await call('typeYFixed', t)),
    x_fixed_edit: async (t) => redrawProfiles(await call('typeXFixed', t)),
    chosen_potential_edit: async (t) => call('typeChosenPotential', t),
  };
  for (const [id, handler] of Object.entries(edits)) {
    $(id).addEventListener('input', () => handler($(id).value));
  }

  $('families_list').addEventListener('change', async () => {
    const chosen = await call('chooseFamilies', $('families_list').selectedIndex);
    $('level_count_row').hidden = !chosen.levelCountShown;
    $('line_count_row').hidden = !chosen.lineCountShown;
    await redrawPicture(chosen.picture);
  });

  $('compute_button').addEventListener('click', async () => {
    document.title = tr('Picture|Несимметричные электростатические поля 2-х точечных зарядов.');
    await long('pressCompute', []);
  });
  ['q1_heading', 'q2_heading', 'size_heading', 'chosen_potential_button'].forEach((id, which) => {
    $(id).addEventListener('click', () => long('click', [which]));
  });

  // ---- The views and the language.
  const views = {
    potential_map: false, arrows: false, flux_lines: false,
    exact_equipotentials: false, charge_marks: false, live: false,
  };
  for (const item of document.querySelectorAll('[data-view]')) {
    item.addEventListener('click', async () => {
      const name = item.dataset.view;
      views[name] = !views[name];
      item.setAttribute('aria-checked', String(views[name]));
      closeMenus();
      const how = name === 'live'
        ? await call('toggleLive', views.live)
        : await call('toggleView', views.potential_map, views.arrows, views.flux_lines,
          views.exact_equipotentials, views.charge_marks);
      await redrawPicture(how);
    });
  }
  for (const item of document.querySelectorAll('[data-language]')) {
    item.addEventListener('click', async () => {
      closeMenus();
      if (item.dataset.language === language) return;
      language = item.dataset.language;
      try { localStorage.setItem(kLanguageKey, language); } catch (e) { /* a private window */ }
      await call('setLanguage', translationRows());
      applyTexts();
      const switched = await call('switchLanguage');
      await redrawPicture(switched.picture);
      await redrawProfiles(switched.profiles);
    });
  }

  // ---- The readout under the pointer, by mouse and by touch.
  const readoutIds = ['readout_x', 'readout_y', 'readout_fi', 'readout_ex', 'readout_ey'];
  let readout = null;
  function showReadout() {
    const values = readout && [readout.x, readout.y, readout.fi, readout.Ex, readout.Ey];
    readoutIds.forEach((id, i) => {
      const el = $(id);
      el.textContent = values ? values[i] : tr(el.dataset.caption);
      el.setAttribute('aria-label', values
        ? fill(tr('MainWindow|%1: %2 %3'), tr(el.dataset.quantity), values[i].trim(), tr(el.dataset.unit))
        : tr(el.dataset.quantity));
    });
  }
  const pixelOf = (event) => {
    const r = canvas.getBoundingClientRect();
    return [(event.clientX - r.left) * canvas.width / r.width,
            (event.clientY - r.top) * canvas.height / r.height];
  };
  let pointerBusy = false;
  let pointerNext = null;
  async function movePointer(px, py) {
    if (pointerBusy) { pointerNext = [px, py]; return; }
    pointerBusy = true;
    readout = await call('movePointer', px, py);
    showReadout();
    pointerBusy = false;
    if (pointerNext) { const [x, y] = pointerNext; pointerNext = null; movePointer(x, y); }
  }
  canvas.addEventListener('pointermove', (e) => movePointer(...pixelOf(e)));
  canvas.addEventListener('pointerdown', (e) => movePointer(...pixelOf(e)));
  // A double click, or a double tap, logs the readout there.
  let lastTap = 0;
  async function logPoint(px, py) {
    const logged = await call('doubleClickPicture', px, py);
    if (logged.readout) { readout = logged.readout; showReadout(); }
    setLogBox(logged.logOn);
    if (logged.logOn) loggedPoints += 1;
    showLogCount();
  }
  canvas.addEventListener('dblclick', (e) => logPoint(...pixelOf(e)));
  canvas.addEventListener('touchend', (e) => {
    const now = Date.now();
    const t = e.changedTouches[0];
    if (now - lastTap < 350 && t) { e.preventDefault(); logPoint(...pixelOf(t)); }
    lastTap = now;
  });

  // ---- The point log «файл»: kerant.txt offered as a download, the bytes as the core wrote them.
  let loggedPoints = 0;
  function setLogBox(on) {
    $('log_check').checked = on;
    $('log_download').hidden = !on && loggedPoints === 0;
  }
  function showLogCount() {
    $('log_count').textContent = $('log_download').hidden ? '' : String(loggedPoints);
  }
  $('log_check').addEventListener('change', async () => {
    const ticked = $('log_check').checked;
    if (ticked) loggedPoints = 0;
    setLogBox(await call('clickLogBox', ticked));
    showLogCount();
  });
  $('log_download').addEventListener('click', async () => {
    const bytes = await call('logBytes');
    if (bytes) download(new Blob([bytes], { type: 'text/plain' }), 'kerant.txt');
  });
  function download(blob, name) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  // ---- Messages: shown in the page, one under the other, each with its OK.
  function showMessage(text, title) {
    const box = document.createElement('div');
    box.className = 'message';
    box.setAttribute('role', 'status');
    const h = document.createElement('h2');
    h.textContent = title;
    const p = document.createElement('p');
    p.textContent = text.replace(/\r\n?/g, '\n');
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => box.remove());
    box.append(h, p, ok);
    // The newest first, where it is seen.
    $('messages').prepend(box);
    box.scrollIntoView({ block: 'nearest' });
  }

  let audio = null;
  function playTone(hz, ms) {
    try {
      audio = audio || new AudioContext();
      const o = audio.createOscillator();
      const g = audio.createGain();
      g.gain.value = 0.1;
      o.frequency.value = hz;
      o.connect(g).connect(audio.destination);
      o.start();
      o.stop(audio.currentTime + ms / 1000);
    } catch (e) { /* no audio: the tone is silence */ }
  }

  // ---- The profiles: panels beside or below the picture, each with its scale and CSV.
  const profileNames = ['fi(x,Yfix)', 'fi(Xfix,y)', 'Ex(x,Yfix)', 'Ey(x,Yfix)', 'Ex(Xfix,y)', 'Ey(Xfix,y)'];
  const profilePanels = new Map();
  class ProfilePanel {
    constructor(id) {
      this.id = id;
      this.el = document.createElement('section');
      this.el.className = 'profile';
      this.el.innerHTML = '<h2></h2><div class="profile-body"><input type="range" min="-100" max="100" step="1" class="scale"><output class="scale-label"></output><canvas role="img"></canvas></div><button type="button" class="csv">CSV</button>';
      this.canvas = this.el.querySelector('canvas');
      this.scale = this.el.querySelector('.scale');
      this.label = this.el.querySelector('.scale-label');
      this.scale.addEventListener('input', async () => {
        this.label.textContent = await call('moveScaleBar', this.id, Number(this.scale.value));
        this.retranslate();
        await this.draw(false);
      });
      this.el.querySelector('.csv').addEventListener('click', async () => {
        const table = await call('profileTable', this.id);
        download(new Blob([table], { type: 'text/csv' }), profileNames[this.id].replace(/[(),]/g, '_') + '.csv');
      });
      $('profile_panels').append(this.el);
    }
    async start() {
      this.kind = await call('profileKind', this.id);
      const bar = await call('startScaleBar', this.id);
      this.scale.value = bar.position;
      this.label.textContent = bar.label;
      this.retranslate();
    }
    async retranslate(again) {
      if (again) this.kind = await call('profileKind', this.id);
      const caption = this.kind ? this.kind.caption : profileNames[this.id];
      this.el.querySelector('h2').textContent = caption;
      this.canvas.title = this.kind ? this.kind.pictureTip : '';
      this.label.title = this.kind ? this.kind.labelTip : '';
      this.canvas.setAttribute('aria-label', fill(tr('ProfileWindow|График: %1'), caption));
      const scaleName = fill(tr('ProfileWindow|Масштаб оси значений: %1'), this.label.textContent);
      this.scale.setAttribute('aria-label', scaleName);
      this.scale.setAttribute('aria-description', tr('ProfileWindow|Растягивает или сжимает ось значений графика; клавиши со стрелками меняют масштаб на шаг'));
      this.label.setAttribute('aria-label', scaleName);
      this.label.setAttribute('aria-description', this.kind?.labelTip || tr('ProfileWindow|Масштаб оси значений'));
    }
    // As large, against the main picture, as the desktop's window against the main window
    // (about one and a half times as wide as high), within the page's width.
    async draw(inPicture) {
      const windowWidth = 1.5 * pictureSize;
      const limit = document.documentElement.clientWidth * devicePixelRatio * 0.9;
      const scale = Math.min(1, limit / (this.kind.width * windowWidth));
      const width = Math.round(this.kind.width * windowWidth * scale);
      const height = Math.round(this.kind.height * pictureSize * scale * 0.9);
      await long('drawProfile', [this.id, width, height, inPicture], { graphs: [this.id] });
    }
    show(p) {
      this.canvas.width = p.width;
      this.canvas.height = p.height;
      this.canvas.style.width = p.width / devicePixelRatio + 'px';
      this.canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(p.pixels), p.width, p.height), 0, 0);
    }
    remove() { this.el.remove(); }
  }
  async function redrawProfiles(redraw) {
    for (const id of redraw.ids) await profilePanels.get(id)?.draw(redraw.inPicture);
  }
  for (const box of document.querySelectorAll('[data-profile]')) {
    box.addEventListener('change', async () => {
      const id = Number(box.dataset.profile);
      const redraw = await call('tickProfileBox', id, box.checked);
      if (box.checked) {
        const panel = new ProfilePanel(id);
        profilePanels.set(id, panel);
        await panel.start();
      } else {
        profilePanels.get(id)?.remove();
        profilePanels.delete(id);
      }
      await redrawProfiles(redraw);
    });
  }

  // ---- Menus, documents, saving.
  function closeMenus() {
    for (const t of document.querySelectorAll('.menu-title')) {
      t.setAttribute('aria-expanded', 'false');
      t.nextElementSibling.hidden = true;
    }
  }
  for (const t of document.querySelectorAll('.menu-title')) {
    t.addEventListener('click', () => {
      const open = t.getAttribute('aria-expanded') !== 'true';
      closeMenus();
      t.setAttribute('aria-expanded', String(open));
      t.nextElementSibling.hidden = !open;
      if (open) t.nextElementSibling.querySelector('button')?.focus();
    });
  }
  document.addEventListener('click', (e) => { if (!e.target.closest('.menu')) closeMenus(); });

  function showDocument(name) {
    const doc = documents()[language][name] || documents().ru[name];
    $('document_title').textContent = menuText({ spravka: 'MainWindow|Справка', gauss: 'MainWindow|Гаусс', uprav: 'MainWindow|Управление', instruction: 'MainWindow|Инструкция' }[name]);
    const body = $('document_body');
    if (name === 'instruction') {
      body.innerHTML = '';
      const pre = document.createElement('pre');
      pre.textContent = doc;
      body.append(pre);
    } else {
      let html = doc;
      for (const [mark, uri] of Object.entries(documents().images)) html = html.split(mark).join(uri);
      body.innerHTML = html;
    }
    $('document').showModal();
  }
  $('document_close').addEventListener('click', () => $('document').close());
  $('document_close').setAttribute('aria-label', 'OK');

  // The picture saved as PNG, at 1, 2 or 4 times its size, painted anew by the core at that
  // size from what it drew (its texts in the larger font); the page keeps showing its own.
  async function savePicture(scale) {
    const p = await call('pictureAt', scale);
    const c = document.createElement('canvas');
    c.width = p.width;
    c.height = p.height;
    c.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(p.pixels), p.width, p.height), 0, 0);
    c.toBlob((b) => download(b, 'chargefield.png'), 'image/png');
  }

  const actions = {
    spravka: () => showDocument('spravka'),
    gauss: () => showDocument('gauss'),
    uprav: () => showDocument('uprav'),
    instruction: () => showDocument('instruction'),
    'save-1': () => savePicture(1),
    'save-2': () => savePicture(2),
    'save-4': () => savePicture(4),
    // SVG where the picture has vectors only (not with the potential map).
    'save-svg': async () => {
      const svg = await call('pictureSvg');
      if (svg) download(new Blob([svg], { type: 'image/svg+xml' }), 'chargefield.svg');
    },
    copy: async () => {
      try {
        const blob = await new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]);
      } catch (e) { showMessage(String(e.message || e), tr('Dialogs|ПРЕДУПРЕЖДЕНИЕ')); }
    },
    print: () => {
      $('print_caption')?.remove();
      const cap = document.createElement('p');
      cap.id = 'print_caption';
      cap.textContent = title;
      document.querySelector('.picture-area').append(cap);
      window.print();
    },
    authors: () => showMessage(tr(documents().authorsKey), tr('AuthorsWindow|Авторы')),
    about: () => showMessage(tr(documents().aboutKey), tr('MainWindow|О ПРОГРАММЕ')),
    registration: () => showMessage(tr(documents().registrationKey), tr('MainWindow|РЕГИСТРАЦИЯ')),
  };
  for (const item of document.querySelectorAll('[data-action]')) {
    item.addEventListener('click', () => { closeMenus(); actions[item.dataset.action](); });
  }

  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') {
      if (progressShown.id) { e.preventDefault(); stop(); }
      closeMenus();
    }
  });
  $('progress_stop').addEventListener('click', stop);

  // ---- Start-up: the inputs at their start-up values and the frame of the first picture.
  async function start() {
    const started = startWorker();
    applyTexts();
    await started;
    await call('setLanguage', translationRows());
    await fitPicture(false);
    const s = await call('resetInputs');
    $('q1_bar').value = s.q1;
    $('q2_bar').value = s.q2;
    $('size_bar').value = s.size;
    $('level_count_edit').value = s.levelCount;
    $('line_count_edit').value = s.lineCount;
    $('y_fixed_edit').value = s.yFixed;
    $('x_fixed_edit').value = s.xFixed;
    $('chosen_potential_edit').value = s.chosenPotential;
    $('families_list').selectedIndex = s.families;
    for (const [i, b] of bars.entries()) {
      const moved = await call('moveBar', i, Number(b.bar.value));
      b.value.textContent = moved.value;
    }
    await call('drawStartFrame');
    setTimeout(loadPageFont, 0);
    call('warmUp');
    showValues();
    showReadout();
    document.body.dataset.ready = 'true';
    $('families_list').focus();
    let resizing = 0;
    window.addEventListener('resize', () => {
      clearTimeout(resizing);
      resizing = setTimeout(() => fitPicture(true), 150);
    });
  }
  // For the tests: the boxes of the texts on the picture, which the comparisons leave aside.
  window.chargefield = { textBoxes: () => textBoxes, stop };
  start();
})();

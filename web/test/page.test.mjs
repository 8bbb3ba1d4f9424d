// The page as a person uses it: opened from its file with nothing fetched, the readout, the
// point log's and the profiles' files, the language, the keyboard, a stopped computation and a
// phone's screen.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  clickAndSettle, desktopOutput, differences, downloads, launch, open, picturePixels, pngPixels,
  setRange, settled, typeInto,
} from './harness.mjs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

const attribute = (page, selector, name) => page.$eval(selector, (el, n) => el.getAttribute(n), name);
const text = (page, selector) => page.$eval(selector, (el) => el.textContent);

test('opens from its file, asks for nothing more and draws the frame', async () => {
  const { page, requests, errors } = await open(browser);
  assert.deepEqual(requests, []);
  assert.deepEqual(errors, []);
  assert.equal(await page.title(), 'Несимметричные электростатические поля 2-х точечных зарядов');
  assert.equal(await attribute(page, '#picture', 'aria-label'), 'Рисунок поля');
  assert.match(await attribute(page, '#picture', 'aria-description'),
    /^Поле двух точечных зарядов: q1 = 0.4 нКл .*Нарисовано: координатная сетка с осями\.$/);
  assert.equal(await text(page, '#q1_value'), '0.40');
  assert.equal(await attribute(page, '#q1_bar', 'aria-label'), 'Заряд Q1 слева: 0.40 нКл');
  assert.equal(await text(page, '#readout_fi'), 'для fi');
  await page.close();
});

// The readout against the field of two point charges computed here: fi = k (q1/r1 + q2/r2),
// E = k q r / r^3, k = 9 V m/nC, the charges at x = -0.5 and 0.5 m.
test('the readout under the pointer', async () => {
  const { page } = await open(browser);
  const box = await page.$eval('#picture', (c) => {
    const r = c.getBoundingClientRect();
    return { left: r.left, top: r.top, size: c.width };
  });
  const rows = [
    { name: 'above the middle', px: [box.size / 2, box.size / 4] },
    { name: 'left below', px: [box.size / 5, box.size * 0.7] },
    { name: 'right of the right charge', px: [box.size * 0.8, box.size / 2 + 10] },
  ];
  for (const row of rows) {
    await page.mouse.move(box.left + row.px[0], box.top + row.px[1]);
    await settled(page);
    const L = 4;
    const f = Math.fround;
    const x = f(-L + row.px[0] / box.size * 2 * L);
    const y = f(L + row.px[1] / box.size * (-2 * L));
    let fi = 0, ex = 0, ey = 0;
    for (const [q, a] of [[0.4, -0.5], [-0.1, 0.5]]) {
      const dx = x - a, r = Math.hypot(dx, y);
      fi += 9 * q / r;
      ex += 9 * q * dx / r ** 3;
      ey += 9 * q * y / r ** 3;
    }
    const shown = await page.$$eval('.rv', (els) => els.map((e) => e.textContent));
    assert.deepEqual(shown, [x, y, fi, ex, ey].map((v) => v.toFixed(3)), row.name);
    assert.equal(await attribute(page, '#readout_fi', 'aria-label'), `Потенциал под указателем: ${fi.toFixed(3)} В`);
  }
  await page.close();
});

test('the point log: kerant.txt in Windows-1251 with CR LF, a line a double click', async () => {
  const { page } = await open(browser);
  const files = await downloads(page);
  await clickAndSettle(page, '#log_check');
  assert.match(await text(page, '#messages'), /kerant\.txt/);
  const box = await page.$eval('#picture', (c) => { const r = c.getBoundingClientRect(); return [r.left, r.top, r.width]; });
  const lines = [];
  for (const [i, j] of [[0.25, 0.25], [0.6, 0.7]]) {
    await page.mouse.click(box[0] + i * box[2], box[1] + j * box[2], { clickCount: 2 });
    await settled(page);
    const v = await page.$$eval('.rv', (els) => els.map((e) => e.textContent));
    lines.push(v.slice(0, 4).map((s) => s + ' '.repeat(Math.max(1, 14 - s.length))).join('') + v[4] + '\r\n');
  }
  assert.equal(await text(page, '#log_count'), '2');
  await page.click('#log_download');
  const bytes = await files.take('kerant.txt');
  const header = Buffer.from(
    '\xF4\xE0\xE9\xEB \xE4\xEB\xFF \xE2\xFB\xE2\xEE\xE4\xE0 \xE4\xE0\xED\xED\xFB\xF5\r\n' +
    'q1= 0.4 \xED\xCA\xEB\r\nq2= -0.1 \xED\xCA\xEB\r\na= 0.5 \xEC\r\n' +
    'x,\xEC          y,\xEC           fi,\xC2           Ex,\xC2/\xEC        \xC5y,\xC2/\xEC\r\n', 'latin1');
  assert.deepEqual(bytes, Buffer.concat([header, Buffer.from(lines.join(''), 'latin1')]));
  await page.close();
});

test('a profile and its CSV, the same bytes as the command line writes; a decimal comma', async () => {
  const { page, errors } = await open(browser);
  const files = await downloads(page);
  await clickAndSettle(page, '[data-profile="0"]');
  assert.equal(await page.$$eval('.profile canvas', (c) => c.length), 1);
  await page.click('.profile .csv');
  assert.deepEqual(await files.take('fi_x_Yfix_.csv'), desktopOutput(['--profile', 'fi-x', '--export-csv', '-']));
  await typeInto(page, 'y_fixed_edit', '0,5');
  await page.click('.profile .csv');
  assert.deepEqual(await files.take('fi_x_Yfix_.csv'),
    desktopOutput(['--profile', 'fi-x', '--yfix', '0.5', '--export-csv', '-']));
  assert.deepEqual(errors, []);
  await page.close();
});

test('the picture saved as PNG (at 1× the picture shown, at 2× twice as large) and as SVG', async () => {
  const { page } = await open(browser);
  const files = await downloads(page);
  await clickAndSettle(page, '#compute_button');
  const shown = await picturePixels(page);
  for (const scale of [1, 2]) {
    await page.click('.menu:nth-of-type(1) .menu-title');
    await page.click(`[data-action=save-${scale}]`);
    const saved = await pngPixels(browser, await files.take('chargefield.png'));
    assert.equal(saved.width, shown.width * scale);
    if (scale === 1) assert.equal(differences(saved, shown, []).count, 0);
  }
  await page.click('.menu:nth-of-type(1) .menu-title');
  await page.click('[data-action=save-svg]');
  const svg = (await files.take('chargefield.svg')).toString();
  assert.match(svg, /<title>Поле двух точечных зарядов: q1 = 0.4 нКл/);
  assert.ok((svg.match(/<path /g) || []).length > 50);
  assert.match(svg, />-2.0<\/text>/);
  await page.close();
});

test('English by choice, remembered; Russian again', async () => {
  const { page } = await open(browser);
  await page.click('.menu:nth-of-type(2) .menu-title');
  await clickAndSettle(page, '[data-language=en]');
  assert.equal(await text(page, '#compute_button'), 'compute');
  assert.equal(await page.evaluate(() => localStorage.getItem('chargefield.language')), 'en');
  await page.reload();
  await page.waitForSelector('body[data-ready=true]');
  assert.equal(await page.$eval('html', (h) => h.lang), 'en');
  assert.equal(await attribute(page, '#picture', 'aria-label'), 'Field picture');
  await clickAndSettle(page, '#compute_button');
  assert.match(await page.title(), /Computation time/);
  await page.click('.menu:nth-of-type(2) .menu-title');
  await clickAndSettle(page, '[data-language=ru]');
  assert.equal(await text(page, '#compute_button'), 'расчёт');
  await page.close();
});

test('no charges: «расчёт» says so in the page, as the desktop does', async () => {
  const { page } = await open(browser);
  await setRange(page, 'q1_bar', 0);
  await setRange(page, 'q2_bar', 0);
  await clickAndSettle(page, '#compute_button');
  assert.equal(await text(page, '.message h2'), 'ПРЕДУПРЕЖДЕНИЕ');
  assert.equal(await text(page, '.message p'), 'Зарядов нет?\nПоля нет-1!');
  await page.click('.message button');
  assert.equal(await page.$$eval('.message', (m) => m.length), 0);
  await page.close();
});

test('the keyboard alone: through the controls in reading order, a step, «расчёт»', async () => {
  const { page } = await open(browser);
  const order = [];
  await page.focus('#picture');
  for (let i = 0; i < 21; i++) {
    order.push(await page.evaluate(() => document.activeElement.id || document.activeElement.dataset.profile));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(order, ['picture', 'q1_heading', 'q1_bar', 'q2_heading', 'q2_bar', 'size_heading',
    'size_bar', 'families_list', 'level_count_edit', 'line_count_edit', 'compute_button', '0', '1',
    'y_fixed_edit', 'x_fixed_edit', '2', '4', '3', '5', 'chosen_potential_button', 'chosen_potential_edit']);
  await page.focus('#q1_bar');
  await page.keyboard.press('ArrowRight');
  await settled(page);
  assert.equal(await text(page, '#q1_value'), '0.45');
  await page.focus('#compute_button');
  await page.keyboard.press('Enter');
  await settled(page);
  assert.match(await page.title(), /Время расчета/);
  await page.close();
});

test('a long computation shows its progress and stops on Escape, keeping what was drawn', async () => {
  const { page, errors } = await open(browser);
  // Some seconds of work, so that Escape comes before the end even on a busy machine.
  await typeInto(page, 'line_count_edit', '12000');
  await page.click('#compute_button');
  await page.waitForSelector('#progress:not([hidden])', { timeout: 10000 });
  assert.equal(await text(page, '#progress_stop'), 'Остановить');
  await page.keyboard.press('Escape');
  await settled(page);
  assert.match(await page.title(), /Расчёт остановлен/);
  assert.match(await attribute(page, '#picture', 'aria-description'), /не всё: расчёт остановлен/);
  // The field lines drawn until then are on the picture (thousands a charge cover it in red).
  const lined = await page.evaluate(() => {
    const c = document.getElementById('picture');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let k = 0; k < d.length; k += 4) if (d[k] > d[k + 1] + 60 && d[k] > d[k + 2] + 60) n++;
    return n;
  });
  assert.ok(lined > 2000, `${lined} red pixels`);
  // The page answers at once afterwards.
  await page.mouse.move(100, 100);
  await settled(page);
  assert.notEqual(await text(page, '#readout_x'), ' для х');
  assert.deepEqual(errors, []);
  await page.close();
});

// Narrow screens: the column under the picture, nothing wider than the screen, no two controls
// over each other.
const narrowScreens = [
  { name: 'a phone upright', viewport: { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true } },
  { name: 'a 1280 × 800 screen at 200 % zoom', viewport: { width: 640, height: 400, deviceScaleFactor: 2 } },
];
for (const screen of narrowScreens) {
  test(`${screen.name}: the column under the picture, nothing cut or overlapping`, async () => {
    const { page } = await open(browser, screen.viewport);
    const layout = await page.evaluate(() => {
      const c = document.getElementById('picture').getBoundingClientRect();
      const col = document.querySelector('.column').getBoundingClientRect();
      const controls = [...document.querySelectorAll('.column :is(button, input, select, output, label)')]
        .filter((e) => e.offsetParent);
      const overlaps = [];
      for (const [i, a] of controls.entries()) {
        for (const b of controls.slice(i + 1)) {
          if (a.contains(b) || b.contains(a)) continue; // a box in its label
          const r = a.getBoundingClientRect();
          const q = b.getBoundingClientRect();
          if (r.left < q.right - 1 && q.left < r.right - 1 && r.top < q.bottom - 1 && q.top < r.bottom - 1) {
            overlaps.push(`${a.id || a.textContent.trim()} / ${b.id || b.textContent.trim()}`);
          }
        }
      }
      return { scroll: document.documentElement.scrollWidth, width: innerWidth, pictureBottom: c.bottom,
               pictureWidth: c.width, columnTop: col.top, columnRight: col.right, canvas: document.getElementById('picture').width, overlaps };
    });
    assert.ok(layout.scroll <= layout.width, `page ${layout.scroll} px wide`);
    assert.ok(layout.columnRight <= layout.width);
    assert.ok(layout.columnTop >= layout.pictureBottom);
    assert.equal(layout.canvas, Math.round(layout.pictureWidth * 2));
    assert.deepEqual(layout.overlaps, []);
    await page.close();
  });
}

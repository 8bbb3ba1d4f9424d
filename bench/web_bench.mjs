// The browser edition's speed in headless chromium, opened from its file (scripts/web.sh builds
// it; the driver comes with web/test's packages):
//   - the first picture: from the start of loading to the frame on the canvas;
//   - the default «расчёт» at the opening window's 544 pixels, from the click to the picture
//     shown (compare: build/bench/chargefield_bench --benchmark_filter='BM_default_compute/1$');
//   - a live scroll-bar step at the defaults: «Пересчитывать сразу» on, q1 moved one step, to
//     the whole picture shown again.
// Usage: node bench/web_bench.mjs [RUNS] (15 unless told)
import { launch, open, settled } from '../web/test/harness.mjs';

const runs = Number(process.argv[2] || 15);
const median = (v) => v.slice().sort((a, b) => a - b)[Math.floor(v.length / 2)];
const browser = await launch();

const first = [];
for (let i = 0; i < runs; i++) {
  const { page } = await open(browser);
  await page.waitForFunction(() => performance.getEntriesByName('first-picture').length > 0);
  first.push(await page.evaluate(() => performance.getEntriesByName('first-picture')[0].startTime));
  await page.close();
}

const { page } = await open(browser);
const top = await page.$eval('#picture', (c) => c.getBoundingClientRect().top);
await page.setViewport({ width: 1000, height: Math.round(544 + top + 8) });
await page.waitForFunction(() => document.getElementById('picture').width === 544);
await settled(page);
const timed = (action) => page.evaluate(async (what) => {
  const t0 = performance.now();
  if (what === 'compute') document.getElementById('compute_button').click();
  else {
    const bar = document.getElementById('q1_bar');
    bar.value = String(Number(bar.value) + (what === 'up' ? 1 : -1));
    bar.dispatchEvent(new Event('input'));
  }
  await new Promise((r) => setTimeout(r, 0));
  while (document.body.dataset.pending !== '0') await new Promise((r) => setTimeout(r, 1));
  // The time the picture was shown, as the page marked it (the polling above is coarser).
  const shown = performance.getEntriesByName('picture').at(-1).startTime;
  return [shown - t0, ...document.body.dataset.spent.split(' ').map(Number)];
}, action);
const compute = [];
for (let i = 0; i < runs; i++) compute.push(await timed('compute'));
const core = compute.map((t) => t[1]);
const handing = compute.map((t) => t[2]);
await page.click('.menu:nth-of-type(2) .menu-title');
await page.click('[data-view=live]');
await settled(page);
const step = [];
for (let i = 0; i < runs; i++) step.push(await timed(i % 2 ? 'down' : 'up'));
await browser.close();

const show = (name, v) => console.log(`${name}: median ${median(v).toFixed(1)} ms (${v.map((x) => x.toFixed(1)).join(' ')})`);
show('first picture', first);
show('default «расчёт», 544 px', compute.map((t) => t[0]));
show('  of which the core in the worker', core);
show('  and handing the picture over', handing);
show('live scroll-bar step', step.map((t) => t[0]));

// The page draws the desktop's picture: for inputs set through the page's own controls, every
// pixel of the lines, dots, grid and map equals the desktop program's (texts aside).
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  choose, clickAndSettle, desktopPicture, differences, launch, open, pngPixels, picturePixels,
  setRange, settled, typeInto,
} from './harness.mjs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

// Each row: the page's controls and the command line's options for the same picture.
const pictures = [
  { name: 'the defaults', controls: {}, args: [] },
  { name: 'equal charges of one sign, the region small, equipotentials only',
    controls: { q1: 10, q2: 10, size: 3, families: 0, levels: '15' },
    args: ['--q1', '0.5', '--q2', '0.5', '--size', '1.5', '--lines', 'potential', '--n-fi', '15'] },
  { name: 'opposite charges, field lines only, the characteristic lines clicked',
    controls: { q1: -20, q2: 13, size: 10, families: 1, lines: '9', clicks: ['q1_heading', 'q2_heading', 'size_heading'] },
    args: ['--q1', '-1', '--q2', '0.65', '--size', '5', '--lines', 'field', '--n-e', '9',
           '--zero-potential', '--zero-field', '--field-direction'] },
  { name: 'a chosen equipotential typed with a decimal comma, the zero-field point',
    controls: { size: 6, phi: '0,5', clicks: ['q2_heading', 'chosen_potential_button'] },
    args: ['--size', '3', '--zero-field', '--phi', '0.5'] },
  { name: 'the potential map, the arrows and lines of equal flux',
    controls: { views: ['potential_map', 'arrows', 'flux_lines'] },
    args: ['--potential-map', '--arrows', '--flux-lines'] },
  { name: 'exact equipotentials labelled, the charges with their signs and the lines with arrows',
    controls: { views: ['exact_equipotentials', 'charge_marks'], q2: -8 },
    args: ['--exact-equipotentials', '--charge-marks', '--q2', '-0.4'] },
];

for (const row of pictures) {
  test(`picture: ${row.name}`, async () => {
    const { page, errors } = await open(browser);
    const c = row.controls;
    for (const view of c.views || []) {
      await page.click('.menu-title:nth-of-type(1)');
      await page.$eval(`[data-view=${view}]`, (el) => el.click());
      await settled(page);
    }
    if (c.q1 !== undefined) await setRange(page, 'q1_bar', c.q1);
    if (c.q2 !== undefined) await setRange(page, 'q2_bar', c.q2);
    if (c.size !== undefined) await setRange(page, 'size_bar', c.size);
    if (c.families !== undefined) await choose(page, 'families_list', c.families);
    if (c.levels !== undefined) await typeInto(page, 'level_count_edit', c.levels);
    if (c.lines !== undefined) await typeInto(page, 'line_count_edit', c.lines);
    if (c.phi !== undefined) await typeInto(page, 'chosen_potential_edit', c.phi);
    await clickAndSettle(page, '#compute_button');
    for (const click of c.clicks || []) await clickAndSettle(page, '#' + click);
    const web = await picturePixels(page);
    const desktop = await pngPixels(browser, desktopPicture(row.args, web.width));
    const diff = differences(web, desktop, web.texts);
    assert.equal(diff.count, 0, `pixels differ: ${JSON.stringify(diff.first)}`);
    assert.deepEqual(errors, []);
    await page.close();
  });
}

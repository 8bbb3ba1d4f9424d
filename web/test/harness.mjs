// What the browser edition's tests share: Debian's chromium, headless, driven by puppeteer-core;
// the packed page opened from its file; the desktop program's command line as the oracle of the
// pictures and the tables.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const here = path.dirname(new URL(import.meta.url).pathname);
export const pageFile = process.env.CHARGEFIELD_WEB_PAGE || path.join(here, '../../build-web/chargefield.html');
export const program = process.env.CHARGEFIELD_PROGRAM || path.join(here, '../../build/chargefield');
const browserPath = process.env.CHROMIUM || '/usr/bin/chromium';

export async function launch() {
  return puppeteer.launch({
    executablePath: browserPath,
    headless: true,
    // As root there is no sandbox to enter; nothing is fetched from anywhere.
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--disable-default-apps'],
  });
}

// The page opened from its file at the viewport given; what it asked beyond the file and what
// its console said are collected.
export async function open(browser, viewport = { width: 1000, height: 700 }, language = 'ru') {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const requests = [];
  const errors = [];
  page.on('request', (r) => {
    const url = r.url();
    if (!url.startsWith('data:') && !url.startsWith('blob:') && url !== 'file://' + pageFile) requests.push(url);
  });
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(e.message));
  if (language === 'en') {
    await page.evaluateOnNewDocument(() => localStorage.setItem('chargefield.language', 'en'));
  }
  await page.goto('file://' + pageFile);
  await page.waitForSelector('body[data-ready=true]', { timeout: 30000 });
  return { page, requests, errors };
}

// Waits until no operation is under way.
export async function settled(page, timeout = 60000) {
  await page.waitForFunction(() => document.body.dataset.pending === '0', { timeout, polling: 50 });
}

// A control set as a person sets it: a range moved to a value, a text typed over, a list chosen.
export async function setRange(page, id, value) {
  await page.$eval('#' + id, (el, v) => { el.value = String(v); el.dispatchEvent(new Event('input', { bubbles: true })); }, value);
  await settled(page);
}
export async function typeInto(page, id, text) {
  await page.click('#' + id, { clickCount: 3 });
  await page.keyboard.type(text);
  await settled(page);
}
export async function choose(page, id, index) {
  await page.$eval('#' + id, (el, i) => { el.selectedIndex = i; el.dispatchEvent(new Event('change', { bubbles: true })); }, index);
  await settled(page);
}
export async function clickAndSettle(page, selector) {
  await page.click(selector);
  await settled(page);
}

// The picture's pixels (RGBA) and the boxes of its texts.
export async function picturePixels(page) {
  return page.evaluate(() => {
    const c = document.getElementById('picture');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    return { width: c.width, height: c.height, rgba: Array.from(d), texts: window.chargefield.textBoxes() };
  });
}

// A PNG's pixels (its bytes or its file), decoded by the browser in a blank page of its own.
export async function pngPixels(browser, png) {
  const page = await browser.newPage();
  const data = (typeof png === 'string' ? fs.readFileSync(png) : png).toString('base64');
  const result = await page.evaluate(async (b64) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + b64;
    await img.decode();
    const c = new OffscreenCanvas(img.width, img.height);
    const g = c.getContext('2d');
    g.drawImage(img, 0, 0);
    return { width: img.width, height: img.height, rgba: Array.from(g.getImageData(0, 0, img.width, img.height).data) };
  }, data);
  await page.close();
  return result;
}

// The desktop program's picture for the same inputs, at `pixels` square.
export function desktopPicture(args, pixels) {
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'cf-web-')), 'picture.png');
  execFileSync(program, [...args, '--pixels', String(pixels), '--export', file], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
  });
  return file;
}
export function desktopOutput(args) {
  return execFileSync(program, args, { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
}

// The pixels that differ outside the texts' boxes (each widened by `margin` pixels).
export function differences(a, b, texts, margin = 3) {
  if (a.width !== b.width || a.height !== b.height) return { count: -1, first: [] };
  const masked = new Uint8Array(a.width * a.height);
  for (const [x, y, w, h] of texts) {
    for (let j = Math.max(0, Math.floor(y - margin)); j < Math.min(a.height, Math.ceil(y + h + margin)); j++) {
      for (let i = Math.max(0, Math.floor(x - margin)); i < Math.min(a.width, Math.ceil(x + w + margin)); i++) {
        masked[j * a.width + i] = 1;
      }
    }
  }
  let count = 0;
  const first = [];
  for (let k = 0; k < a.width * a.height; k++) {
    if (masked[k]) continue;
    const o = 4 * k;
    if (a.rgba[o] !== b.rgba[o] || a.rgba[o + 1] !== b.rgba[o + 1] || a.rgba[o + 2] !== b.rgba[o + 2]) {
      count++;
      if (first.length < 5) first.push([k % a.width, Math.floor(k / a.width), a.rgba.slice(o, o + 3), b.rgba.slice(o, o + 3)]);
    }
  }
  return { count, first };
}

// Downloads of the page go to a fresh folder; `take(name)` waits for a file and takes it away,
// returning its bytes.
export async function downloads(page) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'cf-web-downloads-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
  return {
    async take(name, timeout = 10000) {
      const file = path.join(folder, name);
      const end = Date.now() + timeout;
      while (Date.now() < end) {
        if (fs.existsSync(file)) {
          const bytes = fs.readFileSync(file);
          fs.unlinkSync(file);
          return bytes;
        }
        await new Promise((r) => setTimeout(r, 50));
      }
      throw new Error('no download ' + name);
    },
  };
}

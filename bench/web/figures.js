// The browser half of figures.sh: node figures.js <address of build/web>.
'use strict';
const { chromium } = require('playwright-core');  // through NODE_PATH (see figures.sh)

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const chromiumArgs = ['--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// Milliseconds from the start of the page load to the first canvas picture that is not black,
// the start clicked as soon as it is offered; and the part of it before the click.
async function firstPicture(browser, base) {
  const page = await browser.newPage();
  await page.goto(base + '/index.html', { waitUntil: 'commit' });
  await page.waitForSelector('#start', { state: 'visible', timeout: 120000 });
  const offered = await page.evaluate(() => performance.now());
  await page.click('#start');
  const shown = await page.evaluate(() => new Promise((resolve) => {
    const c = document.getElementById('canvas');
    const look = () => {
      if (c.width > 0) {
        const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        for (let i = 0; i < d.length; i += 4 * 97) {
          if (d[i] + d[i + 1] + d[i + 2] > 60) return resolve(performance.now());
        }
      }
      requestAnimationFrame(look);
    };
    look();
  }));
  await page.close();
  return { shown, offered };
}

async function renderFrame(browser, base) {
  const page = await browser.newPage();
  await page.goto(base + '/bench.html?iterations=200');
  await page.waitForFunction(() => window.benchDone, null, { timeout: 600000, polling: 500 });
  const lines = await page.evaluate(() => window.benchLines);
  await page.close();
  return lines;
}

async function main() {
  const base = process.argv[2];
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: chromiumArgs });
  const runs = [];
  for (let i = 0; i < 3; i++) runs.push(await firstPicture(browser, base));
  for (const r of runs) {
    console.log(`page load to first intro picture: ${r.shown.toFixed(0)} ms (start offered at ${r.offered.toFixed(0)} ms)`);
  }
  const lines = await renderFrame(browser, base);
  for (const line of lines) {
    if (line.startsWith('BM_RenderFrame ')) console.log('browser typical frame (bench_render_frame, median of 200): ' + line);
  }
  await browser.close();
}

main().catch((e) => { console.log('figures: ' + e); process.exit(1); });

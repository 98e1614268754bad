// The browser version played as a player plays it, in headless Chromium:
//   node browser_test.js <page address> <folder of the native pictures> [folder for pictures]
// The native pictures (title.rgb, play.rgb: 1024x768 RGB from native_pictures.sh) may still be
// on their way when this starts; each check waits for the one it needs.
'use strict';
const { chromium } = require('playwright-core');  // found through NODE_PATH (see run.sh)
const fs = require('node:fs');
const path = require('node:path');

const [url, nativeDir, shotDir] = process.argv.slice(2);
const W = 1024, H = 768;
// Best scores are kept per data set, in records/<key of the data set>/.
const recordsFolder = '/persist/data/orvante/records';
// Headless Chromium lets a page's audio run without a click too, so the test can only check
// that the sound runs once the start is clicked.
const chromiumArgs = ['--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const settingsFile = '/persist/config/orvante/settings.txt';
const padStart = 9;  // the Start button of the browser's standard gamepad layout

// A gamepad as the browser's Gamepad API shows one (standard layout), there from the page's
// start; window.orvTestPad.press(button, down) presses or lets go one of its buttons.
function installTestPad() {
  const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
  const pad = { id: 'Test pad (STANDARD GAMEPAD)', index: 0, connected: true, mapping: 'standard',
    axes: [0, 0, 0, 0], buttons, timestamp: performance.now() };
  Object.defineProperty(Navigator.prototype, 'getGamepads',
    { value: () => [pad, null, null, null], configurable: true });
  window.orvTestPad = {
    press(button, down) {
      buttons[button] = { pressed: down, touched: down, value: down ? 1 : 0 };
      pad.timestamp = performance.now();
    },
  };
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
let failures = 0;
function check(ok, what, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${detail ? ': ' + detail : ''}`);
  if (!ok) failures++;
  return ok;
}

async function nativePicture(name) {
  const file = path.join(nativeDir, name + '.rgb');
  for (let i = 0; i < 1200 && !fs.existsSync(file); i++) await sleep(100);
  return fs.readFileSync(file);
}

// The canvas as RGBA bytes.
async function grab(page) {
  const b64 = await page.evaluate(() => {
    const c = document.getElementById('canvas');
    if (c.width === 0 || c.height === 0) return '';
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
    return btoa(s);
  });
  return Buffer.from(b64, 'base64');
}

// The share of pixels (of the rectangle, 0..1) whose channels differ by more than `tolerance`
// between the canvas (RGBA) and a native picture (RGB).
function differingShare(canvas, native, tolerance, x0 = 0, y0 = 0, w = W, h = H, mask = null) {
  if (canvas.length !== W * H * 4) return 1;
  let differ = 0, counted = 0;
  for (let y = y0; y < y0 + h; y++) {
    for (let x = x0; x < x0 + w; x++) {
      const n = (y * W + x) * 3, c = (y * W + x) * 4;
      if (mask && !mask(native[n], native[n + 1], native[n + 2])) continue;
      counted++;
      if (Math.abs(canvas[c] - native[n]) > tolerance || Math.abs(canvas[c + 1] - native[n + 1]) > tolerance ||
          Math.abs(canvas[c + 2] - native[n + 2]) > tolerance) differ++;
    }
  }
  return counted ? differ / counted : 1;
}

// Pixels of the blue floor paint that only the player leaves.
function bluePaint(canvas) {
  let n = 0;
  for (let i = 0; i < canvas.length; i += 4) if (canvas[i + 2] > 190 && canvas[i] < 60 && canvas[i + 1] < 110) n++;
  return n;
}

function lit(canvas) {
  for (let i = 0; i < canvas.length; i += 4) if (canvas[i] + canvas[i + 1] + canvas[i + 2] > 60) return true;
  return false;
}

async function holdPadButton(page, button, ms) {
  await page.evaluate((b) => window.orvTestPad.press(b, true), button);
  await sleep(ms);
  await page.evaluate((b) => window.orvTestPad.press(b, false), button);
}

// The state of the page's audio (SDL's AudioContext), once it is running or after `ms`.
async function audioState(page, ms) {
  const end = Date.now() + ms;
  let state = 'none';
  while (Date.now() < end) {
    state = await page.evaluate(() => {
      const sdl = window.Module && window.Module.SDL2;
      return sdl && sdl.audioContext ? sdl.audioContext.state : 'none';
    });
    if (state === 'running') break;
    await sleep(200);
  }
  return state;
}

const canvasRendering = (page) =>
  page.evaluate(() => getComputedStyle(document.getElementById('canvas')).imageRendering);

async function holdKey(page, key, ms) {
  await page.keyboard.down(key);
  await sleep(ms);
  await page.keyboard.up(key);
}

// The canvas's own pixels, as a PNG file of the pictures folder.
async function savePicture(page, name) {
  if (!shotDir) return;
  const url = await page.evaluate(() => document.getElementById('canvas').toDataURL('image/png'));
  fs.writeFileSync(path.join(shotDir, name + '.png'), Buffer.from(url.split(',')[1], 'base64'));
}

async function readScores(page) {
  return page.evaluate((folder) => {
    try {
      for (const key of FS.readdir(folder)) {
        if (key === '.' || key === '..') continue;
        try { return FS.readFile(folder + '/' + key + '/scores.txt', { encoding: 'utf8' }); } catch (e) {}
      }
    } catch (e) {}
    return null;
  }, recordsFolder);
}

async function waitForFile(page, ms) {
  const end = Date.now() + ms;
  while (Date.now() < end) {
    const text = await readScores(page);
    if (text) return text;
    await sleep(500);
  }
  return null;
}

async function waitFor(page, test, ms, step = 250) {
  const end = Date.now() + ms;
  while (Date.now() < end) {
    const canvas = await grab(page);
    if (test(canvas)) return canvas;
    await sleep(step);
  }
  return null;
}

async function main() {
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: chromiumArgs });
  const context = await browser.newContext({ viewport: { width: 1280, height: 960 }, acceptDownloads: true });
  const page = await context.newPage();
  const consoleErrors = [];
  page.on('console', (m) => { if (m.type() === 'error') consoleErrors.push(m.text()); });
  page.on('pageerror', (e) => consoleErrors.push(String(e)));
  try {
    // Loading: the progress bar, then the click that starts the game.
    const loadStart = Date.now();
    await page.goto(url);
    await page.waitForSelector('#start', { state: 'visible', timeout: 120000 });
    check(true, 'the page loads its data and offers the start', `${Date.now() - loadStart} ms`);
    await page.click('#start');
    const clicked = Date.now();
    const sound = await audioState(page, 10000);
    check(sound === 'running', 'sound runs after the click', `AudioContext ${sound}`);

    // The intro: a first picture that is not the title menu.
    const intro = await waitFor(page, lit, 30000, 50);
    check(intro !== null, 'the intro shows its first picture', `${Date.now() - clicked} ms after the click`);
    await savePicture(page, 'intro');

    const title = await nativePicture('title');
    check(intro && differingShare(intro, title, 24) > 0.2, 'the intro is not the title menu');
    // The title menu, the same picture as the native game's within a tolerance: its drifting
    // stars move with the clock and the random draws of each run (about 2 % of the pixels
    // between any two moments, natively too); everything else matches.
    let best = 1;
    const shownTitle = await waitFor(page, (c) => {
      best = Math.min(best, differingShare(c, title, 24));
      return best < 0.035;
    }, 90000, 500);
    check(shownTitle !== null, 'the title menu matches the native picture (under 3.5 % of pixels off by more than 24)',
      `${(best * 100).toFixed(2)} % differ`);
    await savePicture(page, 'title');
    const smooth = await canvasRendering(page);
    check(smooth !== 'pixelated', 'the canvas is scaled smoothly by default', smooth);

    // P starts play: the status line shows DIMENSION 1 in the native game's letters.
    const play = await nativePicture('play');
    const letters = (r, g, b) => r > 180 && g > 100 && b < 120;
    let dimension = 1, shownPlay = null;
    for (let i = 0; i < 3 && !shownPlay; i++) {
      // P again only while the title menu still shows (a press the page had no frame for).
      if (i === 0 || differingShare(await grab(page), title, 24) < 0.05) await holdKey(page, 'p', 250);
      shownPlay = await waitFor(page, (c) => {
        dimension = Math.min(dimension, differingShare(c, play, 40, 700, 60, 300, 60, letters));
        return dimension < 0.1;
      }, 15000, 250);
    }
    check(shownPlay !== null, 'P starts play and DIMENSION 1 appears', `${(dimension * 100).toFixed(1)} % of its letter pixels off`);
    await savePicture(page, 'play');

    // Arrows move the player, who paints the floor blue on the way (a wall may stand on one
    // side of the start, so all four are tried).
    const before = bluePaint(await grab(page));
    let painted = before;
    for (const key of ['ArrowRight', 'ArrowDown', 'ArrowLeft', 'ArrowUp']) {
      await holdKey(page, key, 1000);
      await sleep(300);
      painted = bluePaint(await grab(page));
    }
    check(painted > before + 500, 'the arrows move the player (blue paint behind)', `${before} -> ${painted} pixels`);
    await savePicture(page, 'moved');

    // F12 takes a screenshot, which the page offers as a download.
    const download = page.waitForEvent('download', { timeout: 10000 }).catch(() => null);
    await holdKey(page, 'F12', 150);
    const shot = await download;
    const shotFile = shot && (await shot.path().catch(() => null));
    const shotBytes = shotFile ? fs.statSync(shotFile).size : 0;
    check(shot !== null && /\.bmp$/i.test(shot.suggestedFilename()) && shotBytes > 1000000,
      'F12 offers the screenshot as a download', shot ? `${shot.suggestedFilename()}, ${shotBytes} bytes` : 'no download');

    // The level's time runs out: the highscore screen keeps the score in the player's files,
    // which the page writes back to IndexedDB.
    const kept = await waitForFile(page, 200000);
    check(kept !== null, 'the time runs out and the best score is written', kept ? JSON.stringify(kept.split('\n')[0]) : '');
    await savePicture(page, 'highscore');
    const synced = await page.waitForFunction(() => !window.orvWritingBack(), null, { timeout: 20000 }).then(() => true, () => false);
    check(synced, 'the best score is written back to IndexedDB');

    // P on the highscore screen and on the title menu start a new game; Escape then B ends it.
    const playing = (c) => differingShare(c, play, 40, 700, 60, 300, 60, letters) < 0.1;
    let again = false;
    for (let i = 0; i < 20 && !again; i++) {
      await holdKey(page, 'p', 250);
      again = (await waitFor(page, playing, 4000, 250)) !== null;
    }
    check(again, 'P on the highscore screen and the title menu starts a new game');
    // A key held while the page was too busy to run a frame can go unseen (as on the desktop,
    // the game reads the keys once a frame), so the pair is tried again after a while.
    let ended = false;
    for (let i = 0; i < 4 && !ended; i++) {
      await sleep(1000);
      await holdKey(page, 'Escape', 250);
      await sleep(700);
      if (i === 0) await savePicture(page, 'quit');
      await holdKey(page, 'b', 250);
      ended = await page.waitForSelector('#ended', { state: 'visible', timeout: 5000 }).then(() => true, () => false);
    }
    check(ended, 'Escape then B ends the game');

    // The kept best score is there again after a reload, before the game even starts. From
    // here on the page also has a gamepad.
    await context.addInitScript(installTestPad);
    await page.reload();
    await page.waitForSelector('#start', { state: 'visible', timeout: 120000 });
    const reloaded = await readScores(page);
    check(kept !== null && reloaded === kept, 'the best score survives a reload', JSON.stringify((reloaded || '').split('\n')[0]));

    // The player's settings choose sharp scaling (and no intro): the page follows them.
    await page.evaluate(([file, text]) => {
      FS.mkdirTree(file.replace(/\/[^/]*$/, ''));
      FS.writeFile(file, text);
    }, [settingsFile, 'SCALING\nSHARP\nINTRO\nSKIPPED\n']);
    await page.click('#start');
    const sharp = await page.waitForFunction(() => document.body.classList.contains('sharp'), null,
      { timeout: 30000 }).then(() => canvasRendering(page), () => 'not told');
    check(sharp === 'pixelated', 'the SCALING setting SHARP gives square pixels on the page', sharp);

    // Start on the gamepad begins play from the title menu.
    let padPlay = false;
    await waitFor(page, lit, 30000, 100);
    for (let i = 0; i < 20 && !padPlay; i++) {
      await holdPadButton(page, padStart, 250);
      padPlay = (await waitFor(page, playing, 3000, 250)) !== null;
    }
    check(padPlay, 'Start on a gamepad begins play');
    await savePicture(page, 'pad-play');
  } catch (e) {
    check(false, 'the browser test ran to its end', String(e));
  } finally {
    check(consoleErrors.length === 0, 'no console errors', consoleErrors.join(' | '));
    await browser.close();
  }
  return failures ? 1 : 0;
}

main().then((code) => process.exit(code), (e) => {
  console.log('FAIL ' + e);
  process.exit(1);
});

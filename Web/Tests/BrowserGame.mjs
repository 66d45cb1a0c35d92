// The browser test's helper: the built folder served on localhost, Debian's
// Chromium driven headless through playwright-core (no browser is
// downloaded), and a headless script of the desktop program replayed in the
// page with real pointer taps and key presses, each `shot` compared pixel
// for pixel with the shot the headless program takes of the same script.
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve } from '../serve.mjs';

const CHROMIUM = process.env.SKYREACH_CHROMIUM || '/usr/bin/chromium';
// As root Chromium needs no sandbox; on a closed network its background
// connections must stay off, or they fail and are reported.
const CHROMIUM_ARGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const KEYS = {
  up: 'ArrowUp', down: 'ArrowDown', left: 'ArrowLeft', right: 'ArrowRight', a: 'z', b: 'x', c: 'c',
  start: 'Enter', back: 'Escape', quit: 'Control+q', f1: 'F1', f2: 'F2', f3: 'F3', f4: 'F4',
};
const RESTART = '# --- restart ---';

// The passes of a script (split where the program starts anew), each a
// list of [verb, rest of the line].
export function readScript(path) {
  return readFileSync(path, 'utf8').split(RESTART).map((pass) => pass.split('\n')
    .map((line) => line.trim()).filter((line) => line && !line.startsWith('#'))
    .map((line) => { const at = line.indexOf(' '); return at < 0 ? [line, ''] : [line.slice(0, at), line.slice(at + 1).trim()]; }));
}

// Runs the script on the headless desktop program, pass by pass on one
// store; returns the folder holding its shots.
export function headlessShots(program, data, script) {
  const work = mkdtempSync(join(tmpdir(), 'skyreach-web-'));
  const registry = join(work, 'registry.sqlite3');
  execFileSync(program, ['--install', '--data', data, '--registry', registry], { stdio: 'pipe' });
  readFileSync(script, 'utf8').split(RESTART).forEach((pass, i) => {
    const file = join(work, `pass${i + 1}.script`);
    execFileSync('sh', ['-c', 'cat > "$0"', file], { input: pass });
    execFileSync(program, ['--headless', '--registry', registry, '--script', file], { cwd: work, stdio: 'pipe' });
  });
  return work;
}

export class BrowserGame {
  static async open(folder) {
    const game = new BrowserGame();
    game.server = await serve(folder);
    game.url = `http://127.0.0.1:${game.server.address().port}/`;
    game.browser = await chromium.launch({ executablePath: CHROMIUM, args: CHROMIUM_ARGS });
    game.page = await game.browser.newPage({ viewport: { width: 480, height: 640 } });
    game.problems = [];
    game.page.on('console', (m) => { if (m.type() === 'error') game.problems.push(m.text()); });
    game.page.on('pageerror', (e) => game.problems.push(String(e)));
    return game;
  }

  async close() {
    await this.browser.close();
    this.server.close();
  }

  async load(reload = false) {
    if (reload) await this.page.reload();
    else await this.page.goto(this.url);
    await this.page.waitForFunction(() => Module.firstFrameAt > 0);
  }

  // Plays one pass of a script; `shot` waits (up to 10 s) until the canvas
  // equals the headless shot of that name in `shots`.
  async play(pass, shots) {
    for (const [verb, rest] of pass) {
      const args = rest.split(/\s+/);
      if (verb === 'wait') await this.page.waitForTimeout(Number(args[0]));
      else if (verb === 'tap') await this.tap(Number(args[0]), Number(args[1]));
      else if (verb === 'type') await this.page.keyboard.type(rest);
      else if (verb === 'key') await this.page.keyboard.press(KEYS[args[0]]);
      else if (verb === 'shot') await this.expectShot(join(shots, rest));
      else throw new Error(`the browser test cannot play "${verb} ${rest}"`);
    }
  }

  async tap(x, y) {
    const box = await this.page.locator('#screen').boundingBox();
    await this.page.mouse.click(box.x + (x + 0.5) * box.width / 240, box.y + (y + 0.5) * box.height / 320);
  }

  // How many pixels of the canvas differ from the PNG, decoded by the page.
  async differences(png) {
    return this.page.evaluate(async (base64) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }),
        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const scratch = new OffscreenCanvas(240, 320).getContext('2d');
      scratch.drawImage(bitmap, 0, 0);
      const want = scratch.getImageData(0, 0, 240, 320).data;
      const have = document.getElementById('screen').getContext('2d').getImageData(0, 0, 240, 320).data;
      let count = 0;
      for (let i = 0; i < want.length; i += 4)
        if (want[i] !== have[i] || want[i + 1] !== have[i + 1] || want[i + 2] !== have[i + 2]) ++count;
      return count;
    }, readFileSync(png).toString('base64'));
  }

  async expectShot(png) {
    const until = Date.now() + 10000;
    let count;
    while ((count = await this.differences(png)) !== 0 && Date.now() < until)
      await this.page.waitForTimeout(50);
    if (count !== 0) {
      await this.page.locator('#screen').screenshot({ path: png.replace(/\.png$/, '-browser.png') });
      throw new Error(`${count} pixels of the page differ from ${png}`);
    }
  }

  // The store file as the page kept it in IndexedDB, once every copy landed.
  async keptStore() {
    await this.page.waitForFunction(() => Module.webStore.pending === 0);
    return this.page.evaluate(() => new Promise((done, fail) => {
      const get = Module.webStore.db.transaction('files').objectStore('files').get('/store/registry.sqlite3');
      get.onsuccess = () => done(get.result ? Array.from(get.result) : []);
      get.onerror = () => fail(get.error);
    }));
  }
}

export function removeFolder(path) {
  rmSync(path, { recursive: true, force: true });
}

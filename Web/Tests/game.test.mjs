// The game in a real browser: Debian's Chromium, headless, on the built
// folder served on localhost. NewGame.script is played in the page with
// pointer taps and typed keys; every shot must equal, pixel for pixel, the
// headless desktop program's shot of the same script. The second pass runs
// after a reload, on what the page kept in IndexedDB.
//   SKYREACH_PROGRAM  the native Skyreach (for the reference shots)
//   SKYREACH_DATA     the Skyreach.dat it packs
//   SKYREACH_WEB      the built folder (build-web)
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { BrowserGame, headlessShots, readScript, removeFolder } from './BrowserGame.mjs';

const SCRIPT = new URL('NewGame.script', import.meta.url).pathname;
const { SKYREACH_PROGRAM, SKYREACH_DATA, SKYREACH_WEB } = process.env;

test('a new game in the page looks as on the desktop and survives a reload', async () => {
  assert.ok(SKYREACH_PROGRAM && SKYREACH_DATA && SKYREACH_WEB, 'SKYREACH_PROGRAM, _DATA and _WEB name the builds');
  assert.deepEqual(readFileSync(join(SKYREACH_WEB, 'Skyreach.dat')), readFileSync(SKYREACH_DATA),
    'the page serves the desktop data file, byte for byte');
  const shots = headlessShots(SKYREACH_PROGRAM, SKYREACH_DATA, SCRIPT);
  const [first, afterReload] = readScript(SCRIPT);
  const game = await BrowserGame.open(SKYREACH_WEB);
  try {
    await game.load();
    await game.play(first, shots);

    // The page saves as it goes; what it kept comes back after the reload.
    await game.load(true);
    const kept = Buffer.from(await game.keptStore()).toString('latin1');
    assert.ok(kept.includes('Web Air'), 'the store in IndexedDB holds the company');
    await game.play(afterReload, shots);
    assert.deepEqual(game.problems, [], 'no errors on the console');
    removeFolder(shots);
  } finally {
    // A failed run keeps the shots, the page's beside them as *-browser.png.
    await game.close();
  }
});

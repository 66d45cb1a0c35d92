// Figures of the browser build (make web-bench): the size of the wasm and
// of the whole folder (raw and gzipped, as a server would send them), the
// time from page load to the first frame in headless Chromium, and the CPU
// the browser's processes spend while the main menu idles and while Time &
// Cash runs at 3 hours a second.
//   node Web/Bench/WebMeasure.mjs build-web
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { BrowserGame } from '../Tests/BrowserGame.mjs';

const folder = process.argv[2] || 'build-web';
const SECONDS = 10;

function sizes() {
  let raw = 0;
  let packed = 0;
  for (const name of readdirSync(folder)) {
    const path = join(folder, name);
    if (!statSync(path).isFile()) continue;
    const bytes = readFileSync(path);
    raw += bytes.length;
    packed += gzipSync(bytes, { level: 9 }).length;
    if (name.endsWith('.wasm'))
      console.log(`wasm: ${(bytes.length / 1024).toFixed(0)} KiB, gzip ${(gzipSync(bytes, { level: 9 }).length / 1024).toFixed(0)} KiB`);
  }
  console.log(`folder: ${(raw / 1024).toFixed(0)} KiB, gzip ${(packed / 1024).toFixed(0)} KiB`);
}

// User and system time of the processes below this one (the browser
// playwright started and its children), in seconds.
function browserCpu(rootPid) {
  const parents = new Map();
  const times = new Map();
  for (const entry of readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = readFileSync(`/proc/${entry}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parents.set(Number(entry), Number(fields[1]));
      times.set(Number(entry), (Number(fields[11]) + Number(fields[12])) / 100);
    } catch { /* the process ended meanwhile */ }
  }
  let total = 0;
  for (const [pid, time] of times) {
    for (let p = parents.get(pid) ?? 0; p > 1; p = parents.get(p) ?? 0)
      if (p === rootPid) { total += time; break; }
  }
  return total;
}

async function cpuShare(game, what) {
  const pid = process.pid;
  const before = browserCpu(pid);
  const start = Date.now();
  await game.page.waitForTimeout(SECONDS * 1000);
  const share = (browserCpu(pid) - before) / ((Date.now() - start) / 1000);
  console.log(`CPU ${what}: ${(share * 100).toFixed(1)} % of a core (all of Chromium's processes)`);
}

sizes();
const game = await BrowserGame.open(folder);
try {
  const firstFrames = [];
  for (let i = 0; i < 3; ++i) {
    await game.load(i > 0);
    firstFrames.push(await game.page.evaluate(() => Module.firstFrameAt));
  }
  console.log(`page load to first frame: ${firstFrames.map((t) => t.toFixed(0)).join(', ')} ms`);
  // The splash screens, then the menu idling.
  await game.play([['tap', '120 160'], ['wait', '100'], ['tap', '120 160'], ['wait', '500']], folder);
  await cpuShare(game, 'main menu idle');
  // A new game, the planes list, Time & Cash from the top bar, then the
  // speed of 3 hours a second (the slider's last stop: B moves it up).
  await game.play([['tap', '165 134'], ['wait', '200'], ['type', 'Bench Air'], ['tap', '119 227'], ['wait', '200'],
    ['tap', '112 158'], ['wait', '100'], ['tap', '112 158'], ['wait', '500'], ['tap', '200 36'], ['wait', '300'],
    ['key', 'b'], ['key', 'b'], ['key', 'b'], ['key', 'b'], ['wait', '300']], folder);
  await cpuShare(game, 'Time & Cash running');
} finally {
  await game.close();
}

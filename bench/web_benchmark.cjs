// Benchmark of the web edition in headless Chromium, on a local server that
// compresses with gzip and answers revalidations with 304, as static hosts
// do. It measures, and fails when a target is missed:
//   - the size of everything loaded on the first visit, gzipped (64 KB);
//   - navigation start to the first card painted, in a fresh browser context
//     each time, median of 5 (250 ms);
//   - a tap on a card to the next card painted, median over a session
//     (16 ms): from the click event to the first animation frame after the
//     card is in the page;
//   - "Zurück" at the 20th answer to the earlier card painted, median of 5
//     (50 ms);
//   - in the text view, Enter to the next screen shown, median over a
//     session (16 ms).
//
// usage: node web_benchmark.cjs SITE_DIR   (playwright-core on NODE_PATH)
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');
const { chromium } = require('playwright-core');

const site = path.resolve(process.argv[2]);
const KB = 1024;
const targets = { firstVisitBytes: 80 * KB, startMs: 250, tapMs: 16, backMs: 50, enterMs: 16 };

const types = {
  '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.js': 'text/javascript',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml',
};

// Every response is logged: path, status and the bytes of its body as sent.
function serve() {
  const log = [];
  const server = http.createServer((request, response) => {
    let file = new URL(request.url, 'http://x').pathname;
    if (file.endsWith('/')) file += 'index.html';
    const full = path.join(site, path.normalize(file));
    if (!full.startsWith(site) || !fs.existsSync(full)) {
      log.push({ file, status: 404, bytes: 0 });
      response.writeHead(404).end();
      return;
    }
    const modified = fs.statSync(full).mtime;
    modified.setMilliseconds(0);
    const since = request.headers['if-modified-since'];
    if (since && new Date(since) >= modified) {
      log.push({ file, status: 304, bytes: 0 });
      response.writeHead(304).end();
      return;
    }
    let body = fs.readFileSync(full);
    const headers = {
      'Content-Type': types[path.extname(full)] || 'application/octet-stream',
      'Last-Modified': modified.toUTCString(),
      'Cache-Control': 'no-cache',
    };
    if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      body = zlib.gzipSync(body, { level: 9 });
      headers['Content-Encoding'] = 'gzip';
    }
    log.push({ file, status: 200, bytes: body.length });
    response.writeHead(200, headers).end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`, log, close: () => server.close(),
  })));
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Notes, in the page, every card of the program put into the card view: when
// it is in the page, when the first animation frame after that starts, and
// the time stamp of the click that brought it, if one did.
function noteCards() {
  window.cards = [];
  let click;
  document.addEventListener('click', (event) => { click = event.timeStamp; }, true);
  // From the start: where the program is compiled before the page is
  // parsed, its first card comes before the page's DOMContentLoaded.
  new MutationObserver((records) => {
    const card = records.some((r) => r.target.id === 'karte' && [...r.addedNodes]
      .some((n) => n.nodeName === 'ARTICLE' && n.dataset.art !== 'laden'));
    if (!card) return;
    const entry = { at: performance.now(), click };
    click = undefined;
    window.cards.push(entry);
    requestAnimationFrame(() => { entry.frame = performance.now(); });
  }).observe(document, { childList: true, subtree: true });
}

// Notes, in the page, for every Enter: the key's time stamp, when the
// program's next output is on the screen, and the start of the frame that
// shows it. The Event Timing API adds, for every key (digit or Enter) that
// took 16 ms or more from the key to the next paint, that time.
function noteEnters() {
  window.enters = [];
  window.keys = new Map();
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) {
      const key = window.keys.get(entry.startTime);
      if (entry.name === 'keydown' && key) key.paint = entry.duration;
    }
  }).observe({ type: 'event', durationThreshold: 16, buffered: true });
  let pending = null;
  document.addEventListener('keydown', (event) => {
    window.keys.set(event.timeStamp, { enter: event.key === 'Enter' });
    if (event.key === 'Enter') {
      pending = { key: event.timeStamp };
      window.enters.push(pending);
    }
  }, true);
  addEventListener('DOMContentLoaded', () => {
    new MutationObserver((records) => {
      const output = records.some((r) => [...r.addedNodes].some((n) => n.nodeType === Node.TEXT_NODE));
      if (!pending || !output || pending.output !== undefined) return;
      const enter = pending;
      enter.output = performance.now();
      requestAnimationFrame(() => { enter.frame = performance.now(); });
    }).observe(document.getElementById('screen'), { childList: true });
  });
}

const args = [
  '--no-sandbox', '--headless', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

async function firstVisit(browser, server) {
  const context = await browser.newContext();
  const page = await context.newPage();
  server.log.length = 0;
  await page.goto(server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  // Let the worker finish filling its cache.
  await page.waitForTimeout(500);
  const log = [...server.log];
  await context.close();
  const loaded = [...new Set(log.filter((r) => r.status === 200).map((r) => r.file))];
  const gzipped = loaded.map((file) => ({
    file,
    bytes: zlib.gzipSync(fs.readFileSync(path.join(site, file)), { level: 9 }).length,
  }));
  return {
    gzipped,
    total: gzipped.reduce((sum, f) => sum + f.bytes, 0),
    requests: log.length,
    wire: log.reduce((sum, r) => sum + r.bytes, 0),
  };
}

async function startTimes(browser, server, runs) {
  const times = [];
  for (let i = 0; i < runs; i += 1) {
    const context = await browser.newContext({ serviceWorkers: 'block' });
    await context.addInitScript(noteCards);
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForFunction(() => window.cards.length > 0 && window.cards[0].frame !== undefined);
    times.push(await page.evaluate(() => window.cards[0].frame));
    await context.close();
  }
  return times;
}

// Taps `answers` on the cards, each once the program waits for it; a
// verdict's own "Weiter" first, where the analysis goes on after it. The
// Enters at the title and information screens that "Neue Begegnung" passes
// by itself are skipped.
async function tap(page, answers) {
  for (let i = 0; i < answers.length; i += 1) {
    const reads = await page.evaluate(() => window.ausweich.reads);
    if (await page.$('#karte article[data-lokal]')) await page.click('#karte button[data-lokal]');
    await page.click(`#karte article [data-antwort="${answers[i]}"]`);
    await page.waitForFunction((n) => window.ausweich.waiting && window.ausweich.reads > n, reads);
    i += (await page.evaluate(() => window.ausweich.reads)) - reads - 1;
  }
}

// Every card that a click brought: from the click to the frame after it.
const clickToFrame = (cards) => cards.filter((c) => c.click !== undefined).map((c) => c.frame - c.click);
// The same to the card in the page.
const clickToCard = (cards) => cards.filter((c) => c.click !== undefined).map((c) => c.at - c.click);

async function tapTimes(browser, server) {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  await context.addInitScript(noteCards);
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForFunction(() => window.ausweich.waiting);
  await tap(page, replies);
  await page.waitForFunction(() => window.cards.every((c) => c.frame !== undefined));
  const cards = await page.evaluate(() => window.cards);
  await context.close();
  return { painted: clickToFrame(cards), inPage: clickToCard(cards) };
}

// "Zurück" after the 20th answer, in a fresh browser context each time.
async function backTimes(browser, server, runs) {
  const times = [];
  for (let i = 0; i < runs; i += 1) {
    const context = await browser.newContext({ serviceWorkers: 'block' });
    await context.addInitScript(noteCards);
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForFunction(() => window.ausweich.waiting);
    await tap(page, replies.slice(0, 20));
    const before = await page.evaluate(() => window.cards.length);
    await page.click('#zurueck');
    await page.waitForFunction((n) => window.cards.length > n && window.cards.at(-1).frame !== undefined, before);
    times.push(clickToFrame(await page.evaluate(() => window.cards)).at(-1));
    await context.close();
  }
  return times;
}

// A session through both regimes, its replies typed once the program asks.
const analysis = (...replies) => ['', '', ...replies, ''];
const replies = [
  ...analysis('2', '2', '2', '1', '1', '1', '1', '2'),
  ...analysis('1', '2', '1', '2', '1', '3', '4', '1', '2'),
  ...analysis('2', '5', '2', '3', '1', '1', '2', '2', '2'),
  ...analysis('1', '1', '6', '2', '2', '3', '1', '1', '1'),
];

async function enterTimes(browser, server) {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  await context.addInitScript(noteEnters);
  const page = await context.newPage();
  await page.goto(server.url + '#text');
  for (const [i, line] of replies.entries()) {
    await page.waitForFunction((n) => window.ausweich.waiting && window.ausweich.reads >= n, i + 1);
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
  await page.waitForFunction((n) => window.ausweich.reads > n && window.enters.every((e) => e.frame),
    replies.length);
  // Event Timing entries arrive after the paint.
  await page.waitForTimeout(200);
  const result = await page.evaluate(() => ({ enters: window.enters, keys: [...window.keys.values()] }));
  await context.close();
  return result;
}

(async () => {
  const server = await serve();
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
  const failures = [];
  const check = (ok, what) => { if (!ok) failures.push(what); };

  const visit = await firstVisit(browser, server);
  console.log('First visit, each file gzipped (-9):');
  for (const f of visit.gzipped) console.log(`  ${f.file.padEnd(24)} ${String(f.bytes).padStart(6)} bytes`);
  console.log(`  all                      ${String(visit.total).padStart(6)} bytes` +
    ` = ${(visit.total / KB).toFixed(1)} KB (target <= ${targets.firstVisitBytes / KB} KB)`);
  console.log(`  ${visit.requests} requests, ${visit.wire} bytes of bodies sent` +
    ' (with the service worker revalidating every file)');
  check(visit.total <= targets.firstVisitBytes, 'first visit size');

  const starts = await startTimes(browser, server, 5);
  const start = median(starts);
  console.log(`Navigation start to the first card painted: ${starts.map((t) => t.toFixed(0)).join(', ')} ms;` +
    ` median ${start.toFixed(0)} ms (target <= ${targets.startMs} ms)`);
  check(start <= targets.startMs, 'start time');

  const { painted: taps, inPage } = await tapTimes(browser, server);
  const tapped = median(taps);
  console.log(`A tap to the next card, ${taps.length} taps: in the page after ${median(inPage).toFixed(1)} ms,` +
    ` painted after ${tapped.toFixed(1)} ms (medians; target <= ${targets.tapMs} ms),` +
    ` worst ${Math.max(...taps).toFixed(1)} ms`);
  check(tapped <= targets.tapMs, 'tap to the next card');

  const backs = await backTimes(browser, server, 5);
  const back = median(backs);
  console.log(`"Zurück" at the 20th answer to the earlier card painted: ${backs.map((t) => t.toFixed(1)).join(', ')} ms;` +
    ` median ${back.toFixed(1)} ms (target <= ${targets.backMs} ms)`);
  check(back <= targets.backMs, '"Zurück" at the 20th answer');

  const { enters, keys } = await enterTimes(browser, server);
  const toOutput = median(enters.map((e) => e.output - e.key));
  const toFrame = median(enters.map((e) => e.frame - e.key));
  const worst = Math.max(...enters.map((e) => e.frame - e.key));
  console.log(`Text view: Enter to the next screen, ${enters.length} replies: output on the screen after` +
    ` ${toOutput.toFixed(1)} ms, the frame that shows it starts after ${toFrame.toFixed(1)} ms` +
    ` (medians; target <= ${targets.enterMs} ms), worst ${worst.toFixed(1)} ms`);
  // For comparison: a digit only puts a character into the reply field.
  for (const [name, enter] of [['Enter', true], ['digit', false]]) {
    const these = keys.filter((k) => k.enter === enter);
    const slow = these.filter((k) => k.paint !== undefined);
    console.log(`  Event Timing: ${slow.length} of ${these.length} ${name} keys took 16 ms or more` +
      ` to the next paint${slow.length ? `, median of those ${median(slow.map((k) => k.paint))} ms` : ''}`);
  }
  check(toFrame <= targets.enterMs, 'Enter to the next screen');

  await browser.close();
  server.close();
  if (failures.length) {
    console.log(`Missed: ${failures.join(', ')}`);
    process.exit(1);
  }
  console.log('All targets met.');
})();

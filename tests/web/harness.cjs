// What the tests of the web edition share: the console program as the
// reference, the compiled program run under node, a local web server for the
// site, and headless Chromium.
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

// The console program on `input` (with `args`): standard output as characters (one per
// byte), the first line on standard error, and the exit status.
function runNative(binary, input, args = []) {
  const result = spawnSync(binary, args, { input, maxBuffer: 1 << 28 });
  if (result.error) throw result.error;
  const err = result.stderr.toString('latin1');
  return {
    out: result.stdout.toString('latin1'),
    diagnostic: err === '' ? '' : err.slice(0, err.indexOf('\n') + 1 || err.length),
    status: result.status,
  };
}

// The compiled program, instantiated afresh for every run, as the page
// does; input is handed over one line per read, as a terminal does.
function wasmRunner(programDir) {
  const createAusweich = require(path.join(programDir, 'ausweichregeln.js'));
  const compiled = WebAssembly.compile(fs.readFileSync(path.join(programDir, 'ausweichregeln.wasm')));
  return (input) => new Promise((resolve, reject) => {
    let at = 0;
    const out = [];
    const cards = [];
    let err = '';
    const options = {
      arguments: [],
      terminal: {
        write(bytes) { out.push(Buffer.from(bytes)); },
        diagnostic(bytes) { err += Buffer.from(bytes).toString('latin1') + '\n'; },
        card(bytes) {
          const text = Buffer.from(bytes).toString('utf8');
          try {
            cards.push(JSON.parse(text));
          } catch (error) {
            reject(new Error(`a card that is not JSON (${error.message}): ${text}`));
          }
        },
        read(size) {
          const lineEnd = input.indexOf(10, at);
          const end = Math.min(lineEnd < 0 ? input.length : lineEnd + 1, at + size);
          const piece = input.subarray(at, end);
          at = end;
          return Promise.resolve(piece);
        },
        end(status) {
          resolve({
            out: Buffer.concat(out).toString('latin1'),
            diagnostic: err,
            status,
            asyncifyPeak: options.asyncifyPeak,
            cards,
          });
        },
      },
      instantiateWasm(imports, receive) {
        compiled.then((module) => WebAssembly.instantiate(module, imports))
          .then((instance) => receive(instance), reject);
        return {};
      },
      onAbort: (what) => reject(new Error('the program aborted: ' + what)),
    };
    createAusweich(options);
  });
}

// Fails with the place where two transcripts part, instead of two walls of
// empty lines.
function assertSameRun(got, want, what) {
  if (got.out !== want.out) {
    let i = 0;
    while (got.out[i] === want.out[i]) i += 1;
    const around = (s) => JSON.stringify(s.slice(Math.max(0, i - 60), i + 60));
    assert.fail(`${what}: standard output differs at byte ${i} of ${want.out.length}` +
      `\n  got:  ${around(got.out)}\n  want: ${around(want.out)}`);
  }
  assert.equal(got.diagnostic, want.diagnostic, `${what}: diagnostic`);
  assert.equal(got.status, want.status, `${what}: exit status`);
}

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
};

// Serves the site on a free port of the loopback address, and notes the
// path of every request.
async function serve(site) {
  const root = path.resolve(site);
  const counted = { paths: [] };
  const server = http.createServer((request, response) => {
    let file = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    counted.paths.push(file);
    if (file.endsWith('/')) file += 'index.html';
    const full = path.join(root, path.normalize(file));
    fs.readFile(full, (error, body) => {
      if (error || !full.startsWith(root)) {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, {
        'Content-Type': types[path.extname(full)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      response.end(body);
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return Object.assign(counted, {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => server.close(resolve)),
  });
}

// Debian's chromium, headless; without the background services, which
// would only wait for a network that is not there.
async function launchChromium() {
  const { chromium } = require('playwright-core');
  return chromium.launch({
    executablePath: process.env.AUSWEICH_CHROMIUM || '/usr/bin/chromium',
    args: [
      '--no-sandbox', '--headless', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
}

// The page's run as the tests compare it.
function pageRun(page) {
  return page.evaluate(() => ({
    out: window.ausweich.transcript,
    diagnostic: window.ausweich.diagnostics,
    status: window.ausweich.status,
  }));
}

// Waits until the program waits for its `reads`-th input line, or has ended.
function waitForRead(page, reads) {
  return page.waitForFunction(
    (n) => window.ausweich.status !== null || (window.ausweich.waiting && window.ausweich.reads >= n),
    reads);
}

// Taps `replies` on the cards ("" the card's "Weiter"), each once the
// program waits for it; where a verdict shows before the question that
// follows it, its own "Weiter" first. The Enters at the title and the
// information screens that the page passes on the way from "Neue Begegnung"
// to the first question are not tapped: they stand in `replies` as the
// console reads them, and are skipped there. Returns the replies the program
// was handed, with those passed after the last of `replies`.
async function tapCards(page, replies) {
  const handed = [];
  for (let i = 0; i < replies.length; i += 1) {
    const reads = await page.evaluate(() => window.ausweich.reads);
    await waitForRead(page, reads);
    if (await page.$('#karte article[data-lokal]')) await page.click('#karte button[data-lokal]');
    await page.click(`#karte article [data-antwort="${replies[i]}"]`);
    handed.push(replies[i]);
    await waitForRead(page, reads + 1);
    const passed = (await page.evaluate(() => window.ausweich.reads)) - reads - 1;
    for (let j = 0; j < passed; j += 1) {
      if (i + 1 < replies.length) {
        i += 1;
        assert.equal(replies[i], '', `the page passed a screen where the reply is ${replies[i]}`);
      }
      handed.push('');
    }
  }
  return handed;
}

// Turns the view between cards and text, from the header's "Mehr".
async function textView(page) {
  if (!(await page.$('#mehr[open]'))) await page.click('#mehr summary');
  await page.click('#ansicht');
}

module.exports = {
  runNative, wasmRunner, assertSameRun, serve, launchChromium, pageRun, waitForRead, tapCards,
  textView,
};

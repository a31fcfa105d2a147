// The compiled program of the site (the wasm and its glue, which the page
// holds written into it) under node against the console program:
// the scripted sessions and a few hundred random ones must give the same
// bytes, diagnostic and status, and the page's cards must be JSON; and no
// read may fill more than half of the buffer in which the suspended call
// stack is saved.
//
// usage: node node_sessions.cjs PROGRAM_DIR CONSOLE_PROGRAM ASYNCIFY_STACK_BYTES
'use strict';

const assert = require('node:assert/strict');
const test = require('node:test');
const { runNative, wasmRunner, assertSameRun } = require('./harness.cjs');
const { sessions, input } = require('./sessions.cjs');

const [programDir, binary, stackBytes] = process.argv.slice(2);
const runWasm = wasmRunner(programDir);

// A reproducible stream of random numbers (xorshift32).
function random(seed) {
  let x = seed >>> 0 || 1;
  return (n) => {
    x ^= x << 13; x >>>= 0;
    x ^= x >>> 17;
    x ^= x << 5; x >>>= 0;
    return x % n;
  };
}

// Replies as a user types them: mostly menu answers and Enter, some refused
// answers and other reply forms, rarely one that ends the program.
const common = ['', '', '', '1', '1', '2', '2', '3', '4', '1', '2', '3', '5', '6'];
const forms = ['7', '9', '3*2', ',', '  2', '       12', '+1', '01', '2x', '12345678', 'text'];
const enders = ['0', '-1', '2.0', 'x', '\t'];

function randomSession(next) {
  const lines = [];
  const length = 20 + next(200);
  while (lines.length < length) {
    const roll = next(1000);
    let line;
    if (roll < 4) line = enders[next(enders.length)];
    else if (roll < 80) line = forms[next(forms.length)];
    else line = common[next(common.length)];
    lines.push(line + (next(30) === 0 ? '\r\n' : '\n'));
  }
  const tail = next(4) === 0 ? String(next(10)) : '';
  return Buffer.from(lines.join('') + tail);
}

let deepest = 0;       // the most that a scripted session's reads saved
let randomDeepest = 0; // the same over the random sessions

test('the scripted sessions give the bytes of the console program', async () => {
  for (const session of sessions) {
    const want = runNative(binary, input(session));
    assert.equal(want.status, session.status, `${session.name}: status of the console program`);
    for (const line of session.shows || []) {
      assert.ok(want.out.includes(line), `${session.name}: the console program shows "${line}"`);
    }
    if (session.diagnostic) assert.equal(want.diagnostic, session.diagnostic + '\n', session.name);
    const got = await runWasm(input(session));
    assertSameRun(got, want, session.name);
    deepest = Math.max(deepest, got.asyncifyPeak);
  }
});

test('random sessions give the bytes of the console program', async () => {
  const next = random(20240611);
  const count = 400;
  let analyses = 0;
  const statuses = new Map();
  for (let i = 0; i < count; i += 1) {
    const bytes = randomSession(next);
    const want = runNative(binary, bytes);
    const got = await runWasm(bytes);
    assertSameRun(got, want, `random session ${i}: ${JSON.stringify(bytes.toString('latin1'))}`);
    // The page's last card comes with the end, however the run ended.
    assert.deepEqual([got.cards.at(-1).art, got.cards.at(-1).status], ['ende', want.status]);
    randomDeepest = Math.max(randomDeepest, got.asyncifyPeak);
    analyses += want.out.split('<=== ENDE der ANALYSE ===>').length - 1;
    statuses.set(want.status, (statuses.get(want.status) || 0) + 1);
  }
  console.log(`${count} random sessions, ${analyses} analyses, ` +
    `statuses ${JSON.stringify(Object.fromEntries(statuses))}`);
  // Random replies that mostly ended the program at once would test little.
  assert.ok(analyses >= count, `only ${analyses} analyses in ${count} sessions`);
});

test('the saved call stack of the deepest read fits its buffer twice', () => {
  console.log(`saved call stack: ${deepest} bytes at most in the scripted sessions, ` +
    `${randomDeepest} in the random ones, of ${stackBytes}`);
  assert.ok(deepest > 0, 'the program reported no saved call stack');
  // The browser runs the scripted sessions: none of the random paths may go
  // deeper than the deepest of those.
  assert.ok(randomDeepest <= deepest, 'a random session read deeper than every scripted one');
  assert.ok(2 * deepest <= Number(stackBytes), `${deepest} bytes is over half of ${stackBytes}`);
});

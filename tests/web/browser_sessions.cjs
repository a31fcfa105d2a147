// The page in headless Chromium against the console program: every scripted
// session typed on the keyboard in the text view (without touching the page
// first), one tapped on its buttons, and those whose every reply a card's
// button gives tapped on the cards, must leave the transcript, diagnostics
// and status of the console program for the same input.
//
// usage: node browser_sessions.cjs SITE_DIR CONSOLE_PROGRAM
'use strict';

const assert = require('node:assert/strict');
const { test, before, after } = require('node:test');
const h = require('./harness.cjs');
const { sessions, input, analysis } = require('./sessions.cjs');

const [site, binary] = process.argv.slice(2);
let server;
let browser;

before(async () => {
  server = await h.serve(site);
  browser = await h.launchChromium();
});

after(async () => {
  await browser.close();
  await server.close();
});

// With `holdProgram`, the page's compiling of the program ends only when
// `release` is called: what is typed before then must wait for it.
async function openPage(holdProgram, address = '#text') {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  if (holdProgram) {
    await context.addInitScript(() => {
      const compile = WebAssembly.compile;
      const compileStreaming = WebAssembly.compileStreaming;
      const held = new Promise((resolve) => { window.releaseProgram = resolve; });
      WebAssembly.Module = new Proxy(WebAssembly.Module, {
        construct() { throw new RangeError('no compiling at once here'); },
      });
      WebAssembly.compile = (bytes) => held.then(() => compile(bytes));
      WebAssembly.compileStreaming = (source) => held.then(() => compileStreaming(source));
    });
  }
  const page = await context.newPage();
  await page.goto(server.url + address);
  await page.waitForFunction(() => window.ausweich !== undefined);
  const release = () => page.evaluate(() => window.releaseProgram());
  return { page, release };
}

// After the typed lines: whatever the program still waits for, the input
// ends (Ctrl-D on an empty field, as at a terminal).
async function endInput(page) {
  await h.waitForRead(page, 0);
  if (await page.evaluate(() => window.ausweich.status === null)) {
    await page.keyboard.press('Control+D');
  }
  await page.waitForFunction(() => window.ausweich.status !== null);
}

async function typeSession(page, release, session) {
  for (const [i, line] of session.lines.entries()) {
    if (!session.typeAhead) await h.waitForRead(page, i + 1);
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
  // Type-ahead: every line has waited, in order, for the program to start.
  if (session.typeAhead) {
    assert.equal(await page.evaluate(() => window.ausweich.reads), 0);
    await release();
  }
  if (session.tail) {
    await h.waitForRead(page, session.lines.length + 1);
    await page.keyboard.type(session.tail);
    await page.keyboard.press('Control+D');
  }
  await endInput(page);
}

for (const session of sessions) {
  test(`typed: ${session.name}`, async () => {
    const { page, release } = await openPage(session.typeAhead);
    await typeSession(page, release, session);
    const want = h.runNative(binary, input(session));
    assert.equal(want.status, session.status, 'status of the console program');
    h.assertSameRun(await h.pageRun(page), want, session.name);
    // The page says how the run ended, with the diagnostic.
    assert.equal(await page.isVisible('#restart'), true);
    assert.equal(await page.textContent('#end-diagnostic'), want.diagnostic.trimEnd());
    await page.context().close();
  });
}

// The card view: a session ended by the input, rather than by a reply, ends
// it in the text view of the same run.
const onCards = sessions.filter((s) => !s.tail && s.lines.every((line) => /^[0-9]?$/.test(line)));
for (const session of onCards) {
  test(`on the cards: ${session.name}`, async () => {
    const { page } = await openPage(false, '');
    const handed = await h.tapCards(page, session.lines);
    if (await page.evaluate(() => window.ausweich.status === null)) {
      await h.textView(page);
      await endInput(page);
    }
    const lines = Buffer.from(handed.map((line) => line + '\n').join(''));
    h.assertSameRun(await h.pageRun(page), h.runNative(binary, lines), session.name);
    await page.context().close();
  });
}

test('tapped: two analyses on the buttons, ended by "0 = Ende"', async () => {
  const { page } = await openPage(false);
  // Motor vessel A over 20 m meets a vessel constrained by her draught in a
  // traffic separation scheme (rule 10, rule 18); then, after a refused 5,
  // two sailing vessels under rule 12, with defaults kept by Enter.
  const lines = [
    ...analysis('1', '2', '6', '2', '3', '3', '3', '1', '1'),
    ...analysis('5', '2', '2', '', '1', '', '', '1', '4', '2'),
    '', '', '0',
  ];
  for (const [i, line] of lines.entries()) {
    await h.waitForRead(page, i + 1);
    await page.click(line === '' ? '#keys [data-enter]' : `#keys [data-line="${line}"]`);
  }
  await page.waitForFunction(() => window.ausweich.status !== null);
  const want = h.runNative(binary, Buffer.from(lines.map((line) => line + '\n').join('')));
  assert.equal(want.status, 0);
  for (const line of ['Regel 18 - Fahrzeuge', 'falsche Eingabe : 5', 'Regel 12a(iii): A']) {
    assert.ok(want.out.includes(line), line);
  }
  h.assertSameRun(await h.pageRun(page), want, 'tapped session');
  await page.context().close();
});

test('a reply longer than one read is one line, counted once', async () => {
  const { page } = await openPage(false);
  // Eight blanks keep the default, whatever follows them.
  const lines = ['', '', ' '.repeat(8) + '5'.repeat(6000), '2', '0'];
  for (const [i, line] of lines.entries()) {
    await h.waitForRead(page, i + 1);
    await page.fill('#reply', line);
    await page.press('#reply', 'Enter');
  }
  await page.waitForFunction(() => window.ausweich.status !== null);
  const want = h.runNative(binary, Buffer.from(lines.map((line) => line + '\n').join('')));
  assert.equal(want.status, 0);
  h.assertSameRun(await h.pageRun(page), want, 'long reply');
  assert.equal(await page.evaluate(() => window.ausweich.reads), lines.length);
  await page.context().close();
});

test('training: a seeded run chosen by the address, then the mode buttons', async () => {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(server.url + '#text&ueben&seed=7&anzahl=3');
  // Three encounters: an answer, a refused reply, Enter at each explanation;
  // where one was answered wrongly and comes back, 0 ends the training there.
  const lines = ['2', '', 'x', '1', '', '5', '', '0'];
  for (const [i, line] of lines.entries()) {
    await h.waitForRead(page, i + 1);
    if (await page.evaluate(() => window.ausweich.status !== null)) {
      lines.length = i;
      break;
    }
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
  await page.waitForFunction(() => window.ausweich.status !== null);
  const args = ['--uebung', '--seed', '7', '--anzahl', '3'];
  const want = h.runNative(binary, Buffer.from(lines.map((line) => line + '\n').join('')), args);
  assert.equal(want.status, 0);
  assert.ok(want.out.includes(' Im Berater nachspielen: Enter, Enter, '));
  assert.ok(want.out.includes(' Bitte eine Zahl von 1 bis 6 eingeben (0 = Ende).'));
  h.assertSameRun(await h.pageRun(page), want, 'training');
  assert.equal(await page.textContent('#end-message'), 'Übung beendet.');
  // The replay line is longer than the screen is wide: it goes on in the
  // next row, as on a terminal, instead of being cut off.
  assert.ok(want.out.split('\n').some((line) => line.length > 61));
  assert.equal(await page.evaluate(() => {
    const screen = document.getElementById('screen');
    return screen.scrollWidth - screen.clientWidth;
  }), 0, 'the screen is wider than it shows');

  // "Beraten" starts the advisor afresh, "Üben" a training with a new draw.
  await page.click('#mode-beraten');
  await h.waitForRead(page, 1);
  assert.ok((await h.pageRun(page)).out.includes('             Ausweichregeln  \n'));
  assert.equal(await page.getAttribute('#mode-beraten', 'aria-pressed'), 'true');
  await page.click('#mode-ueben');
  await h.waitForRead(page, 1);
  assert.ok((await h.pageRun(page)).out.includes('bung: Wer muss ausweichen?\n'));
  assert.equal(await page.getAttribute('#mode-ueben', 'aria-pressed'), 'true');
  await context.close();
});

// The page as a whole in headless Chromium: "Neu starten" after the end by
// 0, a reload without network once the site has been visited, the layout
// of both views on a 360 px phone and a desktop, light and dark, with
// screenshots; axe-core's checks of both views; "Zurück" and the shared
// link; a picture of every type of B, by day and by night; chosen training
// items drawn as the worksheet draws them.
//
// usage: node browser_page.cjs SITE_DIR SCREENSHOT_DIR CONSOLE_PROGRAM
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { test, before, after } = require('node:test');
const h = require('./harness.cjs');

const { analysis } = require('./sessions.cjs');

const [site, shots, native] = process.argv.slice(2);
let server;
let browser;

before(async () => {
  server = await h.serve(site);
  browser = await h.launchChromium();
  fs.mkdirSync(shots, { recursive: true });
});

after(async () => {
  await browser.close();
  await server.close();
});

async function type(page, lines) {
  for (const line of lines) {
    await h.waitForRead(page, (await page.evaluate(() => window.ausweich.reads)) || 1);
    await page.keyboard.type(line);
    await page.keyboard.press('Enter');
  }
}

// The title, the info screen and the nine questions of the first-run
// defaults, all on Enter, to the end of the analysis. The defaults show in
// the transcript: the first run's differ from those that an analysis with
// other answers leaves.
const onDefaults = Array(11).fill('');
// A motor vessel A over 20 m, B fishing, in the waterways: # 25(2); up to
// the end of the analysis.
const otherAnswers = ['', '', '1', '2', '3', '1', '1', '3'];

const transcript = (page) => page.evaluate(() => window.ausweich.transcript);

test('"Neu starten" after 0 = Ende starts afresh with the first-run defaults', async () => {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(server.url + '#text');
  await h.waitForRead(page, 1);
  const firstVisit = await transcript(page);

  // An analysis on the defaults that other answers left, then the end by 0.
  await type(page, otherAnswers);
  await h.waitForRead(page, otherAnswers.length + 1);
  const mark = (await transcript(page)).length;
  await type(page, ['', ...onDefaults]);
  await h.waitForRead(page, otherAnswers.length + onDefaults.length + 2);
  const afterOther = (await transcript(page)).slice(mark);
  await type(page, ['', '', '', '0']);
  await page.waitForFunction(() => window.ausweich.status !== null);
  assert.equal(await page.evaluate(() => window.ausweich.status), 0);
  assert.match(await page.textContent('#end-message'), /0 = Ende/);
  assert.equal(await page.isVisible('#end-diagnostic'), false);
  assert.equal(await page.isDisabled('#reply'), true);

  await page.evaluate(() => { window.notReloaded = true; });
  const requestsBefore = server.paths.length;
  await page.click('#restart');
  await h.waitForRead(page, 1);
  assert.equal(await page.evaluate(() => window.notReloaded), true, 'the page was reloaded');
  assert.equal(await transcript(page), firstVisit);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'reply');
  await type(page, onDefaults);
  await h.waitForRead(page, onDefaults.length + 1);
  const restarted = await transcript(page);
  assert.notEqual(restarted, afterOther, 'the defaults left by the first run');
  // Nothing loaded again: the new run is a new instance of the program
  // compiled for the first. (The browser asks for the icon again whenever
  // the address changes, which it does at every answer.)
  assert.deepEqual(server.paths.slice(requestsBefore).filter((p) => p !== '/icon.svg'), []);

  // The same as on a page loaded afresh.
  const fresh = await context.newPage();
  await fresh.goto(server.url + '#text');
  await type(fresh, onDefaults);
  await h.waitForRead(fresh, onDefaults.length + 1);
  assert.equal(restarted, await transcript(fresh));
  await context.close();
});

test('offline after the first visit: a reload starts the program and a run goes through', async () => {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await page.reload();
  await h.tapCards(page, ['', '', '2', '2', '2', '1', '1', '1', '1', '2', '', '', '', '0']);
  await page.waitForFunction(() => window.ausweich.status !== null);
  const run = await h.pageRun(page);
  assert.equal(run.status, 0);
  assert.match(run.out, /Regel 12a\(i\): A ist ausweichpflichtig/);
  await context.close();
});

// The widest line that the page shows, and the room the screen has for it.
function measure(page) {
  return page.evaluate(() => {
    const screen = document.getElementById('screen');
    const style = getComputedStyle(screen);
    const room = screen.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    let widest = 0;
    let longest = 0;
    let wrapped = 0;
    const range = document.createRange();
    const walker = document.createTreeWalker(screen, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      let start = 0;
      for (const line of node.data.split('\n')) {
        if (line.length > 0) {
          range.setStart(node, start);
          range.setEnd(node, start + line.length);
          widest = Math.max(widest, range.getBoundingClientRect().width);
          longest = Math.max(longest, line.length);
          // A line that wraps stands in more than one row of the screen.
          const rows = new Set([...range.getClientRects()].map((r) => Math.round(r.top)));
          if (rows.size > 1) wrapped += 1;
        }
        start += line.length + 1;
      }
    }
    const probe = document.createElement('span');
    probe.textContent = 'M'.repeat(60);
    screen.append(probe);
    const sixty = probe.getBoundingClientRect().width;
    probe.remove();
    return {
      room,
      widest,
      longest,
      wrapped,
      sixty,
      rows: screen.clientHeight / parseFloat(style.lineHeight),
      pageWidth: document.documentElement.scrollWidth,
      screenScroll: screen.scrollWidth - screen.clientWidth,
      viewport: window.innerWidth,
    };
  });
}

// Whether the page needs no horizontal scrolling with the text at `size`.
function fits(page, size) {
  return page.evaluate((s) => {
    document.documentElement.style.fontSize = s;
    const ok = document.documentElement.scrollWidth <= window.innerWidth;
    document.documentElement.style.fontSize = '';
    return ok;
  }, size);
}

for (const [name, viewport, options] of [
  ['phone', { width: 360, height: 740 }, { isMobile: true, hasTouch: true, deviceScaleFactor: 2 }],
  ['desktop', { width: 1280, height: 800 }, {}],
]) {
  for (const colorScheme of ['light', 'dark']) {
    test(`${name} ${viewport.width} x ${viewport.height}, ${colorScheme}: no line wraps in the text view, ` +
      'no horizontal scroll in either view', async () => {
      const context = await browser.newContext({
        viewport, serviceWorkers: 'block', colorScheme, reducedMotion: 'reduce', ...options,
      });
      const page = await context.newPage();
      await page.goto(server.url + '#text');
      // Focused on load, ready for the keyboard.
      await page.waitForFunction(() => document.activeElement.id === 'reply', null, { timeout: 5000 });
      assert.equal(await page.getAttribute('#reply', 'inputmode'), 'numeric');
      // The title, the info screen and a question: the longest program lines.
      await type(page, ['', '']);
      await h.waitForRead(page, 3);
      const m = await measure(page);
      assert.equal(m.longest, 55);
      assert.equal(m.wrapped, 0, 'lines that wrap');
      assert.ok(m.widest <= m.room, `a line of ${m.widest} px on a screen of ${m.room} px`);
      assert.ok(m.sixty <= m.room, `60 columns take ${m.sixty} px of ${m.room}`);
      assert.ok(m.rows >= 24 - 0.01, `${m.rows} rows`);
      assert.equal(m.screenScroll, 0);
      assert.ok(m.pageWidth <= m.viewport, `the page is ${m.pageWidth} px wide in ${m.viewport}`);
      await screenshot(page, `${name}-text-${colorScheme}.png`);

      // The same run in the card view: the question, then a verdict, also
      // with the text at 200 %.
      await h.textView(page);
      assert.ok(await page.evaluate(() =>
        parseFloat(getComputedStyle(document.querySelector('#karte h2')).fontSize) >= 16));
      for (const replies of [[], ['2', '2', '2', '1', '1', '1', '1', '2']]) {
        await h.tapCards(page, replies);
        assert.ok(await fits(page, '100%') && await fits(page, '200%'), 'scrolls sideways');
      }
      await screenshot(page, `${name}-karten-${colorScheme}.png`);
      await context.close();
    });
  }
}

async function screenshot(page, name) {
  const file = path.join(shots, name);
  await page.screenshot({ path: file });
  assert.ok(fs.statSync(file).size > 10000, `the screenshot ${name} is nearly empty`);
}

// axe-core's findings on the page as it stands: each rule broken, with the
// elements that break it; and a card that says "null" or "undefined" where a
// part of it was missing.
async function axe(page, what) {
  // A new card fades in, where motion is welcome: the colours as they stay.
  await page.waitForFunction(() => document.getAnimations().every((a) => a.playState === 'finished'));
  if (!(await page.evaluate(() => 'axe' in window))) {
    await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  }
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  const missing = await page.evaluate(() => {
    const walk = document.createTreeWalker(document.getElementById('karte'), NodeFilter.SHOW_TEXT);
    const words = [];
    while (walk.nextNode()) if (/^(null|undefined)$/.test(walk.currentNode.data.trim())) words.push(walk.currentNode.data);
    return words;
  });
  return [...found, ...missing.map((m) => `a card says ${m}`)].map((f) => `${what}: ${f}`);
}

test('axe-core: nothing on any kind of card, nor in the progress, light and dark', async () => {
  const found = [];
  for (const colorScheme of ['light', 'dark']) {
    const context = await browser.newContext({ serviceWorkers: 'block', colorScheme });
    const page = await context.newPage();
    await page.goto(server.url);
    await h.waitForRead(page, 1);
    found.push(...await axe(page, `${colorScheme}, title`));
    await h.tapCards(page, ['', '']);
    found.push(...await axe(page, `${colorScheme}, question`));
    await h.tapCards(page, ['1', '1', '3']);
    assert.ok(await page.$('#karte article[data-art="frage"] #bild svg'), 'a question with its picture');
    found.push(...await axe(page, `${colorScheme}, question with picture`));
    await h.tapCards(page, ['1', '1', '3']);
    found.push(...await axe(page, `${colorScheme}, verdict`));
    const training = await context.newPage();
    await training.goto(server.url + '#ueben&seed=7&anzahl=2');
    await h.waitForRead(training, 1);
    found.push(...await axe(training, `${colorScheme}, training item`));
    await h.tapCards(training, ['2']);
    found.push(...await axe(training, `${colorScheme}, training's feedback`));
    // The training tapped on its cards gives the console's bytes.
    await h.tapCards(training, ['', '0']);
    await training.waitForFunction(() => window.ausweich.status !== null);
    found.push(...await axe(training, `${colorScheme}, score`));
    const args = ['--uebung', '--seed', '7', '--anzahl', '2'];
    h.assertSameRun(await h.pageRun(training), h.runNative(native, Buffer.from('2\n\n0\n'), args), 'training');
    await training.click('#mehr summary');
    await training.click('#fortschritt-zeigen');
    found.push(...await axe(training, `${colorScheme}, progress`));
    await context.close();
  }
  assert.deepEqual(found, []);
});

// The learner's screen on a 360 x 740 phone: a slim header; after a wrong
// answer "Falsch" in the heading, in the first screenful; every picture
// above the first answer; every target at least 44 px both ways; each card
// said once; the advisor's signs and short forms in words for the ear. The
// first answers stay on the device: a reload keeps them, "Fehler üben" trains
// exactly the items answered wrongly, right answers take them off, and
// clearing empties the record. "Neue Übung" draws anew.
test('the learner\'s screen: the judgement first, the picture above the answers, progress that stays', async () => {
  const context = await browser.newContext({
    serviceWorkers: 'block', viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true,
  });
  const page = await context.newPage();
  await page.goto(server.url + '#ueben&seed=6&anzahl=4');
  await h.waitForRead(page, 1);
  const header = await page.$eval('header', (e) => e.getBoundingClientRect().bottom);
  assert.ok(header <= 111, `the header reaches ${header} px`);

  // The checks of a card as it stands.
  const checkCard = async (what) => {
    const card = await page.evaluate(() => {
      const article = document.querySelector('#karte article');
      const top = (e) => (e ? e.getBoundingClientRect().top : null);
      const small = [...document.querySelectorAll('header button:not([hidden]), #mehr summary, #karte button, #karte summary')]
        .filter((e) => e.offsetParent !== null)
        .map((e) => e.getBoundingClientRect())
        .filter((r) => r.width < 44 || r.height < 44).length;
      const live = [...document.querySelectorAll('[aria-live], [role="status"]')].map((e) => e.textContent);
      return {
        heading: article.querySelector('h2').textContent,
        picture: top(article.querySelector('#bild svg')),
        answer: top(article.querySelector('.antworten button')),
        small,
        live,
      };
    });
    if (card.picture !== null && card.answer !== null) {
      assert.ok(card.picture < card.answer, `${what}: the picture below the answers`);
    }
    assert.equal(card.small, 0, `${what}: targets under 44 px`);
    assert.ok(!card.live.some((t) => t.includes(card.heading)), `${what}: the card announced twice`);
    return card;
  };

  // Item 1 answered wrongly (A must give way), 2 partly, 3 wrongly, 4 right.
  const item = await checkCard('item 1');
  await screenshot(page, 'uebung-lage.png');
  assert.equal(item.heading, 'Was gilt?');
  assert.equal(await page.textContent('#karte .fortschritt'), 'Lage 1 von 4 · 0 richtig');
  await h.tapCards(page, ['2']);
  const wrong = await checkCard('feedback 1');
  assert.equal(wrong.heading, '✗Falsch – Ihre Wahl: B muss ausweichen');
  const bottom = await page.$eval('#karte h2', (e) => e.getBoundingClientRect().bottom);
  assert.ok(bottom <= 740, `"Falsch" ends at ${bottom} px`);
  assert.equal(await page.textContent('#karte .loesung'), 'Richtig ist: A muss ausweichen.');
  assert.ok(await page.$('#karte article.bewertung-falsch'));
  await screenshot(page, 'uebung-falsch.png');
  for (const reply of ['', '5', '', '4', '', '6']) {
    await h.tapCards(page, [reply]);
    await checkCard(`after ${reply || 'Weiter'}`);
  }
  assert.match(await page.textContent('#karte h2'), /Richtig$/);
  assert.equal(await page.textContent('#karte .fortschritt'), 'Lage 4 von 4 · 1 richtig');
  // The advisor's "KVR#9" is said as "KVR Regel 9", its frames not at all.
  assert.ok(await page.$$eval('#karte pre .unsichtbar', (s) => s.some((e) => e.textContent.includes('KVR Regel 9'))));
  assert.equal(await page.$$eval('#karte hr.rahmen:not([aria-hidden="true"])', (e) => e.length), 0);
  await h.tapCards(page, ['', '1', '', '2', '', '2', '']);
  await page.waitForFunction(() => window.ausweich.status !== null);
  await checkCard('score');

  // The progress, kept over a reload.
  const progress = async (p) => {
    if (!(await p.isVisible('#fortschritt'))) {
      await p.click('#mehr summary');
      await p.click('#fortschritt-zeigen');
    }
    return p.$$eval('#fortschritt-liste li', (items) => items.map((i) => i.textContent));
  };
  await page.reload();
  await h.waitForRead(page, 1);
  const topics = await progress(page);
  assert.ok(topics.includes('Segelfahrzeuge untereinander (KVR Regel 12): 0 von 1 richtig'), topics.join('\n'));
  assert.ok(topics.includes('Rechtsfahrgebot und Begegnen im Fahrwasser (KVR Regel 9 a), § 24 SeeSchStrO): 1 von 1 richtig'));
  assert.equal(await page.textContent('#fehler-ueben'), 'Fehler üben (3)');

  // "Fehler üben": exactly the items answered wrongly, as the console draws them.
  await page.click('#fehler-ueben');
  await page.waitForFunction(() => location.hash === '#ueben&lagen=6:1,6:2,6:3');
  await h.tapCards(page, ['1', '', '2', '', '2', '']);
  await page.waitForFunction(() => window.ausweich.status !== null);
  const again = h.runNative(native, Buffer.from('1\n\n2\n\n2\n\n'), ['--uebung', '--lagen', '6:1,6:2,6:3']);
  h.assertSameRun(await h.pageRun(page), again, 'Fehler üben');
  assert.equal(again.status, 0);
  // Practised again, the items leave the list and are not counted twice.
  assert.deepEqual(await progress(page), topics);
  assert.equal(await page.textContent('#fehler-ueben'), 'Fehler üben (0)');
  assert.equal(await page.isDisabled('#fehler-ueben'), true);
  // Clearing asks once more.
  await page.click('#fortschritt-loeschen');
  assert.equal(await page.textContent('#fortschritt-loeschen'), 'Wirklich löschen?');
  assert.deepEqual(await progress(page), topics);
  await page.click('#fortschritt-loeschen');
  assert.ok((await progress(page)).every((t) => t.endsWith('noch nichts beantwortet')));

  // "Neue Übung": a seed the address named stays, a drawn one is drawn anew.
  await page.goto(server.url + '#ueben&seed=6&anzahl=1');
  await h.tapCards(page, ['0']);
  await page.click('#restart');
  await h.waitForRead(page, 1);
  assert.equal(await page.evaluate(() => location.hash), '#ueben&seed=6&anzahl=1');
  await page.click('#mode-ueben');
  await page.waitForFunction(() => /^#ueben&seed=[0-9]+$/.test(location.hash));
  const drawn = await page.evaluate(() => location.hash);
  await h.tapCards(page, ['0']);
  await page.waitForFunction(() => window.ausweich.status !== null);
  assert.equal(await page.textContent('#restart'), 'Neue Übung');
  await page.click('#restart');
  await page.waitForFunction((d) => location.hash !== d && /^#ueben&seed=[0-9]+$/.test(location.hash), drawn);
  await context.close();
});

// The training of lights and shapes, twenty items tapped on the cards: before
// each item's solution only what A's lookout sees, at the item's time of
// day, with B's lights (data-licht) by night and her shapes (data-signal) by
// day; the judgement of the first question heads the second; the run gives
// the console's bytes for the same replies.
test('lights and shapes: twenty items on the cards give the console\'s bytes', async () => {
  const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 360, height: 740 } });
  const page = await context.newPage();
  await page.goto(server.url + '#lichter&seed=3&anzahl=20');
  const replies = [];
  let items = 0;
  for (let reads = 1; ; reads += 1) {
    await h.waitForRead(page, reads);
    if (await page.evaluate(() => window.ausweich.status !== null)) break;
    const card = await page.evaluate(() => {
      const article = document.querySelector('#karte article');
      const sicht = article.querySelector('#sicht svg');
      return {
        art: article.dataset.art,
        frage: (article.querySelector('h3.frage') || article.querySelector('h2')).textContent,
        sicht: sicht ? sicht.outerHTML : null,
        oben: article.querySelector('#bild svg') !== null,
      };
    });
    let reply = '';
    if (card.frage === 'Was sehen Sie?') {
      items += 1;
      assert.ok(card.sicht, `item ${items}: no lookout's view`);
      assert.equal(card.oben, false, `item ${items}: the view from above gives B away`);
      assert.match(card.sicht, /data-(licht|signal)=/, `item ${items}: neither lights nor shapes`);
      reply = String(1 + (items % 4));
    } else if (card.frage === 'Wer muss ausweichen?') {
      assert.equal(card.art, 'wahl-bewertung');
      reply = String(1 + (items % 6));
    }
    await page.click(`#karte article [data-antwort="${reply}"]`);
    replies.push(reply);
  }
  assert.equal(items >= 20, true, `${items} items`);
  const want = h.runNative(native, Buffer.from(replies.map((r) => r + '\n').join('')),
    ['--uebung', '--lichter', '--seed', '3', '--anzahl', '20']);
  assert.equal(want.status, 0);
  h.assertSameRun(await h.pageRun(page), want, 'Lichter');
  await context.close();
});

// "Neue Begegnung" goes straight to the first question of a new analysis;
// the title and the information are under "Mehr".
test('"Neue Begegnung" to the first question, the title and information in the header', async () => {
  const context = await browser.newContext({ serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(server.url);
  await h.waitForRead(page, 1);
  assert.match(await page.textContent('#karte .gewaehr'), /^Ohne Gewähr/);
  await h.tapCards(page, ['', '', '1', '1', '3', '1', '1', '3']);
  assert.equal(await page.textContent('#karte [data-neu]'), 'Neue Begegnung');
  await h.tapCards(page, ['']);
  assert.equal(await page.getAttribute('#karte article', 'data-art'), 'frage');
  assert.equal(await page.evaluate(() => window.ausweich.reads), 12);
  await page.click('#mehr summary');
  await page.click('#info-zeigen');
  assert.equal(await page.isVisible('#info'), true);
  assert.ok((await page.textContent('#info')).includes('Ohne Gewähr'));
  await page.click('#info button');
  assert.equal(await page.isVisible('#info'), false);
  await context.close();
});

test('axe-core: nothing in the text view', async () => {
  const found = [];
  for (const colorScheme of ['light', 'dark']) {
    const context = await browser.newContext({ serviceWorkers: 'block', colorScheme });
    const page = await context.newPage();
    await page.goto(server.url + '#text');
    await type(page, ['', '']);
    await h.waitForRead(page, 3);
    found.push(...await axe(page, colorScheme));
    await context.close();
  }
  assert.deepEqual(found, []);
});

test('"Zurück" and the shared link give the run of the same answers', async () => {
  const context = await browser.newContext({
    serviceWorkers: 'block', permissions: ['clipboard-read', 'clipboard-write'],
  });
  const open = async (address) => {
    const page = await context.newPage();
    await page.goto(server.url + address);
    await h.waitForRead(page, 1);
    return page;
  };
  const seen = (page) => page.evaluate(() => ({
    out: window.ausweich.transcript,
    reads: window.ausweich.reads,
    card: document.querySelector('#karte article').outerHTML,
  }));
  // Two analyses, twenty answers: the last is "Neue Begegnung" after # 25(2).
  const answers = [...analysis('2', '2', '2', '1', '1', '1', '1', '2'), ...analysis('1', '2', '3', '1', '1', '3')];
  assert.equal(answers.length, 20);
  const page = await open('');
  // "Neue Begegnung" passes the title and the information screens: their
  // Enters stand in the address too, and "Zurück" takes them back with it.
  const handed = await h.tapCards(page, answers);
  assert.deepEqual(handed, [...answers, '', '']);
  const address = (replies) => page.waitForFunction((a) => location.hash === a, '#antworten=' + replies.join(','));
  await address(handed);
  await page.click('#zurueck');
  await h.waitForRead(page, answers.length);
  const back = await seen(page);
  await address(answers.slice(0, -1));
  const fresh = await open('');
  await h.tapCards(fresh, answers.slice(0, -1));
  assert.deepEqual(await seen(fresh), back);

  // The link, copied where the browser has no share sheet, replays the run.
  await page.bringToFront();
  await page.click('#teilen');
  const link = await page.evaluate(() => navigator.clipboard.readText());
  assert.equal(link, page.url());
  const linked = await context.newPage();
  await linked.goto(link);
  await h.waitForRead(linked, answers.length);
  assert.deepEqual(await seen(linked), back);

  // Anything but digits and empty replies: nothing replayed, and said so.
  const refused = await open('#antworten=2,x');
  assert.equal((await seen(refused)).out, (await seen(await open(''))).out);
  assert.match(await refused.textContent('#hinweis'), /nichts nachgespielt/);

  // A training has no "Zurück", and one without a seed draws one and
  // writes it into the address.
  const training = await open('#ueben');
  assert.equal(await training.isHidden('#zurueck'), true);
  await training.waitForFunction(() => /^#ueben&seed=[0-9]+$/.test(location.hash));
  const seed = await training.evaluate(() => location.hash.slice('#ueben&seed='.length));
  const drawn = h.runNative(native, Buffer.from(''), ['--uebung', '--seed', seed]);
  assert.ok(drawn.out.startsWith((await seen(training)).out), 'another draw than the seed\'s');
  await context.close();
});

// A picture of every type of B: A, a power-driven vessel of 20 m or more,
// overtakes B on the open sea in clear weather, so that her lookout sees B
// from astern. By day B's shapes stand in her group of the view from above;
// by night the lookout sees her sternlight and her all-round lights (KVR
// Regeln 21 to 28), and nothing else carries a light there.
test('the pictures of every type of B, by day and by night', async () => {
  const shapes = {
    1: [], 2: [], 3: ['kegel-spitzen-zusammen'], 4: ['ball', 'ball', 'rhombus'],
    5: ['ball', 'ball'], 6: ['zylinder'],
  };
  const fromAstern = {
    1: ['hecklicht'], 2: ['hecklicht'], 3: ['hecklicht', 'rundum-rot', 'rundum-weiss'],
    4: ['hecklicht', 'rundum-rot', 'rundum-rot', 'rundum-weiss'],
    5: ['hecklicht', 'rundum-rot', 'rundum-rot'],
    6: ['hecklicht', 'rundum-rot', 'rundum-rot', 'rundum-rot'],
  };
  const marks = (page, selector) => page.$$eval(selector,
    (found, name) => found.map((e) => e.getAttribute(name)).sort(), selector.endsWith('[data-licht]') ? 'data-licht' : 'data-signal');
  const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 360, height: 740 } });
  for (const type of [1, 2, 3, 4, 5, 6]) {
    const replies = ['', '', '1', '2', String(type), ...(type === 1 ? ['2'] : []), '2', '1', '1', '2'];
    const page = await context.newPage();
    await page.goto(server.url + '#antworten=' + replies.join(','));
    await h.waitForRead(page, replies.length + 1);
    await page.waitForSelector('#bild svg');
    assert.deepEqual(await marks(page, '#bild [data-schiff="B"] [data-signal]'), shapes[type], `day, B ${type}`);
    await page.locator('.bilder-rahmen').screenshot({ path: path.join(shots, `bild-b${type}-tag.png`) });
    await page.click('#tag-nacht');
    assert.equal(await page.getAttribute('#tag-nacht', 'aria-pressed'), 'true');
    assert.deepEqual(await marks(page, '#sicht [data-licht]'), fromAstern[type], `night, B ${type}`);
    assert.ok((await page.$$('#bild [data-schiff="B"] [data-licht]')).length >= fromAstern[type].length);
    assert.equal(await page.$('#bild #sicht'), null);
    await page.locator('.bilder-rahmen').screenshot({ path: path.join(shots, `bild-b${type}-nacht.png`) });
    await page.close();
  }
  await context.close();
});

// Chosen training items, one of each waterway, a sailing vessel in the wind,
// an overtaker and fog: the page draws each as the console's worksheet does
// (the same places, headings, wind and areas), every text at least 12 px
// high on a 360 px phone; screenshots by day and by night.
test('training pictures as the worksheet draws them, legible on a phone', async () => {
  const hooks = (svg) => [...svg.matchAll(/data-(?:ort|kurs|wind|gebiet|richtung|segel)="[^"]*"/g)]
    .map((m) => m[0]);
  const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 360, height: 740 } });
  for (const seed of [5, 9, 15, 22, 23]) {
    const args = ['--uebung', '--seed', String(seed), '--anzahl', '1'];
    const worksheet = h.runNative(native, Buffer.from(''), [...args, '--bild', '1']).out.toString();
    const page = await context.newPage();
    await page.goto(server.url + `#ueben&seed=${seed}&anzahl=1`);
    await h.waitForRead(page, 1);
    const svg = await page.$eval('#bild svg', (s) => s.outerHTML);
    assert.deepEqual(hooks(svg), hooks(worksheet), `seed ${seed}`);
    assert.ok(hooks(svg).some((a) => a.startsWith('data-ort')), `seed ${seed}: no vessel placed`);
    const smallest = await page.$eval('#bild svg', (s) => {
      const scale = s.getBoundingClientRect().width / s.viewBox.baseVal.width;
      return Math.min(...[...s.querySelectorAll('text')]
        .map((t) => parseFloat(t.getAttribute('font-size') || getComputedStyle(t).fontSize) * scale));
    });
    assert.ok(smallest >= 12, `seed ${seed}: a text ${smallest.toFixed(1)} px high`);
    await page.locator('.bilder-rahmen').screenshot({ path: path.join(shots, `uebung-${seed}-tag.png`) });
    await page.click('#tag-nacht');
    await page.locator('.bilder-rahmen').screenshot({ path: path.join(shots, `uebung-${seed}-nacht.png`) });
    await page.close();
  }
  await context.close();
});

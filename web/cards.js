// The card view of the web edition. The program hands the page a card, as
// JSON, before every read (src/web/card.h): the question with the labels of
// its answers and the default it offers, or the screen that waits for Enter,
// or the training's choice, and everything reported since the last read: the
// advisor's lines, its duties and verdict, the assumptions, the training's
// lines by kind and the judgement of the learner's answer. The page shows one
// card at a time, the newest once the program waits; it never reads the
// screen's text.
//
// The pictures of the encounter come with the card, drawn by the program by
// day and by night; they stand above the answers, and one button turns them
// from day to night. After a training answer the judgement comes first: the
// card's heading says whether it was right, then the right answer and why,
// then the picture and the advisor's lines.
//
// window.ausweichKarten(root, answer, hooks) makes the view in `root`;
// `answer(line)` hands a reply to the program; `hooks.judged(bewertung)`
// hears every training answer judged, `hooks.intro(titel, texte)` the title
// and the information screens as they pass. A card that shows a verdict
// while the analysis goes on has a "Weiter" of its own (data-lokal) that
// shows the question after it without a reply. "Neue Begegnung" goes
// straight to the first question: the title and the information screens
// that the program shows before it are passed with Enter, unseen.
'use strict';

window.ausweichKarten = function (root, answer, hooks) {
  let newest = null;    // the newest card, which the program has not yet waited at
  let waiting = null;   // the card the program waits at, not shown while the text view is on
  let answered = false; // a reply has gone from the card shown
  let facts = [];       // the answers taken in this analysis: {titel, knopf}
  let following = null; // the card whose question follows the verdict shown
  let night = false;    // the pictures by night
  let pictured = null;  // the card whose pictures are shown
  let skip = 0;         // screens still to pass on the way to a new encounter
  let lage = '';        // the training's item heading: "Lage 3 von 10"
  let right = 0;        // the training's first answers that were right
  let answers = false;  // it counts answers, two an item (lights and shapes), not items

  function el(tag, attributes, ...children) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes || {})) {
      if (name === 'text') node.textContent = value;
      else node.setAttribute(name, value);
    }
    for (const child of children) if (child) node.append(child);
    return node;
  }

  function card(kind, heading) {
    return el('article', { class: 'karte', 'data-art': kind },
      el('h2', { tabindex: '-1', text: heading }));
  }

  function button(reply, text, more) {
    return el('button', { type: 'button', 'data-antwort': reply, ...more }, text);
  }

  // A line of nothing but a frame's signs, which a card shows as a rule.
  const frame = /^ *([-=#*])\1{19,} *$/;

  // What a screen reader says for the advisor's signs and short forms; the
  // signs of a frame around a word it leaves out.
  const spoken = [
    [/[-=#*]{3,}/g, ''],
    [/KVR#(\d+)/g, 'KVR Regel $1'],
    [/(^|\s)# ?(\d+)/g, '$1Paragraf $2'],
    [/\bFzg\b\.?/g, 'Fahrzeug'],
    [/\bFW\b/g, 'Fahrwasser'],
    [/\bVTG\b/g, 'Verkehrstrennungsgebiet'],
    [/\bbzw\./g, 'beziehungsweise'],
    [/\bz\.B\./g, 'zum Beispiel'],
    [/\bAbs\./g, 'Absatz'],
    [/\bBB\b/g, 'Backbord'],
    [/\bStB\b/g, 'Steuerbord'],
    [/\bgrd\b/g, 'Grad'],
    [/-->|->|==>/g, ' nach '],
  ];

  // A line of the advisor as it stands for the eye and, where its signs or
  // short forms would be read out as they stand, in words for the ear.
  function advisorLine(line) {
    let said = line;
    for (const [pattern, words] of spoken) said = said.replace(pattern, words);
    said = said.replace(/\s+/g, ' ').trim();
    if (said === line.trim()) return document.createTextNode(line);
    const part = document.createDocumentFragment();
    part.append(el('span', { 'aria-hidden': 'true', text: line }));
    if (said) part.append(el('span', { class: 'unsichtbar', text: said }));
    return part;
  }

  // The lines of a card: the advisor's as they stand, in fixed-width type that
  // keeps its tables aligned, without the empty lines around them, their
  // frames as rules; the training's by their kind, its description as a
  // list, its running text as one paragraph. Lines of the kinds in `leave`
  // are shown elsewhere on the card.
  function lines(zeilen, leave) {
    const part = document.createDocumentFragment();
    let block = null;
    let list = null;
    let text = null;
    let gap = 0;
    for (const line of zeilen) {
      if (typeof line === 'string') {
        list = null;
        text = null;
        if (line === '') {
          gap += 1;
          continue;
        }
        if (frame.test(line)) {
          part.append(el('hr', { class: 'rahmen', 'aria-hidden': 'true' }));
          block = null;
          gap = 0;
          continue;
        }
        if (!block) {
          block = el('pre', { class: 'zeilen' });
          part.append(block);
        } else {
          block.append('\n'.repeat(gap + 1));
        }
        block.append(advisorLine(line));
        gap = 0;
        continue;
      }
      block = null;
      if (leave && leave.includes(line.art)) continue;
      if (line.art === 'text' && text) {
        text.append(' ' + line.text);
        continue;
      }
      if (line.art !== 'beschreibung') {
        list = null;
        text = el('p', { class: 'zeile-' + line.art, text: line.text });
        part.append(text);
        if (line.art !== 'text') text = null;
        continue;
      }
      text = null;
      if (!list) {
        list = el('ul', { class: 'beschreibung' });
        part.append(list);
      }
      list.append(el('li', { text: line.text }));
    }
    return part;
  }

  // Duties beside the verdict, assumptions and the lines.
  function content(k, leave) {
    const part = document.createDocumentFragment();
    if (k.pflichten.length && !(leave && leave.includes('pflichten'))) {
      const list = el('ul', { class: 'pflichten' });
      for (const p of k.pflichten) {
        list.append(el('li', null, el('strong', { text: p.worte || p.regel }),
          ' (' + p.stelle + '): ' + p.grund));
      }
      part.append(el('h3', { text: k.urteil ? 'Außerdem' : 'Pflichten' }), list);
    }
    for (const a of k.annahmen) part.append(el('p', { text: 'Angenommen: ' + a + '.' }));
    part.append(lines(k.zeilen, leave));
    if (k.gekuerzt) {
      part.append(el('p', {
        class: 'gekuerzt', text: 'Nicht alles passte auf diese Karte: die Textansicht zeigt es ganz.',
      }));
    }
    return part;
  }

  // One picture: the program's SVG under a short name; its description is
  // the words below the pictures, read once.
  function picture(id, svg, name) {
    const box = el('div', { id });
    box.innerHTML = svg;
    const image = box.firstElementChild;
    if (image) {
      const title = image.querySelector('title');
      if (title) title.remove();
      image.setAttribute('role', 'img');
      image.setAttribute('aria-label', name);
    }
    return box;
  }

  // The view from above and what A's lookout sees of B, with what they show
  // in words below them; none before B's type is known. Where the answers
  // are still to be given, the words fold away.
  function pictures(k, folded) {
    if (!k.bilder) return document.createDocumentFragment();
    if (k.zeit && !k.urteil) return lookout(k);
    pictured = { k, folded };
    const b = k.bilder[night ? 'nacht' : 'tag'];
    const group = el('div', { class: 'bilder', role: 'group', 'aria-label': 'Bilder der Begegnung' },
      picture('bild', b.bild, night ? 'Die Begegnung von oben, nachts' : 'Die Begegnung von oben, am Tag'));
    if (b.sicht) group.append(picture('sicht', b.sicht, 'Was der Ausguck von A von B sieht'));
    const words = el('p', { class: 'bildtext', text: b.text });
    const toggle = el('button', {
      type: 'button', id: 'tag-nacht', class: 'tag-nacht', 'aria-pressed': String(night),
    }, 'Nachts');
    const frameOf = el('div', { class: 'bilder-rahmen' }, group);
    if (folded) frameOf.append(el('details', { class: 'bildworte' }, el('summary', { text: 'Das Bild in Worten' }), words));
    else frameOf.append(words);
    frameOf.append(toggle);
    return frameOf;
  }

  // An item of lights and shapes before its solution: only what A's lookout
  // sees of B, large, at the time of day the item sets, named by what it
  // shows; the view from above would give B's kind away.
  function lookout(k) {
    const b = k.bilder[k.zeit];
    const box = el('div', { id: 'sicht', class: 'ausguck' });
    box.innerHTML = b.sicht;
    const image = box.firstElementChild;
    if (image) {
      const title = image.querySelector('title');
      image.setAttribute('role', 'img');
      image.setAttribute('aria-label', title && title.textContent ? title.textContent : 'Was der Ausguck von A sieht');
      if (title) title.remove();
    }
    return el('div', { class: 'bilder-rahmen' },
      el('div', { class: 'bilder', role: 'group', 'aria-label': 'Was der Ausguck sieht' }, box));
  }

  // The training's place: "Lage 3 von 10 · 2 richtig".
  function progress() {
    if (!lage) return null;
    const counted = answers ? ' Antworten richtig' : ' richtig';
    return el('p', { class: 'fortschritt', text: lage + ' · ' + right + counted });
  }

  // How an answer was judged, in words with a mark beside them.
  function judgement(b) {
    const mark = { richtig: '✓', teilweise_richtig: '◐', falsch: '✗' }[b.ergebnis];
    const words = {
      richtig: 'Richtig',
      teilweise_richtig: 'Teilweise richtig – Ihre Wahl: ' + b.wahl,
      falsch: 'Falsch – Ihre Wahl: ' + b.wahl,
    }[b.ergebnis];
    return [el('span', { class: 'zeichen', 'aria-hidden': 'true', text: mark }), words];
  }

  function question(k, withContent) {
    const f = k.frage;
    const item = k.art === 'wahl';
    // The second question of an item of lights and shapes: the judgement of
    // the first is the card's heading, the question follows it.
    const second = item && k.bewertung;
    const c = card(second ? 'wahl-bewertung' : k.art, second ? '' : f.titel);
    if (second) {
      c.classList.add('bewertung-' + k.bewertung.ergebnis);
      c.querySelector('h2').append(...judgement(k.bewertung));
      if (k.bewertung.ergebnis !== 'richtig') {
        c.append(el('p', { class: 'loesung', text: 'Richtig ist: ' + k.bewertung.richtig + '.' }));
      }
      c.append(lines(k.zeilen.filter((z) => typeof z === 'object' && z.art === 'grund')));
      c.append(el('h3', { class: 'frage', text: f.titel }));
    }
    // A training item: its facts, the picture, the answers; the training's
    // introduction, on the first item, below them.
    if (item) {
      c.querySelector('h2').after(progress() || '');
      c.append(lines(k.zeilen.filter((z) => typeof z === 'object' && z.art === 'beschreibung')));
    }
    c.append(pictures(k, true));
    if (withContent && !item) c.append(content(k));
    const list = el('ul', { class: 'antworten' });
    for (const a of f.antworten) {
      const kept = a.code === f.vorschlag;
      const b = button(String(a.code), el('span', { class: 'nr', 'aria-hidden': 'true', text: a.code }),
        { 'aria-keyshortcuts': String(a.code), class: kept ? 'vorschlag' : '' });
      b.append(el('span', { class: 'knopf', text: a.knopf }));
      // The spaces keep the words apart in the button's name.
      if (kept) b.append(' ', el('span', { class: 'marke', text: 'wie zuletzt' }));
      list.append(el('li', null, b));
    }
    c.append(list);
    const buttons = el('div', { class: 'knoepfe' });
    if (k.art === 'frage') {
      const kept = f.antworten.find((a) => a.code === f.vorschlag);
      buttons.append(button('', 'Weiter ', { class: 'weiter', 'aria-keyshortcuts': 'Enter' }));
      buttons.lastChild.append(el('span', {
        class: 'klein', text: kept ? 'wie zuletzt: „' + kept.knopf + '“' : 'mit der bisherigen Antwort',
      }));
    }
    buttons.append(button('0', 'Ende', { class: 'ende', 'aria-keyshortcuts': '0' }));
    c.append(buttons);
    if (withContent && item) c.append(content(k, ['lage', 'beschreibung', 'urteil', 'grund']));
    return c;
  }

  const disclaimer = 'Ohne Gewähr: Der Berater ersetzt weder die Regeln selbst noch gute ' +
    'Seemannschaft; verantwortlich bleibt, wer das Schiff führt.';

  function pause(k) {
    const p = k.pause;
    const c = card('pause', p.titel);
    for (const text of p.text) c.append(el('p', { text }));
    if (p.halt === 'titel') c.append(el('p', { class: 'gewaehr', text: disclaimer }));
    c.append(pictures(k, false), content(k));
    c.append(el('div', { class: 'knoepfe' }, onward(p.halt)));
    return c;
  }

  function onward(halt) {
    const fresh = halt === 'ende_der_analyse';
    return button('', fresh ? 'Neue Begegnung' : 'Weiter',
      { class: 'weiter', 'aria-keyshortcuts': 'Enter', ...(fresh ? { 'data-neu': '' } : {}) });
  }

  // A training answer judged: whether it was right first, with a mark beside
  // the words, then the right answer and why, the picture, and the advisor's
  // own lines below.
  function feedback(k) {
    const b = k.bewertung;
    const c = card('bewertung', '');
    c.classList.add('bewertung-' + b.ergebnis);
    c.querySelector('h2').append(...judgement(b));
    if (k.zeit) night = k.zeit === 'nacht';
    c.append(progress() || '');
    if (b.ergebnis !== 'richtig') c.append(el('p', { class: 'loesung', text: 'Richtig ist: ' + b.richtig + '.' }));
    const told = k.zeilen.filter((z) => typeof z === 'object' && ['auch_richtig', 'grund', 'hinweis'].includes(z.art));
    c.append(lines(told));
    c.append(pictures(k, false));
    c.append(el('h3', { text: 'Der Berater' }),
      content(k, ['pflichten', 'urteil', 'auch_richtig', 'grund', 'hinweis']));
    c.append(el('div', { class: 'knoepfe' }, onward(k.pause.halt)));
    return c;
  }

  // The verdict in words, the rule as a skipper cites it, why, and below it
  // the advisor's own lines. Where the analysis goes on, "Weiter" shows the
  // question that follows; where it ends, "Neue Begegnung" goes on.
  function verdict(k) {
    const u = k.urteil;
    const c = card('urteil', u.worte || u.regel);
    c.classList.add('klasse-' + u.klasse);
    if (u.worte) c.append(el('p', { class: 'stelle', text: u.stelle }));
    c.append(el('p', { text: u.grund }), pictures(k, false));
    if (facts.length) {
      const list = el('dl');
      for (const f of facts) list.append(el('dt', { text: f.titel }), el('dd', { text: f.knopf }));
      c.append(el('details', null, el('summary', { text: 'Ihre Angaben' }), list));
    }
    c.append(content(k));
    const buttons = el('div', { class: 'knoepfe' });
    if (k.art === 'pause') {
      buttons.append(onward(k.pause.halt));
    } else if (k.art !== 'ende') {
      buttons.append(button('', 'Weiter', { class: 'weiter', 'data-lokal': '', 'aria-keyshortcuts': 'Enter' }));
      c.setAttribute('data-lokal', '');
      following = k;
    }
    c.append(buttons);
    return c;
  }

  // A new card, its heading focused: a screen reader says it once.
  function put(c) {
    root.querySelector('article').replaceWith(c);
    answered = false;
    if (root.hidden) return;
    c.querySelector('h2').focus();
  }

  function show(k) {
    following = null;
    if (k.bewertung && k.art === 'pause') put(feedback(k));
    else if (k.urteil) put(verdict(k));
    else if (k.art === 'pause') put(pause(k));
    else put(question(k, true));
  }

  // The title and information screens on the way to a new encounter: told
  // to the page, and passed with Enter.
  function passed(k) {
    if (!k || k.art !== 'pause' || !['titel', 'info'].includes(k.pause.halt)) return false;
    if (hooks.intro) hooks.intro(k.pause.titel, k.pause.text);
    if (skip === 0 || root.hidden) return false;
    skip -= 1;
    answer('');
    return true;
  }

  root.addEventListener('click', (event) => {
    const toggle = event.target.closest('#tag-nacht');
    if (toggle) {
      night = !night;
      const shown = pictures(pictured.k, pictured.folded);
      root.querySelector('.bilder-rahmen').replaceWith(shown);
      shown.querySelector('#tag-nacht').focus();
      return;
    }
    const b = event.target.closest('button[data-antwort]');
    if (!b || answered) return;
    if (b.hasAttribute('data-lokal')) {
      put(question(following, false));
      following = null;
      return;
    }
    if (b.hasAttribute('data-neu')) skip = 2;
    answered = true;
    answer(b.dataset.antwort);
  });

  return {
    // A card from the program.
    receive(k) {
      // A new analysis, or a new item of the training, starts the answers
      // given afresh.
      if ((k.art === 'pause' && k.pause.halt === 'titel') || k.art === 'wahl') facts = [];
      if (k.genommen && k.genommen.knopf) facts.push(k.genommen);
      for (const z of k.zeilen) if (typeof z === 'object' && z.art === 'lage') lage = z.text;
      if (k.zeit) answers = true;
      if (k.bewertung) {
        answers = k.bewertung.art === 'lichter';
        if (!k.bewertung.wiederholung && k.bewertung.ergebnis === 'richtig') right += 1;
        if (hooks.judged) hooks.judged(k.bewertung);
      }
      newest = k;
    },
    // The program waits for a reply: the newest card, unless it is shown, or
    // passed on the way to a new encounter.
    waits() {
      if (newest) waiting = newest;
      newest = null;
      answered = false;
      if (passed(waiting)) {
        waiting = null;
        return;
      }
      this.shown();
    },
    // The card view is shown: the card the program waits at, where it is
    // not yet there.
    shown() {
      if (root.hidden) return;
      const k = waiting;
      waiting = null;
      if (k) show(k);
    },
    // The run has ended: its last lines (the training's score) under `heading`.
    ended(heading) {
      const k = newest;
      newest = null;
      waiting = null;
      if (k && k.urteil) {
        show(k);
        return;
      }
      // The training's score: its first line is the heading.
      const score = k && k.zeilen.find((z) => typeof z === 'object' && z.art === 'ergebnis');
      const c = card('ende', score ? score.text : heading);
      if (k) c.append(content(k, score ? [] : null));
      if (score) c.querySelectorAll('p.zeile-ergebnis')[0].remove();
      put(c);
    },
    // A fresh run.
    reset() {
      newest = null;
      waiting = null;
      facts = [];
      skip = 0;
      lage = '';
      right = 0;
      answers = false;
      put(card('laden', 'Der Berater startet …'));
    },
  };
};

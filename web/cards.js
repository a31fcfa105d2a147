// The card view of the web edition. The program hands the page a card, as
// JSON, before every read (src/web/karte.h): the question with the labels of
// its answers and the default it offers, or the screen that waits for Enter,
// or the training's choice, and everything reported since the last read: the
// advisor's lines, its duties and verdict, the assumptions, the training's
// lines by kind. The page shows one card at a time, the newest once the
// program waits; it never reads the screen's text.
//
// The pictures of the encounter come with the card, drawn by the program by
// day and by night; one button turns both from day to night.
//
// window.ausweichKarten(root, answer) makes the view in `root`; `answer(line)`
// hands a reply to the program. A card that shows a verdict while the
// analysis goes on has a "Weiter" of its own (data-lokal) that shows the
// question after it without a reply.
'use strict';

window.ausweichKarten = function (root, answer) {
  const announcer = document.getElementById('ansage');
  let newest = null;    // the newest card, which the program has not yet waited at
  let waiting = null;   // the card the program waits at, not shown while the text view is on
  let answered = false; // a reply has gone from the card shown
  let facts = [];       // the answers taken in this analysis: {titel, knopf}
  let following = null; // the card whose question follows the verdict shown
  let night = false;    // the pictures by night
  let pictured = null;  // the card whose pictures are shown

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

  // The lines of a card: the advisor's as they stand, in fixed-width type that
  // keeps its tables aligned, without the empty lines around them, their
  // frames as rules; the training's by their kind, its description as a
  // list, its running text as one paragraph.
  function lines(zeilen) {
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
          part.append(el('hr', { class: 'rahmen' }));
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
        block.append(line);
        gap = 0;
        continue;
      }
      block = null;
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
  function content(k) {
    const part = document.createDocumentFragment();
    if (k.pflichten.length) {
      const list = el('ul', { class: 'pflichten' });
      for (const p of k.pflichten) {
        list.append(el('li', null, el('strong', { text: p.worte || p.regel }),
          ' (' + p.stelle + '): ' + p.grund));
      }
      part.append(el('h3', { text: k.urteil ? 'Außerdem' : 'Pflichten' }), list);
    }
    for (const a of k.annahmen) part.append(el('p', { text: 'Angenommen: ' + a + '.' }));
    part.append(lines(k.zeilen));
    if (k.gekuerzt) {
      part.append(el('p', {
        class: 'gekuerzt', text: 'Nicht alles passte auf diese Karte: die Textansicht zeigt es ganz.',
      }));
    }
    return part;
  }

  // The view from above and what A's lookout sees of B, with what they show
  // in words below them; the program's own SVG. None before the first answer.
  function pictures(k) {
    if (!k.bilder) return document.createDocumentFragment();
    pictured = k;
    const b = k.bilder[night ? 'nacht' : 'tag'];
    const bild = el('div', { id: 'bild' });
    bild.innerHTML = b.bild;
    const figure = el('figure', { class: 'bilder' }, bild);
    if (b.sicht) {
      const sicht = el('div', { id: 'sicht' });
      sicht.innerHTML = b.sicht;
      figure.append(sicht);
    }
    figure.append(el('figcaption', { text: b.text }));
    const toggle = el('button', {
      type: 'button', id: 'tag-nacht', class: 'tag-nacht', 'aria-pressed': String(night),
    }, 'Nachts');
    return el('div', { class: 'bilder-rahmen' }, figure, toggle);
  }

  function question(k, withContent) {
    const f = k.frage;
    const c = card(k.art, f.titel);
    if (withContent) c.append(content(k));
    const list = el('ul', { class: 'antworten' });
    for (const a of f.antworten) {
      const suggested = a.code === f.vorschlag;
      const b = button(String(a.code), el('span', { class: 'nr', 'aria-hidden': 'true', text: a.code }),
        { 'aria-keyshortcuts': String(a.code), class: suggested ? 'vorschlag' : '' });
      b.append(el('span', { class: 'knopf', text: a.knopf }));
      // The spaces keep the words apart in the button's name.
      if (suggested) b.append(' ', el('span', { class: 'marke', text: 'Vorschlag' }));
      list.append(el('li', null, b));
    }
    c.append(list);
    const buttons = el('div', { class: 'knoepfe' });
    if (k.art === 'frage') {
      const kept = f.antworten.find((a) => a.code === f.vorschlag);
      buttons.append(button('', 'Weiter ', { class: 'weiter', 'aria-keyshortcuts': 'Enter' }));
      buttons.lastChild.append(el('span', {
        class: 'klein', text: kept ? 'mit „' + kept.knopf + '“' : 'mit der bisherigen Antwort',
      }));
    }
    buttons.append(button('0', 'Ende', { class: 'ende', 'aria-keyshortcuts': '0' }));
    c.append(buttons, pictures(k));
    return c;
  }

  function pause(k) {
    const p = k.pause;
    const c = card('pause', p.titel);
    for (const text of p.text) c.append(el('p', { text }));
    c.append(content(k), pictures(k));
    c.append(el('div', { class: 'knoepfe' }, onward(p.halt)));
    return c;
  }

  function onward(halt) {
    return button('', halt === 'ende_der_analyse' ? 'Neue Begegnung' : 'Weiter',
      { class: 'weiter', 'aria-keyshortcuts': 'Enter' });
  }

  // The verdict in words, the rule as a skipper cites it, why, and below it
  // the advisor's own lines. Where the analysis goes on, "Weiter" shows the
  // question that follows; where it ends, "Neue Begegnung" goes on.
  function verdict(k) {
    const u = k.urteil;
    const c = card('urteil', u.worte || u.regel);
    c.classList.add('klasse-' + u.klasse);
    if (u.worte) c.append(el('p', { class: 'stelle', text: u.stelle }));
    c.append(el('p', { text: u.grund }), pictures(k));
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

  function put(c, said) {
    root.querySelector('article').replaceWith(c);
    answered = false;
    if (root.hidden) return;
    c.querySelector('h2').focus();
    // The same words twice are announced twice.
    announcer.textContent = '';
    announcer.textContent = said;
  }

  function show(k) {
    following = null;
    if (k.urteil) {
      const u = k.urteil;
      put(verdict(k), 'Urteil: ' + (u.worte || u.regel) + '. ' + u.stelle);
    } else if (k.art === 'pause') {
      put(pause(k), k.pause.titel);
    } else {
      put(question(k, true), k.frage.titel);
    }
  }

  root.addEventListener('click', (event) => {
    const toggle = event.target.closest('#tag-nacht');
    if (toggle) {
      night = !night;
      const shown = pictures(pictured);
      root.querySelector('.bilder-rahmen').replaceWith(shown);
      shown.querySelector('#tag-nacht').focus();
      return;
    }
    const b = event.target.closest('button[data-antwort]');
    if (!b || answered) return;
    if (b.hasAttribute('data-lokal')) {
      put(question(following, false), following.frage.titel);
      following = null;
      return;
    }
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
      newest = k;
    },
    // The program waits for a reply: the newest card, unless it is shown.
    waits() {
      if (newest) waiting = newest;
      newest = null;
      answered = false;
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
      const c = card('ende', heading);
      if (k) c.append(content(k));
      put(c, heading);
    },
    // A fresh run.
    reset() {
      newest = null;
      waiting = null;
      facts = [];
      put(card('laden', 'Der Berater startet …'), '');
    },

  };
};

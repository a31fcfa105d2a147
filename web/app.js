// The page of the web edition: it runs the advisor (the compiled program,
// fetched beside the page, and its Emscripten glue, written into it) with
// itself as the terminal, and shows the run in one of two views. The card
// view (cards.js) shows the program's cards, one question at a time, with its
// answers as buttons. The text view shows what the program writes as it is;
// what the user types goes to the program line by line, echoed on the screen
// as a terminal would, and lines typed before the program asks wait their
// turn. Both views show the same run. Every run is a fresh instance of the
// compiled program, so a run begins with the first-run defaults, and the
// same replies give the same run: "Zurück" replays all but the last, and the
// address holds them, so that a reload or a shared link replays them. Three
// buttons choose the mode: "Beraten", the advisor, "Üben", the training
// mode (the program's option --uebung), and "Lichter", its training of lights
// and shapes (--uebung --lichter).
//
// The address: the words `ueben` or `lichter`, `seed=S`, `anzahl=N` (the
// training, or that of lights and shapes, and its draw), `lagen=S:K,...` (a training of named items: item K of the draw for
// seed S), `text` (the text view) and `antworten=R,R,...` (the advisor's
// replies, digits or empty), in any order, joined by "&".
//
// The training's first answers are kept in the browser's storage, on this
// device only, for 30 days: the "Fortschritt" view counts them by topic, and
// "Fehler üben" trains the items answered wrongly again, by their draw and
// number, until each is answered right.
//
// The current run is exposed as window.ausweich: transcript (all that the
// program wrote to standard output), diagnostics (standard error), status
// (null until the program ends), reads (input lines the program has started to
// wait for) and waiting (true while it waits).
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const screen = $('screen');
  const form = $('reply-form');
  const reply = $('reply');
  const keys = $('keys');
  const endBox = $('end');
  const endMessage = $('end-message');
  const endDiagnostic = $('end-diagnostic');
  const restart = $('restart');
  const modes = $('modes');
  const cardView = $('karte');
  const textView = $('textansicht');
  const viewButton = $('ansicht');
  const back = $('zurueck');
  const note = $('hinweis');
  const progressView = $('fortschritt');
  const progressButton = $('fortschritt-zeigen');
  const more = $('mehr');

  // Lines kept on the screen for scrolling back; older ones are dropped.
  const SCROLLBACK = 2000;
  // Replies that an address may hold: enough for any session a person types.
  const MOST_REPLIES = 5000;
  const encoder = new TextEncoder();
  const fineInput = window.matchMedia('(hover: hover)').matches;

  // The program is fetched and compiled once, from the page's head, and
  // every run instantiates it afresh.
  let compiled = null;  // the program, once compiled
  const program = window.ausweichProgram.then((module) => (compiled = module));

  // --- The screen -----------------------------------------------------------

  const shown = [];  // line count of each piece on the screen, oldest first
  let linesShown = 0;
  let scrollQueued = false;

  // The transcript keeps every byte the program writes as one character, so
  // that it compares with the console program's bytes; the screen decodes
  // them as UTF-8, in which the training writes its umlauts.
  function characters(bytes) {
    let s = '';
    for (let i = 0; i < bytes.length; i += 8192) {
      s += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    }
    return s;
  }

  function lineCount(s) {
    let n = 0;
    for (let i = s.indexOf('\n'); i >= 0; i = s.indexOf('\n', i + 1)) n += 1;
    return n;
  }

  function scrollDown() {
    screen.scrollTop = screen.scrollHeight;
  }

  // New text goes at the bottom, and the screen follows it, as a terminal's
  // does; the scroll waits for the next frame, so a burst of output costs one.
  function show(text, echo) {
    let piece;
    if (echo) {
      piece = document.createElement('span');
      piece.className = 'echo';
      piece.textContent = text;
    } else {
      piece = document.createTextNode(text);
    }
    screen.append(piece);
    const n = lineCount(text);
    shown.push(n);
    linesShown += n;
    while (linesShown - shown[0] >= SCROLLBACK) {
      linesShown -= shown.shift();
      screen.firstChild.remove();
    }
    if (!scrollQueued && !textView.hidden) {
      scrollQueued = true;
      requestAnimationFrame(() => {
        scrollQueued = false;
        scrollDown();
      });
    }
  }

  function clearScreen() {
    screen.textContent = '';
    shown.length = 0;
    linesShown = 0;
  }

  // --- The state in the address ----------------------------------------------

  // What the address asks for; `refused` says why where it holds replies
  // that are not digits or empty, or too many, of which it replays none.
  function fromAddress(hash) {
    const wanted = {
      training: false, lights: false, seed: null, count: null, items: null, text: false,
      replies: [], refused: '',
    };
    for (const word of hash.replace(/^#/, '').split('&')) {
      const at = word.indexOf('=');
      const name = at < 0 ? word : word.slice(0, at);
      const value = at < 0 ? null : word.slice(at + 1);
      // Only values that the program takes: a link with another runs the
      // training without it. A seed is any whole number of 64 bits.
      const digits = /^[0-9]{1,20}$/.test(value || '');
      const number = digits ? Number(value) : NaN;
      if (name === 'ueben' && value === null) wanted.training = true;
      else if (name === 'lichter' && value === null) wanted.lights = true;
      else if (name === 'text' && value === null) wanted.text = true;
      else if (name === 'seed' && digits && BigInt(value) <= 18446744073709551615n) wanted.seed = value;
      else if (name === 'anzahl' && number >= 1 && number <= 100) wanted.count = value;
      else if (name === 'lagen' && /^[0-9]{1,20}:[0-9]{1,3}(,[0-9]{1,20}:[0-9]{1,3}){0,99}$/.test(value || '')) {
        wanted.items = value;
      }
      else if (name === 'antworten' && value !== null) {
        const replies = value.split(',');
        if (replies.length > MOST_REPLIES) {
          wanted.refused = 'Der Link enthält mehr als ' + MOST_REPLIES + ' Antworten: nichts nachgespielt.';
        } else if (!replies.every((r) => /^[0-9]{0,19}$/.test(r))) {
          wanted.refused = 'Der Link enthält Antworten, die nicht nur aus Ziffern bestehen: nichts nachgespielt.';
        } else {
          wanted.replies = replies;
        }
      }
    }
    return wanted;
  }

  const state = {};
  // A training without a seed draws one, so that a reload draws the same.
  function drawSeed() {
    state.seed = String(crypto.getRandomValues(new Uint32Array(1))[0]);
  }
  // The state that the address asks for; a training replays no replies.
  function readAddress() {
    Object.assign(state, fromAddress(location.hash));
    // "lichter" is the training of lights and shapes, named items only the
    // training of encounters.
    if (state.lights) state.training = true;
    if (state.lights) state.items = null;
    if (state.training) state.replies = [];
    if (!state.training) state.items = null;
    // A seed that the address names stays for "Neue Übung"; one the page drew
    // (which a reload finds in the history's state) does not.
    state.seedNamed = state.seed !== null && !(history.state && history.state.gezogen);
    if (state.training && state.seed === null && state.items === null) drawSeed();
    say(state.refused);
  }

  function args() {
    if (!state.training) return [];
    const list = state.lights ? ['--uebung', '--lichter'] : ['--uebung'];
    if (state.items !== null) return [...list, '--lagen', state.items];
    if (state.seed !== null) list.push('--seed', state.seed);
    if (state.count !== null) list.push('--anzahl', state.count);
    return list;
  }

  // The replies of the run, where a link can hold them all.
  function shareable(replies) {
    return replies.every((r) => /^[0-9]*$/.test(r));
  }

  function writeAddress() {
    const words = [];
    if (state.training && state.items !== null) {
      words.push('ueben', 'lagen=' + state.items);
    } else if (state.training) {
      words.push(state.lights ? 'lichter' : 'ueben', 'seed=' + state.seed);
      if (state.count !== null) words.push('anzahl=' + state.count);
    }
    if (state.text) words.push('text');
    const replies = current ? current.replies : [];
    if (!state.training && replies.length && shareable(replies)) {
      words.push('antworten=' + replies.join(','));
    }
    const address = words.length ? '#' + words.join('&') : location.pathname + location.search;
    if (address !== (location.hash || location.pathname + location.search)) {
      history.replaceState({ gezogen: !state.seedNamed }, '', address);
    }
  }

  // --- One run of the program ------------------------------------------------

  // --- The progress, kept on this device ------------------------------------

  const STORE = 'ausweichregeln.fortschritt';
  const KEEP = 30 * 24 * 60 * 60 * 1000;
  // The topics of the training, in the order of its score.
  const TOPICS = [
    'Verantwortlichkeiten der Fahrzeuge untereinander (KVR Regel 18)',
    'Segelfahrzeuge untereinander (KVR Regel 12)',
    'Maschinenfahrzeuge untereinander (KVR Regeln 14 und 15)',
    'Überholen (KVR Regel 13, § 23 SeeSchStrO)',
    'Verminderte Sicht (KVR Regel 19)',
    'Enges Fahrwasser (KVR Regel 9)',
    'Verkehrstrennungsgebiete (KVR Regel 10)',
    'Vorfahrt im Fahrwasser (§ 25 SeeSchStrO)',
    'Rechtsfahrgebot und Begegnen im Fahrwasser (KVR Regel 9 a), § 24 SeeSchStrO)',
    'Lichter und Signalkörper (KVR Regeln 21 bis 28)',
  ];

  // The first answers of the last 30 days, {t, thema, richtig}, and the items
  // answered wrongly and not yet right again, {seed, lage}; where the browser
  // keeps nothing, an empty record.
  function loadProgress() {
    let kept = null;
    try {
      kept = JSON.parse(localStorage.getItem(STORE));
    } catch (error) {
      kept = null;
    }
    const since = Date.now() - KEEP;
    const answers = Array.isArray(kept && kept.antworten) ? kept.antworten : [];
    const wrong = Array.isArray(kept && kept.fehler) ? kept.fehler : [];
    return {
      antworten: answers.filter((a) => a && a.t >= since && typeof a.thema === 'string'),
      fehler: wrong.filter((f) => f && /^[0-9]{1,20}$/.test(f.seed) && f.lage >= 1 && f.lage <= 100).slice(-100),
    };
  }

  function saveProgress(p) {
    try {
      localStorage.setItem(STORE, JSON.stringify(p));
    } catch (error) {
      // Storage full or forbidden: the progress is not kept.
    }
  }

  // A training answer judged: a first answer counts; a wrong one puts its
  // item on the list to practise, a right one takes it off (items of the
  // training of encounters: those of lights and shapes count by topic only).
  function judged(b) {
    if (b.wiederholung) return;
    const p = loadProgress();
    // Items practised again leave or stay on the list; counted they were.
    if (state.items === null) {
      p.antworten.push({ t: Date.now(), thema: b.thema, richtig: b.ergebnis === 'richtig' });
    }
    if (b.art === 'begegnungen') {
      p.fehler = p.fehler.filter((f) => f.seed !== b.seed || f.lage !== b.lage);
      if (b.ergebnis !== 'richtig') p.fehler.push({ seed: b.seed, lage: b.lage });
    }
    saveProgress(p);
    if (!progressView.hidden) showProgress();
  }

  function showProgress() {
    const p = loadProgress();
    const list = $('fortschritt-liste');
    list.textContent = '';
    const topics = TOPICS.concat(p.antworten.map((a) => a.thema).filter((t) => !TOPICS.includes(t)));
    for (const topic of new Set(topics)) {
      const answers = p.antworten.filter((a) => a.thema === topic);
      const right = answers.filter((a) => a.richtig).length;
      const item = document.createElement('li');
      const name = document.createElement('span');
      name.className = 'thema';
      name.textContent = topic;
      item.append(name, ': ' + (answers.length ? `${right} von ${answers.length} richtig` : 'noch nichts beantwortet'));
      list.append(item);
    }
    const practise = $('fehler-ueben');
    practise.textContent = `Fehler üben (${p.fehler.length})`;
    practise.disabled = p.fehler.length === 0;
  }

  $('fehler-ueben').addEventListener('click', () => {
    const p = loadProgress();
    if (!p.fehler.length) return;
    state.training = true;
    state.lights = false;
    state.items = p.fehler.map((f) => f.seed + ':' + f.lage).join(',');
    state.seed = null;
    state.count = null;
    state.seedNamed = false;
    showView('karte');
    current = null;
    say('');
    startAfresh([]);
    writeAddress();
  });

  // Clearing asks once more: the second tap clears.
  const clear = $('fortschritt-loeschen');
  clear.addEventListener('click', () => {
    if (!clear.dataset.sicher) {
      clear.dataset.sicher = 'ja';
      clear.textContent = 'Wirklich löschen?';
      return;
    }
    delete clear.dataset.sicher;
    clear.textContent = 'Fortschritt löschen';
    try {
      localStorage.removeItem(STORE);
    } catch (error) {
      // Nothing kept.
    }
    showProgress();
    say('Fortschritt gelöscht.');
  });

  $('fortschritt-schliessen').addEventListener('click', () => {
    showView('karte');
    cards.shown();
    cardView.querySelector('h2').focus();
  });

  // --- The title and the information ----------------------------------------

  // The program's title and information screens, as an advisor run passed
  // them, kept on the device so that a training can show them too.
  const INFO = 'ausweichregeln.info';
  let intro = {};
  try {
    intro = JSON.parse(localStorage.getItem(INFO)) || {};
  } catch (error) {
    intro = {};
  }
  function heardIntro(titel, texte) {
    intro[titel] = texte;
    try {
      localStorage.setItem(INFO, JSON.stringify(intro));
    } catch (error) {
      // Not kept: the dialog shows what this visit heard.
    }
  }

  const dialog = $('info');
  $('info-zeigen').addEventListener('click', () => {
    const box = $('info-text');
    box.textContent = '';
    let warned = false;
    for (const [titel, texte] of Object.entries(intro)) {
      if (!Array.isArray(texte)) continue;
      if (titel !== $('info-titel').textContent) {
        const h = document.createElement('h3');
        h.textContent = titel;
        box.append(h);
      }
      for (const t of texte) {
        warned = warned || /Gewähr/.test(t);
        const p = document.createElement('p');
        p.textContent = t;
        box.append(p);
      }
    }
    dialog.querySelector('.gewaehr').hidden = warned;
    more.open = false;
    dialog.showModal();
  });
  // Closed, the focus goes back to where the dialog was opened from.
  dialog.addEventListener('close', () => more.querySelector('summary').focus());

  // "Mehr" closes with Escape, a tap elsewhere, or a choice in it.
  document.addEventListener('click', (event) => {
    if (more.open && !more.contains(event.target)) more.open = false;
  });

  // Where the browser offers to install the page as an app: a quiet button.
  let installPrompt = null;
  window.addEventListener('beforeinstallprompt', (event) => {
    event.preventDefault();
    installPrompt = event;
    $('installieren').hidden = false;
  });
  $('installieren').addEventListener('click', async () => {
    if (!installPrompt) return;
    more.open = false;
    installPrompt.prompt();
    await installPrompt.userChoice.catch(() => null);
    installPrompt = null;
    $('installieren').hidden = true;
  });

  let current = null;
  const cards = window.ausweichKarten(cardView, (line) => enter(line), { judged, intro: heardIntro });

  // Starts the program; `replay` are replies handed over one per read, each
  // when the program asks, as though typed then.
  function start(replay) {
    const run = { transcript: '', diagnostics: '', status: null, reads: 0, waiting: false };
    // Not enumerable, so window.ausweich shows only what it always showed.
    Object.defineProperty(run, 'training', { value: state.training });
    const typed = [];    // lines typed and not yet read, as bytes
    const replies = [];  // every line handed over, as typed
    const intros = [];   // for each of them, whether it went on from a title or information screen
    let atIntro = false; // the program reads at such a screen
    const queued = replay.slice();
    let rest = null;     // what a read left of a line longer than it could take
    let midLine = false; // the last read ended inside a line
    let inputEnded = false;
    let waiter = null;   // the read the program waits in

    // Hands the next line (or the end of input) to a waiting read.
    function hand() {
      if (!waiter) return;
      let piece = rest || typed.shift();
      if (!piece && queued.length) {
        const line = queued.shift();
        show(line + '\n', true);
        replies.push(line);
        intros.push(atIntro);
        piece = encoder.encode(line + '\n');
      }
      if (!piece) {
        if (!inputEnded) return;
        piece = new Uint8Array(0);
      }
      rest = null;
      if (piece.length > waiter.size) {
        rest = piece.subarray(waiter.size);
        piece = piece.subarray(0, waiter.size);
      }
      midLine = piece.length > 0 && piece[piece.length - 1] !== 0x0a;
      const resolve = waiter.resolve;
      waiter = null;
      run.waiting = false;
      resolve(piece);
    }

    const decoder = new TextDecoder('utf-8');
    const cardDecoder = new TextDecoder('utf-8');
    const terminal = {
      write(bytes) {
        run.transcript += characters(bytes);
        show(decoder.decode(bytes, { stream: true }), false);
      },
      diagnostic(bytes) {
        run.diagnostics += characters(bytes) + '\n';
      },
      card(bytes) {
        if (run !== window.ausweich) return;
        let k = null;
        try {
          k = JSON.parse(cardDecoder.decode(bytes));
        } catch (error) {
          return;  // the text view still shows the screen
        }
        atIntro = k.art === 'pause' && (k.pause.halt === 'titel' || k.pause.halt === 'info');
        cards.receive(k);
      },
      read(size) {
        if (!midLine) run.reads += 1;
        run.waiting = true;
        return new Promise((resolve) => {
          waiter = { size, resolve };
          hand();
          if (waiter) waits(run);
        });
      },
      end(status) {
        run.status = status;
        run.waiting = false;
        finish(run, '');
      },
    };

    current = {
      run,
      replies,
      intros,
      // A line as the user typed it; `lineEnd` false for Ctrl-D after text,
      // which hands over what is typed without a line end, as a terminal does.
      type(line, lineEnd) {
        const text = lineEnd ? line + '\n' : line;
        show(text, true);
        if (lineEnd) {
          replies.push(line);
          intros.push(atIntro);
        }
        typed.push(encoder.encode(text));
        hand();
      },
      endInput() {
        inputEnded = true;
        hand();
      },
    };
    window.ausweich = run;

    createAusweich({
      arguments: args(),
      terminal,
      instantiateWasm(imports, receive) {
        if (compiled) {
          let instance = null;
          try {
            instance = new WebAssembly.Instance(compiled, imports);
          } catch (error) {
            // Too big for the browser to instantiate at once: as below.
          }
          if (instance) {
            receive(instance);
            return instance.exports;
          }
        }
        program
          .then((module) => WebAssembly.instantiate(module, imports))
          .then((instance) => receive(instance))
          .catch((error) => failed(run, 'Das Programm konnte nicht geladen werden: ' + error));
        return {};
      },
      onAbort(what) {
        failed(run, 'Das Programm ist abgestürzt: ' + what);
      },
    });
  }

  // The address follows the replies once the card is shown: not before the
  // browser has painted it.
  const later = (f) => (window.requestIdleCallback ? requestIdleCallback(f, { timeout: 200 }) : setTimeout(f, 20));
  let addressQueued = false;
  function updateAddress() {
    if (addressQueued) return;
    addressQueued = true;
    later(() => {
      addressQueued = false;
      writeAddress();
    });
  }

  // The program waits for a line that is not there yet.
  function waits(run) {
    if (run !== window.ausweich) return;
    cards.waits();
    back.disabled = current.replies.length === 0;
    updateAddress();
  }

  function running() {
    return current !== null && current.run.status === null && endBox.hidden;
  }

  function finish(run, trouble) {
    if (run !== window.ausweich) return;
    const status = run.status;
    let message;
    if (trouble) message = trouble;
    else if (status === 0 && run.training) message = 'Übung beendet.';
    else if (status === 0) message = 'Programm beendet: Antwort 0 = Ende.';
    else if (status === 2) message = 'Programm abgebrochen (Status 2): die Antwort war keine ganze Zahl, oder die Eingabe ist zu Ende.';
    else message = 'Programm beendet mit Status ' + status + '.';
    endMessage.textContent = message;
    const diagnostic = run.diagnostics.split('\n')[0];
    endDiagnostic.textContent = diagnostic;
    endDiagnostic.hidden = diagnostic === '';
    restart.textContent = run.training ? 'Neue Übung' : 'Neu starten';
    endBox.hidden = false;
    reply.disabled = true;
    for (const button of keys.querySelectorAll('button')) button.disabled = true;
    cards.ended(run.training ? 'Ergebnis' : 'Beratung beendet');
    back.disabled = current.replies.length === 0;
    updateAddress();
    if (!textView.hidden) restart.focus();
  }

  // The program could not be loaded, or stopped without an exit status.
  function failed(run, trouble) {
    run.waiting = false;
    finish(run, trouble);
  }

  function startAfresh(replay) {
    clearScreen();
    endBox.hidden = true;
    reply.disabled = false;
    for (const button of keys.querySelectorAll('button')) button.disabled = false;
    reply.value = '';
    if (!textView.hidden) reply.focus();
    showState();
    cards.reset();
    back.disabled = true;
    start(replay);
  }

  // --- Replies ---------------------------------------------------------------

  function enter(line) {
    if (!running()) return;
    current.type(line, true);
  }

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    enter(reply.value);
    reply.value = '';
    reply.focus();
  });

  // Ctrl-D: what is typed goes to the program without a line end; on an empty
  // field it ends the input.
  reply.addEventListener('keydown', (event) => {
    if (!event.ctrlKey || event.altKey || event.metaKey || event.key.toLowerCase() !== 'd') return;
    event.preventDefault();
    if (!running()) return;
    if (reply.value !== '') current.type(reply.value, false);
    else current.endInput();
    reply.value = '';
  });

  // The tap buttons: a digit is a whole reply, Enter sends the field as it is
  // (usually empty: the default, or on at an Enter wait). On a touch screen
  // the field keeps its focus only where a keyboard is used, or the on-screen
  // keyboard would cover the buttons after every tap.
  keys.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (!button) return;
    if ('enter' in button.dataset) {
      enter(reply.value);
      reply.value = '';
    } else {
      enter(button.dataset.line);
    }
    if (fineInput) reply.focus();
  });

  // In the text view, a key pressed anywhere else on the page goes to the
  // reply field.
  function textKey(event) {
    if (event.target === reply || event.target.closest('button') || reply.disabled) return;
    // Only typing: arrows, page keys and Tab keep scrolling and moving focus.
    if (event.key.length !== 1 && event.key !== 'Enter' && event.key !== 'Backspace') return;
    reply.focus();
    if (event.key === 'Enter') {
      event.preventDefault();
      form.requestSubmit();
    }
  }

  // In the card view, a digit chooses its answer, Enter takes the suggestion
  // (or goes on) unless a button has the focus, and Backspace goes back.
  function cardKey(event) {
    const card = cardView.querySelector('article');
    let target = null;
    if (/^[0-9]$/.test(event.key)) target = card.querySelector(`[data-antwort="${event.key}"]`);
    else if (event.key === 'Enter' && !event.target.closest('button, summary')) target = card.querySelector('[data-antwort=""]');
    else if (event.key === 'Backspace') target = back;
    if (!target || target.disabled || target.hidden) return;
    event.preventDefault();
    target.click();
  }

  document.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey || dialog.open) return;
    if (more.open) {
      if (event.key === 'Escape') {
        more.open = false;
        more.querySelector('summary').focus();
      }
      return;
    }
    if (!cardView.hidden) cardKey(event);
    else if (!textView.hidden) textKey(event);
  });

  // --- Back, share, the modes and the views ---------------------------------

  // "Zurück" takes back the last reply, and with it the Enters at the title
  // and information screens that followed it on the way to a new encounter.
  back.addEventListener('click', () => {
    if (!current || current.replies.length === 0 || state.training) return;
    if (!progressView.hidden) showView('karte');
    let n = current.replies.length;
    while (n > 0 && current.intros[n - 1]) n -= 1;
    startAfresh(current.replies.slice(0, Math.max(0, n - 1)));
  });

  function say(text) {
    note.textContent = text;
  }

  $('teilen').addEventListener('click', async () => {
    writeAddress();
    const address = location.href;
    if (current && !shareable(current.replies)) {
      say('Die Antworten enthalten mehr als Ziffern: der Link beginnt ohne sie von vorn.');
    }
    if (navigator.share) {
      try {
        await navigator.share({ title: document.title, url: address });
        return;
      } catch (error) {
        if (error.name === 'AbortError') return;
      }
    }
    try {
      await navigator.clipboard.writeText(address);
      if (!current || shareable(current.replies)) say('Link kopiert: ' + address);
    } catch (error) {
      say('Link zum Kopieren: ' + address);
    }
  });

  // One view at a time: the cards, the text, or the progress.
  function showView(view) {
    state.text = view === 'text';
    progressView.hidden = view !== 'fortschritt';
    progressButton.setAttribute('aria-pressed', String(view === 'fortschritt'));
    showState();
    cardView.hidden = view !== 'karte';
  }

  function showState() {
    $('mode-beraten').setAttribute('aria-pressed', String(!state.training));
    $('mode-ueben').setAttribute('aria-pressed', String(state.training && !state.lights));
    $('mode-lichter').setAttribute('aria-pressed', String(state.lights));
    viewButton.setAttribute('aria-pressed', String(state.text));
    textView.hidden = !state.text;
    cardView.hidden = state.text || !progressView.hidden;
    back.hidden = state.training;
  }

  // "Neue Übung" draws anew, unless the address named the seed.
  restart.addEventListener('click', () => {
    if (state.training && !state.seedNamed) {
      state.items = null;
      drawSeed();
      writeAddress();
    }
    startAfresh([]);
  });

  progressButton.addEventListener('click', () => {
    more.open = false;
    if (!progressView.hidden) {
      showView('karte');
      cards.shown();
      cardView.querySelector('h2').focus();
      return;
    }
    showProgress();
    showView('fortschritt');
    $('fortschritt-titel').focus();
  });

  modes.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (!button) return;
    state.training = button.dataset.mode !== 'beraten';
    state.lights = button.dataset.mode === 'lichter';
    state.seed = null;
    state.count = null;
    state.items = null;
    state.seedNamed = false;
    if (state.training) drawSeed();
    if (!progressView.hidden) showView('karte');
    current = null;
    say('');
    startAfresh([]);
    writeAddress();
  });

  viewButton.addEventListener('click', () => {
    more.open = false;
    showView(state.text ? 'karte' : 'text');
    writeAddress();
    if (state.text) {
      scrollDown();
      if (!reply.disabled) reply.focus();
    } else {
      cards.shown();
      cardView.querySelector('h2').focus();
    }
  });

  // An address given while the page is open (a link followed, a fragment
  // typed) starts its run as a reload would.
  window.addEventListener('hashchange', () => {
    readAddress();
    showView(state.text ? 'text' : 'karte');
    startAfresh(state.replies);
  });

  // Every run starts with an argument list, as from a command line, and the
  // replies of the address. The field takes the focus in the first frame:
  // focusing lays out the page, which would keep the program waiting to
  // start.
  readAddress();
  showState();
  start(state.replies);
  if (state.text) requestAnimationFrame(() => reply.focus());

  if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    });
  }
})();

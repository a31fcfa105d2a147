// The page of the web edition: it runs the advisor (the compiled program,
// fetched beside the page, and its Emscripten glue, written into it) with
// itself as the terminal. What the program writes goes to the screen as it is; what the user
// types goes to the program line by line, echoed on the screen as a terminal
// would, and lines typed before the program asks wait their turn. Every run is
// a fresh instance of the compiled program, so "Neu starten" begins with the
// first-run defaults. Two buttons choose the mode: "Beraten", the advisor, and
// "Ueben", the training mode (the program's option --uebung).
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

  // Lines kept on the screen for scrolling back; older ones are dropped.
  const SCROLLBACK = 2000;
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
    if (!scrollQueued) {
      scrollQueued = true;
      requestAnimationFrame(() => {
        scrollQueued = false;
        screen.scrollTop = screen.scrollHeight;
      });
    }
  }

  function clearScreen() {
    screen.textContent = '';
    shown.length = 0;
    linesShown = 0;
  }

  // --- One run of the program ------------------------------------------------

  let current = null;

  function start(args) {
    const run = { transcript: '', diagnostics: '', status: null, reads: 0, waiting: false };
    // Not enumerable, so window.ausweich shows only what it always showed.
    Object.defineProperty(run, 'training', { value: args.includes('--uebung') });
    const typed = [];    // lines typed and not yet read, as bytes
    let rest = null;     // what a read left of a line longer than it could take
    let midLine = false; // the last read ended inside a line
    let inputEnded = false;
    let waiter = null;   // the read the program waits in

    // Hands the next line (or the end of input) to a waiting read.
    function hand() {
      if (!waiter) return;
      let piece = rest || typed.shift();
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
    const terminal = {
      write(bytes) {
        run.transcript += characters(bytes);
        show(decoder.decode(bytes, { stream: true }), false);
      },
      diagnostic(bytes) {
        run.diagnostics += characters(bytes) + '\n';
      },
      read(size) {
        if (!midLine) run.reads += 1;
        run.waiting = true;
        return new Promise((resolve) => {
          waiter = { size, resolve };
          hand();
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
      // A line as the user typed it; `lineEnd` false for Ctrl-D after text,
      // which hands over what is typed without a line end, as a terminal does.
      type(line, lineEnd) {
        const text = lineEnd ? line + '\n' : line;
        show(text, true);
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
      arguments: args,
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
    endBox.hidden = false;
    reply.disabled = true;
    for (const button of keys.querySelectorAll('button')) button.disabled = true;
    restart.focus();
  }

  // The program could not be loaded, or stopped without an exit status.
  function failed(run, trouble) {
    run.waiting = false;
    finish(run, trouble);
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

  // A key pressed anywhere else on the page goes to the reply field.
  document.addEventListener('keydown', (event) => {
    if (event.target === reply || event.target.closest('button') || reply.disabled) return;
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    // Only typing: arrows, page keys and Tab keep scrolling and moving focus.
    if (event.key.length !== 1 && event.key !== 'Enter' && event.key !== 'Backspace') return;
    reply.focus();
    if (event.key === 'Enter') {
      event.preventDefault();
      form.requestSubmit();
    }
  });

  // The two modes: the advisor, and the training mode (--uebung). The
  // address may choose the mode and fix the draw, so that a link gives a
  // class the same encounters: #ueben, #ueben&seed=42&anzahl=5.
  function argsOf(hash) {
    const words = hash.replace(/^#/, '').split('&');
    if (words[0] !== 'ueben') return [];
    const args = ['--uebung'];
    for (const word of words.slice(1)) {
      const [name, value] = word.split('=');
      // Only values that the program takes: a link with another runs the
      // training without it.
      const number = /^[0-9]{1,19}$/.test(value || '') ? Number(value) : NaN;
      if ((name === 'seed' && number >= 0) || (name === 'anzahl' && number >= 1 && number <= 100)) {
        args.push('--' + name, value);
      }
    }
    return args;
  }

  let args = argsOf(location.hash);

  function showMode() {
    const training = args.includes('--uebung');
    $('mode-beraten').setAttribute('aria-pressed', String(!training));
    $('mode-ueben').setAttribute('aria-pressed', String(training));
  }

  function startAfresh() {
    clearScreen();
    endBox.hidden = true;
    reply.disabled = false;
    for (const button of keys.querySelectorAll('button')) button.disabled = false;
    reply.value = '';
    reply.focus();
    showMode();
    start(args);
  }

  restart.addEventListener('click', startAfresh);

  modes.addEventListener('click', (event) => {
    const button = event.target.closest('button');
    if (!button) return;
    const training = button.dataset.mode === 'ueben';
    args = training ? ['--uebung'] : [];
    history.replaceState(null, '', training ? '#ueben' : location.pathname + location.search);
    startAfresh();
  });

  // Every run starts with an argument list, as from a command line. The
  // field takes the focus in the first frame: focusing lays out the page,
  // which would keep the program waiting to start.
  showMode();
  start(args);
  requestAnimationFrame(() => reply.focus());

  if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    });
  }
})();

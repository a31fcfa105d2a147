#include "web/web_terminal.h"

#include <emscripten.h>

// The page hands the program a `terminal` object when it starts a run (see
// web/app.js): write(bytes), diagnostic(bytes), read(n) giving a promise of
// at most n bytes (none at the end of input), end(status), and, where it
// shows cards, card(bytes), a card as JSON text in UTF-8. The bytes are views
// into the program's memory, valid only during the call. The card comes
// before the read, never while the program is suspended in it.

namespace {

EM_JS(void, page_write, (const char* buf, std::size_t n),
      { Module["terminal"].write(HEAPU8.subarray(buf, buf + n)); });

EM_JS(void, page_diagnostic, (const char* buf, std::size_t n),
      { Module["terminal"].diagnostic(HEAPU8.subarray(buf, buf + n)); });

EM_JS(void, page_end, (int status), { Module["terminal"].end(status); });

EM_JS(void, page_card, (const char* buf, std::size_t n), {
  const terminal = Module["terminal"];
  if (terminal.card) terminal.card(HEAPU8.subarray(buf, buf + n));
});

void hand_over(std::string_view card) {
  if (!card.empty()) page_card(card.data(), card.size());
}

// Suspends the program until the page has a line for it. The buffer that
// holds the suspended call stack (Asyncify) is measured at every read; the
// tests require the deepest read of the dialogue to fill at most half of it.
EM_ASYNC_JS(std::size_t, page_read, (char* buf, std::size_t n), {
  const bytes = await Module["terminal"].read(n);
  const data = Asyncify.currData;
  if (data) {
    const limit = HEAP32[(data + 4) >> 2];
    const used = HEAP32[data >> 2] - (limit - Asyncify.StackSize);
    Module["asyncifyPeak"] = Math.max(Module["asyncifyPeak"] || 0, used);
  }
  HEAPU8.set(bytes, buf);
  return bytes.length;
});

}  // namespace

namespace ausweich {

std::size_t WebTerminal::read(char* buf, std::size_t n) {
  hand_over(card_.take());
  return page_read(buf, n);
}

void WebTerminal::write(const char* buf, std::size_t n) {
  page_write(buf, n);
}

void WebTerminal::diagnostic(std::string_view line) {
  page_diagnostic(line.data(), line.size());
}

void WebTerminal::end(int status) {
  hand_over(card_.last(status));
  page_end(status);
}

}  // namespace ausweich

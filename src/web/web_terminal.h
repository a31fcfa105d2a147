#pragma once

#include <cstddef>
#include <string_view>

#include "console/terminal.h"
#include "web/card.h"

namespace ausweich {

/// The terminal of the web edition: the page that runs the program. Its
/// screen shows what the program writes, and its reply field hands over the
/// lines that the user types, one line per read; a read waits (the program is
/// suspended and the page goes on) until the user has typed a line or ended
/// the input. Before each read that begins a question or a wait, the page
/// gets the card of what the program has reported since the last one; it
/// learns the exit status, with the last card, from `end`.
class WebTerminal final : public Terminal {
 public:
  std::size_t read(char* buf, std::size_t n) override;
  void write(const char* buf, std::size_t n) override;
  void diagnostic(std::string_view line) override;
  /// The pictures' collector and the card, which draws from it.
  Listener* listener() override { return &beide_; }

  /// Tells the page that the program has ended with `status`.
  void end(int status);

 private:
  Angaben angaben_;
  Card card_{angaben_};
  Listeners beide_{&angaben_, &card_};
};

}  // namespace ausweich

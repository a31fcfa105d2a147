// Output is handed to the screen in one piece before every read, never line
// by line: at most one write per read of the input, whatever the session.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "console/program_end.h"
#include "console/run_advisor.h"
#include "mixed_session.h"
#include "null_terminal.h"
#include "string_terminal.h"

namespace ausweich {
namespace {

/// An interactive console: each read delivers one input line, as a terminal
/// in line mode does. Records the order of reads and writes as "R" and "W".
class LineConsole final : public Terminal {
 public:
  explicit LineConsole(std::string_view input)
      : lines_(input, StringTerminal::kLineByLine) {}

  std::size_t read(char* buf, std::size_t n) override {
    events_ += 'R';
    return lines_.read(buf, n);
  }
  void write(const char*, std::size_t n) override {
    events_ += 'W';
    if (n == 0) ++empty_writes_;
  }
  void diagnostic(std::string_view) override { events_ += 'D'; }

  const std::string& events() const { return events_; }
  int empty_writes() const { return empty_writes_; }

 private:
  StringTerminal lines_;
  std::string events_;
  int empty_writes_ = 0;
};

long lines_in(std::string_view text) {
  return std::count(text.begin(), text.end(), '\n');
}

// Every read is preceded by exactly one write, the screen that asks for it,
// and the closing line follows the last read as one write: no read waits
// with output still held back, and no screen goes out in pieces.
TEST(OutputDeliveryTest, OneWriteBeforeEachReadOfAConsole) {
  const bench::MixedSession session = bench::mixed_session(6);  // 222 analyses
  LineConsole console(session.input);
  ASSERT_EQ(run_advisor(console), kStatusQuit);
  const std::string& events = console.events();
  EXPECT_EQ(std::count(events.begin(), events.end(), 'R'), lines_in(session.input));
  std::string alternating;
  for (long i = 0; i < lines_in(session.input); ++i) alternating += "WR";
  EXPECT_TRUE(events == alternating + "W")
      << "first pair out of order at "
      << std::mismatch(events.begin(), events.end(), alternating.begin()).first -
             events.begin();
  EXPECT_EQ(console.empty_writes(), 0);
}

// With the whole session waiting in the input (a pipe), far fewer reads are
// needed, but the writes stay one per input line plus the closing line.
TEST(OutputDeliveryTest, OneWritePerLineWhenInputArrivesInBlocks) {
  const bench::MixedSession session = bench::mixed_session(6);
  NullTerminal pipe(session.input);
  ASSERT_EQ(run_advisor(pipe), kStatusQuit);
  EXPECT_EQ(pipe.writes(), lines_in(session.input) + 1);
  EXPECT_LT(pipe.reads(), lines_in(session.input) / 50);
  EXPECT_EQ(pipe.diagnostics(), 0);
}

// Input that ends at an Enter wait: the dialogue runs on to its next read,
// hands that screen over in one piece, and only then ends with the diagnostic.
TEST(OutputDeliveryTest, ScreenBeforeTheFailureEndGoesOutWhole) {
  LineConsole console("\n");
  EXPECT_EQ(run_advisor(console), kStatusFailure);
  EXPECT_EQ(console.events(), "WRWRWD");
}

}  // namespace
}  // namespace ausweich

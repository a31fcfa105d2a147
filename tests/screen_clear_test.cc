// Screen clears go into the output buffer as whole blocks of line ends; they
// must come out the same as that many single line ends, with the console's
// own line end, however far they run past the buffer.
#include <gtest/gtest.h>

#include <string>

#include "console/console_dialogue.h"

namespace ausweich {
namespace {

/// A screen whose line end is configurable, as on a console that wants a
/// carriage return before each line feed.
class Screen final : public Terminal {
 public:
  explicit Screen(std::string_view line_end) : line_end_(line_end) {}
  std::size_t read(char*, std::size_t) override { return 0; }
  void write(const char* buf, std::size_t n) override {
    out.append(buf, n);
    ++writes;
  }
  void diagnostic(std::string_view) override {}
  std::string_view line_end() const override { return line_end_; }

  std::string out;
  int writes = 0;

 private:
  std::string_view line_end_;
};

std::string repeated(std::string_view unit, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += unit;
  return s;
}

class ScreenClearTest : public ::testing::TestWithParam<std::string_view> {};

TEST_P(ScreenClearTest, AClearIsThatManyLineEnds) {
  const std::string_view eol = GetParam();
  Screen screen(eol);
  ConsoleDialogue d(screen);
  d.line("oben");
  d.clear(50);
  d.spaces();
  d.clear(0);
  d.clear(-3);
  d.line("unten");
  d.flush();
  EXPECT_EQ(screen.out,
            " oben" + std::string(eol) + repeated(eol, 80) + " unten" + std::string(eol));
}

// Far more line ends than the 16 KiB buffer holds, after a line that leaves
// it at an odd fill: every line end arrives whole, none lost or doubled.
TEST_P(ScreenClearTest, ClearsLongerThanTheBufferArriveWhole) {
  const std::string_view eol = GetParam();
  Screen screen(eol);
  ConsoleDialogue d(screen);
  d.line("xy");
  d.clear(40001);
  d.line("y");
  d.flush();
  EXPECT_EQ(screen.out,
            " xy" + std::string(eol) + repeated(eol, 40001) + " y" + std::string(eol));
  EXPECT_GT(screen.writes, 1);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, ScreenClearTest,
                         ::testing::Values(std::string_view("\n"),
                                           std::string_view("\r\n")));

}  // namespace
}  // namespace ausweich

// The advisor's binary under input and output it cannot trust: endless lines,
// bytes that are no text, and a screen that is gone.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "child.h"
#include "session.h"

namespace ausweich::testing {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

/// Feeds `count` copies of `block` without building the whole input in memory.
bool send_repeated(Child& child, std::string_view block, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (!child.send(block)) return false;
  }
  return true;
}

// A reply line of 100 MB without a line end: its first eight characters are
// the answer, the rest is read and dropped without being kept, and the end
// of input then ends the run at the next question. A 16 MB line at an Enter
// wait is dropped the same way.
TEST(HostileInputTest, EndlessLinesAreReadInConstantMemory) {
  Child small;
  small.send("\n\n2\n");
  const ChildResult baseline = small.finish();
  ASSERT_TRUE(baseline.exited);

  Child child;
  const std::string blanks(kMegabyte, ' ');
  ASSERT_TRUE(send_repeated(child, std::string(kMegabyte, 'x'), 16));
  ASSERT_TRUE(child.send("\n\n2"));
  ASSERT_TRUE(send_repeated(child, blanks, 100));
  const ChildResult r = child.finish();
  ASSERT_FALSE(r.hung);
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "fmt: end of file");
  EXPECT_EQ(r.out, run_session("x\n\n2" + std::string(20, ' ')).out);
  // 116 MB went through; the program grew by less than 8 MB over a short run.
  EXPECT_LT(r.max_rss_kb, baseline.max_rss_kb + 8 * 1024)
      << "baseline " << baseline.max_rss_kb << " kB";
}

// NUL bytes, bytes above 127 and carriage returns inside a line are ordinary
// characters: they are dropped at an Enter wait and end a number like any
// other character after its digits; where a number should begin they make
// the reply unreadable.
TEST(HostileInputTest, BytesThatAreNoTextAreOrdinaryCharacters) {
  const std::string hostile = std::string("\0\0\xff\r\r\n", 6) +  // title wait
                              "\r\n" +                            // info wait, CR LF
                              std::string("2\0\n", 3) +           // type of A
                              "2\r5\n" +                          // type of B
                              "2\xe4\xf6\n" +                     // sea area
                              "1\r\r\n" +                         // open sea
                              std::string("\x80\0", 2) + "\n";    // visibility
  Child child;
  child.send(hostile);
  const ChildResult r = child.finish();
  ASSERT_FALSE(r.hung);
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
            "invalid number: incomprehensible list input");
  EXPECT_EQ(r.out, run_session("\n\n2\n2\n2\n1\nx\n").out);
}

// Without standard input at all the run meets the end of input at once: the
// title's Enter wait returns, the info screen's read fails.
TEST(HostileInputTest, NoStandardInputIsTheEndOfInput) {
  Child child({.stdin_closed = true});
  const ChildResult r = child.finish(std::chrono::seconds(10));
  ASSERT_FALSE(r.hung);
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "read start: end of file");
  EXPECT_EQ(r.out, run_session("").out);
}

struct Screen {
  const char* name;
  ChildStdout mode;
  friend void PrintTo(const Screen& s, std::ostream* os) { *os << s.name; }
};

class LostScreenTest : public ::testing::TestWithParam<Screen> {};

// Without a screen to write to, the run still follows its input to the same
// end: quitting gives 0, the end of input 2 with its diagnostic; no crash and
// no SIGPIPE.
TEST_P(LostScreenTest, RunEndsAsItsInputSays) {
  const ChildOptions options{.stdout_mode = GetParam().mode};
  {
    Child child(options);
    child.send("\n\n2\n2\n2\n1\n1\n1\n1\n2\n\n\n\n0\n");
    const ChildResult r = child.finish();
    ASSERT_TRUE(r.exited) << "killed by signal " << r.status;
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
  }
  {
    Child child(options);
    child.send("\n\n2\n2\n2\n1\n1\n1\n1\n2\n\n");
    const ChildResult r = child.finish();
    ASSERT_TRUE(r.exited) << "killed by signal " << r.status;
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "read start: end of file");
  }
}

INSTANTIATE_TEST_SUITE_P(Process, LostScreenTest,
                         ::testing::Values(Screen{"StdoutClosed", ChildStdout::kClosed},
                                           Screen{"StdoutBrokenPipe",
                                                  ChildStdout::kBrokenPipe}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ausweich::testing

// The advisor's binary as a process: exit statuses and diagnostics, the end
// of input, interrupt and termination requests. What the process writes is
// compared with the same run driven in-process, so both must agree byte for
// byte.
#include <gtest/gtest.h>
#include <signal.h>

#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/invocation.h"
#include "child.h"
#include "screen_markers.h"
#include "session.h"
#include "string_terminal.h"

namespace ausweich::testing {
namespace {

const std::string kPromptEnd = line(kPromptTail);
const std::string kTitleWaitLine = line(kTitleWait);
const std::string kEndOfAnalysisWaitLine = line(kEndOfAnalysisWait);
const std::string kQuitLineEnd = line(kQuitLine);

// Two sailing vessels on the high seas, every answer given, up to the
// end-of-analysis screen (its Enter not yet pressed).
constexpr std::string_view kSailingAnalysis = "\n\n2\n2\n2\n1\n1\n1\n1\n2\n";

std::string first_line(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

ChildResult run_binary(std::string_view input) {
  Child child;
  child.send(input);
  return child.finish();
}

struct Ending {
  const char* name;
  std::string input;
  int status;
  std::string diagnostic;  // the first line on standard error
  friend void PrintTo(const Ending& e, std::ostream* os) { *os << e.name; }
};

class EndingTest : public ::testing::TestWithParam<Ending> {};

// Every way a run ends through its input: the status, the first line on
// standard error, and standard output exactly as the in-process run wrote it.
TEST_P(EndingTest, StatusDiagnosticAndCompleteOutput) {
  const Ending& e = GetParam();
  const ChildResult r = run_binary(e.input);
  ASSERT_FALSE(r.hung);
  ASSERT_TRUE(r.exited) << "killed by signal " << r.status;
  EXPECT_EQ(r.status, e.status);
  EXPECT_EQ(first_line(r.err), e.diagnostic);
  EXPECT_EQ(r.out, run_session(e.input).out);
  if (e.status == 0) {
    EXPECT_TRUE(r.out.ends_with(kQuitLineEnd));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Process, EndingTest,
    ::testing::Values(
        Ending{"QuitAtTheFirstQuestion", "\n\n0\n", 0, ""},
        Ending{"QuitAfterAnAnalysis", std::string(kSailingAnalysis) + "\n\n\n-3\n", 0,
               ""},
        Ending{"NoNumber", "\n\nx\n", 2, "invalid number: incomprehensible list input"},
        Ending{"NotAnInteger", "\n\n2.0\n", 2,
               "invalid integer: read unexpected character"},
        Ending{"BadRepeatCount", "\n\n0*2\n", 2,
               "bad repetition count: incomprehensible list input"},
        Ending{"ExponentWithoutDigit", "\n\n1+\n", 2,
               "exponent field: incomprehensible list input"},
        Ending{"OnlyATab", "\n\n\t\n", 2, "list in: end of file"},
        Ending{"NoInputAtAll", "", 2, "read start: end of file"},
        Ending{"EndAtTheInfoEnterWait", "\n", 2, "read start: end of file"},
        Ending{"EndAtTheEndOfAnalysisWait", std::string(kSailingAnalysis), 2,
               "read start: end of file"},
        Ending{"EndInsideAReply", "\n\n2", 2, "fmt: end of file"},
        Ending{"EndBeforeAReply", "\n\n2\n", 2, "fmt: end of file"},
        Ending{"LastReplyOfEightWithoutLineEnd", "\n\n00000002", 2, "fmt: end of file"}),
    [](const auto& info) { return std::string(info.param.name); });

/// What a run with `input` has written when it waits at the wait that
/// `waits` ends: the same run in-process, up to the first such wait.
std::string screen_at_wait(std::string_view input, std::string_view waits) {
  const std::string out = run_session(input).out;
  return out.substr(0, out.find(waits) + waits.size());
}

struct Request {
  std::string name;
  int signo;
  const char* line;
  std::string input;       // sent before the request; used up at the wait
  std::string_view waits;  // how the screen ends at that wait
  friend void PrintTo(const Request& q, std::ostream* os) { *os << q.name; }
};

class RequestTest : public ::testing::TestWithParam<Request> {};

// An interrupt or termination request while the program waits for input: the
// line on standard error, status 1, and everything written up to the wait on
// standard output, nothing more. The request is sent only once the whole
// screen of the wait has been read.
TEST_P(RequestTest, EndsWithStatusOneAndCompleteOutput) {
  const Request& q = GetParam();
  const std::string screen = screen_at_wait(q.input, q.waits);
  Child child;
  ASSERT_TRUE(child.send(q.input));
  ASSERT_TRUE(child.await_screen(screen)) << child.out();
  child.signal(q.signo);
  const ChildResult r = child.finish();
  ASSERT_FALSE(r.hung);
  ASSERT_TRUE(r.exited) << "killed by signal " << r.status;
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, std::string(q.line) + "\n");
  EXPECT_EQ(r.out, screen);
}

std::vector<Request> requests() {
  std::vector<Request> all;
  for (auto [signo, line, name] : {std::tuple{SIGINT, "Interrupt", "Interrupt"},
                                   std::tuple{SIGTERM, "Killed", "Termination"}}) {
    const std::string n(name);
    all.push_back({n + "AtTheTitleWait", signo, line, "", kTitleWaitLine});
    all.push_back({n + "AtAQuestion", signo, line, "\n\n", kPromptEnd});
    all.push_back({n + "AtTheEndOfAnalysisWait", signo, line,
                   std::string(kSailingAnalysis), kEndOfAnalysisWaitLine});
  }
  return all;
}

INSTANTIATE_TEST_SUITE_P(Process, RequestTest, ::testing::ValuesIn(requests()),
                         [](const auto& info) { return info.param.name; });

// A program started with interrupts ignored (as a background job of a shell
// without job control is) keeps ignoring them, while termination requests
// still end it.
TEST(ProcessTest, IgnoredInterruptStaysIgnored) {
  Child child({.ignore_interrupt = true});
  std::string input = "\n\n";
  ASSERT_TRUE(child.send(input));
  for (std::string_view answer : {"2\n", "2\n"}) {
    ASSERT_TRUE(child.await_screen(run_session(input).out));
    child.signal(SIGINT);
    ASSERT_TRUE(child.send(answer));
    input += answer;
  }
  const std::string screen = run_session(input).out;
  ASSERT_TRUE(child.await_screen(screen));
  child.signal(SIGTERM);
  const ChildResult r = child.finish();
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Killed\n");
  EXPECT_EQ(r.out, screen);
}

// The training mode ends on an interrupt as the advisor does, after it has
// given the score so far: the same screen as when its input ends there.
TEST(ProcessTest, InterruptInTheTrainingComesAfterTheScore) {
  const char* const args[] = {"--uebung", "--seed=5"};
  StringTerminal ended_there("");
  ASSERT_EQ(ausweichregeln(args, ended_there, 0), 2);
  const std::string& all = ended_there.output();
  constexpr std::string_view kPrompt = "0 = Ende):\n";
  const std::size_t prompt = all.find(kPrompt);
  ASSERT_NE(prompt, std::string::npos);
  Child child({.args = {args[0], args[1]}});
  ASSERT_TRUE(child.await_screen(all.substr(0, prompt + kPrompt.size())));
  child.signal(SIGINT);
  const ChildResult r = child.finish();
  ASSERT_TRUE(r.exited);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Interrupt\n");
  EXPECT_EQ(r.out, all);
  EXPECT_NE(r.out.find("\n Ergebnis: 0 von 0 richtig\n"), std::string::npos);
}

}  // namespace
}  // namespace ausweich::testing

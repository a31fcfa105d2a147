// The advisor's binary on a real (pseudo) terminal: answers are typed only
// once their prompt is on the screen, the screen shows what the program
// wrote and the terminal echoed, and Ctrl-C ends the program.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// forkpty's header differs between systems.
#if __has_include(<pty.h>)
#include <pty.h>
#elif __has_include(<util.h>)
#include <util.h>
#else
#include <libutil.h>
#endif

#include <chrono>
#include <string>
#include <string_view>

namespace ausweich::testing {
namespace {

using Clock = std::chrono::steady_clock;

/// The binary with a pseudo-terminal as its controlling terminal and as all
/// three standard streams, in the terminal's default (cooked) mode.
class TerminalDriver {
 public:
  TerminalDriver() {
    pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      ::signal(SIGINT, SIG_DFL);
      ::signal(SIGPIPE, SIG_DFL);
      execl(AUSWEICHREGELN, "ausweichregeln", static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~TerminalDriver() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
  }

  bool started() const { return pid_ > 0 && master_ >= 0; }

  /// Reads the screen until it shows `text` after everything seen before;
  /// false after ten seconds without it.
  bool await(std::string_view text) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (screen_.find(text, seen_) == std::string::npos) {
      if (Clock::now() > deadline || !read_some()) return false;
    }
    seen_ = screen_.find(text, seen_) + text.size();
    return true;
  }

  void type(std::string_view keys) {
    [[maybe_unused]] const ssize_t k = write(master_, keys.data(), keys.size());
  }

  /// Waits for the program to end; its exit status, or -1.
  int exit_status() {
    while (read_some()) {}
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_) return -1;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  /// Everything the terminal showed, with its line ends as line feeds.
  std::string screen() const { return screen_; }

 private:
  bool read_some() {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, 10000) <= 0) return false;
    char buf[4096];
    const ssize_t k = read(master_, buf, sizeof buf);
    if (k <= 0) return false;  // EIO once the program has ended
    for (ssize_t i = 0; i < k; ++i) {
      if (buf[i] != '\r') screen_.push_back(buf[i]);
    }
    return true;
  }

  pid_t pid_ = -1;
  int master_ = -1;
  std::string screen_;
  std::size_t seen_ = 0;
};

TEST(TerminalTest, TypedAnswersAndCtrlC) {
  TerminalDriver t;
  ASSERT_TRUE(t.started());
  ASSERT_TRUE(t.await("<[enter]...> \n"));
  t.type("\r");
  ASSERT_TRUE(t.await("    <...Hit RETURN to continue>\n"));
  t.type("\r");
  ASSERT_TRUE(
      t.await(" Typ des  Schiffes   A ?\n\n      1=Motorschiff,     2=Segler [0=stop]\n\n"
              " =====================================================\n"
              "        [Default:   2]    Input=\n"));
  t.type("7\r");  // refused: the echo, the refusal line and the same prompt again
  ASSERT_TRUE(
      t.await("7\n falsche Eingabe : 7\n\n"
              " =====================================================\n"
              "        [Default:   2]    Input=\n"));
  t.type("1\r");
  ASSERT_TRUE(t.await("1\n" + std::string(50, '\n') + " Laenge des  Schiffes A ?"));
  ASSERT_TRUE(t.await("[Default:   1]    Input=\n"));
  t.type("\r");  // Enter alone keeps the default
  ASSERT_TRUE(t.await(" Typ des Gegners B ?\n"));
  ASSERT_TRUE(t.await("[Default:   2]    Input=\n"));
  t.type("\x03");  // Ctrl-C
  ASSERT_TRUE(t.await("Interrupt\n"));
  EXPECT_EQ(t.exit_status(), 1);
  // Nothing follows the line of the interrupt.
  EXPECT_TRUE(t.screen().ends_with("Interrupt\n")) << t.screen();
}

}  // namespace
}  // namespace ausweich::testing

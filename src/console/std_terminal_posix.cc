#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "console/program_end.h"
#include "console/std_terminal.h"

namespace ausweich {
namespace {

bool ignored_at_start(int signo) {
  struct sigaction current {};
  return sigaction(signo, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

/// Moves a descriptor of our own above the three standard streams. Started
/// with one of them closed, the program would otherwise get that number for
/// it and take, say, the signal descriptor for its input and wait forever.
int above_standard_streams(int fd) {
  if (fd < 0 || fd > STDERR_FILENO) return fd;
  const int moved = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  ::close(fd);
  return moved;
}

void write_all(int fd, const char* buf, std::size_t n) {
  while (n > 0) {
    const ssize_t k = ::write(fd, buf, n);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return;  // a screen that cannot take output is not our concern
    buf += k;
    n -= static_cast<std::size_t>(k);
  }
}

/// Interrupt and termination requests are blocked and collected through a
/// signal descriptor, which is watched together with the input. So they are
/// only acted on while the program waits for input, when every line written
/// so far has already been delivered, and no handler runs in between.
class PosixTerminal final : public Terminal {
 public:
  PosixTerminal() {
    // A reader that went away must not kill the program; its writes just fail.
    ::signal(SIGPIPE, SIG_IGN);
    sigset_t requests;
    sigemptyset(&requests);
    for (int signo : {SIGINT, SIGTERM}) {
      if (!ignored_at_start(signo)) sigaddset(&requests, signo);
    }
    if (sigprocmask(SIG_BLOCK, &requests, nullptr) == 0) {
      signal_fd_ = above_standard_streams(signalfd(-1, &requests, SFD_CLOEXEC));
    }
  }

  ~PosixTerminal() override {
    if (signal_fd_ >= 0) ::close(signal_fd_);
  }

  std::size_t read(char* buf, std::size_t n) override {
    for (;;) {
      pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {signal_fd_, POLLIN, 0}};
      const int ready = ::poll(watched, signal_fd_ >= 0 ? 2 : 1, -1);
      if (ready < 0) {
        if (errno == EINTR) continue;
        return 0;
      }
      if (signal_fd_ >= 0 && (watched[1].revents & POLLIN)) end_on_request();
      if (watched[0].revents == 0) continue;
      const ssize_t k = ::read(STDIN_FILENO, buf, n);
      if (k < 0 && errno == EINTR) continue;
      return k > 0 ? static_cast<std::size_t>(k) : 0;  // errors count as the end
    }
  }

  void write(const char* buf, std::size_t n) override {
    write_all(STDOUT_FILENO, buf, n);
  }

  void diagnostic(std::string_view line) override {
    write_all(STDERR_FILENO, line.data(), line.size());
    write_all(STDERR_FILENO, "\n", 1);
  }

 private:
  [[noreturn]] void end_on_request() {
    signalfd_siginfo info{};
    const ssize_t k = ::read(signal_fd_, &info, sizeof info);
    const bool interrupt =
        k == static_cast<ssize_t>(sizeof info) && info.ssi_signo == SIGINT;
    throw ProgramEnd{kStatusInterrupt, interrupt ? "Interrupt" : "Killed"};
  }

  int signal_fd_ = -1;
};

}  // namespace

std::unique_ptr<Terminal> make_std_terminal() {
  return std::make_unique<PosixTerminal>();
}

}  // namespace ausweich

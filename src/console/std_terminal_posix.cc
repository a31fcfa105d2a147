#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "console/posix_requests.h"
#include "console/program_end.h"
#include "console/std_terminal.h"

namespace ausweich {
namespace {

void write_all(int fd, const char* buf, std::size_t n) {
  while (n > 0) {
    const ssize_t k = ::write(fd, buf, n);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return;  // a screen that cannot take output is not our concern
    buf += k;
    n -= static_cast<std::size_t>(k);
  }
}

/// Interrupt and termination requests are watched together with the input,
/// so they are only acted on while the program waits for input, when every
/// line written so far has already been delivered.
class PosixTerminal final : public Terminal {
 public:
  PosixTerminal() {
    // A reader that went away must not kill the program; its writes just fail.
    ::signal(SIGPIPE, SIG_IGN);
  }

  std::size_t read(char* buf, std::size_t n) override {
    const int request_fd = requests_.fd();
    for (;;) {
      pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {request_fd, POLLIN, 0}};
      const int ready = ::poll(watched, request_fd >= 0 ? 2 : 1, -1);
      if (requests_.pending(watched[1].revents)) end_on_request();
      if (ready < 0) {
        if (errno == EINTR) continue;
        return 0;
      }
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
    const bool interrupt = requests_.take_interrupt();
    throw ProgramEnd{kStatusInterrupt, interrupt ? "Interrupt" : "Killed"};
  }

  InterruptRequests requests_;
};

}  // namespace

std::unique_ptr<Terminal> make_std_terminal() {
  return std::make_unique<PosixTerminal>();
}

}  // namespace ausweich

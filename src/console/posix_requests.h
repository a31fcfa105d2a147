#pragma once

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace ausweich {

/// Interrupt (SIGINT) and termination (SIGTERM) requests, turned into a
/// descriptor that becomes readable while one is pending. Nothing else happens
/// when a request arrives, so the terminal acts on it only where it watches
/// that descriptor: while it waits for input, once every line written so far
/// has been delivered. A request that was ignored when the program started
/// stays ignored. There are two ways to hear them: a signal descriptor where
/// the system has one (Linux), and a self-pipe on every POSIX system.
class InterruptRequests {
 public:
  InterruptRequests();
  ~InterruptRequests();
  InterruptRequests(const InterruptRequests&) = delete;
  InterruptRequests& operator=(const InterruptRequests&) = delete;

  /// Readable while a request is pending; -1 when requests cannot be heard.
  int fd() const { return fd_; }

  /// Whether a request is pending, given the events that poll has just
  /// reported for fd().
  bool pending(short revents) const;

  /// Takes the pending request: true for an interrupt, false for a
  /// termination request.
  bool take_interrupt();

 private:
  int fd_ = -1;
};

/// Whether the program was started with `signo` ignored, as a shell starts
/// a background job with interrupts ignored.
inline bool ignored_at_start(int signo) {
  struct sigaction current {};
  return sigaction(signo, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

/// Moves a descriptor of our own above the three standard streams (the copy
/// is close-on-exec). Started with one of them closed, the program would
/// otherwise get that number for it and take, say, the request descriptor
/// for its input and wait forever.
inline int above_standard_streams(int fd) {
  if (fd < 0 || fd > STDERR_FILENO) return fd;
  const int moved = fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  ::close(fd);
  return moved;
}

}  // namespace ausweich

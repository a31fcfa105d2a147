// Requests heard through a self-pipe, on every POSIX system. The handler of
// both signals notes the first request and writes one byte into a pipe,
// which wakes the wait for input, and does nothing else: both are safe
// whenever the signal arrives. The note, not the byte, tells that a request
// came: a handler that runs as poll returns for the end of input has not
// yet written its byte when poll looked at the pipe, but it has run before
// poll's caller goes on.
#include <cerrno>
#include <csignal>
#include <iterator>

#include "console/posix_requests.h"

namespace ausweich {
namespace {

constexpr int kRequests[] = {SIGINT, SIGTERM};

// The pipe's writing end, for the handler; -1 while no handler is installed.
volatile std::sig_atomic_t request_pipe = -1;
// The first request's signal, 0 before any.
volatile std::sig_atomic_t first_request = 0;

// The actions that the handler replaced, restored when the terminal goes.
struct sigaction replaced[std::size(kRequests)];
bool installed[std::size(kRequests)] = {};

// Both signals are blocked while it runs, so it never interrupts itself.
void on_request(int signo) {
  const int saved_errno = errno;
  if (first_request == 0) first_request = signo;
  // The writing end never blocks: with the pipe full a request is pending anyway.
  const unsigned char byte = 1;
  [[maybe_unused]] const ssize_t k = ::write(request_pipe, &byte, 1);
  errno = saved_errno;
}

}  // namespace

InterruptRequests::InterruptRequests() {
  int ends[2];
  if (::pipe(ends) != 0) return;
  fd_ = above_standard_streams(ends[0]);
  const int write_end = above_standard_streams(ends[1]);
  if (fd_ < 0 || write_end < 0) {
    if (fd_ >= 0) ::close(fd_);
    if (write_end >= 0) ::close(write_end);
    fd_ = -1;
    return;
  }
  // Descriptors that were above the standard streams already are not yet
  // close-on-exec.
  fcntl(fd_, F_SETFD, FD_CLOEXEC);
  fcntl(write_end, F_SETFD, FD_CLOEXEC);
  fcntl(write_end, F_SETFL, fcntl(write_end, F_GETFL) | O_NONBLOCK);
  request_pipe = write_end;

  struct sigaction action {};
  action.sa_handler = on_request;
  sigfillset(&action.sa_mask);
  // No SA_RESTART: a read that blocks where poll cannot watch the input
  // returns, so that the request is seen at once.
  action.sa_flags = 0;
  for (std::size_t i = 0; i < std::size(kRequests); ++i) {
    if (!ignored_at_start(kRequests[i])) {
      installed[i] = sigaction(kRequests[i], &action, &replaced[i]) == 0;
    }
  }
}

InterruptRequests::~InterruptRequests() {
  if (fd_ < 0) return;
  for (std::size_t i = 0; i < std::size(kRequests); ++i) {
    if (installed[i]) sigaction(kRequests[i], &replaced[i], nullptr);
    installed[i] = false;
  }
  ::close(request_pipe);
  request_pipe = -1;
  ::close(fd_);
}

bool InterruptRequests::pending(short) const {
  return first_request != 0;
}

bool InterruptRequests::take_interrupt() {
  return first_request == SIGINT;
}

}  // namespace ausweich

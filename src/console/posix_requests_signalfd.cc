// Requests heard through a signal descriptor (Linux): the two signals are
// blocked, so no handler ever runs, and they queue on the descriptor.
#include <poll.h>
#include <sys/signalfd.h>

#include <initializer_list>

#include "console/posix_requests.h"

namespace ausweich {

InterruptRequests::InterruptRequests() {
  sigset_t requests;
  sigemptyset(&requests);
  for (int signo : {SIGINT, SIGTERM}) {
    if (!ignored_at_start(signo)) sigaddset(&requests, signo);
  }
  if (sigprocmask(SIG_BLOCK, &requests, nullptr) == 0) {
    fd_ = above_standard_streams(signalfd(-1, &requests, SFD_CLOEXEC));
  }
}

InterruptRequests::~InterruptRequests() {
  if (fd_ >= 0) ::close(fd_);
}

bool InterruptRequests::pending(short revents) const {
  return (revents & POLLIN) != 0;
}

bool InterruptRequests::take_interrupt() {
  signalfd_siginfo info{};
  const ssize_t k = ::read(fd_, &info, sizeof info);
  return k == static_cast<ssize_t>(sizeof info) && info.ssi_signo == SIGINT;
}

}  // namespace ausweich

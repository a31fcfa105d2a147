#include "child.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <thread>
#include <utility>

namespace ausweich::testing {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kQuietLimit = std::chrono::seconds(30);  // longest wait for progress
constexpr auto kPromptLimit = std::chrono::seconds(20);

/// Sets up the child's side after fork and runs the binary. Only calls that
/// are safe between fork and exec.
[[noreturn]] void exec_child(const ChildOptions& options, int in, int out, int err) {
  if (options.stdin_closed) {
    close(STDIN_FILENO);
  } else {
    dup2(in, STDIN_FILENO);
  }
  if (options.stdout_mode == ChildStdout::kClosed) {
    close(STDOUT_FILENO);
  } else {
    dup2(out, STDOUT_FILENO);
  }
  dup2(err, STDERR_FILENO);
  // The test process ignores SIGPIPE; the program must start as from a shell.
  ::signal(SIGPIPE, SIG_DFL);
  ::signal(SIGTERM, SIG_DFL);
  ::signal(SIGINT, options.ignore_interrupt ? SIG_IGN : SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  execl(AUSWEICHREGELN, "ausweichregeln", options.args[0], options.args[1],
        static_cast<char*>(nullptr));
  _exit(127);
}

/// Reads what is available from `fd` into `into`; closes it at its end.
void read_some(int& fd, std::string& into) {
  char buf[65536];
  const ssize_t k = ::read(fd, buf, sizeof buf);
  if (k > 0) {
    into.append(buf, static_cast<std::size_t>(k));
  } else if (k == 0 || (errno != EINTR && errno != EAGAIN)) {
    close(fd);
    fd = -1;
  }
}

void close_fd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

/// A pipe whose ends the child does not inherit (pipe2 is not on every system).
bool close_on_exec_pipe(int ends[2]) {
  if (pipe(ends) != 0) return false;
  fcntl(ends[0], F_SETFD, FD_CLOEXEC);
  fcntl(ends[1], F_SETFD, FD_CLOEXEC);
  return true;
}

}  // namespace

Child::Child(const ChildOptions& options) {
  // A child that stops reading must not kill the test with SIGPIPE.
  ::signal(SIGPIPE, SIG_IGN);
  int in[2], out[2] = {-1, -1}, err[2];
  if (!close_on_exec_pipe(in) || !close_on_exec_pipe(err)) {
    throw std::runtime_error("pipe");
  }
  if (options.stdout_mode != ChildStdout::kClosed && !close_on_exec_pipe(out)) {
    throw std::runtime_error("pipe");
  }
  // A broken pipe from the very first write: nobody ever holds the reading end.
  if (options.stdout_mode == ChildStdout::kBrokenPipe) close_fd(out[0]);
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork");
  if (pid_ == 0) exec_child(options, in[0], out[1], err[1]);
  close(in[0]);
  close_fd(out[1]);
  close(err[1]);
  in_ = in[1];
  out_fd_ = out[0];
  err_fd_ = err[0];
  fcntl(in_, F_SETFL, O_NONBLOCK);
}

Child::~Child() {
  close_fd(in_);
  close_fd(out_fd_);
  close_fd(err_fd_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

bool Child::drain(int timeout_ms, int also_fd, short also_events) {
  pollfd fds[3];
  nfds_t n = 0;
  if (out_fd_ >= 0) fds[n++] = {out_fd_, POLLIN, 0};
  if (err_fd_ >= 0) fds[n++] = {err_fd_, POLLIN, 0};
  if (n == 0 && also_fd < 0) return false;
  if (also_fd >= 0) fds[n++] = {also_fd, also_events, 0};
  if (poll(fds, n, timeout_ms) <= 0) return true;
  for (nfds_t i = 0; i < n; ++i) {
    if (fds[i].fd == also_fd || fds[i].revents == 0) continue;
    read_some(fds[i].fd == out_fd_ ? out_fd_ : err_fd_,
              fds[i].fd == out_fd_ ? out_ : err_);
  }
  return out_fd_ >= 0 || err_fd_ >= 0;
}

bool Child::send(std::string_view bytes) {
  auto last_progress = Clock::now();
  while (!bytes.empty()) {
    if (in_ < 0 || Clock::now() - last_progress > kQuietLimit) return false;
    drain(100, in_, POLLOUT);
    const ssize_t k =
        ::write(in_, bytes.data(), std::min<std::size_t>(bytes.size(), 1 << 16));
    if (k > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(k));
      last_progress = Clock::now();
    } else if (k < 0 && errno != EAGAIN && errno != EINTR) {
      return false;  // the child stopped reading
    }
  }
  return true;
}

void Child::close_input() {
  close_fd(in_);
}

bool Child::await_screen(std::string_view screen) {
  const auto deadline = Clock::now() + kPromptLimit;
  while (out_.size() < screen.size() && Clock::now() < deadline && drain(100)) {}
  return out_ == screen;
}

void Child::signal(int signo) {
  kill(pid_, signo);
}

ChildResult Child::finish(std::chrono::seconds limit) {
  close_input();
  ChildResult r;
  const auto deadline = Clock::now() + limit;
  while (Clock::now() < deadline && drain(100)) {}
  int status = 0;
  rusage usage{};
  pid_t reaped = 0;
  while ((reaped = wait4(pid_, &status, WNOHANG, &usage)) == 0 &&
         Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (reaped == 0) {
    r.hung = true;
    kill(pid_, SIGKILL);
    wait4(pid_, &status, 0, &usage);
  }
  pid_ = -1;
  r.exited = WIFEXITED(status);
  r.status = r.exited ? WEXITSTATUS(status) : WTERMSIG(status);
  r.out = std::move(out_);
  r.err = std::move(err_);
  r.max_rss_kb = usage.ru_maxrss;
  return r;
}

}  // namespace ausweich::testing

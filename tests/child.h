#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace ausweich::testing {

/// How the program's standard output is bound in a child process.
enum class ChildStdout {
  kPipe,        // a pipe that the test reads
  kClosed,      // no standard output at all
  kBrokenPipe,  // a pipe whose reading end is already closed
};

struct ChildOptions {
  bool ignore_interrupt = false;  // start with SIGINT ignored
  bool stdin_closed = false;      // start without standard input
  ChildStdout stdout_mode = ChildStdout::kPipe;
  std::array<const char*, 2> args{};  // command-line arguments, up to the first null
};

/// How a child process ended.
struct ChildResult {
  bool exited = false;  // ended by exit, not killed by a signal
  int status = -1;      // the exit status, or the signal that ended it
  bool hung = false;    // did not end in time and was killed
  std::string out;      // its standard output
  std::string err;      // its standard error
  long max_rss_kb = 0;  // its peak resident memory
};

/// The advisor's binary run as a child process with pipes on its standard
/// streams. Input is fed and output drained together, so neither side can
/// block the other however much either writes.
class Child {
 public:
  explicit Child(const ChildOptions& options = {});
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  /// Writes `bytes` to the child's input; false when the child stopped reading.
  bool send(std::string_view bytes);
  /// Ends the child's input.
  void close_input();
  /// Reads standard output until it holds as much as `screen`, the whole
  /// output the child is expected to have written when it waits for input;
  /// true when it is exactly that. Gives up after 20 seconds or when the
  /// child's output ends.
  bool await_screen(std::string_view screen);
  /// What the child has written to standard output so far.
  const std::string& out() const { return out_; }
  void signal(int signo);
  /// Ends the input, reads the rest of the output and reaps the child; kills
  /// it if it has not ended after `limit`.
  ChildResult finish(std::chrono::seconds limit = std::chrono::seconds(60));

 private:
  /// Waits up to `timeout_ms` for output and reads what came; false once
  /// both output streams have ended.
  bool drain(int timeout_ms, int also_fd = -1, short also_events = 0);

  pid_t pid_ = -1;
  int in_ = -1;
  int out_fd_ = -1;
  int err_fd_ = -1;
  std::string out_;
  std::string err_;
};

}  // namespace ausweich::testing

// Pipes the scripted mixed session into the advisor and into the floor
// program, side by side in one run, and compares: analyses per second with the
// whole session waiting in a pipe and with one line handed over per screen
// (as a user at a console does) and with the output going to /dev/null,
// the time to the first screen, the peak
// memory, and (with strace) the writes to standard output per input line.
// Exits with 1 when a target is missed or an output differs.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "io_benchmark: %s\n", why.c_str());
  std::exit(2);
}

std::uint64_t fnv1a(std::uint64_t h, const char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    h = (h ^ static_cast<unsigned char>(p[i])) * 0x100000001b3ULL;
  }
  return h;
}

double seconds_since(Clock::time_point t0) {
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

/// What the recording says the session is and writes.
struct Recording {
  std::string input;
  int analyses = 0;
  std::uint64_t bytes = 0;
  std::uint64_t hash = 0;
  std::vector<std::size_t> chunk_sizes;  // before each input line, then the last
  std::vector<std::string_view> lines;   // the input lines, line ends included
};

Recording load(const std::string& session_path, const std::string& steps_path) {
  Recording r;
  std::ifstream session(session_path, std::ios::binary);
  std::ostringstream text;
  text << session.rdbuf();
  r.input = text.str();
  std::ifstream steps(steps_path);
  steps >> r.analyses >> r.bytes >> r.hash;
  for (std::size_t n; steps >> n;) r.chunk_sizes.push_back(n);
  for (std::size_t from = 0; from < r.input.size();) {
    const std::size_t to = r.input.find('\n', from) + 1;
    r.lines.push_back(std::string_view(r.input).substr(from, to - from));
    from = to;
  }
  if (r.analyses == 0 || r.chunk_sizes.size() != r.lines.size() + 1) {
    fail("the recording does not match the session input");
  }
  return r;
}

/// A child process with its standard input and output on pipes.
struct Child {
  pid_t pid = -1;
  int in = -1;      // the child's standard input
  int out = -1;     // the child's standard output
  int report = -1;  // descriptor 3 of the child, when asked for
};

/// A pipe that no child inherits (pipe2 is not on every system).
void close_on_exec_pipe(int ends[2]) {
  if (pipe(ends) != 0) fail("pipe");
  for (int i : {0, 1}) fcntl(ends[i], F_SETFD, FD_CLOEXEC);
}

/// Where a child's standard output goes: a pipe that the benchmark reads, or
/// /dev/null, where writing costs next to nothing and the program's own work
/// shows most.
enum class Output { pipe, null };

Child spawn(const std::vector<std::string>& argv, bool with_report,
            Output output = Output::pipe) {
  int in[2], out[2], rep[2] = {-1, -1};
  close_on_exec_pipe(in);
  close_on_exec_pipe(out);
  if (with_report) close_on_exec_pipe(rep);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  if (output == Output::null) {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  }
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (with_report) posix_spawn_file_actions_adddup2(&actions, rep[1], 3);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  Child c;
  if (posix_spawn(&c.pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
    fail("cannot start " + argv[0]);
  }
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  if (with_report) close(rep[1]);
  c.in = in[1];
  c.out = out[0];
  c.report = rep[0];
  return c;
}

void write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t k = ::write(fd, bytes.data(), bytes.size());
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return;  // the child has gone; its output tells what happened
    bytes.remove_prefix(static_cast<std::size_t>(k));
  }
}

/// One run: its wall time, the time to its first output, what it wrote.
struct Outcome {
  double seconds = 0;
  double first_output = 0;
  int status = -1;
  std::uint64_t bytes = 0;
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  long peak_kib = 0;  // only when run through the probe
};

/// Reads the child's output up to `limit` bytes (all of it by default).
/// Gives up after ten seconds without output.
void take_output(const Child& c, Outcome& o, Clock::time_point t0,
                 std::uint64_t limit = UINT64_MAX) {
  static thread_local char buf[1 << 16];
  while (o.bytes < limit) {
    pollfd p{c.out, POLLIN, 0};
    if (poll(&p, 1, 10000) == 0) fail("no output for ten seconds");
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(sizeof buf, limit - o.bytes));
    const ssize_t k = ::read(c.out, buf, want);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return;
    if (o.bytes == 0) o.first_output = seconds_since(t0);
    o.bytes += static_cast<std::uint64_t>(k);
    o.hash = fnv1a(o.hash, buf, static_cast<std::size_t>(k));
  }
}

void finish(Child& c, Outcome& o, Clock::time_point t0) {
  close(c.out);
  int status = 0;
  waitpid(c.pid, &status, 0);
  o.seconds = seconds_since(t0);
  o.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  if (c.report >= 0) {
    char text[32] = {};
    if (::read(c.report, text, sizeof text - 1) > 0) o.peak_kib = std::atol(text);
    close(c.report);
  }
}

/// The whole input waits in the pipe, as when a session is piped in.
Outcome run_piped(const std::vector<std::string>& argv, std::string_view input,
                  bool with_report = false) {
  Outcome o;
  const Clock::time_point t0 = Clock::now();
  Child c = spawn(argv, with_report);
  std::thread feeder([&] {
    write_all(c.in, input);
    close(c.in);
  });
  take_output(c, o, t0);
  feeder.join();
  finish(c, o, t0);
  return o;
}

/// The whole input in a pipe and the output to /dev/null: only the exit
/// status and the time are known.
Outcome run_to_null(const std::vector<std::string>& argv, std::string_view input) {
  Outcome o;
  const Clock::time_point t0 = Clock::now();
  Child c = spawn(argv, false, Output::null);
  std::thread feeder([&] {
    write_all(c.in, input);
    close(c.in);
  });
  feeder.join();
  finish(c, o, t0);
  return o;
}

/// One input line at a time, each only after the screen before it has
/// arrived whole, as a user at a console answers.
Outcome run_lockstep(const std::vector<std::string>& argv, const Recording& r) {
  Outcome o;
  const Clock::time_point t0 = Clock::now();
  Child c = spawn(argv, false);
  for (std::size_t i = 0; i < r.lines.size(); ++i) {
    take_output(c, o, t0, o.bytes + r.chunk_sizes[i]);
    write_all(c.in, r.lines[i]);
  }
  close(c.in);
  take_output(c, o, t0);
  finish(c, o, t0);
  return o;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::string find_in_path(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::istringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const std::string candidate = dir + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

/// Calls on the standard streams, counted from an strace log.
struct Syscalls {
  long writes = 0, reads = 0, polls = 0;
};

/// Counts the calls of one traced run; none when strace could not trace it
/// (where tracing is not permitted, say).
std::optional<Syscalls> trace(const std::string& strace, const std::string& program,
                              std::string_view input) {
  const std::string log = "io_benchmark.strace";
  const Outcome o = run_piped(
      {strace, "-qq", "-o", log, "-e", "trace=read,write,poll,ppoll", program}, input);
  std::ifstream in(log);
  Syscalls s;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("write(1,")) ++s.writes;
    if (line.starts_with("read(0,")) ++s.reads;
    if (line.starts_with("poll(") || line.starts_with("ppoll(")) ++s.polls;
  }
  std::remove(log.c_str());
  if (o.status != 0 || s.writes == 0) return std::nullopt;
  return s;
}

struct Verdict {
  bool all_met = true;
  void check(const char* what, double ratio, double target) {
    const bool met = ratio <= target;
    all_met = all_met && met;
    std::printf("  %-34s ratio %.3f  (target <= %.1f: %s)\n", what, ratio, target,
                met ? "met" : "MISSED");
  }
};

void expect_output(const char* who, const Outcome& o, const Recording& r) {
  if (o.status != 0 || o.bytes != r.bytes || o.hash != r.hash) {
    fail(std::string(who) + " did not write the recorded session (status " +
         std::to_string(o.status) + ", " + std::to_string(o.bytes) + " bytes)");
  }
}

/// With strace at hand: the advisor writes to standard output at most once
/// per input line (and once more at the end), exactly as often as the floor.
void check_writes_per_line(Verdict& v, const Recording& r, const std::string& binary,
                           const std::string& floor) {
  const std::string strace = find_in_path("strace");
  const std::optional<Syscalls> b =
      strace.empty() ? std::nullopt : trace(strace, binary, r.input);
  const std::optional<Syscalls> f =
      strace.empty() ? std::nullopt : trace(strace, floor, r.input);
  if (!b || !f) {
    std::printf(
        "  no strace that can trace here: writes per read checked by the tests only\n");
    return;
  }
  const long lines = static_cast<long>(r.lines.size());
  const bool met = b->writes <= lines + 1 && b->writes == f->writes;
  v.all_met = v.all_met && met;
  std::printf(
      "  strace, session piped in: %ld input lines; writes to stdout %ld (floor %ld),\n"
      "    reads of stdin %ld (floor %ld), polls %ld (floor %ld)\n"
      "  %-34s (target: at most lines + 1, as the floor: %s)\n",
      lines, b->writes, f->writes, b->reads, f->reads, b->polls, f->polls,
      "writes per input line", met ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    fail("usage: io_benchmark BINARY FLOOR PROBE SESSION STEPS [RUNS [STARTS]]");
  }
  const std::vector<std::string> binary{argv[1]}, floor{argv[2]};
  const std::string probe = argv[3];
  const Recording r = load(argv[4], argv[5]);
  const int runs = argc > 6 ? std::max(1, std::atoi(argv[6])) : 7;
  const int starts = argc > 7 ? std::max(1, std::atoi(argv[7])) : 301;
  const double analyses = r.analyses;
  std::printf(
      "Session: %d analyses mixing every regime and verdict, %zu input lines, %.1f MB "
      "of output\n",
      r.analyses, r.lines.size(), static_cast<double>(r.bytes) / 1e6);

  // Whole session in a pipe, alternating the two programs.
  expect_output("the advisor", run_piped(binary, r.input), r);
  expect_output("the floor", run_piped(floor, r.input), r);
  std::vector<double> bin_piped, floor_piped, bin_step, floor_step;
  for (int i = 0; i < runs; ++i) {
    const Outcome b = run_piped(binary, r.input), f = run_piped(floor, r.input);
    expect_output("the advisor", b, r);
    expect_output("the floor", f, r);
    bin_piped.push_back(b.seconds);
    floor_piped.push_back(f.seconds);
  }
  // The same with the output to /dev/null.
  std::vector<double> bin_null, floor_null;
  for (int i = 0; i < runs; ++i) {
    const Outcome b = run_to_null(binary, r.input), f = run_to_null(floor, r.input);
    if (b.status != 0 || f.status != 0) fail("a run to /dev/null failed");
    bin_null.push_back(b.seconds);
    floor_null.push_back(f.seconds);
  }
  // One line per screen, as at a console.
  for (int i = 0; i < std::max(1, runs / 2); ++i) {
    const Outcome b = run_lockstep(binary, r), f = run_lockstep(floor, r);
    expect_output("the advisor, line by line,", b, r);
    expect_output("the floor, line by line,", f, r);
    bin_step.push_back(b.seconds);
    floor_step.push_back(f.seconds);
  }
  // Start-up: time to the first screen, with an input that ends at once.
  std::vector<double> bin_start, floor_start;
  for (int i = 0; i < starts; ++i) {
    bin_start.push_back(run_piped(binary, "").first_output);
    floor_start.push_back(run_piped(floor, "").first_output);
  }
  // Peak memory over the whole session, measured through the probe.
  long bin_peak = 0, floor_peak = 0;
  for (int i = 0; i < 3; ++i) {
    const Outcome b = run_piped({probe, argv[1]}, r.input, true);
    const Outcome f = run_piped({probe, argv[2]}, r.input, true);
    expect_output("the advisor, probed,", b, r);
    expect_output("the floor, probed,", f, r);
    bin_peak = std::max(bin_peak, b.peak_kib);
    floor_peak = std::max(floor_peak, f.peak_kib);
  }

  const double bp = median(bin_piped), fp = median(floor_piped);
  const double bn = median(bin_null), fn = median(floor_null);
  const double bs = median(bin_step), fs = median(floor_step);
  const double b0 = median(bin_start), f0 = median(floor_start);
  std::printf("\n%-36s %14s %14s\n", "", "advisor", "floor");
  std::printf("%-36s %14.0f %14.0f\n", "analyses/s, session piped in", analyses / bp,
              analyses / fp);
  std::printf("%-36s %11.2f us %11.2f us\n", "  wall time per analysis",
              bp / analyses * 1e6, fp / analyses * 1e6);
  std::printf("%-36s %14.0f %14.0f\n", "analyses/s, output to /dev/null", analyses / bn,
              analyses / fn);
  std::printf("%-36s %11.2f us %11.2f us\n", "  wall time per analysis",
              bn / analyses * 1e6, fn / analyses * 1e6);
  std::printf("%-36s %14.0f %14.0f\n", "analyses/s, one line per screen", analyses / bs,
              analyses / fs);
  std::printf("%-36s %11.2f us %11.2f us\n", "  wall time per analysis",
              bs / analyses * 1e6, fs / analyses * 1e6);
  std::printf("%-36s %11.0f us %11.0f us\n", "start-up to the first screen", b0 * 1e6,
              f0 * 1e6);
  std::printf("%-36s %10ld KiB %10ld KiB\n", "peak memory (max resident)", bin_peak,
              floor_peak);
  std::printf(
      "(medians of %d piped, %d to /dev/null, %d line-by-line and %d start-up runs "
      "each)\n\n",
      runs, runs, std::max(1, runs / 2), starts);

  Verdict v;
  std::printf("Advisor/floor:\n");
  v.check("wall time, session piped in", bp / fp, 1.3);
  v.check("wall time, output to /dev/null", bn / fn, 1.5);
  v.check("wall time, one line per screen", bs / fs, 1.3);
  v.check("start-up to the first screen", b0 / f0, 1.3);
  v.check("peak memory", static_cast<double>(bin_peak) / static_cast<double>(floor_peak),
          1.3);

  check_writes_per_line(v, r, argv[1], argv[2]);
  std::printf("\n%s\n", v.all_met ? "All targets met." : "Some targets MISSED.");
  return v.all_met ? 0 : 1;
}

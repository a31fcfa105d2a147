#include <windows.h>

#include <string_view>

#include "console/program_end.h"
#include "console/std_terminal.h"

namespace ausweich {
namespace {

constexpr std::string_view kConsoleLineEnd = "\r\n";

void write_all(HANDLE h, const char* buf, std::size_t n) {
  while (n > 0) {
    const DWORD chunk = n > 0x10000 ? 0x10000 : static_cast<DWORD>(n);
    DWORD written = 0;
    // A screen that cannot take output is not our concern.
    if (!WriteFile(h, buf, chunk, &written, nullptr) || written == 0) return;
    buf += written;
    n -= written;
  }
}

void write_diagnostic(std::string_view line) {
  const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
  write_all(err, line.data(), line.size());
  write_all(err, kConsoleLineEnd.data(), kConsoleLineEnd.size());
}

/// Where the console's control events meet the dialogue. The system delivers
/// them on a thread of its own to a handler that takes no context, so this one
/// record is reachable from there; nothing else in the program is shared.
///
/// A request is acted on only while the program waits for input, when every
/// line written so far has been delivered: the handler ends the process itself
/// if the dialogue already waits, and otherwise leaves the request for the
/// dialogue's next read and waits for it (the system ends a closing console's
/// process when its handler returns, so the handler must not return early).
struct ControlRequests {
  SRWLOCK lock = SRWLOCK_INIT;
  CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
  bool waiting_for_input = false;
  std::string_view pending;  // the line to write, empty while none
  UINT replaced_code_page =
      0;  // the console's output code page before ours, 0: untouched
};

constinit ControlRequests requests;

/// The training writes its umlauts in UTF-8: the console shows them so while
/// the program runs, and gets its own code page back at every end.
void use_utf8_output() {
  const UINT previous = GetConsoleOutputCP();
  if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
    requests.replaced_code_page = previous;
  }
}

void restore_output_code_page() {
  if (requests.replaced_code_page == 0) return;
  SetConsoleOutputCP(requests.replaced_code_page);
  requests.replaced_code_page = 0;
}

std::string_view line_for(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      return "Interrupt";
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      return "Killed";
    default:
      return {};
  }
}

/// A process started with Ctrl-C ignored carries the console's inherited
/// ignore flag; the system then calls no handler for Ctrl-C, so registering
/// this one keeps it ignored.
BOOL WINAPI on_control(DWORD event) {
  const std::string_view line = line_for(event);
  if (line.empty()) return FALSE;
  AcquireSRWLockExclusive(&requests.lock);
  if (requests.pending.empty()) requests.pending = line;
  while (!requests.waiting_for_input) {
    SleepConditionVariableSRW(&requests.changed, &requests.lock, INFINITE, 0);
  }
  // The dialogue is blocked in its read and holds no output back; the lock
  // stays taken so that it cannot go on after the read returns.
  write_diagnostic(requests.pending);
  restore_output_code_page();
  ExitProcess(kStatusInterrupt);
}

/// Marks the dialogue as waiting for input, unless a request is already
/// pending: then the program ends here, on the dialogue's own thread.
void begin_wait() {
  AcquireSRWLockExclusive(&requests.lock);
  const std::string_view pending = requests.pending;
  requests.waiting_for_input = pending.empty();
  if (requests.waiting_for_input) WakeAllConditionVariable(&requests.changed);
  ReleaseSRWLockExclusive(&requests.lock);
  if (!pending.empty()) throw ProgramEnd{kStatusInterrupt, pending};
}

void end_wait() {
  AcquireSRWLockExclusive(&requests.lock);
  requests.waiting_for_input = false;
  ReleaseSRWLockExclusive(&requests.lock);
}

/// Reads from standard input as raw bytes, without the C runtime's text-mode
/// translation: the line reader takes CR LF and LF line ends alike.
class WindowsTerminal final : public Terminal {
 public:
  WindowsTerminal()
      : in_(GetStdHandle(STD_INPUT_HANDLE)),
        out_(GetStdHandle(STD_OUTPUT_HANDLE)),
        console_input_(is_console(in_)) {
    use_utf8_output();
    SetConsoleCtrlHandler(on_control, TRUE);
  }

  ~WindowsTerminal() override {
    SetConsoleCtrlHandler(on_control, FALSE);
    restore_output_code_page();
  }

  std::size_t read(char* buf, std::size_t n) override {
    const DWORD wanted = n > 0x10000 ? 0x10000 : static_cast<DWORD>(n);
    for (;;) {
      begin_wait();
      SetLastError(ERROR_SUCCESS);
      DWORD got = 0;
      const BOOL ok = ReadFile(in_, buf, wanted, &got, nullptr);
      const DWORD error = GetLastError();
      end_wait();
      if (ok && got > 0) return ends_console_input(buf) ? 0 : got;
      // A console read cut short by Ctrl-C or Ctrl-Break is not the end of
      // input: the control event follows on its own thread, or was ignored.
      if (error == ERROR_OPERATION_ABORTED) continue;
      return 0;  // the end of input (Ctrl-Z at a console); errors count as the end
    }
  }

  void write(const char* buf, std::size_t n) override { write_all(out_, buf, n); }

  void diagnostic(std::string_view line) override { write_diagnostic(line); }

  std::string_view line_end() const override { return kConsoleLineEnd; }

 private:
  static bool is_console(HANDLE h) {
    DWORD mode = 0;
    return GetConsoleMode(h, &mode) != 0;
  }

  /// Ctrl-Z at the start of a console line ends the input, as Ctrl-D does on
  /// a Linux terminal; not every console passes it on as the end itself.
  bool ends_console_input(const char* buf) const {
    return console_input_ && buf[0] == '\x1a';
  }

  HANDLE in_;
  HANDLE out_;
  bool console_input_;
};

}  // namespace

std::unique_ptr<Terminal> make_std_terminal() {
  return std::make_unique<WindowsTerminal>();
}

}  // namespace ausweich

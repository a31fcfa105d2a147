// Fuzz target: a whole run of the advisor fed arbitrary bytes as its input.
//
// Whatever the input, a run must end in an orderly way: status 0 (the user
// quit) or 2 (unreadable reply or end of input), whole lines on the screen,
// one diagnostic line exactly when it failed, and no read of the input after
// the input has ended.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "console/run_advisor.h"
#include "console/terminal.h"

namespace {

/// An in-memory terminal that insists on never being read again once it has
/// reported the end of input, and that hands the input over in pieces of a
/// size taken from the input, so that the reader is exercised at every
/// boundary. Of the screen it keeps only the size and the last bytes, which
/// is all the checks need, and keeps the fuzzer free of large allocations.
class WatchfulTerminal final : public ausweich::Terminal {
 public:
  WatchfulTerminal(std::string_view input, std::size_t chunk)
      : input_(input), chunk_(chunk) {}

  std::size_t read(char* buf, std::size_t n) override {
    if (ended_) std::abort();  // read past the end of the input
    const std::size_t k = std::min({n, chunk_, input_.size()});
    std::memcpy(buf, input_.data(), k);
    input_.remove_prefix(k);
    ended_ = k == 0;
    return k;
  }

  void write(const char* buf, std::size_t n) override {
    written_ += n;
    const std::size_t keep = std::min(n, tail_.size());
    std::memmove(tail_.data(), tail_.data() + keep, tail_.size() - keep);
    std::memcpy(tail_.data() + tail_.size() - keep, buf + n - keep, keep);
  }

  void diagnostic(std::string_view line) override {
    diagnostics_.append(line);
    diagnostics_.push_back('\n');
  }

  std::size_t written() const { return written_; }
  /// The last bytes written to the screen (as many as have been written).
  std::string_view tail() const {
    const std::size_t n = std::min(written_, tail_.size());
    return {tail_.data() + tail_.size() - n, n};
  }
  const std::string& diagnostics() const { return diagnostics_; }
  std::size_t unread() const { return input_.size(); }

 private:
  std::string_view input_;
  std::size_t chunk_;
  bool ended_ = false;
  std::size_t written_ = 0;
  std::array<char, 64> tail_{};
  std::string diagnostics_;
};

bool known_diagnostic(std::string_view d) {
  for (std::string_view k :
       {"invalid number: incomprehensible list input\n",
        "invalid integer: read unexpected character\n",
        "bad repetition count: incomprehensible list input\n",
        "exponent field: incomprehensible list input\n", "list in: end of file\n",
        "fmt: end of file\n", "read start: end of file\n"}) {
    if (d == k) return true;
  }
  return false;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // Pieces of 1 to 8 bytes for some inputs, the whole input at once for most.
  const std::size_t chunk = size % 3 == 0 ? 1 + size % 8 : SIZE_MAX;
  WatchfulTerminal terminal(input, chunk);
  const int status = ausweich::run_advisor(terminal);
  const std::string_view tail = terminal.tail();
  const std::string& err = terminal.diagnostics();

  check(status == 0 || status == 2);
  check(tail.empty() || tail.back() == '\n');
  if (status == 0) {
    constexpr std::string_view kEnd =
        " #################### Ende des Programms ############\n";
    check(err.empty());
    check(tail.ends_with(kEnd));
  } else {
    check(known_diagnostic(err));
    // The end of input can only be met once every byte has been read.
    if (err == "fmt: end of file\n" || err == "read start: end of file\n") {
      check(terminal.unread() == 0);
    }
  }
  return 0;
}

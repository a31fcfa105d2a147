// Fuzz target: the conversion of the reply field.
//
// The first eight bytes of the input form the field (blanks fill a shorter
// one). The conversion's outcome is compared with a second, deliberately
// plain reading of the same field, written from the rules of the free-form
// integer without looking at the scanner: the two must agree on the kind, the
// value and the diagnostic. So no reply can turn into an admissible answer
// unless its digits really say so.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "console/reply.h"

namespace {

using ausweich::Conversion;
using Kind = ausweich::Conversion::Kind;

constexpr std::int32_t kMin = INT32_MIN;

struct Expected {
  Kind kind;
  std::int64_t value;
  std::string_view why;  // the context of the diagnostic
};

Expected fails(std::string_view why) {
  return {Kind::kFailure, 0, why};
}
Expected no_value() {
  return {Kind::kNoValue, 0, {}};
}
Expected value(std::int64_t v) {
  return {Kind::kValue, v, {}};
}

bool digit(char c) {
  return c >= '0' && c <= '9';
}

/// The length of the run of digits at the start of `s`.
std::size_t digits_at(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && digit(s[n])) ++n;
  return n;
}

/// Exact `m` * 10^e (or / 10^e), cut toward zero; out of range: kMin.
std::int64_t scaled(std::int64_t m, bool down, std::string_view exponent_digits) {
  // Leading zeros do not change the exponent.
  const std::size_t first = exponent_digits.find_first_not_of('0');
  const std::string_view e = first == std::string_view::npos
                                 ? std::string_view("0")
                                 : exponent_digits.substr(first);
  if (m == 0) return 0;
  if (e.size() > 2) return down ? 0 : kMin;  // 100 or more
  const int k = std::stoi(std::string(e));
  std::int64_t v = m;  // stays below 10^11 before each range check
  for (int i = 0; i < k; ++i) {
    if (down) {
      v /= 10;
    } else {
      v *= 10;
      if (v > INT32_MAX || v < INT32_MIN) return kMin;
    }
  }
  return static_cast<std::int64_t>(v);
}

/// A number where one must begin, in `s` (the rest of the field).
Expected read_number(std::string_view s, bool behind_repeat) {
  bool minus = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    minus = s[0] == '-';
    s.remove_prefix(1);
    if (!s.empty() && (s[0] == ',' || s[0] == '/')) return no_value();
  }
  if (!s.empty() && s[0] == '.') return fails("invalid integer");
  if (!s.empty() && s[0] == '*') {
    return fails(behind_repeat ? "invalid number" : "bad repetition count");
  }
  const std::size_t n = digits_at(s);
  if (n == 0) return fails("invalid number");
  const std::int64_t magnitude = std::stoll(std::string(s.substr(0, n)));
  const std::int64_t v = minus ? -magnitude : magnitude;
  s.remove_prefix(n);
  if (s.empty()) return value(v);
  const char next = s[0];
  if (std::string_view(".EeDd").find(next) != std::string_view::npos) {
    return fails("invalid integer");
  }
  if (next == '*' && behind_repeat) return value(v);
  if (next == '*') {
    if (v <= 0) return fails("bad repetition count");
    s.remove_prefix(1);
    if (s.empty() || std::string_view(" \t,/").find(s[0]) != std::string_view::npos) {
      return no_value();
    }
    return read_number(s, true);
  }
  if (next == '+' || next == '-') {
    s.remove_prefix(1);
    const std::size_t e = digits_at(s);
    if (e == 0) return fails("exponent field");
    return value(scaled(v, next == '-', s.substr(0, e)));
  }
  return value(v);
}

Expected plain_reading(std::string_view field) {
  const std::size_t start = field.find_first_not_of(" \t");
  if (start == std::string_view::npos) return fails("list in");
  field.remove_prefix(start);
  if (field[0] == ',' || field[0] == '/') return no_value();
  return read_number(field, false);
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<char, ausweich::kReplyWidth> field;
  field.fill(' ');
  for (std::size_t i = 0; i < field.size() && i < size; ++i) {
    field[i] = static_cast<char>(data[i]);
  }
  const Conversion got = ausweich::convert_reply(field);
  const Expected want = plain_reading(std::string_view(field.data(), field.size()));

  check(got.kind == want.kind);
  if (got.kind == Kind::kValue) {
    check(got.value == want.value);
  } else {
    check(got.value == 0);
  }
  if (got.kind == Kind::kFailure) {
    check(got.diagnostic.substr(0, got.diagnostic.find(':')) == want.why);
  } else {
    check(got.diagnostic.empty());
  }
  return 0;
}

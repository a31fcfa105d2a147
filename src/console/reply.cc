#include "console/reply.h"

#include <cstdint>
#include <limits>

namespace ausweich {
namespace {

constexpr std::string_view kInvalidNumber = "invalid number: incomprehensible list input";
constexpr std::string_view kInvalidInteger = "invalid integer: read unexpected character";
constexpr std::string_view kBadRepeat =
    "bad repetition count: incomprehensible list input";
constexpr std::string_view kExponentField = "exponent field: incomprehensible list input";
constexpr std::string_view kOnlyBlanks = "list in: end of file";

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

constexpr Conversion value(std::int64_t v) {
  return {Conversion::Kind::kValue, static_cast<std::int32_t>(v), {}};
}
constexpr Conversion no_value() {
  return {Conversion::Kind::kNoValue, 0, {}};
}
constexpr Conversion failure(std::string_view why) {
  return {Conversion::Kind::kFailure, 0, why};
}

bool is_digit(int c) {
  return c >= '0' && c <= '9';
}
bool is_separator(int c) {
  return c == ' ' || c == '\t' || c == ',' || c == '/';
}

/// `mantissa` times ten to the power `exponent`, cut toward zero; anything
/// outside the 32-bit range becomes its most negative value.
std::int64_t scale(std::int64_t mantissa, bool negative_exponent, int exponent) {
  if (mantissa == 0) return 0;
  std::int64_t v = mantissa;
  for (int i = 0; i < exponent; ++i) {
    if (negative_exponent) {
      v /= 10;
      if (v == 0) return 0;
    } else {
      v *= 10;
      if (v < kMin || v > kMax) return kMin;
    }
  }
  return v;
}

/// Left-to-right reader over the reply field; the end of the field reads as -1.
class Scanner {
 public:
  explicit Scanner(std::span<const char, kReplyWidth> field) : field_(field) {}

  int peek() const {
    return pos_ < field_.size() ? static_cast<unsigned char>(field_[pos_]) : -1;
  }
  void advance() { ++pos_; }

  void skip_blanks() {
    while (peek() == ' ' || peek() == '\t') advance();
  }

  /// Reads a number where one must begin: sign, digits, then what may follow
  /// them. `after_repeat` is set for the value behind a repeat count, where a
  /// further asterisk only ends the number.
  Conversion number(bool after_repeat) {
    bool negative = false;
    if (peek() == '+' || peek() == '-') {
      negative = peek() == '-';
      advance();
      if (peek() == ',' || peek() == '/') return no_value();
    }
    if (peek() == '.') return failure(kInvalidInteger);
    if (peek() == '*') return failure(after_repeat ? kInvalidNumber : kBadRepeat);
    if (!is_digit(peek())) return failure(kInvalidNumber);
    std::int64_t v = 0;
    while (is_digit(peek())) {
      v = v * 10 + (peek() - '0');
      advance();
    }
    if (negative) v = -v;
    return after_digits(v, after_repeat);
  }

 private:
  Conversion after_digits(std::int64_t v, bool after_repeat) {
    switch (peek()) {
      case '.':
      case 'E':
      case 'e':
      case 'D':
      case 'd':
        return failure(kInvalidInteger);
      case '*':
        if (after_repeat) return value(v);
        return repeated(v);
      case '+':
      case '-':
        return exponent(v);
      default:
        return value(v);
    }
  }

  /// `count*` has been read up to the asterisk; the repeated value follows.
  Conversion repeated(std::int64_t count) {
    if (count <= 0) return failure(kBadRepeat);
    advance();
    if (peek() < 0 || is_separator(peek())) return no_value();
    return number(true);
  }

  /// A sign directly after the digits starts a decimal exponent.
  Conversion exponent(std::int64_t mantissa) {
    const bool negative = peek() == '-';
    advance();
    if (!is_digit(peek())) return failure(kExponentField);
    int e = 0;
    while (is_digit(peek())) {
      if (e < 100) e = e * 10 + (peek() - '0');  // beyond 100 the result is settled
      advance();
    }
    return value(scale(mantissa, negative, e));
  }

  std::span<const char, kReplyWidth> field_;
  std::size_t pos_ = 0;
};

}  // namespace

Conversion convert_reply(std::span<const char, kReplyWidth> field) {
  Scanner s(field);
  s.skip_blanks();
  if (s.peek() < 0) return failure(kOnlyBlanks);
  if (s.peek() == ',' || s.peek() == '/') return no_value();
  return s.number(false);
}

}  // namespace ausweich

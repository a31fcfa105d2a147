#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ausweich {

/// JSON text written into a fixed buffer that its owner provides. A value is
/// kept whole or not at all: the writer marks where a value begins, writes
/// it, and commits it; what did not fit is taken back and the text noted as
/// cut, so that it stays valid JSON however much is offered.
class JsonText {
 public:
  /// `data` holds `size` bytes and one more, for the closing bracket.
  JsonText(char* data, std::size_t size) : data_(data), size_(size) {}
  JsonText(const JsonText&) = delete;
  JsonText& operator=(const JsonText&) = delete;

  void clear() {
    used_ = 0;
    over_ = false;
    cut_ = false;
  }

  /// Bytes as they stand: JSON syntax.
  JsonText& raw(std::string_view bytes);
  /// A JSON string of `text` (UTF-8), with quotes and escapes.
  JsonText& string(std::string_view text);
  JsonText& number(std::int64_t n);

  /// Where the next value begins.
  std::size_t mark() const { return used_; }
  /// Keeps what was written since `from` when it all fitted; otherwise takes
  /// it back and notes the text as cut. True when kept.
  bool commit(std::size_t from);
  /// Writes a value with `write(*this)` and keeps it only if it fitted
  /// whole: mark and commit in one.
  template <typename Write>
  bool whole(Write write) {
    const std::size_t from = mark();
    write(*this);
    return commit(from);
  }
  /// Writes the closing bracket, into the byte kept for it where the text
  /// is full.
  void close(char bracket);

  std::string_view text() const { return {data_, used_}; }
  bool empty() const { return used_ == 0; }
  /// Whether a value was left out because it did not fit.
  bool cut() const { return cut_; }

 private:
  void put(char c) {
    if (used_ < size_) {
      data_[used_++] = c;
    } else {
      over_ = true;
    }
  }

  char* data_;
  std::size_t size_;
  std::size_t used_ = 0;
  bool over_ = false;  // something written since the last commit did not fit
  bool cut_ = false;
};

}  // namespace ausweich

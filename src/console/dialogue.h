#pragma once

#include <string_view>

#include "console/question.h"
#include "console/verdict.h"

namespace ausweich {

/// The dialogue with the skipper, as the analyses see it: they write their
/// lines, ask their questions and report their verdicts through it and never
/// touch a stream. The console implements it on a terminal; the training mode
/// answers the questions itself and keeps only the verdict.
class Dialogue {
 public:
  virtual ~Dialogue() = default;

  /// A message line: one blank, the text as it stands, a line end.
  virtual void line(std::string_view text) = 0;
  /// An empty line: a bare line end.
  virtual void empty() = 0;
  /// A screen clear: `n` empty lines.
  virtual void clear(int n) = 0;
  /// The screen clear between the screens: 30 empty lines.
  void spaces() { clear(30); }

  /// Asks `frage`, offering the value of `code` as the default, and stores the
  /// answer, from 1 to `frage.kmax`, in `code` (the default may stand as it
  /// is). Does not return when the skipper ends the program.
  virtual void ask(const Frage& frage, Code& code) = 0;

  /// Reported by every verdict, inside its lines and before any further
  /// question, so that the training mode can name and explain it.
  virtual void verdict(const Verdict& v) = 0;
};

}  // namespace ausweich

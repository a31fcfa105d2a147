#pragma once

#include <span>
#include <string_view>

#include "core/dialogue.h"

namespace ausweich {

/// What a face beside the console screen learns of each screen, as data: the
/// web page builds its cards from it. The console dialogue tells it
/// everything the program tells the dialogue, each question and wait before
/// the console reads; it never answers. Every call does nothing unless
/// overridden.
class Reports {
 public:
  virtual ~Reports() = default;

  virtual void line(std::string_view) {}
  virtual void empty() {}
  virtual void say(Zeilenart, std::string_view) {}
  /// The fixed lines of a screen, written together; reported as its lines
  /// unless a face tells them from the others.
  virtual void block(const Textblock& b) {
    zeilenweise(
        b, [this](std::string_view text) { line(text); }, [this] { empty(); });
  }
  /// A question about to be read, with the default it offers.
  virtual void ask(const Frage&, Code) {}
  /// The answer the question has taken (the default, where Enter kept it).
  virtual void answered(const Frage&, Code) {}
  virtual void wait_enter(const Pause&) {}
  /// A choice without a default about to be read, and the choice made (0:
  /// the learner ends).
  virtual void choose(const Frage&) {}
  virtual void chosen(const Frage&, Code) {}
  virtual void duty(const Pflicht&) {}
  virtual void verdict(const Pflicht&) {}
  virtual void assume(std::string_view) {}
  virtual void vorlage(std::span<const Angabe>, Peilung) {}
};

}  // namespace ausweich

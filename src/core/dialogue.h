#pragma once

#include <string_view>

#include "core/frage.h"
#include "core/listener.h"

namespace ausweich {

/// The dialogue with the skipper, as the analyses and the training see it:
/// they write their lines, report what they decide and ask their questions
/// through it, and never touch a stream. What they tell goes to one
/// listener (listener.h), which may be several; what they ask a face answers
/// by reading: the console from its terminal, the training's recorder from a
/// list of answers. A face implements the three reads; everything else is
/// the same for every face.
class Dialogue {
 public:
  explicit Dialogue(Listener& listener) : listener_(listener) {}
  Dialogue(const Dialogue&) = delete;
  Dialogue& operator=(const Dialogue&) = delete;
  virtual ~Dialogue() = default;

  /// Where everything is told.
  Listener& listener() { return listener_; }

  // What is told (see Listener).
  void line(std::string_view text) { listener_.line(text); }
  void empty() { listener_.empty(); }
  void say(Zeilenart art, std::string_view text) { listener_.say(art, text); }
  void clear(int n) { listener_.clear(n); }
  /// The screen clear between the screens: 30 empty lines.
  void spaces() { clear(30); }
  void block(const Textblock& b) { listener_.block(b); }
  void duty(const Pflicht& p) { listener_.duty(p); }
  void verdict(const Pflicht& p) { listener_.verdict(p); }
  void states(Klasse k) { listener_.states(k); }
  void assume(std::string_view satz) { listener_.assume(satz); }
  void vorlage(std::span<const Angabe> angaben, Peilung peilung, const Ansicht& ansicht) {
    listener_.vorlage(angaben, peilung, ansicht);
  }

  /// Asks `frage`, offering the value of `code` as the default, and stores the
  /// answer, from 1 to `frage.kmax()`, in `code` (the default may stand as it
  /// is, even outside the menu). Does not return when the user ends the
  /// program.
  void ask(const Frage& frage, Code& code) {
    listener_.asking(frage, code);
    read_answer(frage, code);
    listener_.answered(frage, code);
  }
  /// Every question is a table that lives as long as the program: a face or
  /// a training run may keep a pointer to it.
  void ask(Frage&&, Code&) = delete;

  /// Waits until the user goes on, at the end of the screen `pause`.
  void wait_enter(const Pause& pause) {
    listener_.waiting(pause);
    read_enter();
  }

  /// Asks `frage` without a default, as the training asks the learner: returns
  /// the answer from 1 to `frage.kmax()`, or 0 when the learner wants to end.
  Code choose(const Frage& frage) {
    listener_.choosing(frage);
    const Code c = read_choice(frage);
    listener_.chosen(frage, c);
    return c;
  }
  Code choose(Frage&&) = delete;

 protected:
  /// The face's reads, behind ask, wait_enter and choose.
  virtual void read_answer(const Frage& frage, Code& code) = 0;
  virtual void read_enter() = 0;
  virtual Code read_choice(const Frage& frage) = 0;

 private:
  Listener& listener_;
};

}  // namespace ausweich

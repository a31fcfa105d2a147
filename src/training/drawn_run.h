#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "core/dialogue.h"

namespace ausweich {

/// The dialogue of an analysis that is answered from a list of answers
/// instead of the keyboard, as the training mode runs it. Questions are
/// answered silently; of the rest the analysis writes, the lines are kept,
/// in the sections that stood between its questions and screen clears, and
/// the duties and assumptions it reports are kept beside them. Questions
/// after the verdict offer further information and are declined (answered
/// with their first answer, "no").
class DrawnRun final : private Listener, public Dialogue {
 public:
  /// The most questions one analysis asks, with room to spare.
  static constexpr std::size_t kMaxQuestions = 24;
  /// The most duties one analysis reports, the verdict included.
  static constexpr std::size_t kMaxDuties = 4;

  /// One question as it was answered.
  struct Answer {
    const Frage* frage;
    Code value;
    bool after_verdict;  // declined further information, not part of the encounter
  };

  /// One line written: a message line or an empty line.
  struct Line {
    bool message;
    std::string_view text;
  };

  /// `answers` are given to the questions in order; questions beyond them
  /// are answered 1.
  explicit DrawnRun(std::span<const Code> answers)
      : Dialogue(static_cast<Listener&>(*this)), given_(answers) {}

  std::span<const Answer> answers() const { return {answers_.data(), asked_}; }
  /// The answers that set up the encounter (not those after the verdict), as
  /// the codes they set: puts at most `out.size()` into `out`, returns how
  /// many.
  std::size_t facts(std::span<Angabe> out) const;
  /// The verdict, once reported.
  bool decided() const { return decided_; }
  const Pflicht& reported() const { return verdict_; }
  /// The other duties, in the order reported.
  std::span<const Pflicht> duties() const { return {duties_.data(), duty_count_}; }
  /// How many of them were reported before the verdict: the conduct in a
  /// fairway or a traffic separation scheme, which comes first.
  std::size_t duties_before_verdict() const { return duties_before_verdict_; }
  /// The classes of duty that the screen's lines state, in the order stated.
  std::span<const Klasse> stated() const { return {stated_.data(), stated_count_}; }
  /// The assumptions the analysis made where it asked nothing, in order.
  std::span<const std::string_view> assumptions() const {
    return {assumptions_.data(), assumption_count_};
  }
  /// What the analysis wrote besides its questions: the sections between
  /// questions and screen clears that hold a message line, each without the
  /// empty lines around it; the last one holds the verdict. Puts at most
  /// `out.size()` of them into `out` and returns how many.
  std::size_t sections(std::span<std::span<const Line>> out) const;
  /// False when an answer given lay outside its menu, or more questions were
  /// asked, duties reported or lines written than there is room for; nothing
  /// of such a run can be trusted.
  bool complete() const { return !overflow_; }

 private:
  // What the analysis tells, kept.
  void line(std::string_view text) override { keep({true, text}); }
  void empty() override { keep({false, {}}); }
  void clear(int) override { end_section(); }
  void asking(const Frage&, Code) override { end_section(); }
  void duty(const Pflicht& p) override;
  void verdict(const Pflicht& p) override;
  void states(Klasse k) override;
  void assume(std::string_view satz) override;

  // What it asks, answered from the list.
  void read_answer(const Frage& frage, Code& code) override;
  /// An analysis never waits for Enter; a run that does is not trusted.
  void read_enter() override { overflow_ = true; }
  /// Nor does it let anyone choose.
  Code read_choice(const Frage&) override;

  void keep(Line l);
  void end_section();

  std::span<const Code> given_;
  std::array<Answer, kMaxQuestions> answers_{};
  std::size_t asked_ = 0;
  std::array<Line, 64> kept_{};
  std::array<std::size_t, 16> section_ends_{};  // where each section ends in kept_
  std::size_t kept_count_ = 0;
  std::size_t sections_ = 0;
  std::array<Pflicht, kMaxDuties> duties_{};
  std::size_t duty_count_ = 0;
  std::size_t duties_before_verdict_ = 0;
  std::array<Klasse, 8> stated_{};
  std::size_t stated_count_ = 0;
  std::array<std::string_view, 4> assumptions_{};
  std::size_t assumption_count_ = 0;
  bool decided_ = false;
  bool overflow_ = false;
  Pflicht verdict_{};
};

}  // namespace ausweich

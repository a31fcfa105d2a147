#include "training/drawn_run.h"

namespace ausweich {

void DrawnRun::read_answer(const Frage& frage, Code& code) {
  const Code value = !decided_ && asked_ < given_.size() ? given_[asked_] : 1;
  if (value < 1 || value > frage.kmax()) overflow_ = true;  // no answer of this menu
  if (asked_ == answers_.size()) {
    overflow_ = true;
  } else {
    answers_[asked_++] = {&frage, value, decided_};
  }
  code = value;
}

Code DrawnRun::read_choice(const Frage&) {
  overflow_ = true;
  return 0;
}

void DrawnRun::duty(const Pflicht& p) {
  if (duty_count_ == duties_.size()) {
    overflow_ = true;
    return;
  }
  duties_[duty_count_++] = p;
  if (!decided_) duties_before_verdict_ = duty_count_;
}

void DrawnRun::states(Klasse k) {
  if (stated_count_ == stated_.size()) {
    overflow_ = true;
    return;
  }
  stated_[stated_count_++] = k;
}

std::size_t DrawnRun::facts(std::span<Angabe> out) const {
  std::size_t n = 0;
  for (const Answer& a : answers()) {
    if (!a.after_verdict && n < out.size()) out[n++] = {a.frage->feld, a.value};
  }
  return n;
}

void DrawnRun::verdict(const Pflicht& p) {
  verdict_ = p;
  decided_ = true;
}

void DrawnRun::assume(std::string_view satz) {
  if (assumption_count_ == assumptions_.size()) {
    overflow_ = true;
    return;
  }
  assumptions_[assumption_count_++] = satz;
}

void DrawnRun::keep(Line l) {
  if (kept_count_ == kept_.size()) {
    overflow_ = true;
    return;
  }
  kept_[kept_count_++] = l;
}

void DrawnRun::end_section() {
  const std::size_t begin = sections_ == 0 ? 0 : section_ends_[sections_ - 1];
  if (kept_count_ == begin) return;
  if (sections_ == section_ends_.size()) {
    overflow_ = true;
    return;
  }
  section_ends_[sections_++] = kept_count_;
}

std::size_t DrawnRun::sections(std::span<std::span<const Line>> out) const {
  std::size_t n = 0;
  std::size_t begin = 0;
  for (std::size_t s = 0; s <= sections_ && n < out.size(); ++s) {
    std::size_t end = s < sections_ ? section_ends_[s] : kept_count_;
    std::size_t from = begin;
    begin = end;
    while (from < end && !kept_[from].message) ++from;
    while (end > from && !kept_[end - 1].message) --end;
    if (from < end) out[n++] = {kept_.data() + from, end - from};
  }
  return n;
}

}  // namespace ausweich

#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/line_builder.h"
#include "core/situation.h"
#include "training/drawn_run.h"

namespace ausweich {

/// The situation of an encounter as a skipper would describe it: one line per
/// answer that its analysis asked for, in the order asked, in the words of
/// the answer tables (the length of a vessel joins the line of her type),
/// then the bearing at which A sees B where it was drawn, and the assumptions
/// the analysis made.
class Lagebeschreibung {
 public:
  /// `run` must be complete: every answer lies in its menu.
  explicit Lagebeschreibung(const DrawnRun& run, Peilung peilung = Peilung::offen);

  /// The lines, at most one per question and five more.
  std::size_t size() const { return anzahl_; }
  std::string_view operator[](std::size_t i) const { return zeilen_[i].text(); }

 private:
  LineBuilder& neue_zeile();

  std::array<LineBuilder, DrawnRun::kMaxQuestions + 5> zeilen_;
  std::size_t anzahl_ = 0;
};

}  // namespace ausweich

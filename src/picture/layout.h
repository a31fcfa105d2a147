#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "picture/szene.h"

namespace ausweich {

/// Where a line of text stands at its x: its start, its middle or its end.
enum class Anchor : std::uint8_t { start, middle, end };

/// The smallest font size of any text in the pictures, in the sheet's units:
/// a picture drawn 300 pixels wide on a phone (the sheet is 240 wide) shows
/// it 13 pixels high.
inline constexpr int kSchriftgroesse = 11;

/// The box that a line of `text` takes at font size `groesse` with its
/// baseline at `y`: an average letter is taken as 0.62 of the size wide, the
/// line reaches 0.8 of the size above its baseline and 0.25 below.
Rechteck textbox(int x, int y, std::string_view text, int groesse, Anchor anker);

/// The places on the sheet that something takes: vessels, marks, arrows,
/// texts. A text is set where it covers nothing else.
class Layout {
 public:
  /// Takes `r`; beyond the room for 96 boxes, nothing more is kept.
  void belege(const Rechteck& r);
  /// Whether `r` lies on the sheet and covers nothing taken.
  bool frei(const Rechteck& r) const;

  /// A line of text to be set: its words and size.
  struct Zeile {
    std::string_view text;
    int groesse = kSchriftgroesse;
  };
  /// A place offered for a text: its x and baseline y, and its anchor.
  struct Platz {
    int x, y;
    Anchor anker;
  };
  /// Sets `zeilen` (one below the other, 1.25 sizes apart) at the first of
  /// `plaetze` where they lie within `bereich` and cover nothing taken;
  /// where none is free, at the free place within `bereich` nearest the
  /// first of them. Takes the place and returns it; returns nothing, and
  /// takes nothing, where no place within `bereich` is free.
  std::optional<Platz> setze(std::span<const Zeile> zeilen,
                             std::span<const Platz> plaetze, const Rechteck& bereich);

 private:
  bool passt(std::span<const Zeile> zeilen, const Platz& p,
             const Rechteck& bereich) const;
  std::optional<Platz> naechster(std::span<const Zeile> zeilen, const Platz& p,
                                 const Rechteck& bereich) const;

  std::array<Rechteck, 96> belegt_{};
  std::size_t anzahl_ = 0;
};

}  // namespace ausweich

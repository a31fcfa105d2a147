#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/angaben.h"
#include "core/listener.h"
#include "picture/bilder.h"
#include "web/json_text.h"

namespace ausweich {

/// The page's card: everything the program tells between two reads, as one
/// JSON object, built in fixed buffers (nothing is allocated while the
/// program runs). A card ends where the program is about to read, with what
/// it reads for:
///
///   {"art":"frage"|"wahl"|"pause"|"ende",
///    "frage":{"titel":..., "schiff":"A", "kmax":2, "vorschlag":2,
///             "antworten":[{"code":1,"knopf":...}, ...]},    (frage, wahl)
///    "pause":{"halt":"titel", "titel":..., "text":[...]},      (pause)
///    "status":0,                                               (ende)
///    "genommen":{"titel":..., "code":2, "knopf":...},  the answer taken last
///    "bewertung":{"ergebnis":"falsch", "wahl":..., "richtig":..., "thema":...,
///                 "art":"begegnungen"|"lichter", "seed":"42", "lage":3,
///                 "wiederholung":false},
///                          a training item's answer judged (see Beurteilung)
///    "zeilen":[line, "", {"art":"grund","text":...}, ...],  the screen's lines
///    "tafel":[...],        the lines of a fixed screen (title, info, end)
///    "pflichten":[duty, ...], "urteil":duty, "annahmen":[...],
///    "gekuerzt":true,      only where something did not fit
///    "zeit":"tag"|"nacht",  only where the item sets the time of day
///    "bilder":{"tag":{"bild":..., "sicht":..., "text":...}, "nacht":{...}}}
///
/// "bilder" are the pictures of the encounter as far as the answers of this
/// analysis tell it (the collector `angaben`, which listens beside the card),
/// by day and by night: the view from above and what A's lookout sees of B
/// (empty where B's aspect is open), as SVG, and what they show in words.
/// There are none before B's type is known. An item of the training of
/// lights and shapes sets the time of day ("zeit"): its lookout's view is
/// the picture of that time.
///
/// A duty is {"gebot", "schiff", "klasse", "worte", "regel", "stelle",
/// "grund"}: what it asks, whom it binds, its class and the class in words
/// ("B muss ausweichen", empty for a general rule), and from the rule book the
/// topic, the citation and the rule's sentence.
class Card final : public Listener {
 public:
  explicit Card(const Angaben& angaben);
  Card(const Card&) = delete;
  Card& operator=(const Card&) = delete;

  void line(std::string_view text) override;
  void empty() override;
  void say(Zeilenart art, std::string_view text) override;
  void block(const Textblock& b) override;
  void asking(const Frage& frage, Code vorschlag) override;
  void answered(const Frage& frage, Code code) override;
  void waiting(const Pause& pause) override;
  void choosing(const Frage& frage) override;
  void chosen(const Frage& frage, Code code) override;
  void duty(const Pflicht& p) override;
  void verdict(const Pflicht& p) override;
  void assume(std::string_view satz) override;
  void judged(const Beurteilung& b) override;

  /// The card that ends at the read about to begin, once; empty when it has
  /// been taken (a question asked again after a refused answer).
  std::string_view take();
  /// The last card, once the program has ended with `status`: what it wrote
  /// after its last read, such as the training's score.
  std::string_view last(int status);

 private:
  void begin(std::string_view art);
  void question(const Frage& f, const Code* vorschlag);
  void list(std::string_view name, const JsonText& items);
  void field(std::string_view name, const JsonText& value);
  void finish();
  static void write_duty(JsonText& j, const Pflicht& p);
  void taken(const Frage& f, Code code);
  void pictures();
  void pictures(std::string_view name, const Bilder& b);

  static constexpr std::size_t kZeilen = 12288;
  static constexpr std::size_t kTafel = 2048;
  static constexpr std::size_t kPflichten = 2048;
  static constexpr std::size_t kUrteil = 1024;
  static constexpr std::size_t kKlein = 512;
  /// Two pictures each by day and by night and their words, with room for
  /// the escapes of their quotes.
  static constexpr std::size_t kBilder = 2 * sizeof(Bildpuffer) + 8192;
  static constexpr std::size_t kKarte =
      kZeilen + kTafel + kPflichten + kUrteil + 3 * kKlein + kBilder + 4096;

  const Angaben& angaben_;  // what this analysis has told so far
  std::array<char, kZeilen + 1> zeilen_puffer_;
  std::array<char, kTafel + 1> tafel_puffer_;
  std::array<char, kPflichten + 1> pflichten_puffer_;
  std::array<char, kUrteil + 1> urteil_puffer_;
  std::array<char, kKlein + 1> annahmen_puffer_;
  std::array<char, kKlein + 1> genommen_puffer_;
  std::array<char, kKlein + 1> bewertung_puffer_;
  std::array<char, kKarte + 1> karte_puffer_;
  JsonText zeilen_;
  JsonText tafel_;
  JsonText pflichten_;
  JsonText urteil_;
  JsonText annahmen_;
  JsonText genommen_;
  JsonText bewertung_;
  JsonText karte_;
  bool bereit_ = false;  // a card waits to be taken
  Bildpuffer tag_;
  Bildpuffer nacht_;
};

}  // namespace ausweich

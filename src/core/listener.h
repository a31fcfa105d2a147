#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/frage.h"
#include "core/pflicht.h"
#include "core/signale.h"
#include "core/situation.h"
#include "core/textblock.h"

namespace ausweich {

/// A screen that waits only for the user to go on (Enter at the console).
enum class Halt : std::uint8_t {
  titel,             // the title screen
  info,              // the information on the principle of the analysis
  ende_der_analyse,  // after the verdict: a new encounter follows
  loesung,           // the training's explanation of an encounter
};

/// What a line of the training is, for a face that shows more than lines.
enum class Zeilenart : std::uint8_t {
  text,          // anything else: the introduction, a notice
  lage,          // the heading of an item: "Lage 3 von 10"
  beschreibung,  // one fact of the item's description
  urteil,        // the judgement of the learner's answer: "Richtig: ..."
  auch_richtig,  // a further class that counts as right
  grund,         // why a right class applies: "Grund: ..."
  hinweis,       // where the advisor's lines below say less than the law
  nachspielen,   // the replies that replay the item in the advisor
  ergebnis,      // a line of the score
};

/// Such a screen as a face other than the console shows it: what it is, and
/// its text in proper German (UTF-8), without the console's frames.
struct Pause {
  Halt halt;
  std::string_view titel;
  std::span<const std::string_view> text;
};

/// The two kinds of training item: an encounter described in words, or what
/// A's lookout sees of B.
enum class Uebungsart : std::uint8_t { begegnungen, lichter };

/// A training answer judged: how it stands, the answer chosen and the one the
/// feedback names as right (the chosen one where it is), in words, the topic
/// it counts under, and the item itself, as the kind of training, the seed of
/// its draw and its number there (the same item comes back for them), asked
/// anew or as a repeat.
struct Beurteilung {
  Bewertung bewertung;
  std::string_view gewaehlt;
  std::string_view richtig;
  Thema thema;
  Uebungsart art;
  std::uint64_t seed;
  int nummer;
  bool wiederholung;
};

/// What the analyses and the training tell a face, one event at a time, in
/// the order they happen: the lines they write, what they decide, and what
/// is asked and answered. Every face that shows or keeps something of a run
/// listens: the console's screen, the training's recorder, the web card and
/// the pictures' collector of answers. Each event does nothing unless a
/// listener overrides it; a new event is added here and in the listeners
/// that use it.
class Listener {
 public:
  virtual ~Listener() = default;

  // --- What is written ---------------------------------------------------------

  /// A message line: one blank, the text as it stands, a line end.
  virtual void line(std::string_view) {}
  /// An empty line: a bare line end.
  virtual void empty() {}
  /// A message line of the training's, of the kind given.
  virtual void say(Zeilenart, std::string_view) {}
  /// A screen clear: `n` empty lines.
  virtual void clear(int) {}
  /// Fixed lines written together: the console copies them in one piece, a
  /// face that tells them from the others keeps them apart; by default they
  /// are message lines and empty lines.
  virtual void block(const Textblock& b) {
    zeilenweise(
        b, [this](std::string_view text) { line(text); }, [this] { empty(); });
  }

  // --- What is decided -----------------------------------------------------------

  /// A duty that the lines written around it state, beside the verdict.
  virtual void duty(const Pflicht&) {}
  /// The duty that decides the encounter: once per analysis, inside its
  /// verdict's lines and before any further question.
  virtual void verdict(const Pflicht&) {}
  /// A class of duty that the lines just written state of this encounter,
  /// in the screen's own words, which may be looser than the law: "A darf
  /// das Wegerechtschiff nicht behindern!" states a_darf_b_nicht_behindern,
  /// where the law asks A to keep out of her way.
  virtual void states(Klasse) {}
  /// An assumption that the analysis makes where it asks nothing, as a
  /// sentence in proper German: "B ist im Hauptfahrwasser".
  virtual void assume(std::string_view) {}
  /// A training item about to be asked: the answers that set it up, in the
  /// order its analysis asked them, the bearing drawn, and how A sees B
  /// (all open in the training of encounters; what B shows and the time of
  /// day in the training of lights and shapes). Once the learner has
  /// answered, the duty that decides it follows as the verdict and every
  /// other duty whose class counts as right as a duty.
  virtual void vorlage(std::span<const Angabe>, Peilung, const Ansicht&) {}
  /// The learner's answer to a training item, judged, before the feedback's
  /// lines.
  virtual void judged(const Beurteilung&) {}

  // --- What is asked and answered ----------------------------------------------

  /// A question about to be read, with the default it offers.
  virtual void asking(const Frage&, Code) {}
  /// The answer the question took (the default, where Enter kept it).
  virtual void answered(const Frage&, Code) {}
  /// A screen that waits for Enter, about to be read.
  virtual void waiting(const Pause&) {}
  /// A choice without a default about to be read, and the choice made (0:
  /// the learner ends).
  virtual void choosing(const Frage&) {}
  virtual void chosen(const Frage&, Code) {}
};

/// Several listeners as one: every event goes to each of them, in the order
/// given. A face that listens in several ways forwards here and nowhere else.
class Listeners final : public Listener {
 public:
  /// At most four; null ones are left out.
  Listeners(std::initializer_list<Listener*> listeners);

  void line(std::string_view text) override;
  void empty() override;
  void say(Zeilenart art, std::string_view text) override;
  void clear(int n) override;
  void block(const Textblock& b) override;
  void duty(const Pflicht& p) override;
  void verdict(const Pflicht& p) override;
  void states(Klasse k) override;
  void assume(std::string_view satz) override;
  void vorlage(std::span<const Angabe> angaben, Peilung peilung,
               const Ansicht& ansicht) override;
  void judged(const Beurteilung& b) override;
  void asking(const Frage& f, Code vorschlag) override;
  void answered(const Frage& f, Code code) override;
  void waiting(const Pause& p) override;
  void choosing(const Frage& f) override;
  void chosen(const Frage& f, Code code) override;

 private:
  /// Calls `event` on every listener.
  template <typename Event>
  void an_alle(Event event) {
    for (std::size_t i = 0; i < anzahl_; ++i) event(*liste_[i]);
  }

  std::array<Listener*, 4> liste_{};
  std::size_t anzahl_ = 0;
};

}  // namespace ausweich

#pragma once

#include <span>
#include <string_view>

#include "core/frage.h"
#include "core/situation.h"
#include "core/textblock.h"
#include "core/pflicht.h"

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

/// The dialogue with the skipper, as the analyses and the training see it:
/// they write their lines, ask their questions and report what they decide
/// through it and never touch a stream. Everything a face may show is handed
/// over as data; the console prints the lines and the menus and ignores the
/// rest. The console implements it on a terminal; the training answers the
/// advisor's questions itself and keeps the lines and the reports.
class Dialogue {
 public:
  virtual ~Dialogue() = default;

  /// A message line: one blank, the text as it stands, a line end.
  virtual void line(std::string_view text) = 0;
  /// An empty line: a bare line end.
  virtual void empty() = 0;
  /// A message line of the training's, of the kind `art`; the console writes
  /// it as any other.
  virtual void say(Zeilenart art, std::string_view text) {
    static_cast<void>(art);
    line(text);
  }
  /// A screen clear: `n` empty lines.
  virtual void clear(int n) = 0;
  /// The screen clear between the screens: 30 empty lines.
  void spaces() { clear(30); }
  /// Fixed lines written together: as many message lines and empty lines.
  virtual void block(const Textblock& b) {
    zeilenweise(
        b, [this](std::string_view text) { line(text); }, [this] { empty(); });
  }

  /// Asks `frage`, offering the value of `code` as the default, and stores the
  /// answer, from 1 to `frage.kmax()`, in `code` (the default may stand as it
  /// is, even outside the menu). Does not return when the user ends the
  /// program.
  virtual void ask(const Frage& frage, Code& code) = 0;
  /// Every question is a table that lives as long as the program: a face or
  /// a training run may keep a pointer to it.
  void ask(Frage&&, Code&) = delete;

  /// Waits until the user goes on, at the end of the screen `pause`.
  virtual void wait_enter(const Pause& pause) = 0;

  /// Asks `frage` without a default, as the training asks the learner: returns
  /// the answer from 1 to `frage.kmax()`, or 0 when the learner wants to end.
  virtual Code choose(const Frage& frage) = 0;
  Code choose(Frage&&) = delete;

  /// A duty that the lines written around it state. Reported before any
  /// further question.
  virtual void duty(const Pflicht&) {}

  /// The duty that decides the encounter: reported once by every analysis,
  /// inside its verdict's lines and before any further question.
  virtual void verdict(const Pflicht&) {}

  /// A class of duty that the lines just written state of this encounter,
  /// in the screen's own words, which may be looser than the law: "A darf
  /// das Wegerechtschiff nicht behindern!" states a_darf_b_nicht_behindern,
  /// where the law asks A to keep out of her way. The training draws no item
  /// whose screen states what the law does not.
  virtual void states(Klasse) {}

  /// An assumption that the analysis makes where it asks nothing, as a
  /// sentence in proper German: "B ist im Hauptfahrwasser".
  virtual void assume(std::string_view) {}

  /// A training item about to be asked: the answers that set it up, in the
  /// order its analysis asked them, and the bearing drawn, so that a face can
  /// draw the encounter afresh. Once the learner has answered, the duty that
  /// decides it follows through `verdict` and every other duty whose class
  /// counts as right through `duty`.
  virtual void vorlage(std::span<const Angabe>, Peilung) {}
};

}  // namespace ausweich

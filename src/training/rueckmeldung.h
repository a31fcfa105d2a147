#pragma once

#include <string_view>

#include "core/dialogue.h"
#include "core/textblock.h"
#include "training/aufgabe.h"

namespace ausweich {

// The feedback on the question "who must give way?", as every training run
// gives it after the learner's answer, and the frame lines of its screens.

// The rules and the prompt to go on are the console's frame of a screen, not
// its content: they go out as blocks, which the faces beside the screen do
// not show as lines.
inline constexpr std::string_view kStrich[] = {
    "-----------------------------------------------------",
};
inline constexpr std::string_view kDoppelstrich[] = {
    "=====================================================",
};
inline constexpr std::string_view kWeiter[] = {
    "",
    "                                     [Enter: weiter]",
};

/// The words of a class and its number: "2: B muss ausweichen".
LineBuilder& klasse_nennen(LineBuilder& zeile, Klasse k);

/// A rule's sentence without its full stop, to be followed by its citation.
std::string_view ohne_punkt(std::string_view satz);

/// "Richtig: ...", "Teilweise richtig: ... – A muss sogar ausweichen (...)."
/// or "Falsch (Ihre Wahl: n). Richtig ist m: ...", then every other class
/// that counts.
void urteil(Dialogue& d, const Aufgabe& a, Code antwort);

/// How the answer `antwort` (a class) to `a` stands, the class the feedback
/// names as right, and the topic it counts under; the caller says where the
/// item comes from.
Beurteilung beurteile(const Aufgabe& a, Code antwort);

/// One reason per class that counts, as a skipper cites the rule.
void gruende(Dialogue& d, const Aufgabe& a);

/// Where the advisor's own lines state a duty in looser words than the law
/// (only a weaker duty of the vessel that must give way), the feedback says
/// so before them.
void schwaecher_gesagt(Dialogue& d, const Aufgabe& a);

/// The advisor's own lines, in the sections it wrote them.
void erklaerung(Dialogue& d, const DrawnRun& run);

/// Where rules 14 and 15 apply, the sentence that applies the advisor's
/// general text to the bearing drawn, from the duty they put on it.
void anwendung(Dialogue& d, const Aufgabe& a);

/// The replies that replay the item in the advisor.
void nachspielen(Dialogue& d, const Begegnung& b);

/// All of it after the answer `antwort`, in order: the judgement, the
/// reasons, the note on the advisor's words, its lines, the bearing applied
/// and the replay line.
void rueckmeldung(Dialogue& d, const Aufgabe& a, Code antwort);

}  // namespace ausweich

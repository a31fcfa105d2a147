#include "analysis/waterways_regime.h"

#include <string_view>

#include "analysis/collision_regulations.h"

namespace ausweich {
namespace {

constexpr std::string_view kUrteilKopf =
    "****************** SeeSchStrO ***********************";
constexpr std::string_view kUebergabeKopf =
    "*************** SeeSchStrO **************************";
constexpr std::string_view kFuss =
    "*****************************************************";

/// How the SeeSchStrO ends: with its own verdict, or by referring to the KVR.
enum class Ausgang { kEntschieden, kNachKvr };

/// A verdict under a paragraph (none when `paragraph` is empty).
Ausgang urteil(Dialogue& d, std::string_view paragraph, Code j) {
  d.line(kUrteilKopf);
  if (!paragraph.empty()) d.line(paragraph);
  vorf(d, j);
  return Ausgang::kEntschieden;
}

/// A notice that the vessels give way to each other under the KVR.
Ausgang nach_kvr(Dialogue& d, std::string_view paragraph, std::string_view grund) {
  d.line(kUebergabeKopf);
  d.line(paragraph);
  d.line(grund);
  d.line(kFuss);
  return Ausgang::kNachKvr;
}

/// #2: B restricted in her ability to manoeuvre or constrained by her draught.
void wegerechtschiff(Dialogue& d) {
  d.line("B gilt als manoevrierbehindert (Lichter:R-W-R).");
  d.empty();
  d.line("#2 SeeSchStrO  u.  KVR-Regel #18:");
  d.line("  A darf das Wegerechtschiff nicht behindern!");
  d.line("(Wir gehen davon aus, dass B im Hauptfahrwasser ist).");
}

/// #21 and #22: keep to starboard, with the remarks on who must not impede.
void rechts_halten(Dialogue& d, const Situation& s) {
  d.line(kUrteilKopf);
  d.line("# 21 und 22:");
  d.line("A und B halten scharf rechts, KVR#9");
  if (s.kb1 == 3) d.line("(B als Fischer darf anderes Fzg im FW nicht behindern)");
  if (s.ka1 == 2 || (s.ka1 == 1 && s.ka2 == 1)) {
    d.line("(A darf dabei ein grosses Fahrzeug nicht behindern)");
  }
  if (s.kb1 == 2 || (s.kb1 == 1 && s.kb2 == 1)) {
    d.line("(B darf dabei ein grosses Fahrzeug nicht behindern)");
  }
  d.line(kFuss);
}

/// The decision tree of the SeeSchStrO; the first case that holds decides.
Ausgang entscheide(Dialogue& d, Situation& s) {
  d.line("... also gilt die SeeSchifffahrtsStrassenOrdnung.");
  if (s.kb1 == 6) d.line("Der Tiefgangbehinderte zeigt sich als Wegerechtschiff,");
  if (s.kb1 == 4 || s.kb1 == 6) {
    wegerechtschiff(d);
    return Ausgang::kEntschieden;
  }

  d.clear(4);
  n5afw(d, s.kafw);
  n5bfw(d, s.kbfw);
  n5hnfw(d, s.kafw, s.kbfw, s.khnfw);

  // #25(3): two sailing vessels in a single fairway; one clearly following
  // it has the right of way, otherwise they give way under the KVR.
  if (s.khnfw == 1 && s.ka1 == 2 && s.kb1 == 2) {
    if (s.kafw <= 3 && s.kbfw <= 3) {
      return nach_kvr(
          d, "# 25(3): ", "... also 2 Segler, ausweichen nach KVR ....wie folgt");
    }
    if (s.kafw == 4 && s.kbfw <= 3) return urteil(d, "", 1);
    if (s.kbfw == 4 && s.kafw <= 3) return urteil(d, "", 2);
  }
  // #25(4): the vessel in the main fairway has the right of way.
  if (s.khnfw == 2 || s.khnfw == 3) return urteil(d, "# 25(4):", s.khnfw == 2 ? 2 : 1);
  // #21: neither follows the fairway.
  if (s.kafw <= 2 && s.kbfw <= 2) {
    return nach_kvr(d, "# 21:", "... nicht dem FW folgend, Ausweichen nach KVR");
  }
  // #25(2): the vessel following the fairway has the right of way.
  if (s.kafw >= 3 && s.kbfw <= 2) return urteil(d, "# 25(2):", 1);
  if (s.kbfw >= 3 && s.kafw <= 2) return urteil(d, "# 25(2):", 2);

  // Both follow the fairway.
  n0ueb(d, s.kueb);
  n5ent(d, s.kueb, s.kent);
  n5eng(d, s.kent, s.keng);
  // #23: the overtaking vessel gives way.
  if (s.kueb == 2 || s.kueb == 3) return urteil(d, "# 23:", s.kueb == 2 ? 2 : 1);
  if (s.kent == 2) {
    if (s.ka1 == 2 && s.kb1 == 2 && s.ka3 == s.kb3) {
      d.line("... das duerfte eine Patenthalse geben!");
      d.empty();
    }
    // #25(5): in a narrow passage the vessel going with the current has the right of way.
    if (s.keng == 2 || s.keng == 3) return urteil(d, "# 25(5):", s.keng == 2 ? 1 : 2);
  }
  rechts_halten(d, s);
  return Ausgang::kEntschieden;
}

}  // namespace

void n5afw(Dialogue& d, Code& kafw) {
  d.line("Wie liegt A relativ zum Fahrwasser?");
  d.empty();
  d.line("  1=nicht im FW, 2=im FW, aber nicht folgend");
  d.line("  3=im FW, etwa folgend, 4=im FW, deutlich folgend");
  d.readc(4, kafw);
}

void n5bfw(Dialogue& d, Code& kbfw) {
  d.line("Wie liegt B relativ zum Fahrwasser?");
  d.empty();
  d.line("  1=nicht im FW, 2=im FW, aber nicht folgend");
  d.line("  3=im FW, etwa folgend, 4=im FW, deutlich folgend");
  d.readc(4, kbfw);
}

void n5hnfw(Dialogue& d, Code kafw, Code kbfw, Code& khnfw) {
  if (kafw <= 1 || kbfw <= 1) {
    khnfw = 1;
    return;
  }
  d.line("Gibt es Haupt- und Nebenfahrwasser?");
  d.empty();
  d.line("  1=es gibt nur 1 Fahrwasser ");
  d.line("  2=B im Haupt-, A im Nebenfahrwasser");
  d.line("  3=A im Haupt-, B im Nebenfahrwasser");
  d.readc(3, khnfw);
}

void n0ueb(Dialogue& d, Code& kueb) {
  d.line("Ist einer der beiden A oder B ein Ueberholer ?");
  d.empty();
  d.line("  1=Nein");
  d.line("  2=A ueberholt B");
  d.line("  3=B ueberholt A");
  d.readc(3, kueb);
}

void n5ent(Dialogue& d, Code kueb, Code& kent) {
  if (kueb > 1) {
    kent = 1;
    return;
  }
  d.line("Fahren A und B entgegengesetzte Kurse? ");
  d.empty();
  d.line("  1=Nein   2=JA");
  d.readc(2, kent);
}

void n5eng(Dialogue& d, Code kent, Code& keng) {
  if (kent == 1) return;
  d.line("Gibt es beim Begegnen eine Engstelle ?");
  d.empty();
  d.line("  1=Nein");
  d.line("  2=A faehrt mit (zukuenftiger) Stroemung");
  d.line("     (bzw. haelt die Steuerbord-FW-Seite an)");
  d.line("  3=B faehrt mit (zukuenftiger) Stroemung");
  d.line("     (bzw. haelt die Steuerbord-FW-Seite an)");
  d.readc(3, keng);
}

void vorf(Dialogue& d, Code j) {
  if (j == 1) {
    d.line("A hat Vorfahrt, B ist ausweich- bzw. wartepflichtig");
  } else {
    d.line("B hat Vorfahrt, A ist ausweich- bzw. wartepflichtig");
  }
  d.line(kFuss);
}

void sokvr(Dialogue& d, Code kafw, Code kbfw, Code& kvtg) {
  kvtg = 1;
  if (kafw > 1 && kbfw > 1) {
    kvtg = 2;
    d.line("... beide Schiffe im Fahrwasser.");
    d.empty();
  }
}

void waterways_regime(Dialogue& d, Situation& s, Code& indkvr,
                      VisibilityGuidance& guidance) {
  if (entscheide(d, s) == Ausgang::kEntschieden) return;
  indkvr = 2;
  sokvr(d, s.kafw, s.kbfw, s.kvtg);
  collision_regulations(d, s, indkvr, guidance);
}

}  // namespace ausweich

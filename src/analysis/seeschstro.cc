#include "analysis/seeschstro.h"

#include <string_view>

#include "analysis/gemeinsame_zeilen.h"
#include "analysis/kvr.h"
#include "analysis/ueberholfrage.h"

// Key to the advisor's short names, which this file keeps: n5afw and n5bfw
// ask where A and B lie to the fairway ("Fahrwasser"), n5hnfw asks for a main
// and a secondary fairway ("Haupt-/Nebenfahrwasser"), n5ent for opposite
// courses ("entgegengesetzt"), n5eng for a narrow passage ("Engstelle"); vorf
// writes the right-of-way verdict ("Vorfahrt") for j, 1 for A, 2 for B; sokvr
// hands over to the KVR ("sonst KVR") and sets kvtg. The codes k... are the
// record's (situation.h).

namespace ausweich {
namespace {

constexpr std::string_view kUrteilKopf =
    "****************** SeeSchStrO ***********************";
constexpr std::string_view kUebergabeKopf =
    "*************** SeeSchStrO **************************";
constexpr std::string_view kFuss =
    "*****************************************************";

// --- The questions ------------------------------------------------------------

constexpr std::string_view kFahrwasserlageMenue[] = {
    kNichtImFwNichtFolgend,
    "  3=im FW, etwa folgend, 4=im FW, deutlich folgend",
};

constexpr Antwort kFahrwasserlage[] = {
    kNichtImFw,
    kImFwNichtFolgend,
    {im_fw_folgend, "im Fahrwasser, folgt ihm ungefähr",
     "ist im Fahrwasser und folgt ihm ungefähr, nicht deutlich"},
    {im_fw_deutlich_folgend, "im Fahrwasser, folgt ihm deutlich",
     "ist im Fahrwasser und folgt ihm deutlich"},
};
static_assert(in_reihe(kFahrwasserlage));

constexpr auto kFahrwasserlageFrage =
    fahrwasserlage_fragen(kFahrwasserlageMenue, kFahrwasserlage);

constexpr std::string_view kHauptfahrwasserMenue[] = {
    "  1=es gibt nur 1 Fahrwasser ",
    "  2=B im Haupt-, A im Nebenfahrwasser",
    "  3=A im Haupt-, B im Nebenfahrwasser",
};

constexpr Antwort kHauptfahrwasser[] = {
    {nur_ein_fw, "nur ein Fahrwasser", "Es gibt nur ein Fahrwasser"},
    {b_im_hauptfw, "B im Haupt-, A im Nebenfahrwasser",
     "B ist im Hauptfahrwasser, A im Nebenfahrwasser"},
    {a_im_hauptfw, "A im Haupt-, B im Nebenfahrwasser",
     "A ist im Hauptfahrwasser, B im Nebenfahrwasser"},
};
static_assert(in_reihe(kHauptfahrwasser));

constexpr std::string_view kGegenkurseMenue[] = {
    "  1=Nein   2=JA",
};

constexpr Antwort kGegenkurse[] = {
    {keine_gegenkurse, "Nein", "A und B fahren keine entgegengesetzten Kurse"},
    {gegenkurse, "Ja", "A und B fahren entgegengesetzte Kurse"},
};
static_assert(in_reihe(kGegenkurse));

constexpr std::string_view kEngstelleMenue[] = {
    "  1=Nein",
    "  2=A faehrt mit (zukuenftiger) Stroemung",
    "     (bzw. haelt die Steuerbord-FW-Seite an)",
    "  3=B faehrt mit (zukuenftiger) Stroemung",
    "     (bzw. haelt die Steuerbord-FW-Seite an)",
};

constexpr Antwort kEngstelle[] = {
    {keine_engstelle, "Nein", "A und B begegnen sich nicht an einer Engstelle"},
    {a_mit_stroemung, "A fährt mit der Strömung",
     "An einer Engstelle, die nicht für beide zugleich Raum bietet, fährt A mit dem "
     "Strom"},
    {b_mit_stroemung, "B fährt mit der Strömung",
     "An einer Engstelle, die nicht für beide zugleich Raum bietet, fährt B mit dem "
     "Strom"},
};
static_assert(in_reihe(kEngstelle));

constexpr Frage kHauptfahrwasserFrage = {
    &Situation::khnfw, "Gibt es Haupt- und Nebenfahrwasser?", kHauptfahrwasserMenue,
    kHauptfahrwasser, "Gibt es ein Haupt- und ein Nebenfahrwasser?"};

constexpr Frage kGegenkurseFrage = {
    &Situation::kent, "Fahren A und B entgegengesetzte Kurse? ", kGegenkurseMenue,
    kGegenkurse, "Fahren A und B entgegengesetzte Kurse?"};

constexpr Frage kEngstelleFrage = {
    &Situation::keng, "Gibt es beim Begegnen eine Engstelle ?", kEngstelleMenue,
    kEngstelle, "Begegnen sich A und B an einer Engstelle?"};

/// Where A (`n5afw`) or B (`n5bfw`) lies relative to the fairway.
void n5fw(Dialogue& d, Schiff schiff, Code& code) {
  d.ask(kFahrwasserlageFrage[nach_schiff(schiff)], code);
}

/// Main and secondary fairway, asked only when both vessels are in one.
void n5hnfw(Dialogue& d, Code kafw, Code kbfw, Code& khnfw) {
  if (kafw <= nicht_im_fw || kbfw <= nicht_im_fw) {
    khnfw = nur_ein_fw;
    return;
  }
  d.ask(kHauptfahrwasserFrage, khnfw);
}

/// Opposite courses, asked only when neither overtakes.
void n5ent(Dialogue& d, Code kueb, Code& kent) {
  if (kueb > keiner_ueberholt) {
    kent = keine_gegenkurse;
    return;
  }
  d.ask(kGegenkurseFrage, kent);
}

/// A narrow passage, asked only on opposite courses.
void n5eng(Dialogue& d, Code kent, Code& keng) {
  if (kent == keine_gegenkurse) return;
  d.ask(kEngstelleFrage, keng);
}

// --- The verdicts -------------------------------------------------------------

/// The vessel that has the right of way.
enum Vorfahrt : Code {
  a_hat_vorfahrt = 1,
  b_hat_vorfahrt = 2,
};

/// The right-of-way verdict: `j` a_hat_vorfahrt gives A the right of way,
/// anything else B.
void vorf(Dialogue& d, Code j) {
  if (j == a_hat_vorfahrt) {
    d.line("A hat Vorfahrt, B ist ausweich- bzw. wartepflichtig");
  } else {
    d.line("B hat Vorfahrt, A ist ausweich- bzw. wartepflichtig");
  }
  d.line(kFuss);
}

/// A paragraph that gives one vessel the right of way: its line on the screen
/// (none when empty) and the rule that puts the duty on the other vessel.
struct Paragraph {
  std::string_view zeile;
  Regel regel;
};

/// How the SeeSchStrO ends: with its own verdict, or by referring to the KVR.
enum class Ausgang { kEntschieden, kNachKvr };

/// A verdict under a paragraph: the vessel without the right of way gives
/// way or waits.
Ausgang urteil(Dialogue& d, const Paragraph& p, Code j) {
  const Schiff wartet = j == a_hat_vorfahrt ? Schiff::b : Schiff::a;
  d.line(kUrteilKopf);
  if (!p.zeile.empty()) d.line(p.zeile);
  d.verdict({p.regel, wartet});
  vorf(d, j);
  d.states(muss_ausweichen(wartet));
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

/// Where the vessel that `fw` places lies when she does not follow the
/// fairway: the move that § 25 Abs. 2 turns on.
std::string_view ohne_fahrwasserverlauf(Schiff s, Code fw) {
  constexpr std::string_view kSaetze[][2] = {
      {"A läuft in das Fahrwasser ein", "A quert das Fahrwasser"},
      {"B läuft in das Fahrwasser ein", "B quert das Fahrwasser"},
  };
  return kSaetze[nach_schiff(s)][fw == nicht_im_fw ? 0 : 1];
}

/// §2: B restricted in her ability to manoeuvre, or constrained by her
/// draught and so shown as a vessel with the right of way (a Wegerechtschiff,
/// which counts as restricted in her ability to manoeuvre): A keeps out of
/// her way by KVR Regel 18 a) ii) or b) ii), which outside the fairway hold
/// in full. The screen says only that A must not impede her.
Ausgang wegerechtschiff(Dialogue& d, const Situation& s) {
  const bool segler_a = s.ka1 == segler;
  Regel regel = segler_a ? Regel::kvr_18_b_ii : Regel::kvr_18_a_ii;
  if (s.kb1 == tiefgangbehindert) {
    regel = segler_a ? Regel::see_2_13_b : Regel::see_2_13_a;
    d.line("Der Tiefgangbehinderte zeigt sich als Wegerechtschiff,");
    d.assume("B zeigt sich als Wegerechtschiff");
  }
  d.verdict({regel, Schiff::a});
  d.line("B gilt als manoevrierbehindert (Lichter:R-W-R).");
  d.empty();
  d.line("#2 SeeSchStrO  u.  KVR-Regel #18:");
  d.line("  A darf das Wegerechtschiff nicht behindern!");
  d.states(Klasse::a_darf_b_nicht_behindern);
  d.assume("B ist im Hauptfahrwasser");
  d.assume("A ist außerhalb des Fahrwassers");
  d.line("(Wir gehen davon aus, dass B im Hauptfahrwasser ist).");
  return Ausgang::kEntschieden;
}

/// The remark beside keeping to starboard that a small vessel must not
/// impede a large one: a duty towards the other vessel (KVR Regel 9 b)) only
/// where she is one that can navigate safely only within the fairway.
void klein_gegen_gross(Dialogue& d, Schiff klein, bool anderes_gross) {
  if (klein == Schiff::a) {
    d.line("(A darf dabei ein grosses Fahrzeug nicht behindern)");
  } else {
    d.line("(B darf dabei ein grosses Fahrzeug nicht behindern)");
  }
  if (!anderes_gross) return;
  d.duty({Regel::kvr_9_b, klein});
  nur_im_fahrwasser_sicher(d, anderes(klein));
  d.states(darf_nicht_behindern(klein));
}

/// The verdict of keeping to starboard: both keep to the starboard side of
/// the fairway (KVR Regel 9 a), for a fairway counts as a narrow channel), and
/// on opposite courses each alters to starboard (§ 24 Abs. 1), which is what
/// the encounter turns on. A vessel not under command can do neither: A
/// keeps out of her way (Regel 18 a) i) or b) i)), as nothing in § 25 sets
/// that aside when they meet.
void rechts_halten_urteil(Dialogue& d, const Situation& s) {
  if (s.kb1 == manoevrierunfaehig) {
    d.verdict({s.ka1 == segler ? Regel::kvr_18_b_i : Regel::kvr_18_a_i, Schiff::a});
    return;
  }
  if (s.kent != gegenkurse) {
    d.verdict({Regel::kvr_9_a, Schiff::beide});
    return;
  }
  d.verdict({Regel::see_24_1, Schiff::beide});
  d.duty({Regel::kvr_9_a, Schiff::beide});
}

/// §21 and §22: keep to starboard, with the remarks on who must not impede.
Ausgang rechts_halten(Dialogue& d, const Situation& s) {
  d.line(kUrteilKopf);
  rechts_halten_urteil(d, s);
  d.line("# 21 und 22:");
  d.line("A und B halten scharf rechts, KVR#9");
  d.states(Klasse::beide_fahren_rechts);
  if (s.kb1 == fischend) {
    d.line("(B als Fischer darf anderes Fzg im FW nicht behindern)");
    d.duty({Regel::kvr_9_c, Schiff::b});
    d.states(Klasse::b_darf_a_nicht_behindern);
  }
  if (klein(s.ka1, s.ka2)) {
    klein_gegen_gross(d, Schiff::a, nur_im_fahrwasser_sicher(s.kb1, s.kb2));
  }
  if (klein(s.kb1, s.kb2)) {
    klein_gegen_gross(d, Schiff::b, nur_im_fahrwasser_sicher(s.ka1, s.ka2));
  }
  d.line(kFuss);
  return Ausgang::kEntschieden;
}

bool folgt(Code fw) {
  return fw >= im_fw_folgend;
}

/// §25(3): two sailing vessels in a single fairway. One clearly following it
/// has the right of way over the other; when neither does, they give way to
/// each other under the KVR. Both clearly following goes on to the next steps.
bool zwei_segler_in_einem_fw(const Situation& s) {
  return s.khnfw == nur_ein_fw && s.ka1 == segler && s.kb1 == segler &&
         !(s.kafw == im_fw_deutlich_folgend && s.kbfw == im_fw_deutlich_folgend);
}

/// The sailing vessel that clearly follows the fairway has the right of way
/// over one that enters or crosses it (§ 25 Abs. 2), and over one in it that
/// does not clearly follow it (Abs. 2 with Abs. 3); `andere` is where the
/// other one, `wartet`, lies.
Ausgang deutlich_folgend(Dialogue& d, Schiff wartet, Code andere) {
  if (!folgt(andere)) d.assume(ohne_fahrwasserverlauf(wartet, andere));
  const Paragraph p = {"", folgt(andere) ? Regel::see_25_2_3 : Regel::see_25_2};
  return urteil(d, p, wartet == Schiff::b ? a_hat_vorfahrt : b_hat_vorfahrt);
}

Ausgang zwei_segler(Dialogue& d, const Situation& s) {
  if (s.kafw == im_fw_deutlich_folgend) return deutlich_folgend(d, Schiff::b, s.kbfw);
  if (s.kbfw == im_fw_deutlich_folgend) return deutlich_folgend(d, Schiff::a, s.kafw);
  return nach_kvr(d, "# 25(3): ", "... also 2 Segler, ausweichen nach KVR ....wie folgt");
}

constexpr Paragraph kP23 = {"# 23:", Regel::see_23};
constexpr Paragraph kP25Abs5 = {"# 25(5):", Regel::see_25_5};

/// The vessel named first has the right of way when `code` is `a_wert`, the
/// other when it is `b_wert`; false when neither.
bool vorfahrt_nach(Code code, Code a_wert, Code b_wert, Code& j) {
  if (code != a_wert && code != b_wert) return false;
  j = code == a_wert ? a_hat_vorfahrt : b_hat_vorfahrt;
  return true;
}

/// Both follow the fairway: overtaking, then opposite courses in a narrow
/// passage, else both keep to starboard.
Ausgang beide_folgen(Dialogue& d, Situation& s) {
  n0ueb(d, s.kueb);
  n5ent(d, s.kueb, s.kent);
  n5eng(d, s.kent, s.keng);
  Code j = a_hat_vorfahrt;
  // §23: the overtaking vessel gives way.
  if (vorfahrt_nach(s.kueb, b_ueberholt_a, a_ueberholt_b, j)) {
    return urteil(d, kP23, j);
  }
  if (s.kent == gegenkurse) {
    if (s.ka1 == segler && s.kb1 == segler && s.ka3 == s.kb3) {
      d.line("... das duerfte eine Patenthalse geben!");
      d.empty();
    }
    // §25(5): in a narrow passage the vessel going with the current has the
    // right of way.
    if (vorfahrt_nach(s.keng, a_mit_stroemung, b_mit_stroemung, j)) {
      return urteil(d, kP25Abs5, j);
    }
  }
  return rechts_halten(d, s);
}

constexpr Paragraph kP25Abs4 = {"# 25(4):", Regel::see_25_4};
constexpr Paragraph kP25Abs2 = {"# 25(2):", Regel::see_25_2};

/// § 25 Abs. 4 speaks of a vessel that enters the fairway from a branching
/// or joining one: the vessel in the secondary fairway is taken to do so.
void aus_dem_nebenfahrwasser(Dialogue& d, Code khnfw) {
  d.assume(khnfw == b_im_hauptfw
               ? "A läuft aus dem Nebenfahrwasser in das Hauptfahrwasser ein"
               : "B läuft aus dem Nebenfahrwasser in das Hauptfahrwasser ein");
}

/// The decision tree of the SeeSchStrO; the first case that holds decides.
Ausgang entscheide(Dialogue& d, Situation& s) {
  d.line("... also gilt die SeeSchifffahrtsStrassenOrdnung.");
  if (s.kb1 == manoevrierbehindert || s.kb1 == tiefgangbehindert) {
    return wegerechtschiff(d, s);
  }

  d.clear(4);
  n5fw(d, Schiff::a, s.kafw);  // n5afw
  n5fw(d, Schiff::b, s.kbfw);  // n5bfw
  n5hnfw(d, s.kafw, s.kbfw, s.khnfw);

  if (zwei_segler_in_einem_fw(s)) return zwei_segler(d, s);
  Code j = a_hat_vorfahrt;
  // §25(4): the vessel in the main fairway has the right of way.
  if (vorfahrt_nach(s.khnfw, a_im_hauptfw, b_im_hauptfw, j)) {
    aus_dem_nebenfahrwasser(d, s.khnfw);
    return urteil(d, kP25Abs4, j);
  }
  // §21: neither follows the fairway.
  if (!folgt(s.kafw) && !folgt(s.kbfw)) {
    return nach_kvr(d, "# 21:", "... nicht dem FW folgend, Ausweichen nach KVR");
  }
  // §25(2): the vessel following the fairway has the right of way.
  if (!folgt(s.kbfw)) {
    d.assume(ohne_fahrwasserverlauf(Schiff::b, s.kbfw));
    return urteil(d, kP25Abs2, a_hat_vorfahrt);
  }
  if (!folgt(s.kafw)) {
    d.assume(ohne_fahrwasserverlauf(Schiff::a, s.kafw));
    return urteil(d, kP25Abs2, b_hat_vorfahrt);
  }
  return beide_folgen(d, s);
}

/// At the hand-over: the fairway situation for the KVR path, fahrwasser when
/// both vessels are in the fairway, otherwise freier_seeraum.
void sokvr(Dialogue& d, Code kafw, Code kbfw, Code& kvtg) {
  kvtg = freier_seeraum;
  if (kafw > nicht_im_fw && kbfw > nicht_im_fw) {
    kvtg = fahrwasser;
    d.line("... beide Schiffe im Fahrwasser.");
    d.empty();
  }
}

}  // namespace

void seeschstro(Dialogue& d, Situation& s, Code& indkvr, Nebelhinweise& guidance) {
  if (entscheide(d, s) == Ausgang::kEntschieden) return;
  indkvr = ueber_seeschstro;
  sokvr(d, s.kafw, s.kbfw, s.kvtg);
  kvr(d, s, indkvr, guidance);
}

}  // namespace ausweich

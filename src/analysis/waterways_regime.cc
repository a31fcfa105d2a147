#include "analysis/waterways_regime.h"

#include <string_view>

#include "analysis/collision_regulations.h"
#include "analysis/common_lines.h"

namespace ausweich {
namespace {

constexpr std::string_view kUrteilKopf =
    "****************** SeeSchStrO ***********************";
constexpr std::string_view kUebergabeKopf =
    "*************** SeeSchStrO **************************";
constexpr std::string_view kFuss =
    "*****************************************************";

constexpr std::string_view kFahrwasserlageMenue[] = {
    kNichtImFwNichtFolgend,
    "  3=im FW, etwa folgend, 4=im FW, deutlich folgend",
};

constexpr std::string_view kHauptfahrwasserMenue[] = {
    "  1=es gibt nur 1 Fahrwasser ",
    "  2=B im Haupt-, A im Nebenfahrwasser",
    "  3=A im Haupt-, B im Nebenfahrwasser",
};

constexpr std::string_view kUeberholerMenue[] = {
    "  1=Nein",
    "  2=A ueberholt B",
    "  3=B ueberholt A",
};

constexpr std::string_view kGegenkurseMenue[] = {
    "  1=Nein   2=JA",
};

constexpr std::string_view kEngstelleMenue[] = {
    "  1=Nein",
    "  2=A faehrt mit (zukuenftiger) Stroemung",
    "     (bzw. haelt die Steuerbord-FW-Seite an)",
    "  3=B faehrt mit (zukuenftiger) Stroemung",
    "     (bzw. haelt die Steuerbord-FW-Seite an)",
};

/// How the SeeSchStrO ends: with its own verdict, or by referring to the KVR.
enum class Ausgang { kEntschieden, kNachKvr };

/// A verdict under a paragraph (no paragraph line when `paragraph` is empty);
/// `regel` names it for the report.
Ausgang urteil(Dialogue& d, std::string_view paragraph, Code j, std::string_view regel) {
  d.line(kUrteilKopf);
  if (!paragraph.empty()) d.line(paragraph);
  d.verdict({j == a_hat_vorfahrt ? Pflicht::b_weicht_aus : Pflicht::a_weicht_aus, regel});
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

/// #2: B restricted in her ability to manoeuvre or constrained by her
/// draught shows herself as a vessel with the right of way.
Ausgang wegerechtschiff(Dialogue& d, Code kb1) {
  d.verdict({Pflicht::a_darf_b_nicht_behindern, "SeeSchStrO # 2 und KVR Regel 18"});
  if (kb1 == tiefgangbehindert) {
    d.line("Der Tiefgangbehinderte zeigt sich als Wegerechtschiff,");
  }
  d.line("B gilt als manoevrierbehindert (Lichter:R-W-R).");
  d.empty();
  d.line("#2 SeeSchStrO  u.  KVR-Regel #18:");
  d.line("  A darf das Wegerechtschiff nicht behindern!");
  d.line("(Wir gehen davon aus, dass B im Hauptfahrwasser ist).");
  return Ausgang::kEntschieden;
}

/// #21 and #22: keep to starboard, with the remarks on who must not impede.
Ausgang rechts_halten(Dialogue& d, const Situation& s) {
  d.line(kUrteilKopf);
  d.verdict({Pflicht::beide_halten_rechts, "SeeSchStrO # 21 und 22"});
  d.line("# 21 und 22:");
  d.line("A und B halten scharf rechts, KVR#9");
  if (s.kb1 == fischend) d.line("(B als Fischer darf anderes Fzg im FW nicht behindern)");
  if (klein(s.ka1, s.ka2)) d.line("(A darf dabei ein grosses Fahrzeug nicht behindern)");
  if (klein(s.kb1, s.kb2)) d.line("(B darf dabei ein grosses Fahrzeug nicht behindern)");
  d.line(kFuss);
  return Ausgang::kEntschieden;
}

bool folgt(Code fw) {
  return fw >= im_fw_folgend;
}

/// #25(3): two sailing vessels in a single fairway. One clearly following it
/// has the right of way over the other; when neither does, they give way to
/// each other under the KVR. Both clearly following goes on to the next steps.
bool zwei_segler_in_einem_fw(const Situation& s) {
  return s.khnfw == nur_ein_fw && s.ka1 == segler && s.kb1 == segler &&
         !(s.kafw == im_fw_deutlich_folgend && s.kbfw == im_fw_deutlich_folgend);
}

Ausgang zwei_segler(Dialogue& d, const Situation& s) {
  constexpr std::string_view kRegel = "SeeSchStrO # 25(3)";
  if (s.kafw == im_fw_deutlich_folgend) return urteil(d, "", a_hat_vorfahrt, kRegel);
  if (s.kbfw == im_fw_deutlich_folgend) return urteil(d, "", b_hat_vorfahrt, kRegel);
  return nach_kvr(d, "# 25(3): ", "... also 2 Segler, ausweichen nach KVR ....wie folgt");
}

/// Both follow the fairway: overtaking, then opposite courses in a narrow
/// passage, else both keep to starboard.
Ausgang beide_folgen(Dialogue& d, Situation& s) {
  n0ueb(d, s.kueb);
  n5ent(d, s.kueb, s.kent);
  n5eng(d, s.kent, s.keng);
  // #23: the overtaking vessel gives way.
  if (s.kueb == a_ueberholt_b)
    return urteil(d, "# 23:", b_hat_vorfahrt, "SeeSchStrO # 23");
  if (s.kueb == b_ueberholt_a)
    return urteil(d, "# 23:", a_hat_vorfahrt, "SeeSchStrO # 23");
  if (s.kent == gegenkurse) {
    if (s.ka1 == segler && s.kb1 == segler && s.ka3 == s.kb3) {
      d.line("... das duerfte eine Patenthalse geben!");
      d.empty();
    }
    // #25(5): in a narrow passage the vessel going with the current has the
    // right of way.
    constexpr std::string_view kRegel = "SeeSchStrO # 25(5)";
    if (s.keng == a_mit_stroemung) return urteil(d, "# 25(5):", a_hat_vorfahrt, kRegel);
    if (s.keng == b_mit_stroemung) return urteil(d, "# 25(5):", b_hat_vorfahrt, kRegel);
  }
  return rechts_halten(d, s);
}

/// The decision tree of the SeeSchStrO; the first case that holds decides.
Ausgang entscheide(Dialogue& d, Situation& s) {
  d.line("... also gilt die SeeSchifffahrtsStrassenOrdnung.");
  if (s.kb1 == manoevrierbehindert || s.kb1 == tiefgangbehindert) {
    return wegerechtschiff(d, s.kb1);
  }

  d.clear(4);
  n5afw(d, s.kafw);
  n5bfw(d, s.kbfw);
  n5hnfw(d, s.kafw, s.kbfw, s.khnfw);

  if (zwei_segler_in_einem_fw(s)) return zwei_segler(d, s);
  // #25(4): the vessel in the main fairway has the right of way.
  constexpr std::string_view kHauptFw = "SeeSchStrO # 25(4)";
  if (s.khnfw == b_im_hauptfw) return urteil(d, "# 25(4):", b_hat_vorfahrt, kHauptFw);
  if (s.khnfw == a_im_hauptfw) return urteil(d, "# 25(4):", a_hat_vorfahrt, kHauptFw);
  // #21: neither follows the fairway.
  if (!folgt(s.kafw) && !folgt(s.kbfw)) {
    return nach_kvr(d, "# 21:", "... nicht dem FW folgend, Ausweichen nach KVR");
  }
  // #25(2): the vessel following the fairway has the right of way.
  constexpr std::string_view kFolgend = "SeeSchStrO # 25(2)";
  if (!folgt(s.kbfw)) return urteil(d, "# 25(2):", a_hat_vorfahrt, kFolgend);
  if (!folgt(s.kafw)) return urteil(d, "# 25(2):", b_hat_vorfahrt, kFolgend);
  return beide_folgen(d, s);
}

}  // namespace

void n5afw(Dialogue& d, Code& kafw) {
  d.ask({kWieLiegtAImFw, kFahrwasserlageMenue, im_fw_deutlich_folgend}, kafw);
}

void n5bfw(Dialogue& d, Code& kbfw) {
  d.ask({kWieLiegtBImFw, kFahrwasserlageMenue, im_fw_deutlich_folgend}, kbfw);
}

void n5hnfw(Dialogue& d, Code kafw, Code kbfw, Code& khnfw) {
  if (kafw <= nicht_im_fw || kbfw <= nicht_im_fw) {
    khnfw = nur_ein_fw;
    return;
  }
  d.ask({"Gibt es Haupt- und Nebenfahrwasser?", kHauptfahrwasserMenue, a_im_hauptfw},
        khnfw);
}

void n0ueb(Dialogue& d, Code& kueb) {
  d.ask(
      {"Ist einer der beiden A oder B ein Ueberholer ?", kUeberholerMenue, b_ueberholt_a},
      kueb);
}

void n5ent(Dialogue& d, Code kueb, Code& kent) {
  if (kueb > keiner_ueberholt) {
    kent = keine_gegenkurse;
    return;
  }
  d.ask({"Fahren A und B entgegengesetzte Kurse? ", kGegenkurseMenue, gegenkurse}, kent);
}

void n5eng(Dialogue& d, Code kent, Code& keng) {
  if (kent == keine_gegenkurse) return;
  d.ask({"Gibt es beim Begegnen eine Engstelle ?", kEngstelleMenue, b_mit_stroemung},
        keng);
}

void vorf(Dialogue& d, Code j) {
  if (j == a_hat_vorfahrt) {
    d.line("A hat Vorfahrt, B ist ausweich- bzw. wartepflichtig");
  } else {
    d.line("B hat Vorfahrt, A ist ausweich- bzw. wartepflichtig");
  }
  d.line(kFuss);
}

void sokvr(Dialogue& d, Code kafw, Code kbfw, Code& kvtg) {
  kvtg = freier_seeraum;
  if (kafw > nicht_im_fw && kbfw > nicht_im_fw) {
    kvtg = fahrwasser;
    d.line("... beide Schiffe im Fahrwasser.");
    d.empty();
  }
}

void waterways_regime(Dialogue& d, Situation& s, Code& indkvr,
                      VisibilityGuidance& guidance) {
  if (entscheide(d, s) == Ausgang::kEntschieden) return;
  indkvr = ueber_seeschstro;
  sokvr(d, s.kafw, s.kbfw, s.kvtg);
  collision_regulations(d, s, indkvr, guidance);
}

}  // namespace ausweich

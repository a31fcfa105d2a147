#include "analysis/fahrwasserregeln.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "analysis/gemeinsame_zeilen.h"

// Key to the advisor's short names, which this file keeps: vtg asks for the
// fairway situation ("Verkehrstrennungsgebiet" among the answers), n6afw and
// n6bfw where A and B lie to the fairway, n6avt and n6bvt to the traffic lane
// ("Verkehrstrennung"); kleina and kleinb say whether A and B count as small.
// The codes k... are the record's (situation.h).

namespace ausweich {
namespace {

// --- The questions ------------------------------------------------------------

constexpr std::string_view kFahrwassersituationMenue[] = {
    "  1=freier Seeraum, 2=Fahrwasser, ",
    "  3=Verkehrstrennungsgebiet (VTG)",
    "",
    "(Es gelten jetzt die Regeln nach KVR)",
};

constexpr Antwort kFahrwassersituation[] = {
    {freier_seeraum, "freier Seeraum", "Freier Seeraum"},
    {fahrwasser, "enges Fahrwasser", "In einem engen Fahrwasser"},
    {verkehrstrennungsgebiet, "Verkehrstrennungsgebiet (VTG)",
     "Im Bereich eines Verkehrstrennungsgebiets"},
};
static_assert(in_reihe(kFahrwassersituation));

constexpr std::string_view kFahrwasserlageMenue[] = {
    kNichtImFwNichtFolgend,
    "  3=im FW, folgend",
};

constexpr Antwort kFahrwasserlage[] = {
    kNichtImFw,
    kImFwNichtFolgend,
    {im_fw_folgend, "im Fahrwasser, folgt ihm", "ist im Fahrwasser und folgt ihm"},
};
static_assert(in_reihe(kFahrwasserlage));

constexpr auto kFahrwasserlageFrage =
    fahrwasserlage_fragen(kFahrwasserlageMenue, kFahrwasserlage);

constexpr std::string_view kEinbahnweglageMenue[] = {
    "  1=nicht im VTG, 2=querend,",
    "  3=im Einbahnweg, folgend",
};

constexpr Antwort kEinbahnweglage[] = {
    {nicht_im_vtg, "nicht im VTG", "fährt außerhalb der Einbahnwege"},
    {querend, "quert den Einbahnweg", "quert den Einbahnweg"},
    {im_einbahnweg_folgend, "im Einbahnweg, folgt ihm",
     "ist im Einbahnweg und folgt ihm"},
};
static_assert(in_reihe(kEinbahnweglage));

constexpr Frage kFahrwassersituationFrage = {
    &Situation::kvtg, "Welche Fahrwassersituation liegt vor?", kFahrwassersituationMenue,
    kFahrwassersituation, "Welche Fahrwassersituation liegt vor?"};

constexpr Frage kEinbahnweglageFrage[] = {
    {&Situation::kavt, "Wie liegt A relativ zum Einbahnweg?", kEinbahnweglageMenue,
     kEinbahnweglage, "Wie liegt A zum Einbahnweg?", Schiff::a},
    {&Situation::kbvt, "Wie liegt B relativ zum Einbahnweg?", kEinbahnweglageMenue,
     kEinbahnweglage, "Wie liegt B zum Einbahnweg?", Schiff::b},
};

void vtg(Dialogue& d, Code& kvtg) {
  d.ask(kFahrwassersituationFrage, kvtg);
}

/// Where A (`n6afw`) or B (`n6bfw`) lies relative to the fairway.
void n6fw(Dialogue& d, Schiff schiff, Code& code) {
  d.ask(kFahrwasserlageFrage[nach_schiff(schiff)], code);
}

/// Where A (`n6avt`) or B (`n6bvt`) lies relative to the traffic lane.
void n6vt(Dialogue& d, Schiff schiff, Code& code) {
  d.ask(kEinbahnweglageFrage[nach_schiff(schiff)], code);
}

// --- The rule tables ----------------------------------------------------------

/// The codes one row of a rule table looks at, with the small-vessel flags
/// `kleina` and `kleinb` worked out.
struct Stellung {
  Code ka1, kb1;
  Code a, b;  // position of A and of B: fairway codes for rule 9, lane codes for rule 10
  bool kleina, kleinb;
};

Stellung stellung(const Situation& s, Code a, Code b) {
  return {s.ka1, s.kb1, a, b, klein(s.ka1, s.ka2), klein(s.kb1, s.kb2)};
}

/// The duties that the law puts on the two vessels where a row applies:
/// none, one, or one on each.
struct Pflichten {
  std::array<Pflicht, 2> liste{};
  std::size_t anzahl = 0;

  /// Adds {regel, schiff} where `gilt`.
  Pflichten& und(bool gilt, Regel regel, Schiff schiff) {
    if (gilt) liste[anzahl++] = {regel, schiff};
    return *this;
  }
};

/// A row of a rule table: its condition, its verdict line (empty: none) and
/// the class of duty that line states, and the duties that the law puts on
/// the vessels where the row applies (the line may say more than the law, or
/// less). Where the line takes a fact for granted that the questions leave
/// open, `annahme` says it.
struct Regelzeile {
  bool (*gilt)(const Stellung&);
  std::string_view urteil;
  Klasse sagt = Klasse::keine;
  Pflichten (*pflichten)(const Stellung&) = nullptr;
  const char* (*annahme)(const Stellung&) = nullptr;
};

constexpr std::string_view kFischer = "Fischendes Fzg. B darf A nicht behindern.";
constexpr std::string_view kANichtBehindern = "A darf B nicht behindern.";
constexpr std::string_view kBNichtBehindern = "B darf A nicht behindern.";
constexpr std::string_view kKvr = "A und B weichen untereinander nach KVR aus.";

bool beide_im_fw(const Stellung& l) {
  return l.a >= im_fw_nicht_folgend && l.b >= im_fw_nicht_folgend;
}
bool beide_folgend(const Stellung& l) {
  return l.a == im_einbahnweg_folgend && l.b == im_einbahnweg_folgend;
}

/// Whether A (or B) is a vessel that KVR Regel 9 b) and d) protect.
bool a_geschuetzt_9(const Stellung& l) {
  return !l.kleina && l.ka1 != fischend;
}
bool b_geschuetzt_9(const Stellung& l) {
  return !l.kleinb && l.kb1 != fischend;
}

/// Whether A (or B) is a power-driven vessel, which KVR Regel 10 j) protects
/// where she follows a lane; a vessel constrained by her draught is one.
bool a_maschine(const Stellung& l) {
  return l.ka1 == maschinenfahrzeug;
}
bool b_maschine(const Stellung& l) {
  return l.kb1 == maschinenfahrzeug || l.kb1 == tiefgangbehindert;
}

/// The duty {regel, schiff} where `gilt`.
Pflichten wenn(bool gilt, Regel regel, Schiff schiff) {
  return Pflichten().und(gilt, regel, schiff);
}

// Rule 9, narrow channels: a, b are kafw, kbfw.
constexpr Regelzeile kRegel9[] = {
    /* 9.1 */
    {[](const Stellung& l) { return beide_im_fw(l) && l.kb1 == fischend; }, kFischer,
     Klasse::b_darf_a_nicht_behindern,
     [](const Stellung&) { return wenn(true, Regel::kvr_9_c, Schiff::b); }},
    /* 9.2 */
    {[](const Stellung& l) {
       return beide_im_fw(l) && l.kleina && l.kb1 != segler && l.b == im_fw_folgend &&
              !l.kleinb;
     },
     kANichtBehindern, Klasse::a_darf_b_nicht_behindern,
     [](const Stellung& l) {
       return wenn(b_geschuetzt_9(l), Regel::kvr_9_b, Schiff::a);
     }},
    /* 9.3 */
    {[](const Stellung& l) {
       return beide_im_fw(l) && l.kleina && l.kb1 != segler && l.b == im_fw_folgend &&
              l.kleinb;
     },
     ""},
    /* 9.4 */
    {[](const Stellung& l) {
       return beide_im_fw(l) && l.kleinb && l.ka1 != segler && l.a == im_fw_folgend &&
              !l.kleina;
     },
     kBNichtBehindern, Klasse::b_darf_a_nicht_behindern,
     [](const Stellung& l) {
       return wenn(a_geschuetzt_9(l), Regel::kvr_9_b, Schiff::b);
     }},
    /* 9.5 */
    {[](const Stellung& l) {
       return beide_im_fw(l) && l.kleinb && l.ka1 != segler && l.a == im_fw_folgend &&
              l.kleina;
     },
     ""},
    /* 9.6: the screen leaves it to the KVR; of them, 9 d) binds a vessel
       that crosses ahead of one following the fairway. */
    {[](const Stellung& l) { return beide_im_fw(l) && !l.kleina && !l.kleinb; }, kKvr,
     Klasse::keine,
     [](const Stellung& l) {
       return Pflichten()
           .und(l.a == im_fw_nicht_folgend && l.b == im_fw_folgend, Regel::kvr_9_d,
                Schiff::a)
           .und(l.b == im_fw_nicht_folgend && l.a == im_fw_folgend, Regel::kvr_9_d,
                Schiff::b);
     }},
    /* 9.7 */
    {[](const Stellung& l) { return l.a <= im_fw_nicht_folgend && l.b == im_fw_folgend; },
     "A darf beim Queren des FW B nicht behindern.", Klasse::a_darf_b_nicht_behindern,
     [](const Stellung& l) { return wenn(b_geschuetzt_9(l), Regel::kvr_9_d, Schiff::a); },
     [](const Stellung& l) {
       return l.a == nicht_im_fw ? "A will das Fahrwasser queren"
                                 : "A quert das Fahrwasser";
     }},
    /* 9.8 */
    {[](const Stellung& l) { return l.b <= im_fw_nicht_folgend && l.a == im_fw_folgend; },
     "B darf beim Queren des FW A nicht behindern.", Klasse::b_darf_a_nicht_behindern,
     [](const Stellung& l) { return wenn(a_geschuetzt_9(l), Regel::kvr_9_d, Schiff::b); },
     [](const Stellung& l) {
       return l.b == nicht_im_fw ? "B will das Fahrwasser queren"
                                 : "B quert das Fahrwasser";
     }},
    /* 9.9 */
    {[](const Stellung& l) {
       return l.a <= im_fw_nicht_folgend && l.b <= im_fw_nicht_folgend;
     },
     kKvr},
    // 9.10: any other case (both following, or an im_fw_deutlich_folgend kept
    // from the waterways regime) writes no verdict line.
};

// Rule 10, traffic separation schemes: a, b are kavt, kbvt. Rule 10 c) asks
// a vessel to avoid crossing lanes and to cross at right angles; it puts no
// duty not to impede on anyone, whatever the screen's crossing rows say. That
// duty is 10 i)'s (a vessel fishing) and 10 j)'s (a sailing vessel or one
// under 20 m, towards a power-driven vessel on the lane), wherever the vessel
// they bind is: crossing the lane, or near it outside the scheme.
constexpr Regelzeile kRegel10[] = {
    /* 10.1 */
    {[](const Stellung& l) { return beide_folgend(l) && l.kb1 == fischend; }, kFischer,
     Klasse::b_darf_a_nicht_behindern,
     [](const Stellung&) { return wenn(true, Regel::kvr_10_i, Schiff::b); }},
    /* 10.2: two small power-driven vessels each protect the other */
    {[](const Stellung& l) { return beide_folgend(l) && l.kleina && l.kb1 != segler; },
     kANichtBehindern, Klasse::a_darf_b_nicht_behindern,
     [](const Stellung& l) {
       return Pflichten()
           .und(b_maschine(l), Regel::kvr_10_j, Schiff::a)
           .und(l.kleinb && a_maschine(l), Regel::kvr_10_j, Schiff::b);
     }},
    /* 10.3 */
    {[](const Stellung& l) { return beide_folgend(l) && l.kleinb && l.ka1 != segler; },
     kBNichtBehindern, Klasse::b_darf_a_nicht_behindern,
     [](const Stellung& l) { return wenn(a_maschine(l), Regel::kvr_10_j, Schiff::b); }},
    /* 10.4 */
    {[](const Stellung& l) { return beide_folgend(l) && !l.kleina && !l.kleinb; }, kKvr},
    /* 10.5 */ {[](const Stellung& l) { return beide_folgend(l); }, ""},
    /* 10.6 */
    {[](const Stellung& l) { return l.a <= querend && l.b == im_einbahnweg_folgend; },
     "A muss Queren vermeiden, um B nicht zu behindern.",
     Klasse::a_darf_b_nicht_behindern,
     [](const Stellung& l) {
       return wenn(l.kleina && b_maschine(l), Regel::kvr_10_j, Schiff::a);
     }},
    /* 10.7 */
    {[](const Stellung& l) { return l.b <= querend && l.a == im_einbahnweg_folgend; },
     "B muss Queren vermeiden, um A nicht zu behindern.",
     Klasse::b_darf_a_nicht_behindern,
     [](const Stellung& l) {
       if (l.kb1 == fischend) return wenn(true, Regel::kvr_10_i, Schiff::b);
       return wenn(l.kleinb && a_maschine(l), Regel::kvr_10_j, Schiff::b);
     }},
    /* 10.8 */ {[](const Stellung& l) { return l.a <= querend && l.b <= querend; }, kKvr},
};

/// The lines around a rule table: its hyphen line, its heading, and the first
/// line of the closing remark.
struct Block {
  std::string_view strich, ueberschrift, verbot;
};

constexpr Block kRegel9Block = {
    "-----------------------------------------------------",
    "Regel 9 - (Rechtsfahrgebot im engen Fahrwasser)",
    "Das Behinderungsverbot im FW soll Ausweichsituationen",
};

constexpr Block kRegel10Block = {
    "------------------------------------------------------",
    "Regel 10 - VTG: (Einbahnrichtung ist einzuhalten)",
    "Das Behinderungsverbot im VTG soll Ausweichsituationen",
};

/// Writes a rule block: heading, the verdict line of the first row that
/// applies (if it has one) with the class it states and the law's duty, and
/// the closing remark.
template <std::size_t N>
void regelblock(Dialogue& d, const Block& block, const Regelzeile (&tabelle)[N],
                const Stellung& l) {
  d.line(block.strich);
  d.line(block.ueberschrift);
  for (const Regelzeile& z : tabelle) {
    if (!z.gilt(l)) continue;
    if (!z.urteil.empty()) d.line(z.urteil);
    const Pflichten p = z.pflichten != nullptr ? z.pflichten(l) : Pflichten();
    for (std::size_t i = 0; i < p.anzahl; ++i) {
      d.duty(p.liste[i]);
      const Regel r = p.liste[i].regel;
      if (r == Regel::kvr_9_b || r == Regel::kvr_9_d) {
        nur_im_fahrwasser_sicher(d, anderes(p.liste[i].schiff));
      }
    }
    if (z.sagt != Klasse::keine) d.states(z.sagt);
    if (z.annahme != nullptr) d.assume(z.annahme(l));
    break;
  }
  d.line(block.verbot);
  d.line("vermeiden! (KVR-Ausweichregeln 12-19 bleiben gueltig)");
  d.line(block.strich);
  d.empty();
}

void regel9(Dialogue& d, Situation& s, Code indkvr) {
  if (indkvr == kvr_direkt) {
    n6fw(d, Schiff::a, s.kafw);  // n6afw
    n6fw(d, Schiff::b, s.kbfw);  // n6bfw
  }
  regelblock(d, kRegel9Block, kRegel9, stellung(s, s.kafw, s.kbfw));
}

void regel10(Dialogue& d, Situation& s) {
  n6vt(d, Schiff::a, s.kavt);  // n6avt
  n6vt(d, Schiff::b, s.kbvt);  // n6bvt
  regelblock(d, kRegel10Block, kRegel10, stellung(s, s.kavt, s.kbvt));
}

}  // namespace

void fahrwasserregeln(Dialogue& d, Situation& s, Code indkvr) {
  d.empty();
  d.empty();
  if (indkvr == kvr_direkt) vtg(d, s.kvtg);
  if (s.kvtg == fahrwasser) regel9(d, s, indkvr);
  if (s.kvtg == verkehrstrennungsgebiet) regel10(d, s);
}

}  // namespace ausweich

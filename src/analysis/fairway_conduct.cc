#include "analysis/fairway_conduct.h"

#include <cstddef>
#include <string_view>

#include "analysis/common_lines.h"

namespace ausweich {
namespace {

constexpr std::string_view kFahrwassersituationMenue[] = {
    "  1=freier Seeraum, 2=Fahrwasser, ",
    "  3=Verkehrstrennungsgebiet (VTG)",
    "",
    "(Es gelten jetzt die Regeln nach KVR)",
};

constexpr std::string_view kFahrwasserlageMenue[] = {
    kNichtImFwNichtFolgend,
    "  3=im FW, folgend",
};

constexpr std::string_view kEinbahnweglageMenue[] = {
    "  1=nicht im VTG, 2=querend,",
    "  3=im Einbahnweg, folgend",
};

/// The codes one row of a rule table looks at, with the small-vessel flags
/// `kleina` and `kleinb` worked out.
struct Lage {
  Code ka1, kb1;
  Code a, b;  // position of A and of B: fairway codes for rule 9, lane codes for rule 10
  bool kleina, kleinb;
};

Lage lage(const Situation& s, Code a, Code b) {
  return {s.ka1, s.kb1, a, b, klein(s.ka1, s.ka2), klein(s.kb1, s.kb2)};
}

/// A row of a rule table: its condition and its verdict line (empty: none).
struct Zeile {
  bool (*gilt)(const Lage&);
  std::string_view urteil;
};

constexpr std::string_view kFischer = "Fischendes Fzg. B darf A nicht behindern.";
constexpr std::string_view kANichtBehindern = "A darf B nicht behindern.";
constexpr std::string_view kBNichtBehindern = "B darf A nicht behindern.";
constexpr std::string_view kKvr = "A und B weichen untereinander nach KVR aus.";

bool beide_im_fw(const Lage& l) {
  return l.a >= im_fw_nicht_folgend && l.b >= im_fw_nicht_folgend;
}
bool beide_folgend(const Lage& l) {
  return l.a == im_einbahnweg_folgend && l.b == im_einbahnweg_folgend;
}

// Rule 9, narrow channels: a, b are kafw, kbfw.
constexpr Zeile kRegel9[] = {
    /* 9.1 */ {[](const Lage& l) { return beide_im_fw(l) && l.kb1 == fischend; },
               kFischer},
    /* 9.2 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleina && l.kb1 != segler && l.b == im_fw_folgend &&
              !l.kleinb;
     },
     kANichtBehindern},
    /* 9.3 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleina && l.kb1 != segler && l.b == im_fw_folgend &&
              l.kleinb;
     },
     ""},
    /* 9.4 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleinb && l.ka1 != segler && l.a == im_fw_folgend &&
              !l.kleina;
     },
     kBNichtBehindern},
    /* 9.5 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleinb && l.ka1 != segler && l.a == im_fw_folgend &&
              l.kleina;
     },
     ""},
    /* 9.6 */
    {[](const Lage& l) { return beide_im_fw(l) && !l.kleina && !l.kleinb; }, kKvr},
    /* 9.7 */
    {[](const Lage& l) { return l.a <= im_fw_nicht_folgend && l.b == im_fw_folgend; },
     "A darf beim Queren des FW B nicht behindern."},
    /* 9.8 */
    {[](const Lage& l) { return l.b <= im_fw_nicht_folgend && l.a == im_fw_folgend; },
     "B darf beim Queren des FW A nicht behindern."},
    /* 9.9 */
    {[](const Lage& l) {
       return l.a <= im_fw_nicht_folgend && l.b <= im_fw_nicht_folgend;
     },
     kKvr},
    // 9.10: any other case (both following, or a kept 4) writes no verdict line.
};

// Rule 10, traffic separation schemes: a, b are kavt, kbvt.
constexpr Zeile kRegel10[] = {
    /* 10.1 */
    {[](const Lage& l) { return beide_folgend(l) && l.kb1 == fischend; }, kFischer},
    /* 10.2 */
    {[](const Lage& l) { return beide_folgend(l) && l.kleina && l.kb1 != segler; },
     kANichtBehindern},
    /* 10.3 */
    {[](const Lage& l) { return beide_folgend(l) && l.kleinb && l.ka1 != segler; },
     kBNichtBehindern},
    /* 10.4 */
    {[](const Lage& l) { return beide_folgend(l) && !l.kleina && !l.kleinb; }, kKvr},
    /* 10.5 */ {[](const Lage& l) { return beide_folgend(l); }, ""},
    /* 10.6 */
    {[](const Lage& l) { return l.a <= querend && l.b == im_einbahnweg_folgend; },
     "A muss Queren vermeiden, um B nicht zu behindern."},
    /* 10.7 */
    {[](const Lage& l) { return l.b <= querend && l.a == im_einbahnweg_folgend; },
     "B muss Queren vermeiden, um A nicht zu behindern."},
    /* 10.8 */ {[](const Lage& l) { return l.a <= querend && l.b <= querend; }, kKvr},
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
/// applies (if it has one), closing remark.
template <std::size_t N>
void regelblock(Dialogue& d, const Block& block, const Zeile (&tabelle)[N],
                const Lage& l) {
  d.line(block.strich);
  d.line(block.ueberschrift);
  for (const Zeile& z : tabelle) {
    if (!z.gilt(l)) continue;
    if (!z.urteil.empty()) d.line(z.urteil);
    break;
  }
  d.line(block.verbot);
  d.line("vermeiden! (KVR-Ausweichregeln 12-19 bleiben gueltig)");
  d.line(block.strich);
  d.empty();
}

void regel9(Dialogue& d, Situation& s, Code indkvr) {
  if (indkvr == kvr_direkt) {
    n6afw(d, s.kafw);
    n6bfw(d, s.kbfw);
  }
  regelblock(d, kRegel9Block, kRegel9, lage(s, s.kafw, s.kbfw));
}

void regel10(Dialogue& d, Situation& s) {
  n6avt(d, s.kavt);
  n6bvt(d, s.kbvt);
  regelblock(d, kRegel10Block, kRegel10, lage(s, s.kavt, s.kbvt));
}

}  // namespace

void vtg(Dialogue& d, Code& kvtg) {
  d.ask({"Welche Fahrwassersituation liegt vor?", kFahrwassersituationMenue,
         verkehrstrennungsgebiet},
        kvtg);
}

void n6afw(Dialogue& d, Code& kafw) {
  d.ask({kWieLiegtAImFw, kFahrwasserlageMenue, im_fw_folgend}, kafw);
}

void n6bfw(Dialogue& d, Code& kbfw) {
  d.ask({kWieLiegtBImFw, kFahrwasserlageMenue, im_fw_folgend}, kbfw);
}

void n6avt(Dialogue& d, Code& kavt) {
  d.ask({"Wie liegt A relativ zum Einbahnweg?", kEinbahnweglageMenue,
         im_einbahnweg_folgend},
        kavt);
}

void n6bvt(Dialogue& d, Code& kbvt) {
  d.ask({"Wie liegt B relativ zum Einbahnweg?", kEinbahnweglageMenue,
         im_einbahnweg_folgend},
        kbvt);
}

void fairway_conduct(Dialogue& d, Situation& s, Code indkvr) {
  d.empty();
  d.empty();
  if (indkvr == kvr_direkt) vtg(d, s.kvtg);
  if (s.kvtg == fahrwasser) regel9(d, s, indkvr);
  if (s.kvtg == verkehrstrennungsgebiet) regel10(d, s);
}

}  // namespace ausweich

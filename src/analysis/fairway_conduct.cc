#include "analysis/fairway_conduct.h"

#include <string_view>

namespace ausweich {
namespace {

/// The codes one row of a rule table looks at, with the small-vessel flags
/// `kleina` and `kleinb` (2 when the vessel counts as small) worked out.
struct Lage {
  Code ka1, kb1;
  Code a, b;  // position of A and of B: fairway codes for rule 9, lane codes for rule 10
  Code kleina, kleinb;
};

Lage lage(const Situation& s, Code a, Code b) {
  Lage l{s.ka1, s.kb1, a, b, 1, 1};
  if (s.ka1 == 2 || (s.ka1 == 1 && s.ka2 == 1)) l.kleina = 2;
  if (s.kb1 == 2 || (s.kb1 == 1 && s.kb2 == 1)) l.kleinb = 2;
  return l;
}

/// A row of a rule table: its condition and its verdict line (empty: none).
struct Zeile {
  bool (*gilt)(const Lage&);
  std::string_view urteil;
};

constexpr std::string_view kKvr = "A und B weichen untereinander nach KVR aus.";

bool beide_im_fw(const Lage& l) {
  return l.a >= 2 && l.b >= 2;
}
bool beide_folgend(const Lage& l) {
  return l.a == 3 && l.b == 3;
}

// Rule 9, narrow channels: a, b are kafw, kbfw.
constexpr Zeile kRegel9[] = {
    /* 9.1 */ {[](const Lage& l) { return beide_im_fw(l) && l.kb1 == 3; },
               "Fischendes Fzg. B darf A nicht behindern."},
    /* 9.2 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleina == 2 && l.kb1 != 2 && l.b == 3 && l.kleinb == 1;
     },
     "A darf B nicht behindern."},
    /* 9.3 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleina == 2 && l.kb1 != 2 && l.b == 3 && l.kleinb == 2;
     },
     ""},
    /* 9.4 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleinb == 2 && l.ka1 != 2 && l.a == 3 && l.kleina == 1;
     },
     "B darf A nicht behindern."},
    /* 9.5 */
    {[](const Lage& l) {
       return beide_im_fw(l) && l.kleinb == 2 && l.ka1 != 2 && l.a == 3 && l.kleina == 2;
     },
     ""},
    /* 9.6 */
    {[](const Lage& l) { return beide_im_fw(l) && l.kleina == 1 && l.kleinb == 1; },
     kKvr},
    /* 9.7 */
    {[](const Lage& l) { return l.a <= 2 && l.b == 3; },
     "A darf beim Queren des FW B nicht behindern."},
    /* 9.8 */
    {[](const Lage& l) { return l.b <= 2 && l.a == 3; },
     "B darf beim Queren des FW A nicht behindern."},
    /* 9.9 */ {[](const Lage& l) { return l.a <= 2 && l.b <= 2; }, kKvr},
    // 9.10: any other case (both following, or a kept 4) writes no verdict line.
};

// Rule 10, traffic separation schemes: a, b are kavt, kbvt.
constexpr Zeile kRegel10[] = {
    /* 10.1 */ {[](const Lage& l) { return beide_folgend(l) && l.kb1 == 3; },
                "Fischendes Fzg. B darf A nicht behindern."},
    /* 10.2 */
    {[](const Lage& l) { return beide_folgend(l) && l.kleina == 2 && l.kb1 != 2; },
     "A darf B nicht behindern."},
    /* 10.3 */
    {[](const Lage& l) { return beide_folgend(l) && l.kleinb == 2 && l.ka1 != 2; },
     "B darf A nicht behindern."},
    /* 10.4 */
    {[](const Lage& l) { return beide_folgend(l) && l.kleina == 1 && l.kleinb == 1; },
     kKvr},
    /* 10.5 */ {[](const Lage& l) { return beide_folgend(l); }, ""},
    /* 10.6 */
    {[](const Lage& l) { return l.a <= 2 && l.b == 3; },
     "A muss Queren vermeiden, um B nicht zu behindern."},
    /* 10.7 */
    {[](const Lage& l) { return l.b <= 2 && l.a == 3; },
     "B muss Queren vermeiden, um A nicht zu behindern."},
    /* 10.8 */ {[](const Lage& l) { return l.a <= 2 && l.b <= 2; }, kKvr},
};

/// Writes the verdict line of the first row that applies, if it has one.
template <std::size_t N>
void erste_zutreffende_zeile(Dialogue& d, const Zeile (&tabelle)[N], const Lage& l) {
  for (const Zeile& z : tabelle) {
    if (!z.gilt(l)) continue;
    if (!z.urteil.empty()) d.line(z.urteil);
    return;
  }
}

void regel9(Dialogue& d, Situation& s, Code indkvr) {
  if (indkvr == 1) {
    n6afw(d, s.kafw);
    n6bfw(d, s.kbfw);
  }
  d.line("-----------------------------------------------------");
  d.line("Regel 9 - (Rechtsfahrgebot im engen Fahrwasser)");
  erste_zutreffende_zeile(d, kRegel9, lage(s, s.kafw, s.kbfw));
  d.line("Das Behinderungsverbot im FW soll Ausweichsituationen");
  d.line("vermeiden! (KVR-Ausweichregeln 12-19 bleiben gueltig)");
  d.line("-----------------------------------------------------");
  d.empty();
}

void regel10(Dialogue& d, Situation& s) {
  n6avt(d, s.kavt);
  n6bvt(d, s.kbvt);
  d.line("------------------------------------------------------");
  d.line("Regel 10 - VTG: (Einbahnrichtung ist einzuhalten)");
  erste_zutreffende_zeile(d, kRegel10, lage(s, s.kavt, s.kbvt));
  d.line("Das Behinderungsverbot im VTG soll Ausweichsituationen");
  d.line("vermeiden! (KVR-Ausweichregeln 12-19 bleiben gueltig)");
  d.line("------------------------------------------------------");
  d.empty();
}

}  // namespace

void vtg(Dialogue& d, Code& kvtg) {
  d.line("Welche Fahrwassersituation liegt vor?");
  d.empty();
  d.line("  1=freier Seeraum, 2=Fahrwasser, ");
  d.line("  3=Verkehrstrennungsgebiet (VTG)");
  d.empty();
  d.line("(Es gelten jetzt die Regeln nach KVR)");
  d.readc(3, kvtg);
}

void n6afw(Dialogue& d, Code& kafw) {
  d.line("Wie liegt A relativ zum Fahrwasser?");
  d.empty();
  d.line("  1=nicht im FW, 2=im FW, aber nicht folgend");
  d.line("  3=im FW, folgend");
  d.readc(3, kafw);
}

void n6bfw(Dialogue& d, Code& kbfw) {
  d.line("Wie liegt B relativ zum Fahrwasser?");
  d.empty();
  d.line("  1=nicht im FW, 2=im FW, aber nicht folgend");
  d.line("  3=im FW, folgend");
  d.readc(3, kbfw);
}

void n6avt(Dialogue& d, Code& kavt) {
  d.line("Wie liegt A relativ zum Einbahnweg?");
  d.empty();
  d.line("  1=nicht im VTG, 2=querend,");
  d.line("  3=im Einbahnweg, folgend");
  d.readc(3, kavt);
}

void n6bvt(Dialogue& d, Code& kbvt) {
  d.line("Wie liegt B relativ zum Einbahnweg?");
  d.empty();
  d.line("  1=nicht im VTG, 2=querend,");
  d.line("  3=im Einbahnweg, folgend");
  d.readc(3, kbvt);
}

void fairway_conduct(Dialogue& d, Situation& s, Code indkvr) {
  d.empty();
  d.empty();
  if (indkvr == 1) vtg(d, s.kvtg);
  if (s.kvtg == 2) regel9(d, s, indkvr);
  if (s.kvtg == 3) regel10(d, s);
}

}  // namespace ausweich

#include "training/pruefbar.h"

namespace ausweich {
namespace {

/// How a vessel lies to the fairway or the traffic lane of her area, under
/// the KVR or the SeeSchStrO alike.
enum class Verlauf { kein_gebiet, folgt, quert, ausserhalb };

/// Whether the analysis of `run` asked the question that sets `feld`.
bool gefragt(const DrawnRun& run, Feld feld) {
  for (const DrawnRun::Answer& a : run.answers()) {
    if (!a.after_verdict && a.frage->feld == feld) return true;
  }
  return false;
}

/// Where the vessel whose fairway code is `fw` (asked as `fw_feld`) and lane
/// code `vt` (asked as `vt_feld`) goes; kein_gebiet where neither was asked.
Verlauf verlauf(const Situation& s, const DrawnRun& run, Feld fw_feld, Code fw,
                Feld vt_feld, Code vt) {
  if (gefragt(run, fw_feld)) {
    return fw == nicht_im_fw           ? Verlauf::ausserhalb
           : fw == im_fw_nicht_folgend ? Verlauf::quert
                                       : Verlauf::folgt;
  }
  if (s.kvtg != verkehrstrennungsgebiet || !gefragt(run, vt_feld)) {
    return Verlauf::kein_gebiet;
  }
  return vt == nicht_im_vtg ? Verlauf::ausserhalb
         : vt == querend    ? Verlauf::quert
                            : Verlauf::folgt;
}

bool ueberholen(const Situation& s) {
  return s.kueb == a_ueberholt_b || s.kueb == b_ueberholt_a;
}

/// Both follow the same fairway or lane the same way, and nobody overtakes.
/// Under the SeeSchStrO the answer on opposite courses tells the way; under
/// the KVR a lane goes one way, and two vessels following a fairway are taken
/// to go it together (the advisor does not ask).
bool ohne_begegnung(const Situation& s, Verlauf a, Verlauf b) {
  if (a != Verlauf::folgt || b != Verlauf::folgt || ueberholen(s)) return false;
  return s.kvr == hohe_see || s.kent == keine_gegenkurse;
}

bool unmoeglich(const Situation& s, Verlauf a, Verlauf b) {
  const bool quer_zum_folgenden = (a == Verlauf::folgt && b == Verlauf::quert) ||
                                  (a == Verlauf::quert && b == Verlauf::folgt);
  if (ueberholen(s) && quer_zum_folgenden) return true;
  return s.kb1 == tiefgangbehindert && b == Verlauf::quert;
}

/// Whether the overtaken vessel bears a duty not to impede the overtaker.
bool ueberholter_darf_nicht_behindern(const Situation& s, const Loesung& l) {
  if (!ueberholen(s)) return false;
  const Klasse ueberholter = s.kueb == a_ueberholt_b ? Klasse::b_darf_a_nicht_behindern
                                                     : Klasse::a_darf_b_nicht_behindern;
  return l.pflicht(static_cast<Code>(ueberholter)) != nullptr;
}

}  // namespace

bool pruefbar(const Situation& s, const DrawnRun& run, const Loesung& l) {
  if (!l.entschieden() || !l.stimmig(run)) return false;
  const Verlauf a = verlauf(s, run, &Situation::kafw, s.kafw, &Situation::kavt, s.kavt);
  const Verlauf b = verlauf(s, run, &Situation::kbfw, s.kbfw, &Situation::kbvt, s.kbvt);
  // Restricted visibility asks nothing of overtaking: only its answer or the
  // area's geometry can tell that the vessels meet at all.
  if (ohne_begegnung(s, a, b) || unmoeglich(s, a, b)) return false;
  if (ueberholter_darf_nicht_behindern(s, l)) return false;
  const bool b_manoevrierbehindert_oder_unfaehig =
      s.kb1 == manoevrierunfaehig || s.kb1 == manoevrierbehindert;
  if (s.kueb == b_ueberholt_a && b_manoevrierbehindert_oder_unfaehig) return false;
  const bool b_weicht = klasse(l.entscheidung()) == Klasse::b_muss_ausweichen;
  return !(s.kvr == seeschifffahrtsstrassen && s.kb1 == manoevrierunfaehig && b_weicht);
}

Peilungen passende_peilungen(const Situation& s) {
  bool a_folgt = false;
  bool b_folgt = false;
  if (s.kvtg == fahrwasser) {
    a_folgt = s.kafw >= im_fw_folgend;
    b_folgt = s.kbfw >= im_fw_folgend;
  } else if (s.kvtg == verkehrstrennungsgebiet) {
    a_folgt = s.kavt == im_einbahnweg_folgend;
    b_folgt = s.kbvt == im_einbahnweg_folgend;
  }
  Peilungen p;
  if (a_folgt && b_folgt) return p;
  if (!a_folgt && !b_folgt) p.liste[p.anzahl++] = Peilung::recht_voraus_gegenkurs;
  p.liste[p.anzahl++] = Peilung::kreuzt_von_stb;
  p.liste[p.anzahl++] = Peilung::kreuzt_von_bb;
  return p;
}

}  // namespace ausweich

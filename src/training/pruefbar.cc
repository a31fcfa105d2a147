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
/// Under the SeeSchStrO the answer on opposite courses tells the way (where
/// the advisor decides before asking it, as between a sailing vessel that
/// clearly follows the fairway and one that does not, they meet); under the
/// KVR a lane goes one way, and two vessels following a fairway are taken to
/// go it together (the advisor does not ask).
bool ohne_begegnung(const Situation& s, const DrawnRun& run, Verlauf a, Verlauf b) {
  if (a != Verlauf::folgt || b != Verlauf::folgt || ueberholen(s)) return false;
  return s.kvr == hohe_see ||
         (gefragt(run, &Situation::kent) && s.kent == keine_gegenkurse);
}

/// Geometry that cannot be, or that no examiner would set: overtaking
/// across the fairway or lane the other follows; a vessel not under command
/// or constrained by her draught that does not follow the fairway or lane
/// (one drifts, the other is bound to the deep water).
bool unmoeglich(const Situation& s, Verlauf a, Verlauf b) {
  // One that does not follow the fairway or lane (crossing it, or outside
  // and about to cross) does not run along with one that does.
  const bool einer_folgt = (a == Verlauf::folgt) != (b == Verlauf::folgt);
  const bool im_gebiet = a != Verlauf::kein_gebiet && b != Verlauf::kein_gebiet;
  if (ueberholen(s) && einer_folgt && im_gebiet) return true;
  const bool gebunden = s.kb1 == tiefgangbehindert || s.kb1 == manoevrierunfaehig;
  return gebunden && (b == Verlauf::quert || b == Verlauf::ausserhalb);
}

/// Arguable in law, and so not taught: in restricted visibility a B that
/// cannot manoeuvre as the rules require (not under command, restricted,
/// constrained by her draught) cannot take the avoiding action of Regel 19;
/// two sailing vessels of which one is outside the fairway and the other in
/// it without clearly following it (whether § 25 Abs. 2 or Abs. 3 holds turns
/// on facts the advisor does not ask).
bool strittig(const Situation& s, Verlauf a, Verlauf b) {
  const bool behindert = s.kb1 == manoevrierbehindert || s.kb1 == manoevrierunfaehig ||
                         s.kb1 == tiefgangbehindert;
  if (s.ks == verminderte_sicht && s.kvr == hohe_see && behindert) return true;
  const bool zwei_segler = s.ka1 == segler && s.kb1 == segler;
  const bool einer_draussen = (a == Verlauf::ausserhalb) != (b == Verlauf::ausserhalb);
  return s.kvr == seeschifffahrtsstrassen && zwei_segler && einer_draussen &&
         s.kafw != im_fw_deutlich_folgend && s.kbfw != im_fw_deutlich_folgend;
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
  if (ohne_begegnung(s, run, a, b) || unmoeglich(s, a, b) || strittig(s, a, b)) {
    return false;
  }
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
  // Two vessels that both cross a traffic lane, as nearly at right angles
  // as may be (Regel 10 c)), meet on opposite courses or run the same way:
  // neither crosses the other's course.
  const bool beide_queren =
      s.kvtg == verkehrstrennungsgebiet && s.kavt == querend && s.kbvt == querend;
  if (beide_queren) {
    p.liste[p.anzahl++] = Peilung::recht_voraus_gegenkurs;
    return p;
  }
  // Two vessels in a fairway of the SeeSchStrO that meet head-on do so under
  // § 24, which the advisor never asks of vessels that do not follow it.
  const bool im_seeschstro_fw =
      s.kvr == seeschifffahrtsstrassen && s.kafw > nicht_im_fw && s.kbfw > nicht_im_fw;
  if (!a_folgt && !b_folgt && !im_seeschstro_fw) {
    p.liste[p.anzahl++] = Peilung::recht_voraus_gegenkurs;
  }
  p.liste[p.anzahl++] = Peilung::kreuzt_von_stb;
  p.liste[p.anzahl++] = Peilung::kreuzt_von_bb;
  return p;
}

}  // namespace ausweich

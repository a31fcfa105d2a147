#include "training/examinable.h"

namespace ausweich {

bool pruefbar(const Situation& s, const DrawnRun& run) {
  // From a fresh start nobody overtakes unless the analysis asked and was
  // told so.
  const bool b_manoevrierbehindert_oder_unfaehig =
      s.kb1 == manoevrierunfaehig || s.kb1 == manoevrierbehindert;
  if (s.kueb == b_ueberholt_a && b_manoevrierbehindert_oder_unfaehig) return false;
  // Under the SeeSchStrO the vessel that gives way or waits is B; under the
  // KVR a B not under command never gives way but as the overtaker.
  const Pflicht& urteil = run.reported();
  const bool b_weicht = urteil.gebot == Gebot::ausweichen && urteil.schiff == Schiff::b;
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

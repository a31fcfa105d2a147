#include "training/lichterlage.h"

#include <algorithm>

namespace ausweich {
namespace {

/// Whether the regime `seegebiet` knows the kind `k`.
bool bekannt(Kennzeichnung k, Code seegebiet) {
  if (k == Kennzeichnung::wegerechtschiff) return seegebiet == seeschifffahrtsstrassen;
  if (k == Kennzeichnung::tiefgangbehindert) return seegebiet == hohe_see;
  return true;
}

/// Whether a kind shows something at that time: by day a shape.
bool etwas_zu_sehen(Kennzeichnung k, Tageszeit t) {
  return t == Tageszeit::nacht || !signale(k).koerper.empty();
}

/// Whether kinds `k` and `j` show the very same signals at that time.
bool gleiche_signale(Kennzeichnung k, Kennzeichnung j, Tageszeit t) {
  const Signale a = signale(k);
  const Signale b = signale(j);
  if (t == Tageszeit::tag) {
    return std::equal(a.koerper.begin(), a.koerper.end(), b.koerper.begin(),
                      b.koerper.end());
  }
  return std::equal(a.lichter.begin(), a.lichter.end(), b.lichter.begin(),
                    b.lichter.end());
}

/// Whether an earlier kind is the same item under the same words.
bool doppelt(Kennzeichnung k, Code seegebiet, Tageszeit t) {
  for (const Kennzeichnung j : kKennzeichnungen) {
    if (j == k) return false;
    if (bekannt(j, seegebiet) && typ(j) == typ(k) && gleiche_signale(j, k, t) &&
        bezeichnung(j, seegebiet, t) == bezeichnung(k, seegebiet, t)) {
      return true;
    }
  }
  return false;
}

/// Whether the analysis of `run` asked the question that sets `feld`.
bool gefragt(const DrawnRun& run, Feld feld) {
  for (const DrawnRun::Answer& a : run.answers()) {
    if (!a.after_verdict && a.frage->feld == feld) return true;
  }
  return false;
}

/// How a vessel lies to the fairway, as far as the aspect goes: outside it,
/// crossing it, or along it (roughly or clearly following).
int fahrwasserbezug(Code fw) {
  return fw >= im_fw_folgend ? im_fw_folgend : static_cast<int>(fw);
}

/// Whether the fairway facts of an encounter on a Seeschifffahrtsstraße
/// (record `s`, asked in `run`) allow the aspect of item `l`: no main and
/// secondary fairway (the pictures lay the secondary one to one side only);
/// head-on, both vessels alike to the fairway (both outside it, both
/// crossing it, both along it), since B is dead ahead on the opposite course;
/// no two sailing vessels, whose wind and the fairway's right of way leave
/// the aspect open.
bool im_fahrwasser_moeglich(const Lichterlage& l, const Situation& s,
                            const DrawnRun& run) {
  if (s.ka1 == segler && s.kb1 == segler) return false;
  if (gefragt(run, &Situation::khnfw) && s.khnfw != nur_ein_fw) return false;
  if (l.seite != Seite::vorn || !gefragt(run, &Situation::kafw)) return true;
  return fahrwasserbezug(s.kafw) == fahrwasserbezug(s.kbfw);
}

/// Degrees from `von` to `nach`, clockwise, from 0 to 359.
int relativ(int von, int nach) {
  return ((nach - von) % 360 + 360) % 360;
}

/// Degrees between two directions, from 0 to 180.
int abstand(int a, int b) {
  const int r = relativ(a, b);
  return r > 180 ? 360 - r : r;
}

/// The side from which a vessel heading `kurs` has a wind blowing from
/// `wind`.
Code windseite(int kurs, int wind) {
  return relativ(kurs, wind) < 180 ? wind_von_stb : wind_von_bb;
}

/// Whether some wind lets two sailing vessels meet with the aspect of item
/// `l` as the record `s` says: A heading up, B at the bearing and on the
/// heading of the side she shows (the middle of its sector), both at least
/// 50° off the wind and not before it, each with the wind on her side
/// (B's as she truly has it, though A cannot see it), and A to windward of
/// B where she is, that is with B more than 90° off the wind's direction.
bool segeln_moeglich(const Lichterlage& l, const Situation& s) {
  const int zu_b = l.seite == Seite::vorn         ? 0
                   : l.seite == Seite::steuerbord ? 310  // B on A's port bow
                                                  : 50;
  const int kurs_b = relativ(sektor(l.seite).mitte, zu_b + 180);
  const Code seite_b =
      s.kb3 == bb_nicht_erkennbar || s.kb3 == wind_von_bb ? wind_von_bb : wind_von_stb;
  const auto segelt = [](int kurs, int wind) {
    return abstand(kurs, wind) >= 50 && abstand(kurs, wind) <= 160;
  };
  for (int wind = 0; wind < 360; wind += 5) {
    const bool a_in_luv_von_b = abstand(zu_b, wind) > 90;
    if (segelt(0, wind) && segelt(kurs_b, wind) && windseite(0, wind) == s.ka3 &&
        windseite(kurs_b, wind) == seite_b && a_in_luv_von_b == (s.kluv == a_in_luv)) {
      return true;
    }
  }
  return false;
}

/// Whether the encounter `b`, replayed as `w`, is what A sees in item `l`.
bool passt(const Lichterlage& l, const Replay& w, const Begegnung& b) {
  const Situation& s = w.situation;
  const DrawnRun& run = w.run;
  if (gefragt(run, &Situation::ks) && s.ks != klare_sicht) return false;
  if (s.kvr == hohe_see && s.kvtg != freier_seeraum) return false;
  if (s.kb1 != typ(l.kennzeichnung)) return false;
  if (l.kennzeichnung == Kennzeichnung::maschinenfahrzeug_ab_50m &&
      s.kb2 != groesser_20m) {
    return false;
  }
  const bool von_achtern = l.seite == Seite::achtern;
  if (gefragt(run, &Situation::kueb)) {
    if (s.kueb != (von_achtern ? a_ueberholt_b : keiner_ueberholt)) return false;
  } else if (von_achtern) {
    return false;
  }
  if (gefragt(run, &Situation::kent) &&
      s.kent != (l.seite == Seite::vorn ? gegenkurse : keine_gegenkurse)) {
    return false;
  }
  if (b.peilung != Peilung::offen && b.peilung != peilung(l.seite)) return false;
  if (s.kvr == seeschifffahrtsstrassen && !im_fahrwasser_moeglich(l, s, run)) {
    return false;
  }
  if (s.ka1 == segler && s.kb1 == segler && !segeln_moeglich(l, s)) return false;
  // By night no lookout sees on which side a sailing vessel has the wind.
  return !gefragt(run, &Situation::kb3) || s.kb3 == bb_nicht_erkennbar ||
         s.kb3 == stb_nicht_erkennbar;
}

/// Visits the items that one drawable encounter gives.
struct Sammler final : Visitor {
  explicit Sammler(Lichtervisitor& besucher) : besucher(besucher) {}
  void visit(const Begegnung& b) override {
    const Replay w(b);
    Lichterlage l;
    l.begegnung = b;
    for (const Kennzeichnung k : kKennzeichnungen) {
      if (typ(k) != w.situation.kb1) continue;
      l.kennzeichnung = k;
      for (const Tageszeit t : {Tageszeit::nacht, Tageszeit::tag}) {
        l.zeit = t;
        for (const Seite s : kSeiten) {
          l.seite = s;
          if (zeigbar(k, s, w.situation.kvr, t) && passt(l, w, b)) besucher.visit(l);
        }
      }
    }
  }
  Lichtervisitor& besucher;
};

}  // namespace

Code typ(Kennzeichnung k) {
  switch (k) {
    case Kennzeichnung::segelfahrzeug:
    case Kennzeichnung::segelfahrzeug_dreifarben:
      return segler;
    case Kennzeichnung::trawler:
    case Kennzeichnung::fischer:
      return fischend;
    case Kennzeichnung::manoevrierbehindert:
      return manoevrierbehindert;
    case Kennzeichnung::manoevrierunfaehig:
      return manoevrierunfaehig;
    case Kennzeichnung::tiefgangbehindert:
    case Kennzeichnung::wegerechtschiff:
      return tiefgangbehindert;
    case Kennzeichnung::nach_typ:
    case Kennzeichnung::maschinenfahrzeug:
    case Kennzeichnung::maschinenfahrzeug_ab_50m:
    case Kennzeichnung::segelfahrzeug_unter_maschine:
      break;
  }
  return maschinenfahrzeug;
}

std::string_view bezeichnung(Kennzeichnung k, Code seegebiet, Tageszeit t) {
  const bool tag = t == Tageszeit::tag;
  constexpr std::string_view kMaschine = "Ein Maschinenfahrzeug unter 50 m";
  constexpr std::string_view kBehindert = "Ein manövrierbehindertes Fahrzeug";
  constexpr std::string_view kBehindertOderWegerecht =
      "Ein manövrierbehindertes Fahrzeug oder ein Wegerechtschiff";
  constexpr std::string_view kFischend = "Ein fischendes Fahrzeug";
  const bool seeschstro = seegebiet == seeschifffahrtsstrassen;
  switch (k) {
    case Kennzeichnung::maschinenfahrzeug_ab_50m:
      return "Ein Maschinenfahrzeug von 50 m oder mehr";
    case Kennzeichnung::segelfahrzeug:
    case Kennzeichnung::segelfahrzeug_dreifarben:
      return "Ein Segelfahrzeug";
    case Kennzeichnung::segelfahrzeug_unter_maschine:
      return tag ? "Ein Segelfahrzeug unter Maschine" : kMaschine;
    case Kennzeichnung::trawler:
      return tag ? kFischend : "Ein fischendes Fahrzeug, trawlend";
    case Kennzeichnung::fischer:
      return tag ? kFischend : "Ein fischendes Fahrzeug, nicht trawlend";
    case Kennzeichnung::manoevrierbehindert:
      return seeschstro ? kBehindertOderWegerecht : kBehindert;
    case Kennzeichnung::manoevrierunfaehig:
      return "Ein manövrierunfähiges Fahrzeug";
    case Kennzeichnung::tiefgangbehindert:
      return "Ein tiefgangbehindertes Fahrzeug";
    case Kennzeichnung::wegerechtschiff:
      return seeschstro ? kBehindertOderWegerecht : "Ein Wegerechtschiff";
    case Kennzeichnung::nach_typ:
    case Kennzeichnung::maschinenfahrzeug:
      break;
  }
  return kMaschine;
}

std::string_view in_worten(Seite s) {
  switch (s) {
    case Seite::steuerbord:
      return "von Steuerbord";
    case Seite::backbord:
      return "von Backbord";
    case Seite::achtern:
      return "von achtern";
    case Seite::vorn:
      break;
  }
  return "von vorn";
}

bool darstellbar(Kennzeichnung k, Seite s) {
  return !(k == Kennzeichnung::segelfahrzeug_dreifarben && s == Seite::vorn);
}

bool deutet(Kennzeichnung k, Seite s, Code seegebiet, const Anblick& a) {
  for (const Kennzeichnung j : kKennzeichnungen) {
    if (bekannt(j, seegebiet) && darstellbar(j, s) &&
        bezeichnung(j, seegebiet, a.zeit) == bezeichnung(k, seegebiet, a.zeit) &&
        anblick(signale(j), s, a.zeit) == a) {
      return true;
    }
  }
  return false;
}

bool zeigbar(Kennzeichnung k, Seite s, Code seegebiet, Tageszeit t) {
  if (!bekannt(k, seegebiet) || !darstellbar(k, s) || !etwas_zu_sehen(k, t) ||
      doppelt(k, seegebiet, t)) {
    return false;
  }
  const Anblick a = anblick(signale(k), s, t);
  for (const Kennzeichnung j : kKennzeichnungen) {
    for (const Seite andere : kSeiten) {
      if (j == k && andere == s) continue;
      const bool gleich =
          bezeichnung(j, seegebiet, t) == bezeichnung(k, seegebiet, t) && andere == s;
      if (!gleich && deutet(j, andere, seegebiet, a)) return false;
    }
  }
  return true;
}

void jede_lichterlage(Lichtervisitor& besucher) {
  Sammler sammler(besucher);
  jede_begegnung(sammler);
}

}  // namespace ausweich

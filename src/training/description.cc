#include "training/description.h"

#include <cstddef>

namespace ausweich {
namespace {

/// The text among `texte` for answer `code` (counted from 1).
template <std::size_t N>
std::string_view text(const std::string_view (&texte)[N], Code code) {
  return code >= 1 && static_cast<std::size_t>(code) <= N ? texte[code - 1] : "?";
}

std::string_view schiff_a(const Situation& s) {
  if (s.ka1 == segler) return "A (eigenes Schiff): Segler";
  return s.ka2 == kleiner_20m ? "A (eigenes Schiff): Motorschiff unter 20 m"
                              : "A (eigenes Schiff): Motorschiff ueber 20 m";
}

std::string_view schiff_b(const Situation& s) {
  constexpr std::string_view kTypen[] = {
      "",
      "B: Segler",
      "B: fischendes Fahrzeug",
      "B: manoevrierbehindertes Fahrzeug",
      "B: manoevrierunfaehiges Fahrzeug",
      "B: tiefgangbehindertes Fahrzeug",
  };
  if (s.kb1 != maschinenfahrzeug) return text(kTypen, s.kb1);
  return s.kb2 == kleiner_20m ? "B: Maschinenfahrzeug unter 20 m"
                              : "B: Maschinenfahrzeug ueber 20 m";
}

std::string_view seegebiet(const Situation& s) {
  constexpr std::string_view kGebiete[] = {
      "Seeschifffahrtsstrasse (SeeSchStrO)",
      "Hohe See (KVR)",
  };
  return text(kGebiete, s.kvr);
}

/// The position in the fairway: four answers in the waterways regime, where
/// 3 means roughly following it; three under the KVR.
std::string_view fahrwasser_a(const Situation& s) {
  constexpr std::string_view kLagen[] = {
      "A ist nicht im Fahrwasser",
      "A ist im Fahrwasser, folgt ihm aber nicht",
      "A ist im Fahrwasser und folgt ihm",
      "A ist im Fahrwasser und folgt ihm deutlich",
  };
  if (s.kvr == seeschifffahrtsstrassen && s.kafw == im_fw_folgend) {
    return "A ist im Fahrwasser und folgt ihm etwa";
  }
  return text(kLagen, s.kafw);
}

std::string_view fahrwasser_b(const Situation& s) {
  constexpr std::string_view kLagen[] = {
      "B ist nicht im Fahrwasser",
      "B ist im Fahrwasser, folgt ihm aber nicht",
      "B ist im Fahrwasser und folgt ihm",
      "B ist im Fahrwasser und folgt ihm deutlich",
  };
  if (s.kvr == seeschifffahrtsstrassen && s.kbfw == im_fw_folgend) {
    return "B ist im Fahrwasser und folgt ihm etwa";
  }
  return text(kLagen, s.kbfw);
}

std::string_view hauptfahrwasser(const Situation& s) {
  constexpr std::string_view kFahrwasser[] = {
      "Es gibt nur ein Fahrwasser",
      "B ist im Haupt-, A im Nebenfahrwasser",
      "A ist im Haupt-, B im Nebenfahrwasser",
  };
  return text(kFahrwasser, s.khnfw);
}

std::string_view ueberholen(const Situation& s) {
  constexpr std::string_view kUeberholer[] = {
      "Keiner ueberholt den anderen",
      "A ueberholt B",
      "B ueberholt A",
  };
  return text(kUeberholer, s.kueb);
}

std::string_view kurse(const Situation& s) {
  constexpr std::string_view kKurse[] = {
      "A und B fahren keine entgegengesetzten Kurse",
      "A und B fahren entgegengesetzte Kurse",
  };
  return text(kKurse, s.kent);
}

std::string_view engstelle(const Situation& s) {
  constexpr std::string_view kEngstellen[] = {
      "Sie begegnen sich an keiner Engstelle",
      "Engstelle: A faehrt mit der Stroemung",
      "Engstelle: B faehrt mit der Stroemung",
  };
  return text(kEngstellen, s.keng);
}

std::string_view fahrwassersituation(const Situation& s) {
  constexpr std::string_view kSituationen[] = {
      "Freier Seeraum",
      "In einem engen Fahrwasser",
      "In einem Verkehrstrennungsgebiet",
  };
  return text(kSituationen, s.kvtg);
}

std::string_view einbahnweg_a(const Situation& s) {
  constexpr std::string_view kLagen[] = {
      "A ist nicht im Verkehrstrennungsgebiet",
      "A quert den Einbahnweg",
      "A ist im Einbahnweg und folgt ihm",
  };
  return text(kLagen, s.kavt);
}

std::string_view einbahnweg_b(const Situation& s) {
  constexpr std::string_view kLagen[] = {
      "B ist nicht im Verkehrstrennungsgebiet",
      "B quert den Einbahnweg",
      "B ist im Einbahnweg und folgt ihm",
  };
  return text(kLagen, s.kbvt);
}

std::string_view sicht(const Situation& s) {
  constexpr std::string_view kSicht[] = {
      "Klare Sicht",
      "Nebel, verminderte Sicht",
  };
  return text(kSicht, s.ks);
}

std::string_view wind_a(const Situation& s) {
  constexpr std::string_view kWind[] = {
      "A hat den Wind von Backbord",
      "A hat den Wind von Steuerbord",
  };
  return text(kWind, s.ka3);
}

std::string_view wind_b(const Situation& s) {
  constexpr std::string_view kWind[] = {
      "B hat den Wind von Backbord",
      "B hat den Wind von Steuerbord",
      "B: Wind von Backbord, von A nicht erkennbar",
      "B: Wind von Steuerbord, von A nicht erkennbar",
  };
  return text(kWind, s.kb3);
}

std::string_view luv(const Situation& s) {
  constexpr std::string_view kLuv[] = {
      "A liegt in Luv von B",
      "A liegt in Lee von B",
  };
  return text(kLuv, s.kluv);
}

/// The line that tells the answer to one question, by the code it sets. The
/// lengths stand with the types, so they have no line of their own.
struct Aussage {
  Code Situation::*code;
  std::string_view (*zeile)(const Situation&);
};

constexpr Aussage kAussagen[] = {
    {&Situation::ka1, schiff_a},      {&Situation::kb1, schiff_b},
    {&Situation::kvr, seegebiet},     {&Situation::kafw, fahrwasser_a},
    {&Situation::kbfw, fahrwasser_b}, {&Situation::khnfw, hauptfahrwasser},
    {&Situation::kueb, ueberholen},   {&Situation::kent, kurse},
    {&Situation::keng, engstelle},    {&Situation::kvtg, fahrwassersituation},
    {&Situation::kavt, einbahnweg_a}, {&Situation::kbvt, einbahnweg_b},
    {&Situation::ks, sicht},          {&Situation::ka3, wind_a},
    {&Situation::kb3, wind_b},        {&Situation::kluv, luv},
};

}  // namespace

std::size_t beschreibung(const Situation& s, const DrawnRun& run,
                         std::span<std::string_view> zeilen) {
  std::size_t n = 0;
  for (const DrawnRun::Answer& a : run.answers()) {
    if (a.after_verdict) continue;
    for (const Aussage& aussage : kAussagen) {
      if (a.code != &(s.*aussage.code) || n == zeilen.size()) continue;
      zeilen[n++] = aussage.zeile(s);
    }
  }
  return n;
}

}  // namespace ausweich

#include "training/description.h"

#include <cstddef>

namespace ausweich {
namespace {

// What each answer means, in plain words, by the code it sets.

constexpr std::string_view kTypB[] = {
    "B: Maschinenfahrzeug",  // with the length, below
    "B: Segler",
    "B: fischendes Fahrzeug",
    "B: manoevrierbehindertes Fahrzeug",
    "B: manoevrierunfaehiges Fahrzeug",
    "B: tiefgangbehindertes Fahrzeug",
};
constexpr std::string_view kSeegebiet[] = {
    "Seeschifffahrtsstrasse (SeeSchStrO)",
    "Hohe See (KVR)",
};
constexpr std::string_view kFahrwasserA[] = {
    "A ist nicht im Fahrwasser",
    "A ist im Fahrwasser, folgt ihm aber nicht",
    "A ist im Fahrwasser und folgt ihm",
    "A ist im Fahrwasser und folgt ihm deutlich",
};
constexpr std::string_view kFahrwasserB[] = {
    "B ist nicht im Fahrwasser",
    "B ist im Fahrwasser, folgt ihm aber nicht",
    "B ist im Fahrwasser und folgt ihm",
    "B ist im Fahrwasser und folgt ihm deutlich",
};
constexpr std::string_view kHauptfahrwasser[] = {
    "Es gibt nur ein Fahrwasser",
    "B ist im Haupt-, A im Nebenfahrwasser",
    "A ist im Haupt-, B im Nebenfahrwasser",
};
constexpr std::string_view kUeberholen[] = {
    "Keiner ueberholt den anderen",
    "A ueberholt B",
    "B ueberholt A",
};
constexpr std::string_view kKurse[] = {
    "A und B fahren keine entgegengesetzten Kurse",
    "A und B fahren entgegengesetzte Kurse",
};
constexpr std::string_view kEngstelle[] = {
    "Sie begegnen sich an keiner Engstelle",
    "Engstelle: A faehrt mit der Stroemung",
    "Engstelle: B faehrt mit der Stroemung",
};
constexpr std::string_view kFahrwassersituation[] = {
    "Freier Seeraum",
    "In einem engen Fahrwasser",
    "In einem Verkehrstrennungsgebiet",
};
constexpr std::string_view kEinbahnwegA[] = {
    "A ist nicht im Verkehrstrennungsgebiet",
    "A quert den Einbahnweg",
    "A ist im Einbahnweg und folgt ihm",
};
constexpr std::string_view kEinbahnwegB[] = {
    "B ist nicht im Verkehrstrennungsgebiet",
    "B quert den Einbahnweg",
    "B ist im Einbahnweg und folgt ihm",
};
constexpr std::string_view kSicht[] = {
    "Klare Sicht",
    "Nebel, verminderte Sicht",
};
constexpr std::string_view kWindA[] = {
    "A hat den Wind von Backbord",
    "A hat den Wind von Steuerbord",
};
constexpr std::string_view kWindB[] = {
    "B hat den Wind von Backbord",
    "B hat den Wind von Steuerbord",
    "B: Wind von Backbord, von A nicht erkennbar",
    "B: Wind von Steuerbord, von A nicht erkennbar",
};
constexpr std::string_view kLuv[] = {
    "A liegt in Luv von B",
    "A liegt in Lee von B",
};

/// The line that tells the answer to one question, by the code it sets. The
/// lengths stand with the types, so they have no line of their own.
struct Aussage {
  Code Situation::*code;
  std::span<const std::string_view> texte;  // by answer, from 1
};

constexpr Aussage kAussagen[] = {
    {&Situation::kb1, kTypB},
    {&Situation::kvr, kSeegebiet},
    {&Situation::kafw, kFahrwasserA},
    {&Situation::kbfw, kFahrwasserB},
    {&Situation::khnfw, kHauptfahrwasser},
    {&Situation::kueb, kUeberholen},
    {&Situation::kent, kKurse},
    {&Situation::keng, kEngstelle},
    {&Situation::kvtg, kFahrwassersituation},
    {&Situation::kavt, kEinbahnwegA},
    {&Situation::kbvt, kEinbahnwegB},
    {&Situation::ks, kSicht},
    {&Situation::ka3, kWindA},
    {&Situation::kb3, kWindB},
    {&Situation::kluv, kLuv},
};

/// The lines that depend on more than their own code.
std::string_view sonderfall(const Situation& s, const Code& code) {
  const bool seeschstro = s.kvr == seeschifffahrtsstrassen;
  if (&code == &s.ka1) {
    if (s.ka1 == segler) return "A (eigenes Schiff): Segler";
    return s.ka2 == kleiner_20m ? "A (eigenes Schiff): Motorschiff unter 20 m"
                                : "A (eigenes Schiff): Motorschiff ueber 20 m";
  }
  if (&code == &s.kb1 && s.kb1 == maschinenfahrzeug) {
    return s.kb2 == kleiner_20m ? "B: Maschinenfahrzeug unter 20 m"
                                : "B: Maschinenfahrzeug ueber 20 m";
  }
  // In the waterways regime, following the fairway at 3 is following it roughly.
  if (seeschstro && &code == &s.kafw && s.kafw == im_fw_folgend) {
    return "A ist im Fahrwasser und folgt ihm etwa";
  }
  if (seeschstro && &code == &s.kbfw && s.kbfw == im_fw_folgend) {
    return "B ist im Fahrwasser und folgt ihm etwa";
  }
  return {};
}

std::string_view aussage(const Situation& s, const Code& code) {
  const std::string_view besonders = sonderfall(s, code);
  if (!besonders.empty()) return besonders;
  for (const Aussage& a : kAussagen) {
    if (&code != &(s.*a.code)) continue;
    if (code < 1 || static_cast<std::size_t>(code) > a.texte.size()) return {};
    return a.texte[static_cast<std::size_t>(code) - 1];
  }
  return {};  // a length: told with the type
}

}  // namespace

std::size_t beschreibung(const Situation& s, const DrawnRun& run,
                         std::span<std::string_view> zeilen) {
  std::size_t n = 0;
  for (const DrawnRun::Answer& a : run.answers()) {
    if (a.after_verdict || n == zeilen.size()) continue;
    const std::string_view zeile = aussage(s, *a.code);
    if (!zeile.empty()) zeilen[n++] = zeile;
  }
  return n;
}

}  // namespace ausweich

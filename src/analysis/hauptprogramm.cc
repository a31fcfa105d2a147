#include "analysis/hauptprogramm.h"

#include "analysis/kvr.h"
#include "analysis/seeschstro.h"

// Key to the advisor's short names, which this file keeps: the question
// routines are n (for "Nachfrage"), a number for the stage that asks them and
// a topic: n1eig the own vessel A ("eigenes"), n3geg the other vessel B
// ("Gegner"), n4kvr the sea area (the KVR or not). indkvr tells how the path
// under the KVR was entered (see situation.h); spaces is the screen clear of
// 30 lines. The codes k... are the record's (situation.h).

namespace ausweich {
namespace {

// --- The opening questions ------------------------------------------------------

constexpr std::string_view kTypAMenue[] = {
    "     1=Motorschiff,     2=Segler [0=stop]",
};

constexpr Antwort kTypA[] = {
    {maschinenfahrzeug, "Maschinenfahrzeug",
     "A (eigenes Schiff) ist ein Maschinenfahrzeug"},
    {segler, "Segelfahrzeug", "A (eigenes Schiff) ist ein Segelfahrzeug"},
};
static_assert(in_reihe(kTypA));

constexpr std::string_view kTypBMenue[] = {
    " 1=Maschine,    2=Segler ",
    " 3=fischend,    4=manoevr.behind.   5=manoev.unf. ",
    " 6=tiefgangbehindert",
    "",
    "(Bei Nebel egal ob 2,3,4,5 oder 6!) ",
};

constexpr Antwort kTypB[] = {
    {maschinenfahrzeug, "Maschinenfahrzeug", "ist ein Maschinenfahrzeug"},
    {segler, "Segelfahrzeug", "ist ein Segelfahrzeug"},
    {fischend, "fischendes Fahrzeug", "ist ein fischendes Fahrzeug"},
    {manoevrierbehindert, "manövrierbehindertes Fahrzeug",
     "ist ein manövrierbehindertes Fahrzeug"},
    {manoevrierunfaehig, "manövrierunfähiges Fahrzeug",
     "ist ein manövrierunfähiges Fahrzeug"},
    {tiefgangbehindert, "tiefgangbehindertes Fahrzeug",
     "ist ein tiefgangbehindertes Fahrzeug"},
};
static_assert(in_reihe(kTypB));

constexpr std::string_view kLaengeAMenue[] = {
    "   1= kleiner 20m , 2= groesser 20m ",
};

constexpr std::string_view kLaengeBMenue[] = {
    "   1= kleiner 20m , 2= groesser 20m,  [0=stop])",
};

constexpr Antwort kLaenge[] = {
    {kleiner_20m, "unter 20 m", "unter 20 m lang"},
    {groesser_20m, "20 m und länger", "20 m lang oder länger"},
};
static_assert(in_reihe(kLaenge));

constexpr std::string_view kSeegebietMenue[] = {
    "1=SeeSchifffahrtsStrassen       2=Hohe See (KVR)",
    "     (KVR=Kollosionsverhuetungsregeln) ",
};

constexpr Antwort kSeegebiet[] = {
    {seeschifffahrtsstrassen, "Seeschifffahrtsstraße (SeeSchStrO)",
     "Auf einer Seeschifffahrtsstraße (SeeSchStrO)"},
    {hohe_see, "Hohe See (KVR)", "Außerhalb der Seeschifffahrtsstraßen (KVR)"},
};
static_assert(in_reihe(kSeegebiet));

constexpr Frage kTypAFrage = {&Situation::ka1, "Typ des  Schiffes   A ?", kTypAMenue,
                              kTypA, "Was für ein Fahrzeug ist A, Ihr eigenes Schiff?"};

constexpr Frage kLaengeAFrage = {
    &Situation::ka2,   "Laenge des  Schiffes A ?                ",
    kLaengeAMenue,     kLaenge,
    "Wie lang ist A?", Schiff::a,
    Satzart::anhaengen};

constexpr Frage kTypBFrage = {&Situation::kb1, "Typ des Gegners B ?",         kTypBMenue,
                              kTypB,           "Was für ein Fahrzeug ist B?", Schiff::b};

constexpr Frage kLaengeBFrage = {
    &Situation::kb2,   "Laenge des Schiff B?                ",
    kLaengeBMenue,     kLaenge,
    "Wie lang ist B?", Schiff::b,
    Satzart::anhaengen};

constexpr Frage kSeegebietFrage = {&Situation::kvr, "Welches Seegebiet?", kSeegebietMenue,
                                   kSeegebiet,
                                   "In welchem Seegebiet begegnen sich A und B?"};

void n1eig(Dialogue& d, Code& ka1, Code& ka2) {
  d.ask(kTypAFrage, ka1);
  if (ka1 != maschinenfahrzeug) return;
  d.ask(kLaengeAFrage, ka2);
}

void n3geg(Dialogue& d, Code& kb1, Code& kb2) {
  d.ask(kTypBFrage, kb1);
  if (kb1 != maschinenfahrzeug) return;
  d.ask(kLaengeBFrage, kb2);
}

void n4kvr(Dialogue& d, Code& kvr) {
  d.ask(kSeegebietFrage, kvr);
}

// --- The screens around an analysis -------------------------------------------

constexpr std::string_view kTitelText[] = {
    "für Segel- und Maschinenfahrzeuge",
    "auf den Seeschifffahrtsstraßen (Seeschifffahrtsstraßen-Ordnung, SeeSchStrO) "
    "und auf Hoher See (Kollisionsverhütungsregeln, KVR)",
};

constexpr std::string_view kTitel[] = {
    "                                           [v_4]",
    "             Ausweichregeln  ",
    "       fuer Segel- oder Motor-Schiffe ",
    "",
    "             im Bereich der ",
    "",
    "******************************************************",
    "     FAHRWASSER & SEESCHIFFFAHRTSSTRASSEN, ",
    "     ( => SeeSchifffahrtsStrassenOrdnung )",
    "******************************************************",
    "",
    "            sowie im Bereich der ",
    "",
    "######################################################",
    "                HOHEN SEE ",
    "     ( => Kollisionsverhuetungsregeln, KVR )",
    "######################################################",
    "",
    "",
    "                                      <[enter]...> ",
};

void titel(Dialogue& d) {
  d.block(textblock<kTitel>());
  d.wait_enter({Halt::titel, "Ausweichregeln", kTitelText});
}

constexpr std::string_view kInfoText[] = {
    "1. A und B bestimmen: A (das eigene Schiff) ist ein Segel- oder Maschinenfahrzeug, "
    "B ein beliebiges Fahrzeug.",
    "2. Seeschifffahrtsstraßen-Ordnung: § 2 (Wegerechtschiff), §§ 21 bis 23 und § 25 "
    "Abs. 2 bis 5, dazu KVR Regel 9.",
    "3. KVR: Regeln 9, 10, 19, 13, 12, 18, 14 und 15.",
    "Begegnungen zweier Fahrzeuge gleicher Art (etwa zweier fischender Fahrzeuge) "
    "behandelt der Berater wie die zweier Maschinenfahrzeuge.",
    "Ohne jede Gewähr, mit Vorsicht zu gebrauchen.",
};

constexpr std::string_view kInfo[] = {
    "-----------------------------------------------------",
    "Info:  Prinzip der Situationsanalyse:",
    "",
    "1) Ident A, B (A=Segel/Motor-Schiff, B=beliebig)",
    "2) SeeSchifffahrtsStrassenOrdnung:",
    "      (KVR#9); #23, #24, #25(2,4,5)",
    "3) KVR:",
    "      KVR#9,10,19,13,12,18,14,15",
    "",
    "(Begegnungen z.B. von 2 Fischern werden analog",
    "zur Begegnung von 2 Motor-Schiffen behandelt).",
    "-----------------------------------------------------",
    "NOTE:  No guarantee whatsoever, handle with care !!!",
    "",
    "    <...Hit RETURN to continue>",
};

void info(Dialogue& d) {
  d.block(textblock<kInfo>());
  d.wait_enter({Halt::info, "Prinzip der Situationsanalyse", kInfoText});
}

constexpr std::string_view kEndeDerAnalyse[] = {
    "",
    "",
    "            <=== ENDE der ANALYSE ===>",
    "",
    "                                       [enter]....",
};

void ende_der_analyse(Dialogue& d) {
  d.block(textblock<kEndeDerAnalyse>());
  d.wait_enter({Halt::ende_der_analyse, "Ende der Analyse", {}});
}

}  // namespace

void analyse(Dialogue& d, Situation& s, Nebelhinweise& guidance) {
  Code indkvr = kvr_direkt;
  d.spaces();
  n1eig(d, s.ka1, s.ka2);
  n3geg(d, s.kb1, s.kb2);
  n4kvr(d, s.kvr);
  if (s.kvr == seeschifffahrtsstrassen) {
    seeschstro(d, s, indkvr, guidance);
  } else {
    kvr(d, s, indkvr, guidance);
  }
}

void hauptprogramm(Dialogue& d) {
  Situation s;
  init(s);
  Nebelhinweise guidance;
  for (;;) {
    d.empty();
    d.clear(50);
    titel(d);
    d.spaces();
    info(d);
    analyse(d, s, guidance);
    ende_der_analyse(d);
  }
}

}  // namespace ausweich

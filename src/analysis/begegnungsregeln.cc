#include "analysis/begegnungsregeln.h"

#include "analysis/gemeinsame_zeilen.h"
#include "analysis/ueberholfrage.h"

// Key to the advisor's short names, which this file keeps: n2sic asks for the
// visibility ("Sicht"), awind and bwind for A's and B's wind side, n6luv
// whether A lies to windward ("Luv"); fwspec writes the fairway remark after
// a rule 12 verdict ("Fahrwasser spezial"); jausw is the vessel that must give
// way ("ausweichen"). The codes k... are the record's (situation.h).

namespace ausweich {
namespace {

// --- The questions ------------------------------------------------------------

constexpr std::string_view kSichtMenue[] = {
    "   1= klare Sicht;  2= Nebel, verminderte Sicht",
};

constexpr Antwort kSicht[] = {
    {klare_sicht, "klare Sicht", "Klare Sicht"},
    {verminderte_sicht, "Nebel, verminderte Sicht",
     "Verminderte Sicht: A und B sehen einander nicht und orten einander nur mit Radar"},
};
static_assert(in_reihe(kSicht));

constexpr std::string_view kWindAMenue[] = {
    "1=von BB",
    "2=von StB",
};

constexpr Antwort kWindA[] = {
    {wind_von_bb, "von Backbord", "A hat den Wind von Backbord"},
    {wind_von_stb, "von Steuerbord", "A hat den Wind von Steuerbord"},
};
static_assert(in_reihe(kWindA));

constexpr std::string_view kWindBMenue[] = {
    "1=von BB,  3= BB,  aber vom A nicht erkennbar!",
    "2=von StB, 4= StB, aber vom A nicht erkennbar!",
};

// What A cannot see she cannot be told: both unrecognisable sides read alike.
constexpr std::string_view kWindBUnerkennbar =
    "Von A aus ist nicht zu erkennen, von welcher Seite B den Wind hat";
constexpr Antwort kWindB[] = {
    {wind_von_bb, "von Backbord", "B hat den Wind von Backbord"},
    {wind_von_stb, "von Steuerbord", "B hat den Wind von Steuerbord"},
    {bb_nicht_erkennbar, "von Backbord, für A nicht erkennbar", kWindBUnerkennbar},
    {stb_nicht_erkennbar, "von Steuerbord, für A nicht erkennbar", kWindBUnerkennbar},
};
static_assert(in_reihe(kWindB));

constexpr std::string_view kLuvMenue[] = {
    "  1= A ist in LUV (von B)",
    "  2= A ist in LEE (von B)",
};

constexpr Antwort kLuv[] = {
    {a_in_luv, "A in Luv von B", "A liegt in Luv von B"},
    {a_in_lee, "A in Lee von B", "A liegt in Lee von B"},
};
static_assert(in_reihe(kLuv));

constexpr Frage kSichtFrage = {&Situation::ks, "Sichtverhaeltnisse ?", kSichtMenue,
                               kSicht, "Wie ist die Sicht?"};

constexpr Frage kWindAFrage = {&Situation::ka3,
                               "Wind, von welcher Seite fuer eigenes Schiff A ?",
                               kWindAMenue, kWindA, "Von welcher Seite hat A den Wind?"};

constexpr Frage kWindBFrage = {&Situation::kb3,
                               "Wind, von welcher Seite fuer gegner. Schiff B ?",
                               kWindBMenue, kWindB, "Von welcher Seite hat B den Wind?"};

constexpr Frage kLuvFrage = {&Situation::kluv, "Wie liegt A zu B relativ zum Wind?",
                             kLuvMenue, kLuv, "Liegt A in Luv oder in Lee von B?"};

void n2sic(Dialogue& d, Code& ks) {
  d.ask(kSichtFrage, ks);
}

/// The wind side of A, asked only of a sailing vessel.
void awind(Dialogue& d, Code ka1, Code& ka3) {
  if (ka1 != segler) return;
  d.ask(kWindAFrage, ka3);
}

/// The wind side of B as A sees it, asked only of a sailing vessel.
void bwind(Dialogue& d, Code kb1, Code& kb3) {
  if (kb1 != segler) return;
  d.ask(kWindBFrage, kb3);
}

void n6luv(Dialogue& d, Code& kluv) {
  d.ask(kLuvFrage, kluv);
}

// --- Rule 19 ------------------------------------------------------------------

/// Rule 19: in restricted visibility every vessel gives way to every other.
void regel19_verdict(Dialogue& d, Nebelhinweise& guidance) {
  d.verdict({Regel::kvr_19_d, Schiff::beide});
  d.line(kRahmen);
  d.line("Verminderte Sicht,");
  d.line("(die ganze Zeit mit sicherer Geschwindigkeit fahren!)");
  d.line("Regel 19: Jeder muss jedem ausweichen");
  d.states(Klasse::beide_muessen_ausweichen);
  d.line(kRahmen);
  d.empty();
  guidance.regel19(d);
}

// --- Rule 13 ------------------------------------------------------------------

constexpr std::string_view kUeberholerZeile[] = {
    "Regel 13: A muss als Ueberholer ausweichen",
    "Regel 13: B muss als Ueberholer ausweichen",
};

/// Rule 13: the overtaking vessel keeps out of the way.
void regel13(Dialogue& d, Code kueb) {
  const Schiff ueberholer = kueb == a_ueberholt_b ? Schiff::a : Schiff::b;
  d.line(kRahmen);
  d.verdict({Regel::kvr_13_a, ueberholer});
  d.line(kUeberholerZeile[nach_schiff(ueberholer)]);
  d.states(muss_ausweichen(ueberholer));
  d.line(kRahmen);
}

// --- Rule 12 ------------------------------------------------------------------

/// One verdict of rule 12: the vessel that gives way, the rule, and its
/// line.
struct Regel12 {
  Schiff jausw;
  Regel regel;
  std::string_view zeile;
};

/// Reports and writes a rule 12 verdict; returns the vessel that gives way.
Schiff regel12_verdict(Dialogue& d, const Regel12& r) {
  d.verdict({r.regel, r.jausw});
  d.line(r.zeile);
  d.states(muss_ausweichen(r.jausw));
  return r.jausw;
}

/// Rule 12 with the wind on different sides: the vessel with the wind from
/// port gives way.
Schiff wind_von_verschiedenen_seiten(Dialogue& d, Code ka3) {
  constexpr Regel12 kVerdicts[] = {
      {Schiff::a, Regel::kvr_12_a_i, "Regel 12a(i): A ist ausweichpflichtig"},
      {Schiff::b, Regel::kvr_12_a_i, "Regel 12a(i): B ist ausweichpflichtig"},
  };
  return regel12_verdict(d, kVerdicts[ka3 == wind_von_bb ? 0 : 1]);
}

/// Rule 12 with the wind on the same side: the windward vessel gives way.
Schiff wind_von_gleicher_seite(Dialogue& d, Code kluv) {
  constexpr Regel12 kVerdicts[] = {
      {Schiff::a, Regel::kvr_12_a_ii, "Regel 12a(ii): A ist ausweichpflichtig"},
      {Schiff::b, Regel::kvr_12_a_ii, "Regel 12a(ii): B ist ausweichpflichtig"},
  };
  return regel12_verdict(d, kVerdicts[kluv == a_in_luv ? 0 : 1]);
}

/// Rule 12 when A cannot see on which side B has the wind. With the wind
/// from port A gives way whatever B's side; with the wind from starboard and
/// to leeward she stands on whatever it is; with the wind from starboard and
/// to windward the rule does not decide, and the screen's advice to reckon
/// with the worse case is seamanship (KVR Regel 2 a)), not a rule that
/// decides: the verdict is the rule in general.
Schiff wind_von_b_unerkennbar(Dialogue& d, Code ka3, Code kluv) {
  if (ka3 == wind_von_bb && kluv == a_in_lee) {
    return regel12_verdict(
        d, {Schiff::a, Regel::kvr_12_a_iii, "Regel 12a(iii): A ist ausweichpflichtig"});
  }
  if (ka3 == wind_von_bb) {
    return regel12_verdict(d, {Schiff::a, Regel::kvr_12_a_i_ii_a,
                               "Regel 12a(i,ii): A ist ausweichpflichtig"});
  }
  if (kluv == a_in_lee) {
    return regel12_verdict(d, {Schiff::b, Regel::kvr_12_a_i_ii_b,
                               "Regel 12a(i,ii): B ist ausweichpflichtig"});
  }
  d.verdict({Regel::kvr_12_a, Schiff::a});
  d.line("Wenn B anscheinend nicht ausweicht, muss A im Zweifel");
  d.line("nach Regel 2(a) damit rechnen, dass B in LEE liegend");
  d.line("Wind auch von StB hat.");
  d.line("Dann gilt Regel 12a(ii)):   A ist ausweichpflichtig");
  d.states(Klasse::a_muss_ausweichen);
  return Schiff::a;
}

/// After a rule 12 verdict on the path through the waterways regime: the
/// remark that the vessel outside the fairway should not insist on her right
/// of way over the one that roughly follows it. `jausw` is the vessel that
/// must give way.
void fwspec(Dialogue& d, Code indkvr, Schiff jausw, const Situation& s) {
  if (indkvr != ueber_seeschstro || s.ka1 != segler || s.kb1 != segler) return;
  constexpr std::string_view kAnmerkung[][2] = {
      {"(Aber: A folgt immerhin grob dem FW, B ist ausserhalb,",
       "B sollte kein Vorfahrtsrecht durchzusetzen versuchen!)"},
      {"(Aber: B folgt immerhin grob dem FW, A ist ausserhalb,",
       "A sollte kein Vorfahrtsrecht durchzusetzen versuchen!)"},
  };
  const bool a_weicht = jausw == Schiff::a;
  const Code ausweichender_fw = a_weicht ? s.kafw : s.kbfw;
  const Code anderer_fw = a_weicht ? s.kbfw : s.kafw;
  if (ausweichender_fw != im_fw_folgend || anderer_fw != nicht_im_fw) return;
  d.empty();
  for (const std::string_view zeile : kAnmerkung[nach_schiff(jausw)]) d.line(zeile);
}

/// Rule 12: two sailing vessels.
void regel12(Dialogue& d, Situation& s, Code indkvr) {
  d.empty();
  awind(d, s.ka1, s.ka3);
  bwind(d, s.kb1, s.kb3);
  Schiff jausw = Schiff::a;
  if (s.kb3 == bb_nicht_erkennbar || s.kb3 == stb_nicht_erkennbar) {
    n6luv(d, s.kluv);
    d.line("A kann die Segelstellung auf B nicht klar erkennen,");
    d.line("umgekehrt muss das Gleiche angenommen werden");
    d.empty();
    d.line(kRahmen);
    jausw = wind_von_b_unerkennbar(d, s.ka3, s.kluv);
  } else if (s.kb3 == s.ka3) {
    n6luv(d, s.kluv);
    d.line(kRahmen);
    jausw = wind_von_gleicher_seite(d, s.kluv);
  } else {
    d.line(kRahmen);
    jausw = wind_von_verschiedenen_seiten(d, s.ka3);
  }
  fwspec(d, indkvr, jausw, s);
  d.line(kRahmen);
}

// --- Rule 18 ------------------------------------------------------------------

/// The rule of KVR Regel 18 a) and b) that puts a motor vessel A (row 0) or
/// a sailing vessel A (row 1) under the duty to keep out of the way of B, by
/// B's type, or that puts a sailing B under it towards a motor vessel A.
/// Same types are not decided here, nor a vessel constrained by her draught,
/// whom 18 d) i) protects from being impeded only.
constexpr Regel kGleicheArt = Regel::kvr_14_15;  // not decided here
constexpr Regel kRangfolge[2][6] = {
    {kGleicheArt, Regel::kvr_18_a_iv, Regel::kvr_18_a_iii, Regel::kvr_18_a_ii,
     Regel::kvr_18_a_i, Regel::kvr_18_d_i},
    {Regel::kvr_18_a_iv, kGleicheArt, Regel::kvr_18_b_iii, Regel::kvr_18_b_ii,
     Regel::kvr_18_b_i, Regel::kvr_18_d_i},
};

/// Rule 18: the vessel lower in the order of the types gives way; any vessel
/// but one not under command or restricted in her ability to manoeuvre must
/// not impede one constrained by her draught (18 d) i)), who is herself bound
/// by the steering rules once in close quarters: towards a sailing vessel by
/// 18 a) iv). The screen makes a motor vessel A give way to her besides,
/// which the rule does not.
void regel18(Dialogue& d, Code ka1, Code kb1) {
  d.line(kRahmen);
  d.line("Regel 18 - Fahrzeuge untereinander:");
  if (kb1 == tiefgangbehindert) {
    d.verdict({Regel::kvr_18_d_i, Schiff::a});
    d.assume("B zeigt die Signale eines tiefgangbehinderten Fahrzeugs");
    d.line("A darf das tiefgangbehinderte Fzg. nicht behindern,");
    d.line("muss also versuchen, den Weg freizumachen (KVR#8fii).");
    d.states(Klasse::a_darf_b_nicht_behindern);
  }
  if (kb1 == tiefgangbehindert && ka1 == segler) {
    // B is a power-driven vessel: once they are so close that there is risk
    // of collision, she stays bound to keep out of a sailing vessel's way
    // (Regel 8 f) iii)), as the screen says.
    d.duty({Regel::kvr_18_a_iv, Schiff::b});
    d.line("A ist also NICHT Kurshalter.   Aber: ");
    d.line("Wenn jetzt Nahbereichslage eingetreten ist, muss");
    d.line("das tiefgangbehinderte Maschinenfahrzeug B trotz");
    d.line("der Tiefgangbehinderung versuchen, dem Fahrzeug A");
    d.line("auszuweichen, bzw. aufzustoppen (KVR#8fiii).");
  } else {
    const Schiff jausw = ka1 < kb1 ? Schiff::a : Schiff::b;
    if (kb1 != tiefgangbehindert) d.verdict({kRangfolge[ka1 - 1][kb1 - 1], jausw});
    d.line(jausw == Schiff::a ? "A ist ausweichpflichtig" : "B ist ausweichpflichtig");
    d.states(muss_ausweichen(jausw));
  }
  d.line(kRahmen);
}

// --- Rules 14 and 15 ----------------------------------------------------------

/// Rules 14 and 15: two power-driven vessels, whatever their lengths.
void regeln14_15_verdict(Dialogue& d) {
  d.verdict(regeln14_15(Peilung::offen));
  d.line(kRahmen);
  d.line("                  Maschinenfahrzeuge:");
  d.line("Regel 14 - Entgegengesetzte Kurse:");
  d.line("Beide weichen nach Steuerbord aus.");
  d.line("Regel 15 - Kreuzende Kurse:");
  d.line("Wer den Anderen an Steuerbord sieht, muss ausweichen");
  d.line("(Nicht vor dem Bug des anderen Schiffs kreuzen).");
  d.line(kRahmen);
}

}  // namespace

Pflicht regeln14_15(Peilung peilung) {
  switch (peilung) {
    case Peilung::recht_voraus_gegenkurs:
      return {Regel::kvr_14_a, Schiff::beide};
    case Peilung::kreuzt_von_stb:
      return {Regel::kvr_15, Schiff::a};
    case Peilung::kreuzt_von_bb:
      return {Regel::kvr_15, Schiff::b};
    case Peilung::offen:
      break;
  }
  return {Regel::kvr_14_15, Schiff::beide};
}

void begegnungsregeln(Dialogue& d, Situation& s, Code indkvr, Nebelhinweise& guidance) {
  n2sic(d, s.ks);
  if (s.ks == verminderte_sicht) {
    regel19_verdict(d, guidance);
    return;
  }
  d.empty();
  n0ueb(d, s.kueb);
  if (s.kueb == a_ueberholt_b || s.kueb == b_ueberholt_a) {
    regel13(d, s.kueb);
  } else if (s.ka1 == segler && s.kb1 == segler) {
    regel12(d, s, indkvr);
  } else if (s.ka1 != s.kb1) {
    regel18(d, s.ka1, s.kb1);
  } else {
    regeln14_15_verdict(d);
  }
}

}  // namespace ausweich

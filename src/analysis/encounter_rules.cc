#include "analysis/encounter_rules.h"

#include "analysis/waterways_regime.h"

namespace ausweich {
namespace {

constexpr std::string_view kRahmen =
    "#####################################################";

/// Rule 19: in restricted visibility every vessel gives way to every other.
void regel19_verdict(Dialogue& d, VisibilityGuidance& guidance) {
  d.line(kRahmen);
  d.line("Verminderte Sicht,");
  d.line("(die ganze Zeit mit sicherer Geschwindigkeit fahren!)");
  d.line("Regel 19: Jeder muss jedem ausweichen");
  d.line(kRahmen);
  d.empty();
  guidance.regel19(d);
}

/// Rule 13: the overtaking vessel keeps out of the way (`kueb` 2 or 3).
void regel13(Dialogue& d, Code kueb) {
  d.line(kRahmen);
  if (kueb == 2) {
    d.line("Regel 13: A muss als Ueberholer ausweichen");
  } else {
    d.line("Regel 13: B muss als Ueberholer ausweichen");
  }
  d.line(kRahmen);
}

/// Rule 12 with the wind on different sides: the vessel with the wind from
/// port gives way. Returns the vessel that gives way.
Code wind_von_verschiedenen_seiten(Dialogue& d, Code ka3) {
  if (ka3 == 1) {
    d.line("Regel 12a(i): A ist ausweichpflichtig");
    return 1;
  }
  d.line("Regel 12a(i): B ist ausweichpflichtig");
  return 2;
}

/// Rule 12 with the wind on the same side: the windward vessel gives way.
Code wind_von_gleicher_seite(Dialogue& d, Code kluv) {
  if (kluv == 1) {
    d.line("Regel 12a(ii): A ist ausweichpflichtig");
    return 1;
  }
  d.line("Regel 12a(ii): B ist ausweichpflichtig");
  return 2;
}

/// Rule 12 when A cannot see on which side B has the wind.
Code wind_von_b_unerkennbar(Dialogue& d, Code ka3, Code kluv) {
  if (ka3 == 1 && kluv == 2) {
    d.line("Regel 12a(iii): A ist ausweichpflichtig");
    return 1;
  }
  if (ka3 == 1) {
    d.line("Regel 12a(i,ii): A ist ausweichpflichtig");
    return 1;
  }
  if (kluv == 2) {
    d.line("Regel 12a(i,ii): B ist ausweichpflichtig");
    return 2;
  }
  d.line("Wenn B anscheinend nicht ausweicht, muss A im Zweifel");
  d.line("nach Regel 2(a) damit rechnen, dass B in LEE liegend");
  d.line("Wind auch von StB hat.");
  d.line("Dann gilt Regel 12a(ii)):   A ist ausweichpflichtig");
  return 1;
}

/// Rule 12: two sailing vessels.
void regel12(Dialogue& d, Situation& s, Code indkvr) {
  Code jausw = 0;
  d.empty();
  awind(d, s.ka1, s.ka3);
  bwind(d, s.kb1, s.kb3);
  if (s.kb3 == 3 || s.kb3 == 4) {
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
  fwspec(d, indkvr, jausw, s.ka1, s.kb1, s.kafw, s.kbfw);
  d.line(kRahmen);
}

/// Rule 18: the vessel lower in the order power-driven, sailing, fishing,
/// restricted, not under command, constrained by her draught gives way.
void regel18(Dialogue& d, Code ka1, Code kb1) {
  d.line(kRahmen);
  d.line("Regel 18 - Fahrzeuge untereinander:");
  if (kb1 == 6) {
    d.line("A darf das tiefgangbehinderte Fzg. nicht behindern,");
    d.line("muss also versuchen, den Weg freizumachen (KVR#8fii).");
    if (ka1 == 2) {
      d.line("A ist also NICHT Kurshalter.   Aber: ");
      d.line("Wenn jetzt Nahbereichslage eingetreten ist, muss");
      d.line("das tiefgangbehinderte Maschinenfahrzeug B trotz");
      d.line("der Tiefgangbehinderung versuchen, dem Fahrzeug A");
      d.line("auszuweichen, bzw. aufzustoppen (KVR#8fiii).");
      d.line(kRahmen);
      return;
    }
  }
  if (ka1 < kb1) {
    d.line("A ist ausweichpflichtig");
  } else {
    d.line("B ist ausweichpflichtig");
  }
  d.line(kRahmen);
}

/// Rules 14 and 15: two power-driven vessels, whatever their lengths.
void regeln14_15(Dialogue& d) {
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

void n2sic(Dialogue& d, Code& ks) {
  d.line("Sichtverhaeltnisse ?");
  d.empty();
  d.line("   1= klare Sicht;  2= Nebel, verminderte Sicht");
  d.readc(2, ks);
}

void awind(Dialogue& d, Code ka1, Code& ka3) {
  if (ka1 != 2) return;
  d.line("Wind, von welcher Seite fuer eigenes Schiff A ?");
  d.empty();
  d.line("1=von BB");
  d.line("2=von StB");
  d.readc(2, ka3);
}

void bwind(Dialogue& d, Code kb1, Code& kb3) {
  if (kb1 != 2) return;
  d.line("Wind, von welcher Seite fuer gegner. Schiff B ?");
  d.empty();
  d.line("1=von BB,  3= BB,  aber vom A nicht erkennbar!");
  d.line("2=von StB, 4= StB, aber vom A nicht erkennbar!");
  d.readc(4, kb3);
}

void n6luv(Dialogue& d, Code& kluv) {
  d.line("Wie liegt A zu B relativ zum Wind?");
  d.empty();
  d.line("  1= A ist in LUV (von B)");
  d.line("  2= A ist in LEE (von B)");
  d.readc(2, kluv);
}

void fwspec(Dialogue& d, Code indkvr, Code jausw, Code ka1, Code kb1, Code kafw,
            Code kbfw) {
  if (indkvr != 2 || ka1 != 2 || kb1 != 2) return;
  if (kafw == 3 && kbfw == 1 && jausw == 1) {
    d.empty();
    d.line("(Aber: A folgt immerhin grob dem FW, B ist ausserhalb,");
    d.line("B sollte kein Vorfahrtsrecht durchzusetzen versuchen!)");
  } else if (kafw == 1 && kbfw == 3 && jausw == 2) {
    d.empty();
    d.line("(Aber: B folgt immerhin grob dem FW, A ist ausserhalb,");
    d.line("A sollte kein Vorfahrtsrecht durchzusetzen versuchen!)");
  }
}

void encounter_rules(Dialogue& d, Situation& s, Code indkvr,
                     VisibilityGuidance& guidance) {
  n2sic(d, s.ks);
  if (s.ks == 2) {
    regel19_verdict(d, guidance);
    return;
  }
  d.empty();
  n0ueb(d, s.kueb);
  if (s.kueb == 2 || s.kueb == 3) {
    regel13(d, s.kueb);
  } else if (s.ka1 == 2 && s.kb1 == 2) {
    regel12(d, s, indkvr);
  } else if (s.ka1 != s.kb1) {
    regel18(d, s.ka1, s.kb1);
  } else {
    regeln14_15(d);
  }
}

}  // namespace ausweich

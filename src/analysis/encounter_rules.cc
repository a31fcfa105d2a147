#include "analysis/encounter_rules.h"

#include "analysis/common_lines.h"
#include "analysis/waterways_regime.h"

namespace ausweich {
namespace {

constexpr std::string_view kSichtMenue[] = {
    "   1= klare Sicht;  2= Nebel, verminderte Sicht",
};

constexpr std::string_view kWindAMenue[] = {
    "1=von BB",
    "2=von StB",
};

constexpr std::string_view kWindBMenue[] = {
    "1=von BB,  3= BB,  aber vom A nicht erkennbar!",
    "2=von StB, 4= StB, aber vom A nicht erkennbar!",
};

constexpr std::string_view kLuvMenue[] = {
    "  1= A ist in LUV (von B)",
    "  2= A ist in LEE (von B)",
};

/// Rule 19: in restricted visibility every vessel gives way to every other.
void regel19_verdict(Dialogue& d, VisibilityGuidance& guidance) {
  d.verdict({Pflicht::jeder_weicht_jedem_aus, "KVR Regel 19"});
  d.line(kRahmen);
  d.line("Verminderte Sicht,");
  d.line("(die ganze Zeit mit sicherer Geschwindigkeit fahren!)");
  d.line("Regel 19: Jeder muss jedem ausweichen");
  d.line(kRahmen);
  d.empty();
  guidance.regel19(d);
}

/// Rule 13: the overtaking vessel keeps out of the way.
void regel13(Dialogue& d, Code kueb) {
  d.line(kRahmen);
  if (kueb == a_ueberholt_b) {
    d.verdict({Pflicht::a_weicht_aus, "KVR Regel 13"});
    d.line("Regel 13: A muss als Ueberholer ausweichen");
  } else {
    d.verdict({Pflicht::b_weicht_aus, "KVR Regel 13"});
    d.line("Regel 13: B muss als Ueberholer ausweichen");
  }
  d.line(kRahmen);
}

/// A rule 12 verdict: its line, reported with the vessel that gives way.
Code regel12_verdict(Dialogue& d, Code jausw, std::string_view regel,
                     std::string_view zeile) {
  d.verdict({jausw == a_ausweichpflichtig ? Pflicht::a_weicht_aus : Pflicht::b_weicht_aus,
             regel});
  d.line(zeile);
  return jausw;
}

/// Rule 12 with the wind on different sides: the vessel with the wind from
/// port gives way.
Code wind_von_verschiedenen_seiten(Dialogue& d, Code ka3) {
  constexpr std::string_view kRegel = "KVR Regel 12a(i)";
  if (ka3 == wind_von_bb) {
    return regel12_verdict(d, a_ausweichpflichtig, kRegel,
                           "Regel 12a(i): A ist ausweichpflichtig");
  }
  return regel12_verdict(d, b_ausweichpflichtig, kRegel,
                         "Regel 12a(i): B ist ausweichpflichtig");
}

/// Rule 12 with the wind on the same side: the windward vessel gives way.
Code wind_von_gleicher_seite(Dialogue& d, Code kluv) {
  constexpr std::string_view kRegel = "KVR Regel 12a(ii)";
  if (kluv == a_in_luv) {
    return regel12_verdict(d, a_ausweichpflichtig, kRegel,
                           "Regel 12a(ii): A ist ausweichpflichtig");
  }
  return regel12_verdict(d, b_ausweichpflichtig, kRegel,
                         "Regel 12a(ii): B ist ausweichpflichtig");
}

/// Rule 12 when A cannot see on which side B has the wind.
Code wind_von_b_unerkennbar(Dialogue& d, Code ka3, Code kluv) {
  if (ka3 == wind_von_bb && kluv == a_in_lee) {
    return regel12_verdict(d, a_ausweichpflichtig, "KVR Regel 12a(iii)",
                           "Regel 12a(iii): A ist ausweichpflichtig");
  }
  if (ka3 == wind_von_bb) {
    return regel12_verdict(d, a_ausweichpflichtig, "KVR Regel 12a(i,ii)",
                           "Regel 12a(i,ii): A ist ausweichpflichtig");
  }
  if (kluv == a_in_lee) {
    return regel12_verdict(d, b_ausweichpflichtig, "KVR Regel 12a(i,ii)",
                           "Regel 12a(i,ii): B ist ausweichpflichtig");
  }
  d.verdict({Pflicht::a_weicht_aus, "KVR Regel 2(a) und 12a(ii)"});
  d.line("Wenn B anscheinend nicht ausweicht, muss A im Zweifel");
  d.line("nach Regel 2(a) damit rechnen, dass B in LEE liegend");
  d.line("Wind auch von StB hat.");
  d.line("Dann gilt Regel 12a(ii)):   A ist ausweichpflichtig");
  return a_ausweichpflichtig;
}

/// Rule 12: two sailing vessels.
void regel12(Dialogue& d, Situation& s, Code indkvr) {
  Code jausw = noch_keiner;
  d.empty();
  awind(d, s.ka1, s.ka3);
  bwind(d, s.kb1, s.kb3);
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
  fwspec(d, indkvr, jausw, s.ka1, s.kb1, s.kafw, s.kbfw);
  d.line(kRahmen);
}

/// Rule 8 f, which rule 18 refers to: A must not impede a vessel constrained
/// by her draught.
void tiefgangbehinderter(Dialogue& d) {
  d.line("A darf das tiefgangbehinderte Fzg. nicht behindern,");
  d.line("muss also versuchen, den Weg freizumachen (KVR#8fii).");
}

/// Rule 18: the vessel lower in the order of the types gives way; a sailing
/// vessel only keeps out of the way of one constrained by her draught.
void regel18(Dialogue& d, Code ka1, Code kb1) {
  d.line(kRahmen);
  d.line("Regel 18 - Fahrzeuge untereinander:");
  if (kb1 == tiefgangbehindert && ka1 == segler) {
    d.verdict({Pflicht::a_darf_b_nicht_behindern, "KVR Regel 18 und 8f"});
    tiefgangbehinderter(d);
    d.line("A ist also NICHT Kurshalter.   Aber: ");
    d.line("Wenn jetzt Nahbereichslage eingetreten ist, muss");
    d.line("das tiefgangbehinderte Maschinenfahrzeug B trotz");
    d.line("der Tiefgangbehinderung versuchen, dem Fahrzeug A");
    d.line("auszuweichen, bzw. aufzustoppen (KVR#8fiii).");
  } else {
    if (kb1 == tiefgangbehindert) tiefgangbehinderter(d);
    if (ka1 < kb1) {
      d.verdict({Pflicht::a_weicht_aus, "KVR Regel 18"});
      d.line("A ist ausweichpflichtig");
    } else {
      d.verdict({Pflicht::b_weicht_aus, "KVR Regel 18"});
      d.line("B ist ausweichpflichtig");
    }
  }
  d.line(kRahmen);
}

/// Rules 14 and 15: two power-driven vessels, whatever their lengths.
void regeln14_15(Dialogue& d) {
  d.verdict({Pflicht::allgemein, "KVR Regeln 14 und 15"});
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
  d.ask({"Sichtverhaeltnisse ?", kSichtMenue, verminderte_sicht}, ks);
}

void awind(Dialogue& d, Code ka1, Code& ka3) {
  if (ka1 != segler) return;
  d.ask({"Wind, von welcher Seite fuer eigenes Schiff A ?", kWindAMenue, wind_von_stb},
        ka3);
}

void bwind(Dialogue& d, Code kb1, Code& kb3) {
  if (kb1 != segler) return;
  d.ask({"Wind, von welcher Seite fuer gegner. Schiff B ?", kWindBMenue,
         stb_nicht_erkennbar},
        kb3);
}

void n6luv(Dialogue& d, Code& kluv) {
  d.ask({"Wie liegt A zu B relativ zum Wind?", kLuvMenue, a_in_lee}, kluv);
}

void fwspec(Dialogue& d, Code indkvr, Code jausw, Code ka1, Code kb1, Code kafw,
            Code kbfw) {
  if (indkvr != ueber_seeschstro || ka1 != segler || kb1 != segler) return;
  if (kafw == im_fw_folgend && kbfw == nicht_im_fw && jausw == a_ausweichpflichtig) {
    d.empty();
    d.line("(Aber: A folgt immerhin grob dem FW, B ist ausserhalb,");
    d.line("B sollte kein Vorfahrtsrecht durchzusetzen versuchen!)");
  } else if (kafw == nicht_im_fw && kbfw == im_fw_folgend &&
             jausw == b_ausweichpflichtig) {
    d.empty();
    d.line("(Aber: B folgt immerhin grob dem FW, A ist ausserhalb,");
    d.line("A sollte kein Vorfahrtsrecht durchzusetzen versuchen!)");
  }
}

void encounter_rules(Dialogue& d, Situation& s, Code indkvr,
                     VisibilityGuidance& guidance) {
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
    regeln14_15(d);
  }
}

}  // namespace ausweich

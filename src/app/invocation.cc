#include "app/invocation.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "console/program_end.h"
#include "console/run_advisor.h"
#include "console/run_training.h"
#include "console/write_worksheet.h"
#include "training/ziehung.h"

namespace ausweich {
namespace {

constexpr std::string_view kVersion = "ausweichregeln " AUSWEICH_VERSION;

constexpr std::string_view kHilfe[] = {
    "Invocation: ausweichregeln",
    "        ausweichregeln --uebung [--anzahl N] [--seed S]",
    "        ausweichregeln --uebung [--anzahl N] --seed S --bild K",
    "        ausweichregeln --uebung --lagen S:K[,S:K...]",
    "        ausweichregeln --uebung --lichter [--anzahl N] [--seed S]",
    "        ausweichregeln --help | --version",
    "",
    "Ohne Argumente beraet das Programm: es fragt nach dem eigenen",
    "Schiff A, dem Gegner B, dem Seegebiet und der Lage und nennt,",
    "wer ausweichen muss, nach SeeSchStrO oder KVR. Die Antworten",
    "sind Zahlen aus den Menues; Enter allein behaelt den Default,",
    "0 beendet das Programm.",
    "",
    "Optionen:",
    "  --uebung      Uebung: zufaellige Begegnungen entscheiden, der",
    "                Berater erklaert jede Loesung",
    "  --lichter     mit --uebung: Lichter und Signalkoerper; was der",
    "                Ausguck von B sieht, welches Fahrzeug B ist und",
    "                wer ausweichen muss",
    "  --anzahl N    Zahl der Begegnungen, 1 bis 100 (sonst 10)",
    "  --seed S      gleiche Zahl S, gleiche Begegnungen (ab 0)",
    "  --bild K      nur das Bild der Lage K als SVG ausgeben: von",
    "                oben, bei Tag, ohne Urteil (ein Arbeitsblatt)",
    "  --lagen S:K,...  nur diese Lagen ueben: je Lage K der Uebung",
    "                mit --seed S (bis zu 100)",
    "  -h, --help    diese Hilfe",
    "  --version     die Version",
    "",
    "Exit-Status: 0 beendet, 1 Abbruch (Ctrl-C), 2 Fehler oder Ende",
    "der Eingabe.",
    "",
    "NOTE:  No guarantee whatsoever, handle with care !!!",
};

Invocation fehler(std::string_view was) {
  Invocation a;
  a.art = Invocation::Art::fehler;
  a.fehler << "ausweichregeln: " << was << " (siehe ausweichregeln --help)";
  return a;
}

/// An error about the word `wert` of the command line, quoted as it stands.
Invocation fehler(std::string_view was, std::string_view wert) {
  Invocation a;
  a.art = Invocation::Art::fehler;
  a.fehler << "ausweichregeln: " << was << " '" << wert
           << "' (siehe ausweichregeln --help)";
  return a;
}

/// A whole decimal number, nothing else; false when it is not one or does not
/// fit.
bool zahl(std::string_view text, std::uint64_t& wert) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, wert);
  return !text.empty() && ec == std::errc() && ptr == end;
}

/// An option's value: after "=" in the same argument, or the next argument.
bool wert_von(std::string_view arg, Argumente args, std::size_t& i,
              std::string_view& wert) {
  const std::size_t gleich = arg.find('=');
  if (gleich != std::string_view::npos) {
    wert = arg;
    wert.remove_prefix(gleich + 1);
    return true;
  }
  if (i + 1 >= args.size()) return false;
  wert = args[++i];
  return true;
}

/// The usage text and the version answer whatever else the command line holds.
Invocation::Art vorrang(Argumente args) {
  Invocation::Art art = Invocation::Art::beraten;
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return Invocation::Art::hilfe;
    if (arg == "--version") art = Invocation::Art::version;
  }
  return art;
}

/// An option of the training that takes a whole number.
struct NumberOption {
  std::string_view name;
  std::uint64_t min, max;
  std::string_view fehlt;   // the error without a value
  std::string_view falsch;  // the error with a wrong one, which follows it
  void (*setze)(Invocation& a, std::uint64_t wert);
};

constexpr NumberOption kZahloptionen[] = {
    {"--anzahl", 1, kMaxLagen, "--anzahl braucht eine Zahl",
     "--anzahl braucht eine Zahl von 1 bis 100, nicht",
     [](Invocation& a, std::uint64_t n) { a.anzahl = static_cast<int>(n); }},
    {"--seed", 0, UINT64_MAX, "--seed braucht eine Zahl",
     "--seed braucht eine ganze Zahl ab 0, nicht",
     [](Invocation& a, std::uint64_t n) {
       a.seed = n;
       a.mit_seed = true;
     }},
    {"--bild", 1, kMaxLagen, "--bild braucht eine Zahl",
     "--bild braucht eine Zahl von 1 bis 100, nicht",
     [](Invocation& a, std::uint64_t n) { a.bild = static_cast<int>(n); }},
};

/// The option that `arg` names, alone or before "=", or none.
const NumberOption* zahloption(std::string_view arg) {
  const std::string_view name(arg.data(), std::min(arg.size(), arg.find('=')));
  for (const NumberOption& o : kZahloptionen) {
    if (o.name == name) return &o;
  }
  return nullptr;
}

Invocation unbekannt(std::string_view arg) {
  if (arg.starts_with("-") && arg != "-") return fehler("unbekannte Option", arg);
  return fehler("unerwartetes Argument", arg);
}

/// Reads the value of `option`, which stands in `args[i]` after "=" or in the
/// next argument, into `a`; on a fault `a` becomes the error and the result
/// is false.
bool lies_zahl(const NumberOption& option, Argumente args, std::size_t& i,
               Invocation& a) {
  std::string_view wert;
  std::uint64_t n = 0;
  if (!wert_von(args[i], args, i, wert)) {
    a = fehler(option.fehlt);
    return false;
  }
  if (!zahl(wert, n) || n < option.min || n > option.max) {
    a = fehler(option.falsch, wert);
    return false;
  }
  option.setze(a, n);
  return true;
}

/// The items of --lagen: "S:K" pairs joined by commas, the seed S of a
/// draw and the number K of an item in it.
bool lies_lagen(Argumente args, std::size_t& i, Invocation& a) {
  std::string_view wert;
  if (!wert_von(args[i], args, i, wert)) {
    a = fehler("--lagen braucht Lagen wie 42:3,42:7");
    return false;
  }
  const std::string_view ganz = wert;
  while (true) {
    const std::string_view lage = wert.substr(0, wert.find(','));
    const std::size_t doppelpunkt = lage.find(':');
    std::uint64_t seed = 0;
    std::uint64_t nummer = 0;
    const bool gut = doppelpunkt != std::string_view::npos &&
                     zahl(lage.substr(0, doppelpunkt), seed) &&
                     zahl(lage.substr(doppelpunkt + 1), nummer) && nummer >= 1 &&
                     nummer <= kMaxLagen && a.lagen_anzahl < a.lagen.size();
    if (!gut) {
      a = fehler("--lagen braucht bis zu 100 Lagen wie 42:3,42:7, nicht", ganz);
      return false;
    }
    a.lagen[a.lagen_anzahl++] = {seed, static_cast<int>(nummer)};
    if (lage.size() == wert.size()) return true;
    wert.remove_prefix(lage.size() + 1);
  }
}

/// --bild names an item of the draw that the seed repeats.
Invocation bild_pruefen(const Invocation& a) {
  if (!a.mit_seed) return fehler("--bild braucht --seed");
  if (a.bild <= a.anzahl) return a;
  Invocation f;
  f.art = Invocation::Art::fehler;
  f.fehler << "ausweichregeln: --bild braucht eine Zahl von 1 bis "
           << static_cast<std::uint64_t>(a.anzahl) << " (--anzahl), nicht '"
           << static_cast<std::uint64_t>(a.bild) << "' (siehe ausweichregeln --help)";
  return f;
}

void schreibe(Terminal& terminal, std::string_view zeile) {
  const std::string_view ende = terminal.line_end();
  terminal.write(zeile.data(), zeile.size());
  terminal.write(ende.data(), ende.size());
}

}  // namespace

Invocation read_invocation(Argumente args) {
  Invocation a;
  a.art = vorrang(args);
  if (a.art != Invocation::Art::beraten) return a;
  bool nur_uebung = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--uebung") {
      a.art = Invocation::Art::ueben;
      continue;
    }
    if (arg == "--lagen" || arg.starts_with("--lagen=")) {
      if (!lies_lagen(args, i, a)) return a;
      nur_uebung = true;
      continue;
    }
    if (arg == "--lichter") {
      a.lichter = true;
      continue;
    }
    const NumberOption* option = zahloption(arg);
    if (option == nullptr) return unbekannt(arg);
    if (!lies_zahl(*option, args, i, a)) return a;
    nur_uebung = true;
  }
  if (nur_uebung && a.art != Invocation::Art::ueben) {
    return fehler("--anzahl, --seed, --bild und --lagen gelten nur mit --uebung");
  }
  if (a.lagen_anzahl > 0 && (a.mit_seed || a.bild > 0 || a.anzahl != 10)) {
    return fehler("--lagen gilt ohne --anzahl, --seed und --bild");
  }
  if (a.lichter && a.art != Invocation::Art::ueben) {
    return fehler("--lichter gilt nur mit --uebung");
  }
  if (a.lichter && a.bild != 0) return fehler("--bild gilt nicht mit --lichter");
  if (a.lichter && a.lagen_anzahl > 0) return fehler("--lagen gilt nicht mit --lichter");
  return a.bild == 0 ? a : bild_pruefen(a);
}

int ausweichregeln(Argumente args, Terminal& terminal, std::uint64_t zufall) {
  const Invocation a = read_invocation(args);
  switch (a.art) {
    case Invocation::Art::fehler:
      terminal.diagnostic(a.fehler.text());
      return kStatusFailure;
    case Invocation::Art::hilfe:
      for (const std::string_view zeile : kHilfe) schreibe(terminal, zeile);
      return kStatusQuit;
    case Invocation::Art::version:
      schreibe(terminal, kVersion);
      return kStatusQuit;
    case Invocation::Art::ueben:
      if (a.bild > 0) return write_worksheet(terminal, a.anzahl, a.seed, a.bild);
      if (a.lagen_anzahl > 0) {
        return run_training(terminal, std::span(a.lagen.data(), a.lagen_anzahl));
      }
      if (a.lichter) {
        return run_lichteruebung(terminal, a.anzahl, a.mit_seed ? a.seed : zufall);
      }
      return run_training(terminal, a.anzahl, a.mit_seed ? a.seed : zufall);
    case Invocation::Art::beraten:
      break;
  }
  return run_advisor(terminal);
}

}  // namespace ausweich

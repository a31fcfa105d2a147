#include "analysis/main_loop.h"

#include "analysis/collision_regulations.h"
#include "analysis/visibility_guidance.h"
#include "analysis/waterways_regime.h"
#include "console/console_dialogue.h"
#include "console/program_end.h"
#include "situation/situation.h"

namespace ausweich {
namespace {

constexpr std::string_view kTypAMenue[] = {
    "     1=Motorschiff,     2=Segler [0=stop]",
};

constexpr std::string_view kLaengeAMenue[] = {
    "   1= kleiner 20m , 2= groesser 20m ",
};

constexpr std::string_view kTypBMenue[] = {
    " 1=Maschine,    2=Segler ",
    " 3=fischend,    4=manoevr.behind.   5=manoev.unf. ",
    " 6=tiefgangbehindert",
    "",
    "(Bei Nebel egal ob 2,3,4,5 oder 6!) ",
};

constexpr std::string_view kLaengeBMenue[] = {
    "   1= kleiner 20m , 2= groesser 20m,  [0=stop])",
};

constexpr std::string_view kSeegebietMenue[] = {
    "1=SeeSchifffahrtsStrassen       2=Hohe See (KVR)",
    "     (KVR=Kollosionsverhuetungsregeln) ",
};

void titel(ConsoleDialogue& d) {
  d.line("                                           [v_4]");
  d.line("             Ausweichregeln  ");
  d.line("       fuer Segel- oder Motor-Schiffe ");
  d.empty();
  d.line("             im Bereich der ");
  d.empty();
  d.line("******************************************************");
  d.line("     FAHRWASSER & SEESCHIFFFAHRTSSTRASSEN, ");
  d.line("     ( => SeeSchifffahrtsStrassenOrdnung )");
  d.line("******************************************************");
  d.empty();
  d.line("            sowie im Bereich der ");
  d.empty();
  d.line("######################################################");
  d.line("                HOHEN SEE ");
  d.line("     ( => Kollisionsverhuetungsregeln, KVR )");
  d.line("######################################################");
  d.empty();
  d.empty();
  d.line("                                      <[enter]...> ");
  d.wait_enter();
}

void info(ConsoleDialogue& d) {
  d.line("-----------------------------------------------------");
  d.line("Info:  Prinzip der Situationsanalyse:");
  d.empty();
  d.line("1) Ident A, B (A=Segel/Motor-Schiff, B=beliebig)");
  d.line("2) SeeSchifffahrtsStrassenOrdnung:");
  d.line("      (KVR#9); #23, #24, #25(2,4,5)");
  d.line("3) KVR:");
  d.line("      KVR#9,10,19,13,12,18,14,15");
  d.empty();
  d.line("(Begegnungen z.B. von 2 Fischern werden analog");
  d.line("zur Begegnung von 2 Motor-Schiffen behandelt).");
  d.line("-----------------------------------------------------");
  d.line("NOTE:  No guarantee whatsoever, handle with care !!!");
  d.empty();
  d.line("    <...Hit RETURN to continue>");
  d.wait_enter();
}

void ende_der_analyse(ConsoleDialogue& d) {
  d.empty();
  d.empty();
  d.line("            <=== ENDE der ANALYSE ===>");
  d.empty();
  d.line("                                       [enter]....");
  d.wait_enter();
}

}  // namespace

void n1eig(Dialogue& d, Code& ka1, Code& ka2) {
  d.ask({"Typ des  Schiffes   A ?", kTypAMenue, segler}, ka1);
  if (ka1 != maschinenfahrzeug) return;
  d.ask({"Laenge des  Schiffes A ?                ", kLaengeAMenue, groesser_20m}, ka2);
}

void n3geg(Dialogue& d, Code& kb1, Code& kb2) {
  d.ask({"Typ des Gegners B ?", kTypBMenue, tiefgangbehindert}, kb1);
  if (kb1 != maschinenfahrzeug) return;
  d.ask({"Laenge des Schiff B?                ", kLaengeBMenue, groesser_20m}, kb2);
}

void n4kvr(Dialogue& d, Code& kvr) {
  d.ask({"Welches Seegebiet?", kSeegebietMenue, hohe_see}, kvr);
}

void analyse(Dialogue& d, Situation& s, VisibilityGuidance& guidance) {
  Code indkvr = kvr_direkt;
  d.spaces();
  n1eig(d, s.ka1, s.ka2);
  n3geg(d, s.kb1, s.kb2);
  n4kvr(d, s.kvr);
  if (s.kvr == seeschifffahrtsstrassen) {
    waterways_regime(d, s, indkvr, guidance);
  } else {
    collision_regulations(d, s, indkvr, guidance);
  }
}

void hauptprogramm(ConsoleDialogue& d) {
  Situation s;
  init(s);
  VisibilityGuidance guidance;
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

int run(Terminal& terminal) {
  struct Berater final : ConsoleProgram {
    void run(ConsoleDialogue& d) override { hauptprogramm(d); }
  } berater;
  return run_dialogue(terminal, berater);
}

}  // namespace ausweich

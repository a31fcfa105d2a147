#include "analysis/nebelhinweise.h"

#include "analysis/gemeinsame_zeilen.h"

namespace ausweich {
namespace {

constexpr std::string_view kZusatzinfoMenue[] = {
    "   1=nein,    2=ja",
    "",
};

constexpr Antwort kZusatzinfo[] = {
    {Nebelhinweise::keine_zusatzinfo, "Nein", {}},
    {Nebelhinweise::zusatzinfo, "Ja", {}},
};
static_assert(in_reihe(kZusatzinfo));

constexpr std::string_view kWacheMenue[] = {
    "                 1=HOERWACHE,          2=RADAR",
    "",
};

constexpr Antwort kWache[] = {
    {Nebelhinweise::hoerwache, "nur mit Hörwache", {}},
    {Nebelhinweise::radar, "mit Radar", {}},
};
static_assert(in_reihe(kWache));

constexpr Frage kZusatzinfoFrage = {
    nullptr, "Wollen Sie Zusatzinformationen zu Regel 19 KVR?", kZusatzinfoMenue,
    kZusatzinfo, "Möchten Sie Hinweise zum Verhalten nach KVR Regel 19?"};

constexpr Frage kWacheFrage = {
    nullptr, "Fahren Sie nur mit HOERWACHE, oder unter RADAR ?", kWacheMenue, kWache,
    "Fahren Sie nur mit Hörwache oder mit Radar?"};

void hoerwache_tabelle(Dialogue& d) {
  d.line("Von wo aus hoeren Sie das Nebelsignal ? ");
  d.empty();
  d.line(kRahmen);
  d.line(" vorlicher als querab      =  STOP !!!");
  d.line(" (Kursaenderung erst bei SICHT des Gegners !)");
  d.empty();
  d.line(" achterlicher als querab:      Kursaenderung:   ");
  d.line("               BB  achtern =     45 grd StB      -->");
  d.line("               StB achtern =  45 grd BB      <-- ");
  d.line(kRahmen);
  d.empty();
}

void radar_tabelle(Dialogue& d) {
  d.line("Von wo aus sehen Sie den Gegner kommen ? ");
  d.empty();
  d.line(kRahmen);
  d.line("      aus Richtung     Ausweichen nach");
  d.line("            12 Uhr =      90 grd StB       --->");
  d.line("            01 Uhr =      90 grd StB       --->");
  d.line("            02 Uhr =      -- Aufstoppen   0  ");
  d.line("            03 Uhr =   60 grd BB       <--");
  d.line("            04 Uhr =   60 grd BB       <--");
  d.line("            05 Uhr =   30 grd BB        <-");
  d.line("            06 Uhr =      30 grd StB       ->");
  d.line("            07 Uhr =      30 grd StB       ->");
  d.line("            08 Uhr =      60 grd StB       -->");
  d.line("            09 Uhr =      60 grd StB       -->");
  d.line("            10 Uhr =      60 grd StB       -->");
  d.line("            11 Uhr =      90 grd StB       --->");
  d.line(kRahmen);
  d.empty();
}

}  // namespace

void Nebelhinweise::regel19(Dialogue& d) {
  d.empty();
  d.ask(kZusatzinfoFrage, j0_);
  if (j0_ == keine_zusatzinfo) return;
  d.ask(kWacheFrage, jr_);
  if (jr_ == hoerwache) {
    hoerwache_tabelle(d);
  } else {
    radar_tabelle(d);
  }
}

}  // namespace ausweich

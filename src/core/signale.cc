#include "core/signale.h"

#include "core/situation.h"

namespace ausweich {
namespace {

using L = Licht;
using K = Signalkoerper;

// The lights of a vessel making way, by night: all-round lights from the top,
// then masthead light, sidelights and sternlight.
constexpr Licht kMaschine[] = {L::topplicht, L::seitenlicht_rot, L::seitenlicht_gruen,
                               L::hecklicht};
constexpr Licht kMaschineAb50[] = {L::topplicht, L::topplicht_achtern, L::seitenlicht_rot,
                                   L::seitenlicht_gruen, L::hecklicht};
constexpr Licht kSegler[] = {L::seitenlicht_rot, L::seitenlicht_gruen, L::hecklicht};
constexpr Licht kSeglerKlein[] = {L::dreifarben};
constexpr Licht kFischend[] = {L::rundum_rot, L::rundum_weiss, L::seitenlicht_rot,
                               L::seitenlicht_gruen, L::hecklicht};
constexpr Licht kTrawler[] = {L::rundum_gruen, L::rundum_weiss, L::seitenlicht_rot,
                              L::seitenlicht_gruen, L::hecklicht};
constexpr Licht kManoevrierbehindert[] = {
    L::rundum_rot,      L::rundum_weiss,      L::rundum_rot, L::topplicht,
    L::seitenlicht_rot, L::seitenlicht_gruen, L::hecklicht};
constexpr Licht kManoevrierunfaehig[] = {L::rundum_rot, L::rundum_rot, L::seitenlicht_rot,
                                         L::seitenlicht_gruen, L::hecklicht};
constexpr Licht kTiefgangbehindert[] = {
    L::rundum_rot,      L::rundum_rot,        L::rundum_rot, L::topplicht,
    L::seitenlicht_rot, L::seitenlicht_gruen, L::hecklicht};

// The shapes by day, from the top.
constexpr Signalkoerper kKegel[] = {K::kegel_spitzen_zusammen};
constexpr Signalkoerper kBallRhombusBall[] = {K::ball, K::rhombus, K::ball};
constexpr Signalkoerper kZweiBaelle[] = {K::ball, K::ball};
constexpr Signalkoerper kZylinder[] = {K::zylinder};
constexpr Signalkoerper kKegelSpitzeUnten[] = {K::kegel_spitze_unten};

constexpr std::string_view kDreifarbenGezeichnet =
    "Unter 20 m dürfen ihre Seitenlichter und ihr Hecklicht in einer "
    "Dreifarbenlaterne im Masttopp vereint sein; so ist es gezeichnet.";
constexpr std::string_view kFischer =
    "Gezeichnet ist ein Fahrzeug, das fischt, ohne zu trawlen (rot über weiß); "
    "ein trawlendes führt grün über weiß.";
constexpr std::string_view kTiefgangKvr =
    "Sie darf nach KVR Regel 28 zusätzlich zu den Lichtern eines Maschinenfahrzeugs drei "
    "rote Rundumlichter senkrecht übereinander führen, am Tag einen Zylinder.";
constexpr std::string_view kWegerechtschiff =
    "Auf der Seeschifffahrtsstraße ist sie Wegerechtschiff, wenn sie wegen ihres "
    "Tiefgangs den tiefsten Teil des Fahrwassers in Anspruch nehmen muss, und gilt dann "
    "als manövrierbehindert (§ 2 Abs. 1 Nr. 13 SeeSchStrO). Nach dem SKS-Fragenkatalog "
    "zeigt sie zusätzlich zu den Fahrtlichtern rot-weiß-rot, am Tag folgerichtig "
    "Ball-Rhombus-Ball wie nach KVR Regel 27 b).";

constexpr std::string_view kUnterMaschine =
    "Sie segelt und fährt zugleich mit Maschinenkraft: nach den Regeln ist sie ein "
    "Maschinenfahrzeug und führt dessen Lichter, am Tag vorn einen Kegel, Spitze unten "
    "(KVR Regel 25 e)).";
constexpr std::string_view kTrawlerOhneTopplicht =
    "Unter 50 m Länge braucht sie kein Topplicht achterlicher und höher als das grüne "
    "Rundumlicht zu führen; so ist sie gezeichnet.";

/// A row of the table: the type, the length and the sea area it holds for
/// (0: any), and the signals.
struct Signalzeile {
  Code typ, laenge, seegebiet;
  Signale signale;
};

constexpr Signalzeile kTafel[] = {
    {maschinenfahrzeug, 0, 0, {kMaschine, {}, {}}},
    {segler, kleiner_20m, 0, {kSeglerKlein, {}, kDreifarbenGezeichnet}},
    {segler, 0, 0, {kSegler, {}, {}}},  // separate lanterns: right at every length
    {fischend, 0, 0, {kFischend, kKegel, kFischer}},
    {manoevrierbehindert, 0, 0, {kManoevrierbehindert, kBallRhombusBall, {}}},
    {manoevrierunfaehig, 0, 0, {kManoevrierunfaehig, kZweiBaelle, {}}},
    {tiefgangbehindert,
     0,
     seeschifffahrtsstrassen,
     {kManoevrierbehindert, kBallRhombusBall, kWegerechtschiff}},
    {tiefgangbehindert, 0, 0, {kTiefgangbehindert, kZylinder, kTiefgangKvr}},
};

/// The signals of each kind, in the order of Kennzeichnung from its second
/// value on: what the kind tells, no choice left to the table.
constexpr Signale kNachKennzeichnung[] = {
    {kMaschine, {}, {}},
    {kMaschineAb50, {}, {}},
    {kSegler, {}, {}},
    {kSeglerKlein, {}, kDreifarbenGezeichnet},
    {kMaschine, kKegelSpitzeUnten, kUnterMaschine},
    {kTrawler, kKegel, kTrawlerOhneTopplicht},
    {kFischend, kKegel, {}},
    {kManoevrierbehindert, kBallRhombusBall, {}},
    {kManoevrierunfaehig, kZweiBaelle, {}},
    {kTiefgangbehindert, kZylinder, kTiefgangKvr},
    {kManoevrierbehindert, kBallRhombusBall, kWegerechtschiff},
};
static_assert(std::size(kNachKennzeichnung) ==
              static_cast<std::size_t>(Kennzeichnung::wegerechtschiff));

bool passt(Code soll, Code ist) {
  return soll == 0 || soll == ist;
}

}  // namespace

std::string_view kennung(Licht l) {
  constexpr std::string_view kNamen[] = {
      "topplicht",    "seitenlicht-rot", "seitenlicht-gruen",
      "hecklicht",    "dreifarben",      "rundum-rot",
      "rundum-weiss", "rundum-gruen",    "topplicht-achtern"};
  return kNamen[static_cast<std::size_t>(l)];
}

std::string_view kennung(Signalkoerper k) {
  constexpr std::string_view kNamen[] = {"ball", "kegel-spitzen-zusammen", "rhombus",
                                         "zylinder", "kegel-spitze-unten"};
  return kNamen[static_cast<std::size_t>(k)];
}

Signale signale(Code typ, Code laenge, Code seegebiet) {
  for (const Signalzeile& z : kTafel) {
    if (z.typ != typ || !passt(z.laenge, laenge) || !passt(z.seegebiet, seegebiet)) {
      continue;
    }
    Signale s = z.signale;
    for (const Licht l : s.lichter) {
      s.zweites_topplicht =
          s.zweites_topplicht || (l == L::topplicht && laenge != kleiner_20m);
    }
    return s;
  }
  return {};
}

Signale signale(Kennzeichnung k) {
  if (k == Kennzeichnung::nach_typ) return {};
  return kNachKennzeichnung[static_cast<std::size_t>(k) - 1];
}

Regel vorschrift(Kennzeichnung k) {
  switch (k) {
    case Kennzeichnung::maschinenfahrzeug:
    case Kennzeichnung::maschinenfahrzeug_ab_50m:
      return Regel::kvr_23_a;
    case Kennzeichnung::segelfahrzeug:
    case Kennzeichnung::segelfahrzeug_dreifarben:
      return Regel::kvr_25_a_b;
    case Kennzeichnung::segelfahrzeug_unter_maschine:
      return Regel::kvr_25_e;
    case Kennzeichnung::trawler:
      return Regel::kvr_26_b;
    case Kennzeichnung::fischer:
      return Regel::kvr_26_c;
    case Kennzeichnung::manoevrierunfaehig:
      return Regel::kvr_27_a;
    case Kennzeichnung::manoevrierbehindert:
      return Regel::kvr_27_b;
    case Kennzeichnung::tiefgangbehindert:
      return Regel::kvr_28;
    case Kennzeichnung::wegerechtschiff:
      return Regel::see_2_13_27_b;
    case Kennzeichnung::nach_typ:
      break;
  }
  return Regel::kvr_21;
}

}  // namespace ausweich

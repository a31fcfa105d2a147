// The pictures of an encounter: the signals of every type by the KVR and the
// SeeSchStrO, drawn by day and by night; the arcs of rule 21 at their edges;
// what the lookout sees; and every drawable encounter drawn whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/angaben.h"
#include "core/bogen.h"
#include "picture/bilder.h"
#include "picture/layout.h"
#include "picture/szene.h"
#include "sortiert.h"
#include "training/aufgabe.h"
#include "training/begegnung.h"
#include "training/uebung.h"
#include "training/ziehung.h"

namespace ausweich {
namespace {

using testing::sortiert;

/// The values of `attribut` inside the group of vessel `schiff` ("" for the
/// whole picture), sorted.
std::string werte(std::string_view svg, std::string_view attribut,
                  std::string_view schiff) {
  if (!schiff.empty()) {  // her group, up to the other vessel's or the end
    const std::size_t von = svg.find("<g data-schiff=\"" + std::string(schiff) + "\"");
    if (von == std::string_view::npos) return "<keine Gruppe>";
    svg = svg.substr(von, svg.find("data-schiff=", von + 4) - von);
  }
  std::vector<std::string> gefunden;
  const std::string muster = std::string(attribut) + "=\"";
  for (std::size_t i = svg.find(muster); i != std::string_view::npos;
       i = svg.find(muster, i + 1)) {
    const std::size_t anfang = i + muster.size();
    gefunden.emplace_back(svg.substr(anfang, svg.find('"', anfang) - anfang));
  }
  return sortiert(gefunden);
}

/// Whether every element that opens is closed, in order, and nothing else.
bool ausgewogen(std::string_view svg) {
  std::vector<std::string_view> offen;
  for (std::size_t i = svg.find('<'); i != std::string_view::npos;
       i = svg.find('<', i + 1)) {
    const std::size_t ende = svg.find('>', i);
    if (ende == std::string_view::npos) return false;
    const std::string_view tag = svg.substr(i + 1, ende - i - 1);
    const std::string_view name =
        tag.substr(tag[0] == '/', tag.find_first_of(" />", 1) - (tag[0] == '/'));
    if (tag[0] == '/') {
      if (offen.empty() || offen.back() != name) return false;
      offen.pop_back();
    } else if (tag.back() != '/') {
      offen.push_back(name);
    }
  }
  return offen.empty() && svg.starts_with("<svg ") && svg.ends_with("</svg>");
}

/// The names of `lichter`, sorted.
std::string namen(std::span<const Licht> lichter) {
  std::vector<std::string> n;
  for (const Licht l : lichter) n.emplace_back(kennung(l));
  return sortiert(n);
}

/// The collector told `angaben` (those with a code) and `peilung`, as a
/// training item tells it.
Angaben gesagt(std::vector<Angabe> angaben, Peilung peilung = Peilung::offen) {
  std::erase_if(angaben, [](const Angabe& g) { return g.code == 0; });
  Angaben a;
  a.vorlage(angaben, peilung, Ansicht{});
  return a;
}

/// A motor vessel A under 20 m meeting a B of `typ_b` and `laenge_b` in
/// `seegebiet`, and what else is given.
std::vector<Angabe> begegnung(Code typ_b, Code laenge_b, Code seegebiet,
                              std::vector<Angabe> dazu = {}) {
  std::vector<Angabe> g = {{&Situation::ka1, maschinenfahrzeug},
                           {&Situation::ka2, kleiner_20m},
                           {&Situation::kb1, typ_b},
                           {&Situation::kb2, laenge_b},
                           {&Situation::kvr, seegebiet}};
  g.insert(g.end(), dazu.begin(), dazu.end());
  return g;
}

/// A training item as its face is told it, with the solution or without.
Angaben vorgelegt(const Aufgabe& a, bool mit_loesung) {
  Angaben angaben;
  a.vorlegen(angaben);
  if (mit_loesung) a.aufloesen(angaben);
  return angaben;
}

// KVR rules 23 to 28 for a vessel making way through the water, and the
// SeeSchStrO's Wegerechtschiff; what B carries by night and by day, as the
// table gives it and as the view from above draws it in her group.
TEST(PictureTest, SignalsByTypeAndRegime) {
  struct Zeile {
    Code typ, laenge, seegebiet;
    std::string nacht, tag;
    bool zweites_topplicht;
    std::string_view hinweis;
  };
  const std::string maschine = "hecklicht seitenlicht-gruen seitenlicht-rot topplicht";
  const std::string seiten = "hecklicht seitenlicht-gruen seitenlicht-rot";
  const Zeile tafel[] = {
      {maschinenfahrzeug, kleiner_20m, hohe_see, maschine, "", false, ""},
      {maschinenfahrzeug, groesser_20m, seeschifffahrtsstrassen, maschine, "", true, ""},
      {segler, 0, hohe_see, seiten, "", false, ""},
      {segler, kleiner_20m, hohe_see, "dreifarben", "", false, "Dreifarbenlaterne"},
      {fischend, 0, hohe_see, seiten + " rundum-rot rundum-weiss",
       "kegel-spitzen-zusammen", false, "trawl"},
      {manoevrierbehindert, 0, hohe_see, maschine + " rundum-rot rundum-rot rundum-weiss",
       "ball ball rhombus", true, ""},
      {manoevrierunfaehig, 0, seeschifffahrtsstrassen, seiten + " rundum-rot rundum-rot",
       "ball ball", false, ""},
      {tiefgangbehindert, 0, hohe_see, maschine + " rundum-rot rundum-rot rundum-rot",
       "zylinder", true, "KVR Regel 28"},
      // A Wegerechtschiff counts as restricted in her ability to manoeuvre
      // and shows so (SKS Schifffahrtsrecht Nr. 13), not the draught signal.
      {tiefgangbehindert, 0, seeschifffahrtsstrassen,
       maschine + " rundum-rot rundum-rot rundum-weiss", "ball ball rhombus", true,
       "gilt dann als manövrierbehindert (§ 2 Abs. 1 Nr. 13 SeeSchStrO)"},
  };
  Bildpuffer p;
  for (const Zeile& z : tafel) {
    SCOPED_TRACE(::testing::Message() << z.typ << " " << z.laenge << " " << z.seegebiet);
    const Signale s = signale(z.typ, z.laenge, z.seegebiet);
    EXPECT_EQ(s.zweites_topplicht, z.zweites_topplicht);
    EXPECT_NE(s.hinweis.find(z.hinweis), std::string_view::npos) << s.hinweis;
    const Angaben a = gesagt(begegnung(z.typ, z.laenge, z.seegebiet));
    const Bilder nacht = zeichne(a, Tageszeit::nacht, p);
    EXPECT_EQ(werte(nacht.bild, "data-licht", "B"), sortiert(z.nacht));
    EXPECT_EQ(werte(nacht.bild, "data-signal", ""), "");
    EXPECT_EQ(nacht.text.find(kZweitesTopplicht) != std::string_view::npos,
              z.zweites_topplicht)
        << nacht.text;
    const Bilder tag = zeichne(a, Tageszeit::tag, p);
    EXPECT_EQ(werte(tag.bild, "data-signal", "B"), sortiert(z.tag));
    EXPECT_EQ(werte(tag.bild, "data-licht", ""), "");
  }
}

// Rule 21: masthead light 225°, sidelights 112.5°, sternlight 135°, all-round
// 360°, in degrees off the bow, clockwise.
TEST(PictureTest, ArcsAtTheirEdges) {
  struct Fall {
    Licht licht;
    double grad;
    bool sichtbar;
  };
  constexpr Fall kFaelle[] = {
      {Licht::seitenlicht_gruen, 112, true}, {Licht::seitenlicht_gruen, 113, false},
      {Licht::seitenlicht_gruen, 0, true},   {Licht::seitenlicht_gruen, -1, false},
      {Licht::seitenlicht_rot, -112, true},  {Licht::seitenlicht_rot, 247, false},
      {Licht::seitenlicht_rot, 360, true},   {Licht::seitenlicht_rot, 1, false},
      {Licht::topplicht, 112.5, true},       {Licht::topplicht, 113, false},
      {Licht::topplicht, 248, true},         {Licht::topplicht, -113, false},
      {Licht::hecklicht, 112, false},        {Licht::hecklicht, 113, true},
      {Licht::hecklicht, 247, true},         {Licht::hecklicht, 248, false},
      {Licht::hecklicht, -180, true},        {Licht::rundum_rot, 180, true},
      {Licht::rundum_weiss, 725, true},      {Licht::dreifarben, 90, true},
  };
  for (const Fall& f : kFaelle) {
    EXPECT_EQ(sichtbar(f.licht, f.grad), f.sichtbar) << kennung(f.licht) << " " << f.grad;
  }
  EXPECT_EQ(dreifarben_sektor(113), Licht::hecklicht);
  EXPECT_EQ(dreifarben_sektor(-30), Licht::seitenlicht_rot);
}

// What A's lookout sees of B: a power-driven B crossing from starboard shows
// her masthead light and red sidelight; one that A overtakes, her sternlight
// and her all-round lights; in fog, and where nobody said that the
// visibility is clear, nothing is drawn.
TEST(PictureTest, TheLookoutSeesTheLightsWhoseArcsFaceA) {
  Bildpuffer p;
  const Angaben ohne_sicht = gesagt(begegnung(maschinenfahrzeug, groesser_20m, hohe_see),
                                    Peilung::kreuzt_von_stb);
  EXPECT_EQ(zeichne(ohne_sicht, Tageszeit::nacht, p).sicht, "");
  const Angaben kreuzt = gesagt(begegnung(maschinenfahrzeug, groesser_20m, hohe_see,
                                          {{&Situation::ks, klare_sicht}}),
                                Peilung::kreuzt_von_stb);
  Bilder b = zeichne(kreuzt, Tageszeit::nacht, p);
  EXPECT_EQ(werte(b.sicht, "data-licht", ""), "seitenlicht-rot topplicht");
  EXPECT_NE(b.text.find("B zeigt A: Topplicht, rotes Seitenlicht."),
            std::string_view::npos);

  const Angaben ueberholt = gesagt(
      begegnung(fischend, 0, hohe_see,
                {{&Situation::ks, klare_sicht}, {&Situation::kueb, a_ueberholt_b}}));
  EXPECT_EQ(werte(zeichne(ueberholt, Tageszeit::nacht, p).sicht, "data-licht", ""),
            "hecklicht rundum-rot rundum-weiss");
  EXPECT_EQ(werte(zeichne(ueberholt, Tageszeit::tag, p).sicht, "data-signal", ""),
            "kegel-spitzen-zusammen");

  const Angaben im_nebel = gesagt(begegnung(
      fischend, 0, hohe_see,
      {{&Situation::ks, verminderte_sicht}, {&Situation::kueb, a_ueberholt_b}}));
  b = zeichne(im_nebel, Tageszeit::nacht, p);
  EXPECT_EQ(b.sicht, "");
  EXPECT_NE(b.text.find("Radarecho"), std::string_view::npos);
}

// What a view from above shows, read back from its own SVG: the wind, each
// vessel's place and heading, the water areas, and every box that a text
// must keep clear of.
struct Gelesen {
  struct Schiff {
    bool da = false;
    double x = 0, y = 0, kurs = 0;
    std::string gruppe;  // her group's elements
  };
  struct Gebiet {
    std::string art, name;
    Rechteck r;
    double richtung = 0;
  };
  struct Text {
    Rechteck box;
    int groesse;
    std::string worte;
  };
  double wind = -1;
  Schiff a, b;
  std::vector<Gebiet> gebiete;
  std::vector<Rechteck> marken;  // buoys, arrows, shapes, shoals
  std::vector<Text> texte;
};

/// The value of `name` in the attributes of the tag `tag`; `fehlt` if none.
std::string attribut(std::string_view tag, std::string_view name,
                     std::string_view fehlt = "") {
  const std::string muster = " " + std::string(name) + "=\"";
  const std::size_t i = tag.find(muster);
  if (i == std::string_view::npos) return std::string(fehlt);
  const std::size_t anfang = i + muster.size();
  return std::string(tag.substr(anfang, tag.find('"', anfang) - anfang));
}

std::vector<int> zahlen(const std::string& text) {
  std::vector<int> z;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t gelesen = 0;
    z.push_back(std::stoi(text.substr(i), &gelesen));
    i += gelesen + 1;
  }
  return z;
}

Rechteck rechteck(const std::string& box) {
  const std::vector<int> z = zahlen(box);
  return z.size() == 4 ? Rechteck{z[0], z[1], z[2], z[3]} : Rechteck{};
}

Anchor anker(std::string_view tag) {
  const std::string a = attribut(tag, "text-anchor", "start");
  return a == "middle" ? Anchor::middle : a == "end" ? Anchor::end : Anchor::start;
}

Gelesen lies(std::string_view svg) {
  Gelesen g;
  for (std::size_t i = svg.find('<'); i != std::string_view::npos;
       i = svg.find('<', i + 1)) {
    const std::string_view tag = svg.substr(i, svg.find('>', i) - i);
    if (tag.starts_with("<svg")) g.wind = std::stod(attribut(tag, "data-wind", "-1"));
    const std::string schiff = attribut(tag, "data-schiff");
    if (!schiff.empty()) {
      Gelesen::Schiff& s = schiff == "A" ? g.a : g.b;
      const std::vector<int> ort = zahlen(attribut(tag, "data-ort"));
      s = {true, double(ort.at(0)), double(ort.at(1)),
           std::stod(attribut(tag, "data-kurs")),
           std::string(svg.substr(i, svg.find("data-schiff=", i + 4) - i))};
    }
    const std::string art = attribut(tag, "data-gebiet");
    if (!art.empty()) {
      g.gebiete.push_back(
          {art, attribut(tag, "data-name"),
           Rechteck{std::stoi(attribut(tag, "x")), std::stoi(attribut(tag, "y")),
                    std::stoi(attribut(tag, "width")),
                    std::stoi(attribut(tag, "height"))},
           std::stod(attribut(tag, "data-richtung"))});
    }
    const std::string box = attribut(tag, "data-box");
    if (!box.empty()) g.marken.push_back(rechteck(box));
    if (tag.starts_with("<text")) {
      const std::size_t von = i + tag.size() + 1;
      const std::string worte(svg.substr(von, svg.find('<', von) - von));
      const int groesse = std::stoi(attribut(tag, "font-size", "0"));
      g.texte.push_back(
          {textbox(std::stoi(attribut(tag, "x")), std::stoi(attribut(tag, "y")), worte,
                   groesse, anker(tag)),
           groesse, worte});
    }
  }
  return g;
}

constexpr double kPi = 3.14159265358979323846;

/// Directions as the pictures reckon them: degrees clockwise from the top.
double norm(double grad) {
  return std::fmod(std::fmod(grad, 360) + 360, 360);
}
double zwischen(double a, double b) {
  const double d = norm(a - b);
  return d > 180 ? 360 - d : d;
}
/// The direction from vessel `von` to vessel `zu`.
double peilung(const Gelesen::Schiff& von, const Gelesen::Schiff& zu) {
  return norm(std::atan2(zu.x - von.x, von.y - zu.y) * 180 / kPi);
}
/// Where `zu` bears from `von`, off `von`'s bow, clockwise.
double seitenpeilung(const Gelesen::Schiff& von, const Gelesen::Schiff& zu) {
  return norm(peilung(von, zu) - von.kurs);
}

/// The areas of `art` that the vessel is inside, by at least `rand`.
std::vector<const Gelesen::Gebiet*> drin(const Gelesen& g, const Gelesen::Schiff& s,
                                         std::string_view art, int rand) {
  std::vector<const Gelesen::Gebiet*> in;
  for (const Gelesen::Gebiet& f : g.gebiete) {
    if ((art.empty() || f.art == art) && f.r.enthaelt(int(s.x), int(s.y), rand)) {
      in.push_back(&f);
    }
  }
  return in;
}

/// A vessel placed as `bezug` (a kafw or kavt answer) says: inside her
/// fairway or lane along it or across it, or outside every area.
void lage_zum_gebiet(const Gelesen& g, const Gelesen::Schiff& s, Code bezug, bool vtg,
                     std::string_view name) {
  SCOPED_TRACE(name);
  const std::string_view art = vtg ? "einbahnweg" : "fahrwasser";
  if (bezug == (vtg ? Code{nicht_im_vtg} : Code{nicht_im_fw})) {
    for (const Gelesen::Gebiet& f : g.gebiete) {
      const Rechteck& r = f.r;
      EXPECT_FALSE(
          (Rechteck{r.x - 18, r.y - 18, r.b + 36, r.h + 36}.enthaelt(int(s.x), int(s.y))))
          << "außerhalb, doch in " << f.art;
    }
    return;
  }
  const auto in = drin(g, s, art, 10);
  ASSERT_EQ(in.size(), 1u) << "nicht in einem " << art;
  const double quer = zwischen(zwischen(s.kurs, in[0]->richtung), 90);
  if (bezug == (vtg ? Code{querend} : Code{im_fw_nicht_folgend})) {
    EXPECT_LE(quer, vtg ? 20 : 60) << "quert nicht";
  } else if (vtg) {
    EXPECT_LE(zwischen(s.kurs, in[0]->richtung), 15) << "folgt dem Einbahnweg nicht";
  } else {
    EXPECT_GE(quer, 75) << "folgt dem Fahrwasser nicht";
  }
}

/// The main fairway and the secondary one: each vessel in the one named.
void lage_im_hauptfahrwasser(const Gelesen& g, Code khnfw) {
  const auto name = [&](const Gelesen::Schiff& s) {
    const auto in = drin(g, s, "fahrwasser", 10);
    return in.size() == 1 ? in[0]->name : "<" + std::to_string(in.size()) + " Gebiete>";
  };
  EXPECT_EQ(name(g.a), khnfw == a_im_hauptfw ? "Hauptfahrwasser" : "Nebenfahrwasser");
  EXPECT_EQ(name(g.b), khnfw == b_im_hauptfw ? "Hauptfahrwasser" : "Nebenfahrwasser");
}

/// Whether `hinten` comes up from within the sternlight arc of `vorn`, more
/// than 22.5° abaft her beam, on much her course.
void ueberholt(const Gelesen::Schiff& hinten, const Gelesen::Schiff& vorn) {
  const double von_vorn = seitenpeilung(vorn, hinten);
  EXPECT_GT(von_vorn, 112.5);
  EXPECT_LT(von_vorn, 247.5);
  EXPECT_LE(zwischen(hinten.kurs, vorn.kurs), 15);
}

/// Where the answers fix B's bearing, she stands there.
void kurslage(const Angaben& f, const Gelesen& g) {
  const Code kueb = f.code(&Situation::kueb);
  if (kueb == a_ueberholt_b) return ueberholt(g.a, g.b);
  if (kueb == b_ueberholt_a) return ueberholt(g.b, g.a);
  const double b_von_a = seitenpeilung(g.a, g.b);
  const double a_von_b = seitenpeilung(g.b, g.a);
  switch (f.peilung()) {
    case Peilung::recht_voraus_gegenkurs:
      // Rule 14: ahead, on reciprocal courses, each seeing both sidelights.
      EXPECT_LE(zwischen(b_von_a, 0), 6);
      EXPECT_LE(zwischen(a_von_b, 0), 6);
      EXPECT_LE(zwischen(g.a.kurs, g.b.kurs + 180), 6);
      return;
    case Peilung::kreuzt_von_stb:
      // Forward of A's starboard beam; A sees B's port side, not her stern.
      EXPECT_GT(b_von_a, 0);
      EXPECT_LT(b_von_a, 112.5);
      EXPECT_GT(a_von_b, 247.5);
      return;
    case Peilung::kreuzt_von_bb:
      EXPECT_GT(b_von_a, 247.5);
      EXPECT_LT(a_von_b, 112.5);
      EXPECT_GT(a_von_b, 0);
      return;
    case Peilung::offen:
      break;
  }
  if (f.code(&Situation::kent) == gegenkurse) {
    EXPECT_LE(zwischen(b_von_a, 0), 15);
    EXPECT_LE(zwischen(g.a.kurs, g.b.kurs + 180), 10);
  }
}

/// The side a vessel heading `kurs` has the wind from `wind` on.
Code wind_von(double kurs, double wind) {
  return norm(wind - kurs) < 180 ? wind_von_stb : wind_von_bb;
}

/// A sailing vessel sails: 45° off the wind at least, with the wind on the
/// side given and her sail to leeward, or hidden where A cannot see it.
void segelt(const Gelesen& g, const Gelesen::Schiff& s, Code seite, std::string_view text,
            std::string_view name) {
  SCOPED_TRACE(name);
  ASSERT_GE(g.wind, 0) << "kein Wind";
  EXPECT_GE(zwischen(s.kurs, g.wind), 45) << "im Wind";
  const bool verdeckt = seite == bb_nicht_erkennbar || seite == stb_nicht_erkennbar;
  const Code wahr = seite == bb_nicht_erkennbar    ? wind_von_bb
                    : seite == stb_nicht_erkennbar ? wind_von_stb
                                                   : seite;
  const Code gezeigt = wind_von(s.kurs, g.wind);
  if (wahr != 0) {
    EXPECT_EQ(gezeigt, wahr);
  }
  EXPECT_EQ(werte(s.gruppe, "data-segel", ""), verdeckt                  ? "verdeckt"
                                               : gezeigt == wind_von_stb ? "backbord"
                                                                         : "steuerbord");
  EXPECT_EQ(text.find("Segelstellung von " + std::string(name) +
                      " für A nicht erkennbar") != std::string_view::npos,
            verdeckt);
}

/// A to windward or to leeward of B as given, by 20 units along the wind.
void luv(const Gelesen& g, Code kluv) {
  const double w = g.wind * kPi / 180;
  const double nach_luv = (g.a.x - g.b.x) * std::sin(w) - (g.a.y - g.b.y) * std::cos(w);
  if (kluv == a_in_luv) {
    EXPECT_GE(nach_luv, 20);
  } else {
    EXPECT_LE(nach_luv, -20);
  }
}

/// Every text at 11 units or more, on the sheet, over no other text, mark
/// or vessel.
void lesbar(const Gelesen& g) {
  std::vector<Rechteck> belegt = g.marken;
  for (const Gelesen::Schiff* s : {&g.a, &g.b}) {
    if (s->da) belegt.push_back({int(s->x) - 18, int(s->y) - 18, 36, 36});
  }
  for (const Gelesen::Text& t : g.texte) {
    SCOPED_TRACE(t.worte);
    EXPECT_GE(t.groesse, kSchriftgroesse);
    EXPECT_TRUE(
        (Rechteck{0, 0, kBreite, kHoehe}.enthaelt(t.box.x, t.box.y) &&
         Rechteck{0, 0, kBreite, kHoehe}.enthaelt(t.box.x + t.box.b, t.box.y + t.box.h)));
    for (const Rechteck& r : belegt) {
      EXPECT_FALSE(t.box.schneidet(r)) << r.x << ' ' << r.y << ' ' << r.b << ' ' << r.h;
    }
    belegt.push_back(t.box);
  }
}

/// One picture of an encounter against the facts its item gives.
void haelt_sich_an_die_fakten(const Angaben& f, const Bilder& bilder) {
  const Gelesen g = lies(bilder.bild);
  ASSERT_TRUE(g.a.da && g.b.da);
  const Code kvtg = f.code(&Situation::kvtg);
  const Code khnfw = f.code(&Situation::khnfw);
  if (khnfw == a_im_hauptfw || khnfw == b_im_hauptfw) {
    lage_im_hauptfahrwasser(g, khnfw);
  } else if (kvtg == verkehrstrennungsgebiet) {
    lage_zum_gebiet(g, g.a, f.code(&Situation::kavt), true, "A");
    lage_zum_gebiet(g, g.b, f.code(&Situation::kbvt), true, "B");
  } else {
    if (f.code(&Situation::kafw) != 0) {
      lage_zum_gebiet(g, g.a, f.code(&Situation::kafw), false, "A");
    }
    if (f.code(&Situation::kbfw) != 0) {
      lage_zum_gebiet(g, g.b, f.code(&Situation::kbfw), false, "B");
    }
  }
  kurslage(f, g);
  if (f.code(&Situation::ka1) == segler) {
    segelt(g, g.a, f.code(&Situation::ka3), bilder.text, "A");
  }
  const bool nebel = f.code(&Situation::ks) == verminderte_sicht;
  if (nebel) {
    // Seen only on the radar: an echo, nothing of her hull, sail or signals.
    EXPECT_NE(g.b.gruppe.find("data-echo"), std::string::npos);
    for (const std::string_view merkmal :
         {"data-licht", "data-signal", "data-segel", "data-saeule", "data-kielwasser"}) {
      EXPECT_EQ(g.b.gruppe.find(merkmal), std::string::npos) << merkmal;
    }
  } else if (f.code(&Situation::kb1) == segler) {
    segelt(g, g.b, f.code(&Situation::kb3), bilder.text, "B");
  }
  if (f.code(&Situation::kluv) != 0) luv(g, f.code(&Situation::kluv));
  lesbar(g);
}

/// A picture whole: balanced, its vessels with every light they carry (B in
/// fog an echo without), the lookout's view where A can see B, the open
/// bearing said, and the verdict marked only once it is given.
void ganz(const Aufgabe& a, const Angaben& fakten, const Bilder& bilder, Tageszeit t,
          bool loesung) {
  const Szene s = szene(fakten);
  EXPECT_TRUE(ausgewogen(bilder.bild));
  EXPECT_EQ(bilder.sicht.empty(), s.kurslage == Kurslage::offen || !s.klare_sicht);
  EXPECT_TRUE(bilder.sicht.empty() || ausgewogen(bilder.sicht)) << bilder.sicht;
  const std::string_view worte = in_worten(klasse(a.entscheidung()));
  EXPECT_EQ(bilder.bild.find(worte) != std::string_view::npos, loesung) << worte;
  const bool offen = fakten.peilung() == Peilung::offen &&
                     fakten.code(&Situation::kent) != gegenkurse &&
                     fakten.code(&Situation::kueb) != a_ueberholt_b &&
                     fakten.code(&Situation::kueb) != b_ueberholt_a;
  for (const std::string_view bild : {bilder.bild, bilder.text}) {
    EXPECT_EQ(bild.find("Lage von B nicht festgelegt") != std::string_view::npos, offen);
  }
  if (t == Tageszeit::tag) return;
  // The lookout sees the sidelights that the bearing turns towards A.
  const std::string sieht = werte(bilder.sicht, "data-licht", "");
  const std::string fuehrt = namen(signale_von(fakten, Schiff::b).lichter);
  if (!bilder.sicht.empty() && fuehrt.find("seitenlicht-rot") != std::string::npos) {
    const bool rot = sieht.find("seitenlicht-rot") != std::string::npos;
    const bool gruen = sieht.find("seitenlicht-gruen") != std::string::npos;
    const bool heck = sieht.find("hecklicht") != std::string::npos;
    switch (s.kurslage) {
      case Kurslage::recht_voraus:
        EXPECT_TRUE(rot && gruen && !heck) << sieht;
        break;
      case Kurslage::von_stb:
        EXPECT_TRUE(rot && !gruen && !heck) << sieht;
        break;
      case Kurslage::von_bb:
        EXPECT_TRUE(gruen && !rot && !heck) << sieht;
        break;
      case Kurslage::voraus:
        EXPECT_TRUE(heck && !rot && !gruen) << sieht;
        break;
      case Kurslage::achteraus:
      case Kurslage::gegenkurs:
        EXPECT_FALSE(heck) << sieht;
        break;
      case Kurslage::offen:
        break;
    }
  }
  EXPECT_EQ(werte(bilder.bild, "data-licht", "A"),
            namen(signale_von(fakten, Schiff::a).lichter));
  EXPECT_EQ(werte(bilder.bild, "data-licht", "B"),
            s.nebel ? "" : namen(signale_von(fakten, Schiff::b).lichter));
}

// Not a sample: every encounter the training can draw, by day and by night,
// before and after the answer, each picture whole and read back from its own
// geometry. Each vessel lies inside or outside her fairway or lane as the
// item says and along or across it; the overtaker comes up from within the
// other's sternlight arc; B stands at the bearing given; a sailing vessel
// sails, with the wind and her sail on the sides given and A to windward or
// leeward as given; in fog B is an echo only; and no text covers another, a
// mark or a vessel.
TEST(PictureTest, EveryPictureKeepsToTheFacts) {
  struct Alle final : Visitor {
    Bildpuffer p;
    int gezeichnet = 0;
    int falsch = 0;
    int sichten = 0;
    void visit(const Begegnung& b) override {
      const Aufgabe a(b);
      const Angaben fakten = vorgelegt(a, false);
      for (const bool loesung : {false, true}) {
        for (const Tageszeit t : {Tageszeit::tag, Tageszeit::nacht}) {
          const Bilder bilder = zeichne(vorgelegt(a, loesung), t, p);
          const int vorher = fehler();
          ganz(a, fakten, bilder, t, loesung);
          haelt_sich_an_die_fakten(fakten, bilder);
          ++gezeichnet;
          sichten += !bilder.sicht.empty();
          if (fehler() == vorher) continue;
          if (falsch++ == 0) ADD_FAILURE() << bilder.bild << "\n" << bilder.text;
        }
      }
    }
    static int fehler() {
      return ::testing::UnitTest::GetInstance()
          ->current_test_info()
          ->result()
          ->total_part_count();
    }
  } alle;
  jede_begegnung(alle);
  EXPECT_EQ(alle.falsch, 0) << "von " << alle.gezeichnet << " Bildern";
  EXPECT_GT(alle.gezeichnet, 4 * 1000);
  EXPECT_GT(alle.sichten, 0);
}

// The training tells each item to its face through the dialogue's listener:
// a collector that listens there draws the item's own picture, with the
// solution once answered.
TEST(PictureTest, TheTrainingTellsItsFaceWhatToDraw) {
  struct Gesicht final : Dialogue {
    explicit Gesicht(Angaben& angaben) : Dialogue(angaben) {}
    void read_answer(const Frage&, Code&) override {}
    void read_enter() override {}
    Code read_choice(const Frage&) override { return richtig; }
    Code richtig = 0;
  };
  Angaben angaben;
  Gesicht gesicht(angaben);
  Random zufall(11);
  const Aufgabe aufgabe(ziehe(1, zufall).lagen[0]);
  gesicht.richtig = static_cast<Code>(klasse(aufgabe.entscheidung()));
  Uebung(1, 11).run(gesicht);
  ASSERT_TRUE(angaben.entschieden());
  EXPECT_EQ(klasse(angaben.pflichten()[0]), klasse(aufgabe.entscheidung()));
  EXPECT_EQ(angaben.peilung(), aufgabe.begegnung().peilung);
  for (const DrawnRun::Answer& a : aufgabe.run().answers()) {
    if (a.after_verdict) continue;
    EXPECT_EQ(angaben.code(a.frage->feld), a.value);
  }
}

}  // namespace
}  // namespace ausweich

// The pictures of an encounter: the signals of every type by the KVR and the
// SeeSchStrO, drawn by day and by night; the arcs of rule 21 at their edges;
// what the lookout sees; and every drawable encounter drawn whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/angaben.h"
#include "core/bogen.h"
#include "picture/bilder.h"
#include "picture/szene.h"
#include "training/aufgabe.h"
#include "training/begegnung.h"
#include "training/uebung.h"
#include "training/ziehung.h"

namespace ausweich {
namespace {

/// Blank-separated words, sorted.
std::string sortiert(std::vector<std::string> woerter) {
  std::sort(woerter.begin(), woerter.end());
  std::string text;
  for (const std::string& w : woerter) text += (text.empty() ? "" : " ") + w;
  return text;
}

std::string sortiert(std::string_view text) {
  std::vector<std::string> woerter;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t ende = std::min(text.find(' ', i), text.size());
    woerter.emplace_back(text.substr(i, ende - i));
    i = ende + 1;
  }
  return sortiert(woerter);
}

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
  a.vorlage(angaben, peilung);
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
       "gilt sie als Wegerechtschiff und damit als manövrierbehindert (§ 2 Abs. 1 Nr. "
       "13 SeeSchStrO)"},
  };
  Bildpuffer p;
  for (const Zeile& z : tafel) {
    SCOPED_TRACE(testing::Message() << z.typ << " " << z.laenge << " " << z.seegebiet);
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

// Not a sample: every encounter the training can draw, by day and by night,
// before and after the answer. Each picture is whole, its vessels in their
// groups with every light they carry, the open bearing said in words, and the
// verdict marked only once it is given.
TEST(PictureTest, EveryDrawableEncounterIsDrawnWhole) {
  struct Alle final : Visitor {
    Bildpuffer p;
    int sichten = 0;
    void visit(const Begegnung& b) override {
      const Aufgabe a(b);
      const Angaben ohne = vorgelegt(a, false);
      const Szene s = szene(ohne);
      for (const bool loesung : {false, true}) {
        for (const Tageszeit t : {Tageszeit::tag, Tageszeit::nacht}) {
          const Bilder bilder = zeichne(vorgelegt(a, loesung), t, p);
          ASSERT_TRUE(ausgewogen(bilder.bild)) << bilder.bild;
          ASSERT_EQ(bilder.sicht.empty(), s.lage == Kurslage::offen || !s.klare_sicht);
          ASSERT_TRUE(bilder.sicht.empty() || ausgewogen(bilder.sicht)) << bilder.sicht;
          sichten += !bilder.sicht.empty();
          const std::string_view worte = in_worten(klasse(a.entscheidung()));
          ASSERT_EQ(bilder.bild.find(worte) != std::string_view::npos, loesung) << worte;
          ASSERT_EQ(
              bilder.text.find("Lage von B nicht festgelegt") != std::string_view::npos,
              s.lage == Kurslage::offen);
          if (t == Tageszeit::tag) continue;
          ASSERT_EQ(werte(bilder.bild, "data-licht", "A"),
                    namen(signale_von(ohne, Schiff::a).lichter));
          ASSERT_EQ(werte(bilder.bild, "data-licht", "B"),
                    namen(signale_von(ohne, Schiff::b).lichter));
        }
      }
    }
  } alle;
  jede_begegnung(alle);
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

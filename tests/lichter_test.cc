// The training of lights and shapes: what the lookout sees of every kind
// from every side, by the law and in the picture; every item it can draw,
// its four answers and its solution; the draw; and a run as a learner meets
// it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/invocation.h"
#include "core/anblick.h"
#include "core/angaben.h"
#include "core/bogen.h"
#include "gesetz.h"
#include "picture/bilder.h"
#include "picture/szene.h"
#include "program.h"
#include "sortiert.h"
#include "string_terminal.h"
#include "training/lichteraufgabe.h"
#include "training/lichteruebung.h"
#include "training/lichterziehung.h"

namespace ausweich::testing {
namespace {

using K = Kennzeichnung;

/// The values of `attribut` in `svg`, sorted.
std::string werte(std::string_view svg, std::string_view attribut) {
  std::vector<std::string> gefunden;
  const std::string muster = std::string(attribut) + "=\"";
  for (std::size_t i = svg.find(muster); i != std::string_view::npos;
       i = svg.find(muster, i + 1)) {
    const std::size_t anfang = i + muster.size();
    gefunden.emplace_back(svg.substr(anfang, svg.find('"', anfang) - anfang));
  }
  return sortiert(gefunden);
}

/// The names of the lights of `s` that A sees from `grad` off her bow.
std::string gesehen(const Signale& s, double grad) {
  std::vector<std::string> n;
  for (const Licht l : s.lichter) {
    if (sichtbar(l, grad)) n.emplace_back(kennung(l));
  }
  return sortiert(n);
}

/// The facts of a motor vessel A on the open sea (a Wegerechtschiff on a
/// Seeschifffahrtsstraße) meeting B of kind `k` who shows side `s`, as an
/// item tells them; drawn by `zeit`.
Bilder lookout(K k, Seite s, Tageszeit zeit, Bildpuffer& puffer) {
  const std::vector<Angabe> fakten = {
      {&Situation::ka1, maschinenfahrzeug},
      {&Situation::ka2, kleiner_20m},
      {&Situation::kb1, typ(k)},
      {&Situation::kvr, k == K::wegerechtschiff ? seeschifffahrtsstrassen : hohe_see},
      {&Situation::ks, klare_sicht},
      {&Situation::kueb, s == Seite::achtern ? a_ueberholt_b : keiner_ueberholt}};
  Angaben a;
  a.vorlage(fakten, peilung(s), {k, true, zeit});
  return zeichne(a, zeit, puffer);
}

// KVR Regeln 21 und 23 bis 28: what each kind shows A from each side by
// night, the lights whose arcs face A and no other, and her shapes by day;
// as the table and the arcs give it, and as the lookout's picture draws it.
TEST(LichterTest, EachKindShowsFromEachSideWhatTheRulesLetASee) {
  const std::string gruen = "seitenlicht-gruen";
  const std::string rot = "seitenlicht-rot";
  const std::string beide = "seitenlicht-gruen seitenlicht-rot";
  struct Zeile {
    K k;
    std::string vorn, steuerbord, backbord, achtern, tag;
  };
  const Zeile tafel[] = {
      {K::maschinenfahrzeug, beide + " topplicht", gruen + " topplicht",
       rot + " topplicht", "hecklicht", ""},
      {K::maschinenfahrzeug_ab_50m, beide + " topplicht topplicht-achtern",
       gruen + " topplicht topplicht-achtern", rot + " topplicht topplicht-achtern",
       "hecklicht", ""},
      {K::segelfahrzeug, beide, gruen, rot, "hecklicht", ""},
      {K::segelfahrzeug_dreifarben, "dreifarben", "dreifarben", "dreifarben",
       "dreifarben", ""},
      {K::segelfahrzeug_unter_maschine, beide + " topplicht", gruen + " topplicht",
       rot + " topplicht", "hecklicht", "kegel-spitze-unten"},
      {K::trawler, beide + " rundum-gruen rundum-weiss",
       gruen + " rundum-gruen rundum-weiss", rot + " rundum-gruen rundum-weiss",
       "hecklicht rundum-gruen rundum-weiss", "kegel-spitzen-zusammen"},
      {K::fischer, beide + " rundum-rot rundum-weiss", gruen + " rundum-rot rundum-weiss",
       rot + " rundum-rot rundum-weiss", "hecklicht rundum-rot rundum-weiss",
       "kegel-spitzen-zusammen"},
      {K::manoevrierbehindert, beide + " rundum-rot rundum-rot rundum-weiss topplicht",
       gruen + " rundum-rot rundum-rot rundum-weiss topplicht",
       rot + " rundum-rot rundum-rot rundum-weiss topplicht",
       "hecklicht rundum-rot rundum-rot rundum-weiss", "ball ball rhombus"},
      {K::manoevrierunfaehig, beide + " rundum-rot rundum-rot",
       gruen + " rundum-rot rundum-rot", rot + " rundum-rot rundum-rot",
       "hecklicht rundum-rot rundum-rot", "ball ball"},
      {K::tiefgangbehindert, beide + " rundum-rot rundum-rot rundum-rot topplicht",
       gruen + " rundum-rot rundum-rot rundum-rot topplicht",
       rot + " rundum-rot rundum-rot rundum-rot topplicht",
       "hecklicht rundum-rot rundum-rot rundum-rot", "zylinder"},
      {K::wegerechtschiff, beide + " rundum-rot rundum-rot rundum-weiss topplicht",
       gruen + " rundum-rot rundum-rot rundum-weiss topplicht",
       rot + " rundum-rot rundum-rot rundum-weiss topplicht",
       "hecklicht rundum-rot rundum-rot rundum-weiss", "ball ball rhombus"},
  };
  ASSERT_EQ(std::size(tafel), std::size(kKennzeichnungen));
  Bildpuffer puffer;
  for (const Zeile& z : tafel) {
    const Signale sig = signale(z.k);
    EXPECT_EQ(
        werte(lookout(z.k, Seite::vorn, Tageszeit::tag, puffer).sicht, "data-signal"),
        sortiert(z.tag))
        << static_cast<int>(z.k);
    for (const Seite s : kSeiten) {
      SCOPED_TRACE(std::to_string(static_cast<int>(z.k)) + " " +
                   std::string(in_worten(s)));
      const std::string soll = sortiert(s == Seite::vorn         ? z.vorn
                                        : s == Seite::steuerbord ? z.steuerbord
                                        : s == Seite::backbord   ? z.backbord
                                                                 : z.achtern);
      // Every bearing of the side's sector shows the same.
      const Sektor sek = sektor(s);
      for (int grad = sek.von; grad != sek.bis + 1; grad = (grad + 1) % 360) {
        EXPECT_EQ(gesehen(sig, grad), soll) << grad << "°";
        EXPECT_EQ(bei_nacht(sig, grad), bei_nacht(sig, sek.mitte)) << grad << "°";
      }
      if (z.k == K::segelfahrzeug_dreifarben && s == Seite::vorn) continue;
      const Bilder nacht = lookout(z.k, s, Tageszeit::nacht, puffer);
      EXPECT_EQ(werte(nacht.sicht, "data-licht"), soll) << nacht.sicht;
    }
  }
  // The tricolour lantern shows the colour of the light it stands for.
  const Signale drei = signale(K::segelfahrzeug_dreifarben);
  EXPECT_TRUE(bei_nacht(drei, 50).gruen && !bei_nacht(drei, 50).rot);
  EXPECT_TRUE(bei_nacht(drei, 310).rot && !bei_nacht(drei, 310).gruen);
  EXPECT_TRUE(bei_nacht(drei, 180).weiss);
  EXPECT_EQ(bei_nacht(drei, 50), bei_nacht(signale(K::segelfahrzeug), 50));
}

/// Every item the training can draw, with a draw of answers of its own.
std::vector<Lichterlage> alle_lagen() {
  struct Alle final : Lichtervisitor {
    std::vector<Lichterlage> liste;
    void visit(const Lichterlage& l) override {
      liste.push_back(l);
      liste.back().auswahl = liste.size() * 7919;
    }
  } alle;
  jede_lichterlage(alle);
  return alle.liste;
}

std::set<Klasse> klassen(std::span<const Pflicht> pflichten) {
  std::set<Klasse> k;
  for (const Pflicht& p : pflichten) k.insert(klasse(p));
  return k;
}

bool enthaelt(std::string_view text, std::string_view teil) {
  return text.find(teil) != std::string_view::npos;
}

/// The answers of the encounter that the lights do not show, which the item
/// must state: all but B's type and length, visibility, overtaking and
/// opposite courses (B's length where one masthead light leaves it open).
void pruefe_fakten(const Lichteraufgabe& a, const std::string& text) {
  for (const DrawnRun::Answer& antwort : a.aufgabe().run().answers()) {
    const Feld f = antwort.frage->feld;
    if (antwort.after_verdict || f == &Situation::kb1 || f == &Situation::ks ||
        f == &Situation::kueb || f == &Situation::kent || f == &Situation::kb2) {
      continue;
    }
    const Antwort& bedeutung = antwort.frage->antwort(antwort.value);
    const std::string_view satz =
        f == &Situation::ka1 || bedeutung.satz.empty() ? bedeutung.knopf : bedeutung.satz;
    EXPECT_TRUE(enthaelt(text, satz)) << satz << " fehlt in\n" << text;
  }
}

// Over every item: the lookout's sentence names no kind; the four answers
// look different from A, each from the others, and only the right one is
// what A sees; the facts the lights cannot show are stated; the give-way
// classes are the law's for the aspect (tests/gesetz.cc) and follow from
// what the item states; the picture puts A in the side's sector and shows
// what the item says.
TEST(LichterTest, EveryItemIsFairAndItsAnswersLookDifferentFromA) {
  const std::vector<Lichterlage> lagen = alle_lagen();
  std::map<std::string, std::set<Klasse>> nach_text;
  std::set<std::string> sorten;
  std::map<K, int> je_art;
  Bildpuffer puffer;
  int nah = 0;
  for (const Lichterlage& l : lagen) {
    const Lichteraufgabe a(l);
    const Code seegebiet = l.begegnung.kvr;
    std::string text;
    for (const LineBuilder& z : a.beschreibung()) text.append(z.text()).append("\n");
    SCOPED_TRACE(text);
    const std::string_view sieht = a.beschreibung().back().text();
    EXPECT_TRUE(sieht.starts_with("Sie sehen ") && sieht.ends_with("."));
    EXPECT_TRUE(a.beschreibung().front().text().starts_with("Sie führen A, ein "));
    pruefe_fakten(a, text);

    // The answers.
    const Frage& f = a.was_sehen_sie();
    ASSERT_EQ(f.kmax(), 4);
    EXPECT_EQ(f.antwort(a.richtig()).knopf,
              std::string(bezeichnung(l.kennzeichnung, seegebiet, l.zeit)) + ", " +
                  std::string(in_worten(l.seite)));
    std::set<std::string> knoepfe;
    std::vector<Anblick> anblicke;
    for (Code c = 1; c <= 4; ++c) {
      const K k = a.kennzeichnung(c);
      const Seite s = a.seite(c);
      EXPECT_EQ(deutet(k, s, seegebiet, a.anblick()), c == a.richtig()) << c;
      EXPECT_TRUE(knoepfe.insert(std::string(f.antwort(c).knopf)).second);
      const Anblick sein = anblick(signale(k), s, l.zeit);
      EXPECT_EQ(std::count(anblicke.begin(), anblicke.end(), sein), 0) << c;
      anblicke.push_back(sein);
      EXPECT_FALSE(enthaelt(sieht, bezeichnung(k, seegebiet, l.zeit).substr(4))) << c;
      if (c != a.richtig() && (k == l.kennzeichnung || s == l.seite)) ++nah;
    }

    // Who must give way: the law for the aspect, and nothing unstated.
    const Aufgabe& aufgabe = a.aufgabe();
    Gefragt gefragt;
    for (const DrawnRun::Answer& x : aufgabe.run().answers()) {
      if (!x.after_verdict) gefragt.insert(x.frage->feld);
    }
    const Gesetz gesetz_ = gesetz(aufgabe.situation(), peilung(l.seite), gefragt);
    EXPECT_EQ(klassen(aufgabe.richtige()), gesetz_.richtig);
    EXPECT_EQ(klasse(aufgabe.entscheidung()), gesetz_.entscheidet);
    EXPECT_EQ(aufgabe.situation().kb1, typ(l.kennzeichnung));
    const auto [it, neu] = nach_text.emplace(text, klassen(aufgabe.richtige()));
    if (!neu) {
      EXPECT_EQ(it->second, klassen(aufgabe.richtige())) << "hidden fact";
    }

    // The picture: A in the side's sector, B's lights or shapes as said.
    Angaben angaben;
    a.vorlegen(angaben);
    const Szene sz = szene(angaben);
    EXPECT_TRUE(sz.b_passt);
    const Sektor sek = sektor(l.seite);
    const int ab = (sz.aspekt - sek.von + 360) % 360;
    EXPECT_LE(ab, (sek.bis - sek.von + 360) % 360) << sz.aspekt;
    const Bilder b = zeichne(angaben, l.zeit, puffer);
    const Signale sig = signale(l.kennzeichnung);
    if (l.zeit == Tageszeit::nacht) {
      EXPECT_EQ(werte(b.sicht, "data-licht"), gesehen(sig, sz.aspekt));
    } else {
      std::vector<std::string> koerper;
      for (const Signalkoerper k : sig.koerper) koerper.emplace_back(kennung(k));
      EXPECT_EQ(werte(b.sicht, "data-signal"), sortiert(koerper));
    }
    ++je_art[l.kennzeichnung];
    sorten.insert(std::to_string(sorte(l)));
  }
  // Every kind, both regimes' own kinds among them, and a near miss in most.
  EXPECT_EQ(je_art.size(), std::size(kKennzeichnungen));
  EXPECT_GT(nah, static_cast<int>(lagen.size()));
  std::cout << "[ lichter ] " << lagen.size() << " items of " << sorten.size()
            << " sorts, " << nah << " near misses among their wrong answers\n";
}

// The kinds that the law makes one share their words, and what A cannot tell
// apart is never set: one white light astern, a tricolour head-on, a
// Wegerechtschiff on the high seas, the signals of Regel 28 on a
// Seeschifffahrtsstraße.
TEST(LichterTest, WhatASeesTellsTheKind) {
  const Tageszeit nacht = Tageszeit::nacht;
  const Tageszeit tag = Tageszeit::tag;
  EXPECT_EQ(bezeichnung(K::segelfahrzeug_unter_maschine, hohe_see, nacht),
            bezeichnung(K::maschinenfahrzeug, hohe_see, nacht));
  EXPECT_EQ(bezeichnung(K::trawler, hohe_see, tag),
            bezeichnung(K::fischer, hohe_see, tag));
  EXPECT_NE(bezeichnung(K::trawler, hohe_see, nacht),
            bezeichnung(K::fischer, hohe_see, nacht));
  EXPECT_EQ(bezeichnung(K::wegerechtschiff, seeschifffahrtsstrassen, nacht),
            bezeichnung(K::manoevrierbehindert, seeschifffahrtsstrassen, nacht));
  for (const Code gebiet : {hohe_see, seeschifffahrtsstrassen}) {
    for (const K k :
         {K::maschinenfahrzeug, K::maschinenfahrzeug_ab_50m, K::segelfahrzeug}) {
      EXPECT_FALSE(zeigbar(k, Seite::achtern, gebiet, nacht));
      EXPECT_FALSE(zeigbar(k, Seite::vorn, gebiet, tag)) << "nothing to see by day";
    }
    EXPECT_FALSE(zeigbar(K::segelfahrzeug_dreifarben, Seite::vorn, gebiet, nacht));
    EXPECT_TRUE(zeigbar(K::segelfahrzeug_dreifarben, Seite::steuerbord, gebiet, nacht));
    EXPECT_TRUE(zeigbar(K::manoevrierunfaehig, Seite::achtern, gebiet, nacht));
    EXPECT_FALSE(zeigbar(K::fischer, Seite::vorn, gebiet, tag)) << "the trawler's";
    EXPECT_TRUE(zeigbar(K::trawler, Seite::vorn, gebiet, tag));
  }
  EXPECT_FALSE(zeigbar(K::wegerechtschiff, Seite::vorn, hohe_see, nacht));
  EXPECT_TRUE(zeigbar(K::wegerechtschiff, Seite::vorn, seeschifffahrtsstrassen, nacht));
  EXPECT_FALSE(
      zeigbar(K::tiefgangbehindert, Seite::vorn, seeschifffahrtsstrassen, nacht));
  EXPECT_TRUE(zeigbar(K::tiefgangbehindert, Seite::vorn, hohe_see, nacht));
  // Two masthead lights and one: told apart from every side they show.
  for (const Seite s : {Seite::vorn, Seite::steuerbord, Seite::backbord}) {
    EXPECT_NE(anblick(signale(K::maschinenfahrzeug), s, nacht),
              anblick(signale(K::maschinenfahrzeug_ab_50m), s, nacht));
  }
}

// The draw: the same seed the same items, another seed others; within a run
// no item twice, and every sort before any again.
TEST(LichterTest, TheSameSeedDrawsTheSameItemsAndSortsComeRound) {
  const auto schluessel = [](const Lichterziehung& z) {
    std::vector<std::string> s;
    for (const Lichterlage& l : z.lichterlagen()) {
      std::string k = std::to_string(sorte(l)) + ":";
      for (const int c : l.begegnung.replies()) k += std::to_string(c) + ",";
      s.push_back(k + std::to_string(l.auswahl));
    }
    return s;
  };
  Random eins(6), zwei(6), drei(7);
  const Lichterziehung a = ziehe_lichter(100, eins);
  ASSERT_EQ(a.anzahl, 100u);
  EXPECT_EQ(schluessel(a), schluessel(ziehe_lichter(100, zwei)));
  EXPECT_NE(schluessel(a), schluessel(ziehe_lichter(100, drei)));
  std::set<std::string> items;
  std::set<std::size_t> sorten;
  for (const std::string& k : schluessel(a)) {
    EXPECT_TRUE(items.insert(k.substr(0, k.rfind(','))).second) << k;
  }
  for (const Lichterlage& l : a.lichterlagen()) sorten.insert(sorte(l));
  EXPECT_EQ(sorten.size(), 100u) << "a sort again before all had come";
}

constexpr auto starte = run_program;

// The training's texts as a learner reads them, pinned: the introduction,
// the items in words by night and by day, both questions with a refused
// reply, right and wrong answers with their reasons, the advisor's lines,
// a partly right one, the replay line, repeats, the score with the new topic.
TEST(LichterTest, AFixedRunWritesExactlyThis) {
  std::ifstream file(AUSWEICH_LICHTER_TRANSCRIPT, std::ios::binary);
  ASSERT_TRUE(file) << AUSWEICH_LICHTER_TRANSCRIPT;
  std::ostringstream expected;
  expected << file.rdbuf();
  constexpr std::string_view kInput =
      "9\n3\n1\n\n4\n4\n\n1\n2\n\n3\n1\n\n2\n1\n\n1\n1\n\n";
  const Program run =
      starte(kInput, {"--uebung", "--lichter", "--seed", "1", "--anzahl", "4"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, expected.str());
  EXPECT_EQ(starte(kInput, {"--uebung", "--lichter", "--seed=1", "--anzahl=4"}).out,
            run.out);
  EXPECT_NE(starte(kInput, {"--uebung", "--lichter", "--seed", "2", "--anzahl", "4"}).out,
            run.out);
}

// The same run as a face beside the console hears it: both answers of each
// item judged, what A sees under its own topic, who gives way under the
// rule's, each with the item's draw and number.
TEST(LichterTest, BothAnswersOfAnItemAreJudged) {
  struct Gesicht final : Dialogue, Listener {
    Gesicht() : Dialogue(static_cast<Listener&>(*this)) {}
    void read_answer(const Frage&, Code&) override {}
    void read_enter() override {}
    Code read_choice(const Frage&) override { return antworten.at(gelesen++); }
    void judged(const Beurteilung& b) override { urteile.push_back(b); }
    std::vector<Code> antworten{3, 1, 4, 4, 1, 2, 3, 1, 2, 1, 1, 1};
    std::size_t gelesen = 0;
    std::vector<Beurteilung> urteile;
  } gesicht;
  Lichteruebung uebung(4, 1);
  uebung.run(gesicht);
  ASSERT_EQ(gesicht.urteile.size(), gesicht.gelesen);
  for (std::size_t i = 0; i < gesicht.urteile.size(); ++i) {
    const Beurteilung& b = gesicht.urteile[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(b.art, Uebungsart::lichter);
    EXPECT_EQ(b.seed, 1u);
    EXPECT_EQ(b.thema == Thema::lichter_und_signalkoerper, i % 2 == 0);
    EXPECT_FALSE(b.gewaehlt.empty());
    EXPECT_EQ(b.bewertung == Bewertung::richtig, b.gewaehlt == b.richtig);
  }
  EXPECT_EQ(gesicht.urteile[0].nummer, 1);
  EXPECT_EQ(gesicht.urteile[2].nummer, 2);
}

}  // namespace
}  // namespace ausweich::testing

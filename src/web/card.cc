#include "web/card.h"

#include <initializer_list>

#include "core/digits.h"

namespace ausweich {
namespace {

std::string_view name(Zeilenart art) {
  switch (art) {
    case Zeilenart::lage:
      return "lage";
    case Zeilenart::beschreibung:
      return "beschreibung";
    case Zeilenart::urteil:
      return "urteil";
    case Zeilenart::auch_richtig:
      return "auch_richtig";
    case Zeilenart::grund:
      return "grund";
    case Zeilenart::hinweis:
      return "hinweis";
    case Zeilenart::nachspielen:
      return "nachspielen";
    case Zeilenart::ergebnis:
      return "ergebnis";
    case Zeilenart::text:
      break;
  }
  return "text";
}

std::string_view name(Halt halt) {
  switch (halt) {
    case Halt::titel:
      return "titel";
    case Halt::info:
      return "info";
    case Halt::ende_der_analyse:
      return "ende_der_analyse";
    case Halt::loesung:
      break;
  }
  return "loesung";
}

std::string_view name(Gebot gebot) {
  switch (gebot) {
    case Gebot::ausweichen:
      return "ausweichen";
    case Gebot::vorfahrt_gewaehren:
      return "vorfahrt_gewaehren";
    case Gebot::nicht_behindern:
      return "nicht_behindern";
    case Gebot::rechts_halten:
      return "rechts_halten";
    case Gebot::nach_steuerbord:
      return "nach_steuerbord";
    case Gebot::kennzeichnen:
      return "kennzeichnen";
    case Gebot::allgemein:
      break;
  }
  return "allgemein";
}

/// Adds a value to the items of a list, after a comma where it is not the
/// first; a value that does not fit is left out whole.
template <typename Write>
void anhaengen(JsonText& j, Write write) {
  const bool erstes = j.empty();
  j.whole([&](JsonText& t) {
    if (!erstes) t.raw(",");
    write(t);
  });
}

}  // namespace

Card::Card(const Angaben& angaben)
    : angaben_(angaben),
      zeilen_(zeilen_puffer_.data(), kZeilen),
      tafel_(tafel_puffer_.data(), kTafel),
      pflichten_(pflichten_puffer_.data(), kPflichten),
      urteil_(urteil_puffer_.data(), kUrteil),
      annahmen_(annahmen_puffer_.data(), kKlein),
      genommen_(genommen_puffer_.data(), kKlein),
      bewertung_(bewertung_puffer_.data(), kKlein),
      karte_(karte_puffer_.data(), kKarte) {}

void Card::line(std::string_view text) {
  anhaengen(zeilen_, [text](JsonText& j) { j.string(text); });
}

void Card::empty() {
  anhaengen(zeilen_, [](JsonText& j) { j.string({}); });
}

void Card::say(Zeilenart art, std::string_view text) {
  anhaengen(zeilen_, [art, text](JsonText& j) {
    j.raw("{\"art\":").string(name(art)).raw(",\"text\":").string(text).raw("}");
  });
}

void Card::block(const Textblock& b) {
  for (const std::string_view zeile : b.zeilen) {
    anhaengen(tafel_, [zeile](JsonText& j) { j.string(zeile); });
  }
}

void Card::asking(const Frage& f, Code vorschlag) {
  begin("frage");
  question(f, &vorschlag);
  finish();
}

void Card::choosing(const Frage& f) {
  begin("wahl");
  question(f, nullptr);
  finish();
}

void Card::waiting(const Pause& pause) {
  begin("pause");
  karte_.whole([&pause](JsonText& j) {
    j.raw(",\"pause\":{\"halt\":").string(name(pause.halt));
    j.raw(",\"titel\":").string(pause.titel).raw(",\"text\":[");
    for (std::size_t i = 0; i < pause.text.size(); ++i) {
      j.raw(i > 0 ? "," : "").string(pause.text[i]);
    }
    j.raw("]}");
  });
  finish();
}

void Card::answered(const Frage& f, Code code) {
  taken(f, code);
}

void Card::chosen(const Frage& f, Code code) {
  taken(f, code);
}

void Card::taken(const Frage& f, Code code) {
  genommen_.clear();
  const bool im_menue = code >= 1 && code <= f.kmax();
  genommen_.raw("{\"titel\":").string(f.titel).raw(",\"code\":").number(code);
  genommen_.raw(",\"knopf\":").string(im_menue ? f.antwort(code).knopf : "").raw("}");
  genommen_.commit(0);
}

void Card::duty(const Pflicht& p) {
  anhaengen(pflichten_, [&p](JsonText& j) { write_duty(j, p); });
}

void Card::verdict(const Pflicht& p) {
  urteil_.clear();
  write_duty(urteil_, p);
  urteil_.commit(0);
}

void Card::assume(std::string_view satz) {
  anhaengen(annahmen_, [satz](JsonText& j) { j.string(satz); });
}

void Card::judged(const Beurteilung& b) {
  constexpr std::string_view kErgebnis[] = {"richtig", "teilweise_richtig", "falsch"};
  bewertung_.clear();
  bewertung_.raw("{\"ergebnis\":")
      .string(kErgebnis[static_cast<std::size_t>(b.bewertung)]);
  bewertung_.raw(",\"wahl\":").string(b.gewaehlt);
  bewertung_.raw(",\"richtig\":").string(b.richtig);
  bewertung_.raw(",\"thema\":").string(titel(b.thema));
  bewertung_.raw(",\"art\":")
      .string(b.art == Uebungsart::lichter ? "lichter" : "begegnungen");
  // The seed as text: a JavaScript number does not hold every 64-bit one.
  bewertung_.raw(",\"seed\":").string(Digits(b.seed).text());
  bewertung_.raw(",\"lage\":").number(b.nummer);
  bewertung_.raw(",\"wiederholung\":").raw(b.wiederholung ? "true" : "false").raw("}");
  bewertung_.commit(0);
}

void Card::write_duty(JsonText& j, const Pflicht& p) {
  const Klasse k = klasse(p);
  const Eintrag& e = eintrag(p.regel);
  j.raw("{\"gebot\":").string(name(gebot(p)));
  j.raw(",\"schiff\":").string(buchstabe(p.schiff));
  j.raw(",\"klasse\":").number(static_cast<Code>(k));
  j.raw(",\"worte\":").string(in_worten(k));
  j.raw(",\"regel\":").string(titel(e.thema));
  j.raw(",\"stelle\":").string(e.zitat);
  j.raw(",\"grund\":").string(e.satz).raw("}");
}

std::string_view Card::take() {
  if (!bereit_) return {};
  bereit_ = false;
  return karte_.text();
}

std::string_view Card::last(int status) {
  begin("ende");
  karte_.whole([status](JsonText& j) { j.raw(",\"status\":").number(status); });
  finish();
  bereit_ = false;
  return karte_.text();
}

/// The pictures of the encounter so far, by day and by night; none before
/// B's type is known, when there is little more to see than A.
void Card::pictures() {
  if (angaben_.code(&Situation::kb1) == 0) return;
  const Ansicht& ansicht = angaben_.ansicht();
  if (ansicht.mit_zeit) {
    karte_.whole([&ansicht](JsonText& j) {
      j.raw(",\"zeit\":").string(ansicht.zeit == Tageszeit::tag ? "tag" : "nacht");
    });
  }
  const Bilder tag = zeichne(angaben_, Tageszeit::tag, tag_);
  const Bilder nacht = zeichne(angaben_, Tageszeit::nacht, nacht_);
  karte_.whole([&](JsonText& j) {
    j.raw(",\"bilder\":{");
    pictures("tag", tag);
    j.raw(",");
    pictures("nacht", nacht);
    j.raw("}");
  });
}

void Card::pictures(std::string_view name, const Bilder& b) {
  karte_.raw("\"").raw(name).raw("\":{\"bild\":").string(b.bild);
  karte_.raw(",\"sicht\":").string(b.sicht).raw(",\"text\":").string(b.text).raw("}");
}

void Card::begin(std::string_view art) {
  karte_.clear();
  karte_.raw("{\"art\":").string(art);
}

void Card::question(const Frage& f, const Code* vorschlag) {
  karte_.whole([&f, vorschlag](JsonText& j) {
    j.raw(",\"frage\":{\"titel\":").string(f.titel);
    j.raw(",\"schiff\":").string(buchstabe(f.schiff));
    j.raw(",\"kmax\":").number(f.kmax());
    if (vorschlag != nullptr) j.raw(",\"vorschlag\":").number(*vorschlag);
    j.raw(",\"antworten\":[");
    for (std::size_t i = 0; i < f.antworten.size(); ++i) {
      const Antwort& a = f.antworten[i];
      j.raw(i > 0 ? ",{\"code\":" : "{\"code\":").number(a.code);
      j.raw(",\"knopf\":").string(a.knopf).raw("}");
    }
    j.raw("]}");
  });
}

/// The field `name` with the items of `items` as its list.
void Card::list(std::string_view name, const JsonText& items) {
  karte_.whole([&](JsonText& j) {
    j.raw(",\"").raw(name).raw("\":[").raw(items.text()).raw("]");
  });
}

/// The field `name` with `value` as it stands, where there is one.
void Card::field(std::string_view name, const JsonText& value) {
  if (value.empty()) return;
  karte_.whole([&](JsonText& j) { j.raw(",\"").raw(name).raw("\":").raw(value.text()); });
}

void Card::finish() {
  field("genommen", genommen_);
  field("bewertung", bewertung_);
  list("zeilen", zeilen_);
  list("tafel", tafel_);
  list("pflichten", pflichten_);
  field("urteil", urteil_);
  list("annahmen", annahmen_);
  const bool gekuerzt = zeilen_.cut() || tafel_.cut() || pflichten_.cut() ||
                        urteil_.cut() || annahmen_.cut() || karte_.cut();
  if (gekuerzt) karte_.whole([](JsonText& j) { j.raw(",\"gekuerzt\":true"); });
  pictures();
  karte_.close('}');
  for (JsonText* teil :
       {&zeilen_, &tafel_, &pflichten_, &urteil_, &annahmen_, &genommen_, &bewertung_}) {
    teil->clear();
  }
  bereit_ = true;
}

}  // namespace ausweich

#include "web/card.h"

#include <initializer_list>

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
    case Gebot::allgemein:
      break;
  }
  return "allgemein";
}

/// Adds a value to the items of a list, after a comma where it is not the
/// first; a value that does not fit is left out whole.
template <typename Wert>
void anhaengen(JsonText& j, Wert wert) {
  const std::size_t von = j.mark();
  if (von > 0) j.raw(",");
  wert(j);
  j.commit(von);
}

}  // namespace

Karte::Karte()
    : zeilen_(zeilen_puffer_.data(), kZeilen),
      tafel_(tafel_puffer_.data(), kTafel),
      pflichten_(pflichten_puffer_.data(), kPflichten),
      urteil_(urteil_puffer_.data(), kUrteil),
      annahmen_(annahmen_puffer_.data(), kKlein),
      genommen_(genommen_puffer_.data(), kKlein),
      karte_(karte_puffer_.data(), kKarte) {}

void Karte::line(std::string_view text) {
  anhaengen(zeilen_, [text](JsonText& j) { j.string(text); });
}

void Karte::empty() {
  anhaengen(zeilen_, [](JsonText& j) { j.string({}); });
}

void Karte::say(Zeilenart art, std::string_view text) {
  anhaengen(zeilen_, [art, text](JsonText& j) {
    j.raw("{\"art\":").string(name(art)).raw(",\"text\":").string(text).raw("}");
  });
}

void Karte::block(const Textblock& b) {
  for (const std::string_view zeile : b.zeilen) {
    anhaengen(tafel_, [zeile](JsonText& j) { j.string(zeile); });
  }
}

void Karte::ask(const Frage& f, Code vorschlag) {
  beginne("frage");
  frage(f, &vorschlag);
  beende();
}

void Karte::choose(const Frage& f) {
  beginne("wahl");
  frage(f, nullptr);
  beende();
}

void Karte::wait_enter(const Pause& pause) {
  if (pause.halt == Halt::titel) angaben_.beginne();
  beginne("pause");
  const std::size_t von = karte_.mark();
  karte_.raw(",\"pause\":{\"halt\":").string(name(pause.halt));
  karte_.raw(",\"titel\":").string(pause.titel).raw(",\"text\":[");
  for (std::size_t i = 0; i < pause.text.size(); ++i) {
    karte_.raw(i > 0 ? "," : "").string(pause.text[i]);
  }
  karte_.raw("]}");
  karte_.commit(von);
  beende();
}

void Karte::answered(const Frage& f, Code code) {
  antwort(f, code);
  angaben_.antwort(f.feld, code);
}

void Karte::chosen(const Frage& f, Code code) {
  antwort(f, code);
}

void Karte::antwort(const Frage& f, Code code) {
  genommen_.clear();
  const bool im_menue = code >= 1 && code <= f.kmax();
  genommen_.raw("{\"titel\":").string(f.titel).raw(",\"code\":").number(code);
  genommen_.raw(",\"knopf\":").string(im_menue ? f.antwort(code).knopf : "").raw("}");
  genommen_.commit(0);
}

void Karte::duty(const Pflicht& p) {
  anhaengen(pflichten_, [&p](JsonText& j) { pflicht(j, p); });
  angaben_.pflicht(p);
}

void Karte::verdict(const Pflicht& p) {
  urteil_.clear();
  pflicht(urteil_, p);
  urteil_.commit(0);
  angaben_.urteil(p);
}

void Karte::vorlage(std::span<const Angabe> angaben, Peilung peilung) {
  angaben_.beginne();
  angaben_.antworten(angaben);
  angaben_.peilung(peilung);
}

void Karte::assume(std::string_view satz) {
  anhaengen(annahmen_, [satz](JsonText& j) { j.string(satz); });
}

void Karte::pflicht(JsonText& j, const Pflicht& p) {
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

std::string_view Karte::abholen() {
  if (!bereit_) return {};
  bereit_ = false;
  return karte_.text();
}

std::string_view Karte::schluss(int status) {
  beginne("ende");
  const std::size_t von = karte_.mark();
  karte_.raw(",\"status\":").number(status);
  karte_.commit(von);
  beende();
  bereit_ = false;
  return karte_.text();
}

/// The pictures of the encounter so far, by day and by night; none before
/// the first answer of an analysis.
void Karte::bilder() {
  if (angaben_.code(Feld::ka1) == 0) return;
  const std::size_t von = karte_.mark();
  karte_.raw(",\"bilder\":{");
  bilder("tag", zeichne(angaben_, Tageszeit::tag, tag_));
  karte_.raw(",");
  bilder("nacht", zeichne(angaben_, Tageszeit::nacht, nacht_));
  karte_.raw("}");
  karte_.commit(von);
}

void Karte::bilder(std::string_view name, const Bilder& b) {
  karte_.raw("\"").raw(name).raw("\":{\"bild\":").string(b.bild);
  karte_.raw(",\"sicht\":").string(b.sicht).raw(",\"text\":").string(b.text).raw("}");
}

void Karte::beginne(std::string_view art) {
  karte_.clear();
  karte_.raw("{\"art\":").string(art);
}

void Karte::frage(const Frage& f, const Code* vorschlag) {
  const std::size_t von = karte_.mark();
  karte_.raw(",\"frage\":{\"titel\":").string(f.titel);
  karte_.raw(",\"schiff\":").string(buchstabe(f.schiff));
  karte_.raw(",\"kmax\":").number(f.kmax());
  if (vorschlag != nullptr) karte_.raw(",\"vorschlag\":").number(*vorschlag);
  karte_.raw(",\"antworten\":[");
  for (std::size_t i = 0; i < f.antworten.size(); ++i) {
    const Antwort& a = f.antworten[i];
    karte_.raw(i > 0 ? ",{\"code\":" : "{\"code\":").number(a.code);
    karte_.raw(",\"knopf\":").string(a.knopf).raw("}");
  }
  karte_.raw("]}");
  karte_.commit(von);
}

/// The field `name` with the items of `inhalt` as its list.
void Karte::liste(std::string_view name, const JsonText& inhalt) {
  const std::size_t von = karte_.mark();
  karte_.raw(",\"").raw(name).raw("\":[").raw(inhalt.text()).raw("]");
  karte_.commit(von);
}

void Karte::beende() {
  if (!genommen_.empty()) {
    const std::size_t von = karte_.mark();
    karte_.raw(",\"genommen\":").raw(genommen_.text());
    karte_.commit(von);
  }
  liste("zeilen", zeilen_);
  liste("tafel", tafel_);
  liste("pflichten", pflichten_);
  if (!urteil_.empty()) {
    const std::size_t von = karte_.mark();
    karte_.raw(",\"urteil\":").raw(urteil_.text());
    karte_.commit(von);
  }
  liste("annahmen", annahmen_);
  const bool gekuerzt = zeilen_.cut() || tafel_.cut() || pflichten_.cut() ||
                        urteil_.cut() || annahmen_.cut() || karte_.cut();
  if (gekuerzt) {
    const std::size_t von = karte_.mark();
    karte_.raw(",\"gekuerzt\":true");
    karte_.commit(von);
  }
  bilder();
  karte_.close('}');
  for (JsonText* teil :
       {&zeilen_, &tafel_, &pflichten_, &urteil_, &annahmen_, &genommen_}) {
    teil->clear();
  }
  bereit_ = true;
}

}  // namespace ausweich

#include "core/listener.h"

namespace ausweich {

Listeners::Listeners(std::initializer_list<Listener*> listeners) {
  for (Listener* l : listeners) {
    if (l != nullptr && anzahl_ < liste_.size()) liste_[anzahl_++] = l;
  }
}

void Listeners::line(std::string_view text) {
  an_alle([&](Listener& l) { l.line(text); });
}
void Listeners::empty() {
  an_alle([](Listener& l) { l.empty(); });
}
void Listeners::say(Zeilenart art, std::string_view text) {
  an_alle([&](Listener& l) { l.say(art, text); });
}
void Listeners::clear(int n) {
  an_alle([&](Listener& l) { l.clear(n); });
}
void Listeners::block(const Textblock& b) {
  an_alle([&](Listener& l) { l.block(b); });
}
void Listeners::duty(const Pflicht& p) {
  an_alle([&](Listener& l) { l.duty(p); });
}
void Listeners::verdict(const Pflicht& p) {
  an_alle([&](Listener& l) { l.verdict(p); });
}
void Listeners::states(Klasse k) {
  an_alle([&](Listener& l) { l.states(k); });
}
void Listeners::assume(std::string_view satz) {
  an_alle([&](Listener& l) { l.assume(satz); });
}
void Listeners::vorlage(std::span<const Angabe> angaben, Peilung peilung,
                        const Ansicht& ansicht) {
  an_alle([&](Listener& l) { l.vorlage(angaben, peilung, ansicht); });
}
void Listeners::judged(const Beurteilung& b) {
  an_alle([&](Listener& l) { l.judged(b); });
}
void Listeners::asking(const Frage& f, Code vorschlag) {
  an_alle([&](Listener& l) { l.asking(f, vorschlag); });
}
void Listeners::answered(const Frage& f, Code code) {
  an_alle([&](Listener& l) { l.answered(f, code); });
}
void Listeners::waiting(const Pause& p) {
  an_alle([&](Listener& l) { l.waiting(p); });
}
void Listeners::choosing(const Frage& f) {
  an_alle([&](Listener& l) { l.choosing(f); });
}
void Listeners::chosen(const Frage& f, Code code) {
  an_alle([&](Listener& l) { l.chosen(f, code); });
}

}  // namespace ausweich

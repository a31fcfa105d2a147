#include "core/regelbuch.h"

#include <cstddef>

namespace ausweich {
namespace {

using G = Gebot;
using R = Regel;
using T = Thema;

constexpr std::string_view kSegelNachKvr =
    "Die Regel gilt, wenn sich die beiden Segelfahrzeuge so nähern, dass die "
    "Möglichkeit der Gefahr eines Zusammenstoßes besteht, und einander in Sicht haben "
    "(Regel 11).";
constexpr std::string_view kNichtBehindern =
    "Wer nicht behindern darf, muss frühzeitig genügend Raum lassen (Regel 8 f) i)); "
    "die Pflicht bleibt auch bei Gefahr eines Zusammenstoßes, und dann gelten für beide "
    "Fahrzeuge zusätzlich die Ausweichregeln (Regel 8 f) ii) und iii)).";
constexpr std::string_view kRegel18 =
    "Regel 18 gilt nur, soweit die Regeln 9, 10 und 13 nichts anderes bestimmen: Wer "
    "überholt, weicht immer aus. Im Fahrwasser der SeeSchStrO treten an die Stelle von "
    "Regel 18 a) bis c) die Vorfahrtregeln des § 25 (§ 25 Abs. 1 SeeSchStrO).";
constexpr std::string_view kWegerechtschiff =
    "Wegerechtschiff ist auch ein Fahrzeug, das die für die Seeschifffahrtsstraße "
    "bekannt "
    "gemachten Abmessungen überschreitet, nicht aber eines auf dem Nord-Ostsee-Kanal; "
    "bis "
    "zur Grenze des Küstenmeers gilt Nr. 13 Buchstabe b. Im Fahrwasser gehen die "
    "Vorfahrtregeln des § 25 der Regel 18 vor, und wer überholt, weicht immer aus (Regel "
    "13). Nach dem SKS-Katalog (Schifffahrtsrecht Nr. 13) zeigt ein Wegerechtschiff "
    "rot-weiß-rot zusätzlich zu den Fahrtlichtern.";
constexpr std::string_view kWartepflicht =
    "Wer die Vorfahrt gewähren muss, lässt rechtzeitig durch sein Fahrverhalten "
    "erkennen, "
    "dass er warten wird, und fährt erst weiter, wenn er übersehen kann, dass die "
    "Schifffahrt nicht beeinträchtigt wird (§ 25 Abs. 6); rechtlich ist das Warten kein "
    "Ausweichen.";
constexpr std::string_view kNurImFahrwasserSicher =
    "ein Fahrzeug, das nur innerhalb des Fahrwassers sicher fahren kann";
constexpr std::string_view kKollisionsgefahr =
    "Die Regel gilt, wenn die Fahrzeuge einander in Sicht haben (Regel 11); im Zweifel "
    "ist von entgegengesetzten Kursen auszugehen (Regel 14 c)).";

// Sentences in our own words, each checked against the published text of the
// KVR (Kollisionsverhütungsregeln, the German text of the COLREGs) and the
// SeeSchStrO.
constexpr Eintrag kRegelbuch[] = {
    {R::kvr_9_a,
     "KVR Regel 9 a)",
     "Wer einem engen Fahrwasser folgt, hält sich so nah am äußeren Rand an seiner "
     "Steuerbordseite, wie es ohne Gefahr möglich ist; die Fahrwasser der "
     "Seeschifffahrtsstraßen gelten als enge Fahrwasser (§ 2 Abs. 1 Nr. 1 SeeSchStrO).",
     G::rechts_halten,
     {},
     T::begegnen_im_fahrwasser,
     "Auf bekannt gemachten Fahrwasserabschnitten darf links gefahren werden (§ 22 Abs. "
     "1 "
     "SeeSchStrO)."},
    {R::kvr_9_b, "KVR Regel 9 b)",
     "Ein Fahrzeug unter 20 m Länge oder ein Segelfahrzeug darf im engen Fahrwasser die "
     "Durchfahrt eines Fahrzeugs nicht behindern, das nur innerhalb des Fahrwassers "
     "sicher fahren kann.",
     G::nicht_behindern, kNurImFahrwasserSicher, T::enges_fahrwasser, kNichtBehindern},
    {R::kvr_9_c, "KVR Regel 9 c)",
     "Ein fischendes Fahrzeug darf die Durchfahrt eines anderen Fahrzeugs, das im engen "
     "Fahrwasser fährt, nicht behindern.",
     G::nicht_behindern, "jedes andere Fahrzeug im Fahrwasser", T::enges_fahrwasser,
     kNichtBehindern},
    {R::kvr_9_d, "KVR Regel 9 d)",
     "Niemand darf ein enges Fahrwasser queren, wenn er dadurch die Durchfahrt eines "
     "Fahrzeugs behindert, das nur innerhalb des Fahrwassers sicher fahren kann.",
     G::nicht_behindern, kNurImFahrwasserSicher, T::enges_fahrwasser, kNichtBehindern},
    {R::kvr_10_i, "KVR Regel 10 i)",
     "Ein fischendes Fahrzeug darf die Durchfahrt eines Fahrzeugs auf dem Einbahnweg "
     "nicht "
     "behindern.",
     G::nicht_behindern, "ein Fahrzeug auf dem Einbahnweg", T::verkehrstrennungsgebiet,
     kNichtBehindern},
    {R::kvr_10_j, "KVR Regel 10 j)",
     "Ein Fahrzeug unter 20 m Länge oder ein Segelfahrzeug darf die sichere Durchfahrt "
     "eines Maschinenfahrzeugs auf dem Einbahnweg nicht behindern.",
     G::nicht_behindern, "ein Maschinenfahrzeug auf dem Einbahnweg",
     T::verkehrstrennungsgebiet, kNichtBehindern},
    {R::kvr_12_a_i, "KVR Regel 12 a) i)",
     "Haben zwei Segelfahrzeuge den Wind von verschiedenen Seiten, weicht das mit dem "
     "Wind von Backbord dem anderen aus.",
     G::ausweichen, "das Segelfahrzeug mit dem Wind von Steuerbord", T::segelfahrzeuge,
     kSegelNachKvr},
    {R::kvr_12_a_ii, "KVR Regel 12 a) ii)",
     "Haben zwei Segelfahrzeuge den Wind von derselben Seite, weicht das luvwärtige dem "
     "leewärtigen aus.",
     G::ausweichen, "das leewärtige Segelfahrzeug", T::segelfahrzeuge, kSegelNachKvr},
    {R::kvr_12_a_iii, "KVR Regel 12 a) iii)",
     "Wer den Wind von Backbord hat und bei einem Segelfahrzeug in Luv nicht sicher "
     "erkennen kann, von welcher Seite es den Wind hat, weicht ihm aus.",
     G::ausweichen, "das Segelfahrzeug in Luv", T::segelfahrzeuge, kSegelNachKvr},
    {R::kvr_12_a_i_ii_a, "KVR Regel 12 a) i) und ii)",
     "Wer den Wind von Backbord hat und in Luv des anderen Segelfahrzeugs liegt, weicht "
     "aus, ob das andere den Wind von Steuerbord hat (i) oder von Backbord (ii).",
     G::ausweichen, "das Segelfahrzeug in Lee", T::segelfahrzeuge, kSegelNachKvr},
    {R::kvr_12_a_i_ii_b, "KVR Regel 12 a) i) und ii), Regel 17 a) i)",
     "Wer den Wind von Steuerbord hat und in Lee des anderen Segelfahrzeugs liegt, ist "
     "Kurshalter und behält Kurs und Geschwindigkeit bei: das andere weicht aus, ob es "
     "den "
     "Wind von Backbord hat (i) oder von Steuerbord (ii).",
     G::ausweichen, "das Segelfahrzeug in Lee", T::segelfahrzeuge, kSegelNachKvr},
    {R::kvr_12_a,
     "KVR Regel 12 a)",
     "Wer den Wind von Steuerbord hat und in Luv eines Segelfahrzeugs liegt, dessen "
     "Windseite er nicht erkennt, kann nach Regel 12 nicht sicher sagen, ob er "
     "ausweichen "
     "muss: hat das andere den Wind von Backbord, weicht es aus (i); hat es ihn von "
     "Steuerbord, muss er selbst als luvwärtiges Fahrzeug ausweichen (ii).",
     G::allgemein,
     {},
     T::segelfahrzeuge,
     "Regel 12 a) iii) gilt nur für ein Fahrzeug mit Wind von Backbord."},
    {R::kvr_13_a, "KVR Regel 13 a)",
     "Wer ein anderes Fahrzeug überholt, muss ihm ausweichen, gleich welcher Art beide "
     "Fahrzeuge sind.",
     G::ausweichen, "das überholte Fahrzeug", T::ueberholen,
     "Überholer ist, wer aus mehr als 22,5° achterlicher als querab aufkommt, nachts "
     "also "
     "nur das Hecklicht sieht (Regel 13 b)); im Zweifel gilt man als Überholer (13 c)), "
     "und eine spätere Änderung der Peilung ändert daran nichts, bis das Fahrzeug klar "
     "vorbei ist (13 d))."},
    {R::kvr_14_a,
     "KVR Regel 14 a)",
     "Nähern sich zwei Maschinenfahrzeuge auf entgegengesetzten oder fast "
     "entgegengesetzten "
     "Kursen so, dass die Möglichkeit der Gefahr eines Zusammenstoßes besteht, ändert "
     "jedes "
     "seinen Kurs nach Steuerbord, sodass sie einander an Backbord passieren.",
     G::nach_steuerbord,
     {},
     T::maschinenfahrzeuge,
     kKollisionsgefahr},
    {R::kvr_15, "KVR Regel 15",
     "Kreuzen sich die Kurse zweier Maschinenfahrzeuge so, dass die Möglichkeit der "
     "Gefahr eines Zusammenstoßes besteht, weicht das aus, welches das andere an seiner "
     "Steuerbordseite hat; wenn die Umstände es zulassen, vermeidet es, vor dessen Bug "
     "zu "
     "kreuzen.",
     G::ausweichen, "das Maschinenfahrzeug an der eigenen Steuerbordseite",
     T::maschinenfahrzeuge,
     "Im Fahrwasser der SeeSchStrO treten an die Stelle von Regel 15 die Vorfahrtregeln "
     "des § 25 (§ 25 Abs. 1 SeeSchStrO)."},
    {R::kvr_14_15,
     "KVR Regeln 14 und 15",
     "Nähern sich zwei Maschinenfahrzeuge so, dass die Möglichkeit der Gefahr eines "
     "Zusammenstoßes besteht, ändern auf entgegengesetzten oder fast entgegengesetzten "
     "Kursen beide ihren Kurs nach Steuerbord; kreuzen sich ihre Kurse, weicht das aus, "
     "welches das andere an seiner Steuerbordseite hat.",
     G::allgemein,
     {},
     T::maschinenfahrzeuge},
    {R::kvr_18_a_i, "KVR Regel 18 a) i)",
     "Ein Maschinenfahrzeug in Fahrt muss einem manövrierunfähigen Fahrzeug ausweichen.",
     G::ausweichen, "ein manövrierunfähiges Fahrzeug", T::fahrzeugart, kRegel18},
    {R::kvr_18_a_ii, "KVR Regel 18 a) ii)",
     "Ein Maschinenfahrzeug in Fahrt muss einem manövrierbehinderten Fahrzeug "
     "ausweichen.",
     G::ausweichen, "ein manövrierbehindertes Fahrzeug", T::fahrzeugart, kRegel18},
    {R::kvr_18_a_iii, "KVR Regel 18 a) iii)",
     "Ein Maschinenfahrzeug in Fahrt muss einem fischenden Fahrzeug ausweichen.",
     G::ausweichen, "ein fischendes Fahrzeug", T::fahrzeugart, kRegel18},
    {R::kvr_18_a_iv, "KVR Regel 18 a) iv)",
     "Ein Maschinenfahrzeug in Fahrt muss einem Segelfahrzeug ausweichen.", G::ausweichen,
     "ein Segelfahrzeug", T::fahrzeugart, kRegel18},
    {R::kvr_18_b_i, "KVR Regel 18 b) i)",
     "Ein Segelfahrzeug in Fahrt muss einem manövrierunfähigen Fahrzeug ausweichen.",
     G::ausweichen, "ein manövrierunfähiges Fahrzeug", T::fahrzeugart, kRegel18},
    {R::kvr_18_b_ii, "KVR Regel 18 b) ii)",
     "Ein Segelfahrzeug in Fahrt muss einem manövrierbehinderten Fahrzeug ausweichen.",
     G::ausweichen, "ein manövrierbehindertes Fahrzeug", T::fahrzeugart, kRegel18},
    {R::kvr_18_b_iii, "KVR Regel 18 b) iii)",
     "Ein Segelfahrzeug in Fahrt muss einem fischenden Fahrzeug ausweichen.",
     G::ausweichen, "ein fischendes Fahrzeug", T::fahrzeugart, kRegel18},
    {R::kvr_18_d_i, "KVR Regel 18 d) i)",
     "Jedes Fahrzeug außer einem manövrierunfähigen oder manövrierbehinderten muss, "
     "sofern "
     "die Umstände es zulassen, vermeiden, die sichere Durchfahrt eines "
     "tiefgangbehinderten Fahrzeugs zu behindern, das die Signale nach Regel 28 zeigt.",
     G::nicht_behindern, "ein tiefgangbehindertes Fahrzeug", T::fahrzeugart,
     kNichtBehindern},
    {R::kvr_19_d,
     "KVR Regel 19 d)",
     "Haben Fahrzeuge einander wegen verminderter Sicht nicht in Sicht, gibt es keinen "
     "Kurshalter: Wer ein anderes Fahrzeug lediglich mit Radar ortet, muss ermitteln, ob "
     "sich eine Nahbereichslage entwickelt oder die Möglichkeit der Gefahr eines "
     "Zusammenstoßes besteht, und dann frühzeitig Gegenmaßnahmen treffen, also "
     "ausweichen.",
     G::ausweichen,
     {},
     T::verminderte_sicht,
     "Regel 19 d) sagt auch, wie: nach Möglichkeit keine Kursänderung nach Backbord "
     "gegenüber einem Fahrzeug vorlicher als querab, außer beim Überholen, und keine "
     "Kursänderung auf ein Fahrzeug zu, das querab oder achterlicher ist. Im Fahrwasser "
     "der "
     "SeeSchStrO gelten Überhol- und Begegnungsregel (Regel 13 a) und c), 14 a) und c)) "
     "auch bei reiner Radarortung (§ 21 Abs. 1 SeeSchStrO)."},
    {R::see_2_13_a, "§ 2 Abs. 1 Nr. 13 Buchstabe a SeeSchStrO, KVR Regel 18 a) ii)",
     "Ein Wegerechtschiff – ein Fahrzeug, das wegen seines Tiefgangs, seiner Länge oder "
     "anderer Eigenschaften gezwungen ist, den tiefsten Teil des Fahrwassers für sich in "
     "Anspruch zu nehmen – gilt als manövrierbehindert; ein Maschinenfahrzeug in Fahrt "
     "muss ihm ausweichen.",
     G::ausweichen, "ein Wegerechtschiff", T::fahrzeugart, kWegerechtschiff},
    {R::see_2_13_b, "§ 2 Abs. 1 Nr. 13 Buchstabe a SeeSchStrO, KVR Regel 18 b) ii)",
     "Ein Wegerechtschiff – ein Fahrzeug, das wegen seines Tiefgangs, seiner Länge oder "
     "anderer Eigenschaften gezwungen ist, den tiefsten Teil des Fahrwassers für sich in "
     "Anspruch zu nehmen – gilt als manövrierbehindert; ein Segelfahrzeug in Fahrt muss "
     "ihm ausweichen.",
     G::ausweichen, "ein Wegerechtschiff", T::fahrzeugart, kWegerechtschiff},
    {R::see_23, "§ 23 Abs. 1 und 2 SeeSchStrO, KVR Regel 13 a)",
     "Wer im Fahrwasser überholt, muss dem überholten Fahrzeug ausweichen; überholt "
     "wird grundsätzlich an dessen Backbordseite, und das überholte Fahrzeug erleichtert "
     "das Überholen, so weit es kann.",
     G::ausweichen, "das überholte Fahrzeug", T::ueberholen,
     "§ 23 Abs. 3 verbietet das Überholen unter anderem an engen Stellen, in "
     "unübersichtlichen Krümmungen und innerhalb bekannt gemachter Strecken; muss der "
     "Vorausfahrende mitwirken, wird nur mit seiner Zustimmung überholt (§ 23 Abs. 4, "
     "KVR "
     "Regel 9 e))."},
    {R::see_24_1,
     "§ 24 Abs. 1 SeeSchStrO",
     "Begegnen sich zwei Fahrzeuge im Fahrwasser auf entgegengesetzten oder fast "
     "entgegengesetzten Kursen, weichen beide nach Steuerbord aus, auch Segelfahrzeuge.",
     G::nach_steuerbord,
     {},
     T::begegnen_im_fahrwasser,
     "Auf bekannt gemachten Abschnitten darf ausnahmsweise nach Backbord ausgewichen "
     "werden, wenn es dem Gegenkommer angezeigt wird (§ 24 Abs. 3)."},
    {R::see_25_2, "§ 25 Abs. 2 SeeSchStrO",
     "Im Fahrwasser hat, wer dem Fahrwasserverlauf folgt – gleich ob er nur im "
     "Fahrwasser "
     "sicher fahren kann –, Vorfahrt vor dem, der in das Fahrwasser einläuft, es quert, "
     "darin dreht oder seinen Anker- oder Liegeplatz verlässt.",
     G::vorfahrt_gewaehren, "das Fahrzeug, das dem Fahrwasserverlauf folgt",
     T::vorfahrt_im_fahrwasser, kWartepflicht},
    {R::see_25_2_3, "§ 25 Abs. 2 und 3 SeeSchStrO",
     "Ein Segelfahrzeug, das deutlich der Richtung des Fahrwassers folgt, hat wie jedes "
     "dem Fahrwasser folgende Fahrzeug Vorfahrt; Segelfahrzeuge, die nicht deutlich der "
     "Richtung des Fahrwassers folgen, etwa kreuzende, verhalten sich untereinander nach "
     "den KVR, soweit sie dadurch kein vorfahrtberechtigtes Fahrzeug gefährden oder "
     "behindern.",
     G::vorfahrt_gewaehren, "das Segelfahrzeug, das deutlich dem Fahrwasser folgt",
     T::vorfahrt_im_fahrwasser, kWartepflicht},
    {R::see_25_4, "§ 25 Abs. 4 SeeSchStrO",
     "Wer im Fahrwasser fährt, hat Vorfahrt vor dem, der aus einem abzweigenden oder "
     "einmündenden Fahrwasser in dieses einläuft, gleich ob er selbst dem "
     "Fahrwasserverlauf folgt.",
     G::vorfahrt_gewaehren, "das Fahrzeug im Fahrwasser", T::vorfahrt_im_fahrwasser,
     kWartepflicht},
    {R::see_25_5, "§ 25 Abs. 5 SeeSchStrO",
     "Nähern sich zwei Fahrzeuge von beiden Seiten einer Engstelle, die nicht sicher "
     "Raum "
     "für beide bietet, hat Vorfahrt: im Tidegewässer und bei Strömung, wer mit dem "
     "Strom "
     "fährt, bei Stromstillstand, wer vorher gegen den Strom fuhr; in tidefreien "
     "Gewässern "
     "ohne Strömung, wer grundsätzlich die Steuerbordseite des Fahrwassers zu benutzen "
     "hat. "
     "Der andere wartet außerhalb der Engstelle, bis es vorbei ist.",
     G::vorfahrt_gewaehren, "das Fahrzeug mit der Vorfahrt an der Engstelle",
     T::vorfahrt_im_fahrwasser,
     "Steuerbordseite des Fahrwassers ist die Seite, die ein von See einlaufendes "
     "Fahrzeug "
     "an Steuerbord hat (§ 2 Abs. 1 Nr. 2 SeeSchStrO)."},
    {R::kvr_21,
     "KVR Regel 21 a) bis c)",
     "Das Topplicht zeigt weiß von recht voraus bis 22,5° achterlicher als querab an "
     "jeder Seite (225°), die Seitenlichter zeigen über denselben Bogen je an ihrer "
     "Seite "
     "(112,5°), an Steuerbord grün, an Backbord rot, und das Hecklicht zeigt weiß über "
     "135° nach achtern.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper,
     "Unter 20 m Länge dürfen die Seitenlichter in einer Laterne in der Längsachse "
     "vereint sein (Regel 21 b)); Rundumlichter zeigen über den ganzen Horizont "
     "(Regel 21 e))."},
    {R::kvr_23_a,
     "KVR Regel 23 a)",
     "Ein Maschinenfahrzeug in Fahrt führt vorn ein Topplicht, ab 50 m Länge ein zweites "
     "achterlicher und höher als das vordere (ein kürzeres darf es führen), dazu "
     "Seitenlichter und ein Hecklicht.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper,
     "Unter 12 m Länge darf es statt dieser Lichter ein weißes Rundumlicht und "
     "Seitenlichter führen (Regel 23 d) i))."},
    {R::kvr_25_a_b,
     "KVR Regel 25 a) und b)",
     "Ein Segelfahrzeug in Fahrt führt Seitenlichter und ein Hecklicht; unter 20 m Länge "
     "dürfen sie in einer Dreifarbenlaterne an oder nahe der Mastspitze vereint sein.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper,
     "Zusätzlich darf es an oder nahe der Mastspitze zwei Rundumlichter, rot über grün, "
     "führen, nicht aber zusammen mit der Dreifarbenlaterne (Regel 25 c))."},
    {R::kvr_25_e,
     "KVR Regel 25 e)",
     "Ein Fahrzeug unter Segel, das zugleich mit Maschinenkraft fährt, führt einen Kegel "
     "mit der Spitze nach unten vorn, wo er am besten gesehen werden kann; es ist ein "
     "Maschinenfahrzeug im Sinne der Regel 3 b) und führt nachts dessen Lichter nach "
     "Regel 23.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper},
    {R::kvr_26_b,
     "KVR Regel 26 b)",
     "Ein trawlendes Fahrzeug führt zwei Rundumlichter senkrecht übereinander, grün über "
     "weiß, am Tag zwei Kegel mit den Spitzen zusammen übereinander; ab 50 m Länge "
     "dazu ein Topplicht achterlicher und höher als das grüne Licht (ein kürzeres darf "
     "es "
     "führen), mit Fahrt durchs Wasser Seitenlichter und ein Hecklicht.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper},
    {R::kvr_26_c,
     "KVR Regel 26 c)",
     "Ein fischendes Fahrzeug, das nicht trawlt, führt zwei Rundumlichter senkrecht "
     "übereinander, rot über weiß, am Tag zwei Kegel mit den Spitzen zusammen "
     "übereinander; mit Fahrt durchs Wasser dazu Seitenlichter und ein Hecklicht.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper,
     "Reicht sein Fanggerät waagerecht mehr als 150 m weit, zeigt es in dessen Richtung "
     "zusätzlich ein weißes Rundumlicht, am Tag einen Kegel mit der Spitze nach oben "
     "(Regel 26 c) ii))."},
    {R::kvr_27_a,
     "KVR Regel 27 a)",
     "Ein manövrierunfähiges Fahrzeug führt zwei rote Rundumlichter senkrecht "
     "übereinander, am Tag zwei Bälle übereinander; mit Fahrt durchs Wasser dazu "
     "Seitenlichter und ein Hecklicht.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper,
     "Fahrzeuge unter 12 m Länge brauchen diese Lichter und Signalkörper nicht zu "
     "führen, außer bei Taucherarbeiten (Regel 27 g))."},
    {R::kvr_27_b,
     "KVR Regel 27 b)",
     "Ein manövrierbehindertes Fahrzeug führt drei Rundumlichter senkrecht übereinander, "
     "rot, weiß, rot, am Tag Ball, Rhombus, Ball übereinander; mit Fahrt durchs Wasser "
     "dazu ein Topplicht oder Topplichter, Seitenlichter und ein Hecklicht.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper,
     "Fahrzeuge unter 12 m Länge brauchen diese Lichter und Signalkörper nicht zu "
     "führen, außer bei Taucherarbeiten (Regel 27 g))."},
    {R::kvr_28,
     "KVR Regel 28",
     "Ein tiefgangbehindertes Fahrzeug darf zusätzlich zu den Lichtern eines "
     "Maschinenfahrzeugs drei rote Rundumlichter senkrecht übereinander führen, am Tag "
     "einen Zylinder.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper},
    {R::see_2_13_27_b,
     "§ 2 Abs. 1 Nr. 13 SeeSchStrO, KVR Regel 27 b)",
     "Ein Wegerechtschiff gilt als manövrierbehindertes Fahrzeug; nach dem "
     "SKS-Fragenkatalog zeigt es zusätzlich zu den Fahrtlichtern rot, weiß, rot "
     "senkrecht übereinander, am Tag entsprechend Ball, Rhombus, Ball.",
     G::kennzeichnen,
     {},
     T::lichter_und_signalkoerper,
     "Die Zeichen folgen aus § 2 Abs. 1 Nr. 13 mit Regel 27 b); ausdrücklich nennt der "
     "SKS-Fragenkatalog (Schifffahrtsrecht) die Lichter. Außerhalb der "
     "Seeschifffahrtsstraßen zeigt ein tiefgangbehindertes Fahrzeug die Zeichen nach "
     "Regel 28."},
};

constexpr bool in_reihe() {
  for (std::size_t i = 0; i < std::size(kRegelbuch); ++i) {
    const Eintrag& e = kRegelbuch[i];
    if (static_cast<std::size_t>(e.regel) != i || e.zitat.empty() || e.satz.empty()) {
      return false;
    }
  }
  return std::size(kRegelbuch) == static_cast<std::size_t>(Regel::see_2_13_27_b) + 1;
}
static_assert(in_reihe(), "every rule once, in the order of the ids, cited and stated");

}  // namespace

std::string_view titel(Thema t) {
  switch (t) {
    case Thema::fahrzeugart:
      return "Verantwortlichkeiten der Fahrzeuge untereinander (KVR Regel 18)";
    case Thema::segelfahrzeuge:
      return "Segelfahrzeuge untereinander (KVR Regel 12)";
    case Thema::maschinenfahrzeuge:
      return "Maschinenfahrzeuge untereinander (KVR Regeln 14 und 15)";
    case Thema::ueberholen:
      return "Überholen (KVR Regel 13, § 23 SeeSchStrO)";
    case Thema::verminderte_sicht:
      return "Verminderte Sicht (KVR Regel 19)";
    case Thema::enges_fahrwasser:
      return "Enges Fahrwasser (KVR Regel 9)";
    case Thema::verkehrstrennungsgebiet:
      return "Verkehrstrennungsgebiete (KVR Regel 10)";
    case Thema::vorfahrt_im_fahrwasser:
      return "Vorfahrt im Fahrwasser (§ 25 SeeSchStrO)";
    case Thema::lichter_und_signalkoerper:
      return "Lichter und Signalkörper (KVR Regeln 21 bis 28)";
    case Thema::begegnen_im_fahrwasser:
      break;
  }
  return "Rechtsfahrgebot und Begegnen im Fahrwasser (KVR Regel 9 a), § 24 SeeSchStrO)";
}

const Eintrag& eintrag(Regel r) {
  return kRegelbuch[static_cast<std::size_t>(r)];
}

std::span<const Eintrag> regelbuch() {
  return kRegelbuch;
}

}  // namespace ausweich

#include "core/regelbuch.h"

#include <cstddef>

namespace ausweich {
namespace {

using G = Gebot;
using R = Regel;
using T = Thema;

constexpr std::string_view kSegelNachKvr =
    "Die Regel setzt voraus, dass sich die beiden Segelfahrzeuge so nähern, dass die "
    "Gefahr eines Zusammenstoßes besteht.";
constexpr std::string_view kWegerechtschiff =
    "Wegerechtschiff ist auch, wer die für die Seeschifffahrtsstraße bekannt gemachten "
    "Abmessungen überschreitet; es meldet sich bei der Verkehrszentrale und zeigt die "
    "Zeichen eines manövrierbehinderten Fahrzeugs.";
constexpr std::string_view kWartepflicht =
    "Wer die Vorfahrt gewähren muss, zeigt rechtzeitig, dass er warten wird, und fährt "
    "erst weiter, wenn er die Schifffahrt im Fahrwasser nicht beeinträchtigt (§ 25 "
    "Abs. 6).";
constexpr std::string_view kNurImFahrwasserSicher =
    "ein Fahrzeug, das nur innerhalb des Fahrwassers sicher fahren kann";

// Sentences in our own words, each checked against the published text of the
// KVR (Kollisionsverhütungsregeln, the German text of the COLREGs) and the
// SeeSchStrO.
constexpr Eintrag kRegelbuch[] = {
    {R::kvr_9_a,
     "KVR Regel 9 a)",
     "Wer einem engen Fahrwasser folgt, hält sich so nah an dessen Rand an seiner "
     "Steuerbordseite, wie es ohne Gefahr möglich ist; die Fahrwasser der "
     "Seeschifffahrtsstraßen gelten als enge Fahrwasser (§ 2 Abs. 1 Nr. 1 SeeSchStrO).",
     G::rechts_halten,
     {},
     T::begegnen_im_fahrwasser},
    {R::kvr_9_b, "KVR Regel 9 b)",
     "Ein Segelfahrzeug oder ein Fahrzeug unter 20 m Länge darf im engen Fahrwasser die "
     "Durchfahrt eines Fahrzeugs nicht behindern, das nur innerhalb des Fahrwassers "
     "sicher fahren kann.",
     G::nicht_behindern, kNurImFahrwasserSicher, T::enges_fahrwasser},
    {R::kvr_9_c, "KVR Regel 9 c)",
     "Ein fischendes Fahrzeug darf die Durchfahrt eines anderen Fahrzeugs, das im engen "
     "Fahrwasser fährt, nicht behindern.",
     G::nicht_behindern, "jedes andere Fahrzeug im Fahrwasser", T::enges_fahrwasser},
    {R::kvr_9_d, "KVR Regel 9 d)",
     "Niemand darf ein enges Fahrwasser queren, wenn er dadurch die Durchfahrt eines "
     "Fahrzeugs behindert, das nur innerhalb des Fahrwassers sicher fahren kann.",
     G::nicht_behindern, kNurImFahrwasserSicher, T::enges_fahrwasser},
    {R::kvr_10_i, "KVR Regel 10 i)",
     "Ein fischendes Fahrzeug darf die Durchfahrt eines Fahrzeugs, das einem Einbahnweg "
     "folgt, nicht behindern.",
     G::nicht_behindern, "ein Fahrzeug, das dem Einbahnweg folgt",
     T::verkehrstrennungsgebiet},
    {R::kvr_10_j, "KVR Regel 10 j)",
     "Ein Segelfahrzeug oder ein Fahrzeug unter 20 m Länge darf die sichere Durchfahrt "
     "eines Maschinenfahrzeugs, das einem Einbahnweg folgt, nicht behindern.",
     G::nicht_behindern, "ein Maschinenfahrzeug, das dem Einbahnweg folgt",
     T::verkehrstrennungsgebiet},
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
     G::ausweichen, "das Segelfahrzeug in Luv", T::segelfahrzeuge},
    {R::kvr_12_a_i_ii_a, "KVR Regel 12 a) i) und ii)",
     "Wer den Wind von Backbord hat und in Luv des anderen Segelfahrzeugs liegt, weicht "
     "aus, ob das andere den Wind von Steuerbord hat (i) oder von Backbord (ii).",
     G::ausweichen, "das Segelfahrzeug in Lee", T::segelfahrzeuge},
    {R::kvr_12_a_i_ii_b, "KVR Regel 12 a) i) und ii)",
     "Wer den Wind von Steuerbord hat und in Lee des anderen Segelfahrzeugs liegt, hält "
     "Kurs: das andere weicht aus, ob es den Wind von Backbord hat (i) oder von "
     "Steuerbord (ii).",
     G::ausweichen, "das Segelfahrzeug in Lee", T::segelfahrzeuge},
    {R::kvr_12_a,
     "KVR Regel 12 a)",
     "Wer den Wind von Steuerbord hat und in Luv eines Segelfahrzeugs liegt, dessen "
     "Windseite er nicht erkennt, ist nach Regel 12 weder sicher ausweichpflichtig noch "
     "sicher Kurshalter: hat das andere den Wind von Backbord, weicht es aus (i); hat es "
     "ihn von Steuerbord, muss das luvwärtige ausweichen (ii).",
     G::allgemein,
     {},
     T::segelfahrzeuge},
    {R::kvr_13_a, "KVR Regel 13 a)",
     "Wer ein anderes Fahrzeug überholt, muss ihm ausweichen, gleich welcher Art beide "
     "Fahrzeuge sind.",
     G::ausweichen, "das überholte Fahrzeug", T::ueberholen},
    {R::kvr_14_a,
     "KVR Regel 14 a)",
     "Begegnen sich zwei Maschinenfahrzeuge auf entgegengesetzten oder fast "
     "entgegengesetzten Kursen, ändert jedes seinen Kurs nach Steuerbord, sodass sie "
     "einander an Backbord passieren.",
     G::nach_steuerbord,
     {},
     T::maschinenfahrzeuge},
    {R::kvr_15, "KVR Regel 15",
     "Kreuzen sich die Kurse zweier Maschinenfahrzeuge, weicht das aus, welches das "
     "andere an seiner Steuerbordseite hat, und vermeidet nach Möglichkeit, vor dessen "
     "Bug zu kreuzen.",
     G::ausweichen, "das Maschinenfahrzeug, das von Steuerbord kommt",
     T::maschinenfahrzeuge},
    {R::kvr_14_15,
     "KVR Regeln 14 und 15",
     "Zwei Maschinenfahrzeuge auf Gegenkurs ändern beide ihren Kurs nach Steuerbord; "
     "kreuzen sich ihre Kurse, weicht das aus, welches das andere an seiner "
     "Steuerbordseite hat.",
     G::allgemein,
     {},
     T::maschinenfahrzeuge},
    {R::kvr_18_a_i, "KVR Regel 18 a) i)",
     "Ein Maschinenfahrzeug in Fahrt muss einem manövrierunfähigen Fahrzeug ausweichen.",
     G::ausweichen, "ein manövrierunfähiges Fahrzeug", T::fahrzeugart},
    {R::kvr_18_a_ii, "KVR Regel 18 a) ii)",
     "Ein Maschinenfahrzeug in Fahrt muss einem manövrierbehinderten Fahrzeug "
     "ausweichen.",
     G::ausweichen, "ein manövrierbehindertes Fahrzeug", T::fahrzeugart},
    {R::kvr_18_a_iii, "KVR Regel 18 a) iii)",
     "Ein Maschinenfahrzeug in Fahrt muss einem fischenden Fahrzeug ausweichen.",
     G::ausweichen, "ein fischendes Fahrzeug", T::fahrzeugart},
    {R::kvr_18_a_iv, "KVR Regel 18 a) iv)",
     "Ein Maschinenfahrzeug in Fahrt muss einem Segelfahrzeug ausweichen.", G::ausweichen,
     "ein Segelfahrzeug", T::fahrzeugart},
    {R::kvr_18_b_i, "KVR Regel 18 b) i)",
     "Ein Segelfahrzeug in Fahrt muss einem manövrierunfähigen Fahrzeug ausweichen.",
     G::ausweichen, "ein manövrierunfähiges Fahrzeug", T::fahrzeugart},
    {R::kvr_18_b_ii, "KVR Regel 18 b) ii)",
     "Ein Segelfahrzeug in Fahrt muss einem manövrierbehinderten Fahrzeug ausweichen.",
     G::ausweichen, "ein manövrierbehindertes Fahrzeug", T::fahrzeugart},
    {R::kvr_18_b_iii, "KVR Regel 18 b) iii)",
     "Ein Segelfahrzeug in Fahrt muss einem fischenden Fahrzeug ausweichen.",
     G::ausweichen, "ein fischendes Fahrzeug", T::fahrzeugart},
    {R::kvr_18_d_i, "KVR Regel 18 d) i)",
     "Jedes Fahrzeug außer einem manövrierunfähigen oder manövrierbehinderten darf, "
     "soweit die Umstände es zulassen, die sichere Durchfahrt eines tiefgangbehinderten "
     "Fahrzeugs, das die Signale nach Regel 28 zeigt, nicht behindern.",
     G::nicht_behindern, "ein tiefgangbehindertes Fahrzeug", T::fahrzeugart},
    {R::kvr_19_d,
     "KVR Regel 19 d)",
     "In verminderter Sicht gibt es keinen Kurshalter: wer ein anderes Fahrzeug nur mit "
     "Radar ortet und eine Nahbereichslage oder die Gefahr eines Zusammenstoßes "
     "feststellt, muss frühzeitig ausweichen.",
     G::ausweichen,
     {},
     T::verminderte_sicht,
     "Regel 19 d) sagt auch, wie: nicht nach Backbord gegenüber einem Fahrzeug vorlicher "
     "als querab, außer beim Überholen, und nicht auf ein Fahrzeug querab oder "
     "achterlicher zu."},
    {R::see_2_13_a, "§ 2 Abs. 1 Nr. 13 SeeSchStrO, KVR Regel 18 a) ii)",
     "Ein Wegerechtschiff – ein Schiff, das wegen seines Tiefgangs, seiner Länge oder "
     "anderer Eigenschaften den tiefsten Teil des Fahrwassers braucht – gilt auf der "
     "Seeschifffahrtsstraße als manövrierbehindert; ein Maschinenfahrzeug muss ihm "
     "ausweichen.",
     G::ausweichen, "ein Wegerechtschiff", T::fahrzeugart, kWegerechtschiff},
    {R::see_2_13_b, "§ 2 Abs. 1 Nr. 13 SeeSchStrO, KVR Regel 18 b) ii)",
     "Ein Wegerechtschiff – ein Schiff, das wegen seines Tiefgangs, seiner Länge oder "
     "anderer Eigenschaften den tiefsten Teil des Fahrwassers braucht – gilt auf der "
     "Seeschifffahrtsstraße als manövrierbehindert; ein Segelfahrzeug muss ihm "
     "ausweichen.",
     G::ausweichen, "ein Wegerechtschiff", T::fahrzeugart, kWegerechtschiff},
    {R::see_23, "§ 23 SeeSchStrO, KVR Regel 13 a)",
     "Wer im Fahrwasser überholt, muss dem überholten Fahrzeug ausweichen; überholt "
     "wird grundsätzlich an dessen Backbordseite, und das überholte Fahrzeug erleichtert "
     "das Überholen, so weit es kann.",
     G::ausweichen, "das überholte Fahrzeug", T::ueberholen,
     "§ 23 verbietet das Überholen außerdem an engen Stellen, in unübersichtlichen "
     "Krümmungen und an bekannt gemachten Strecken."},
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
     "Im Fahrwasser hat Vorfahrt, wer dem Fahrwasserverlauf folgt, vor dem, der in das "
     "Fahrwasser einläuft, es quert, darin dreht oder seinen Anker- oder Liegeplatz "
     "verlässt.",
     G::vorfahrt_gewaehren, "das Fahrzeug, das dem Fahrwasserverlauf folgt",
     T::vorfahrt_im_fahrwasser, kWartepflicht},
    {R::see_25_2_3, "§ 25 Abs. 2 und 3 SeeSchStrO",
     "Ein Segelfahrzeug, das deutlich dem Fahrwasserverlauf folgt, hat Vorfahrt; "
     "Segelfahrzeuge, die ihm nicht deutlich folgen, weichen einander nach den KVR aus, "
     "ohne ein vorfahrtberechtigtes Fahrzeug zu gefährden oder zu behindern.",
     G::vorfahrt_gewaehren, "das Segelfahrzeug, das deutlich dem Fahrwasser folgt",
     T::vorfahrt_im_fahrwasser},
    {R::see_25_4, "§ 25 Abs. 4 SeeSchStrO",
     "Wer im Fahrwasser fährt, hat Vorfahrt vor dem, der aus einem abzweigenden oder "
     "einmündenden Fahrwasser in dieses einläuft, ob er dem Fahrwasserverlauf folgt oder "
     "nicht.",
     G::vorfahrt_gewaehren, "das Fahrzeug im durchgehenden Fahrwasser",
     T::vorfahrt_im_fahrwasser, kWartepflicht},
    {R::see_25_5, "§ 25 Abs. 5 SeeSchStrO",
     "Nähern sich zwei Fahrzeuge einer Engstelle, die nicht sicher Raum für beide "
     "bietet, "
     "von beiden Seiten, hat Vorfahrt, wer mit dem Strom fährt, bei Stromstillstand wer "
     "vorher gegen den Strom fuhr, und ohne Strömung, wer die Steuerbordseite des "
     "Fahrwassers zu benutzen hat; der andere wartet vor der Engstelle.",
     G::vorfahrt_gewaehren, "das Fahrzeug mit der Vorfahrt an der Engstelle",
     T::vorfahrt_im_fahrwasser},
};

constexpr bool in_reihe() {
  for (std::size_t i = 0; i < std::size(kRegelbuch); ++i) {
    const Eintrag& e = kRegelbuch[i];
    if (static_cast<std::size_t>(e.regel) != i || e.zitat.empty() || e.satz.empty()) {
      return false;
    }
  }
  return std::size(kRegelbuch) == static_cast<std::size_t>(Regel::see_25_5) + 1;
}
static_assert(in_reihe(), "every rule once, in the order of the ids, cited and stated");

}  // namespace

std::string_view titel(Thema t) {
  switch (t) {
    case Thema::fahrzeugart:
      return "Ausweichen nach Fahrzeugart (KVR Regel 18)";
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
    case Thema::begegnen_im_fahrwasser:
      break;
  }
  return "Rechts fahren und Begegnen im Fahrwasser (§ 24 SeeSchStrO, KVR Regel 9 a))";
}

const Eintrag& eintrag(Regel r) {
  return kRegelbuch[static_cast<std::size_t>(r)];
}

std::span<const Eintrag> regelbuch() {
  return kRegelbuch;
}

}  // namespace ausweich

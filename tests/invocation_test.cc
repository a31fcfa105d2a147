// The command line: the advisor without arguments, the training and its
// options, the worksheet, the usage text and the version, and every error.
#include "app/invocation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program.h"
#include "session.h"
#include "string_terminal.h"

namespace ausweich::testing {
namespace {

constexpr auto program = run_program;

TEST(CommandLineTest, OptionsAndTheirErrors) {
  const Program help = program("", {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Invocation: ausweichregeln\n", 0), 0u);
  EXPECT_NE(help.out.find("--uebung"), std::string::npos);
  // The usage text answers whatever else stands beside it.
  EXPECT_EQ(program("", {"--bogus", "--help"}).out, help.out);
  EXPECT_EQ(program("", {"--uebung", "-h", "--version"}).out, help.out);
  const Program version = program("", {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "ausweichregeln " AUSWEICH_VERSION "\n");

  for (const std::vector<const char*>& bad : std::vector<std::vector<const char*>>{
           {"--bogus"},
           {"extra"},
           {"--uebung", "--anzahl"},
           {"--uebung", "--anzahl", "0"},
           {"--uebung", "--anzahl", "101"},
           {"--uebung", "--anzahl", "5x"},
           {"--uebung", "--seed", "-1"},
           {"--uebung", "--seed", "18446744073709551616"},
           {"--anzahl", "5"},
           {"--uebung", "--bild", "1"},
           {"--uebung", "--seed", "1", "--anzahl", "3", "--bild", "4"},
           {"--bild", "1", "--seed", "1"},
           {"--lagen", "1:2"},
           {"--uebung", "--lagen"},
           {"--uebung", "--lagen", "1"},
           {"--uebung", "--lagen", "1:0"},
           {"--uebung", "--lagen", "1:101"},
           {"--uebung", "--lagen", "1:2,"},
           {"--uebung", "--lagen", "1:2;3:4"},
           {"--uebung", "--lagen", "-1:2"},
           {"--uebung", "--seed", "1", "--lagen", "1:2"},
           {"--uebung", "--lagen", "1:2", "--anzahl", "3"},
           {"--lichter"},
           {"--lichter", "--seed", "1"},
           {"--uebung", "--lichter", "--seed", "1", "--bild", "1"},
           {"--uebung", "--lichter", "--lagen", "1:2"}}) {
    const Program r = program("1\n", bad);
    EXPECT_EQ(r.status, 2) << bad.back();
    EXPECT_EQ(r.out, "") << bad.back();
    EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
    EXPECT_EQ(r.err.rfind("ausweichregeln: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
  }
  EXPECT_EQ(program("", {"--uebung", "--seed="}).err,
            "ausweichregeln: --seed braucht eine ganze Zahl ab 0, nicht '' (siehe "
            "ausweichregeln --help)\n");
  // A worksheet: the picture of one item of the draw and nothing else, by
  // day and unmarked: the learners decide.
  const Program blatt = program("", {"--uebung", "--seed", "11", "--bild", "3"});
  EXPECT_EQ(blatt.status, 0);
  EXPECT_EQ(blatt.err, "");
  EXPECT_TRUE(blatt.out.starts_with("<svg ")) << blatt.out.substr(0, 40);
  EXPECT_TRUE(blatt.out.ends_with("</svg>\n"));
  EXPECT_EQ(count(blatt.out, "<svg "), 1);
  EXPECT_EQ(blatt.out.find("data-licht"), std::string::npos);
  EXPECT_EQ(blatt.out.find("Urteil:"), std::string::npos);
  EXPECT_EQ(program("", {"--uebung", "--seed=11", "--bild=3"}).out, blatt.out);
  EXPECT_NE(program("", {"--uebung", "--seed", "11", "--bild", "4"}).out, blatt.out);
  // Items named by their draw and number come back as they were drawn, each
  // once, in the order named; at most a hundred.
  const Program sechs =
      program("1\n\n1\n\n1\n\n", {"--uebung", "--seed", "6", "--anzahl", "4"});
  const Program genannt = program("", {"--uebung", "--lagen", "6:3,6:2,6:3"});
  EXPECT_EQ(genannt.status, 2);  // the end of input, after the first item
  const auto lage = [](const std::string& out, std::string_view kopf) {
    const std::size_t von = out.find(kopf);
    return von == std::string::npos
               ? std::string("<fehlt>")
               : out.substr(von + kopf.size(),
                            out.find("Was gilt?", von) - von - kopf.size());
  };
  EXPECT_EQ(lage(genannt.out, "Lage 1 von 2\n"), lage(sechs.out, "Lage 3 von 4\n"));
  EXPECT_NE(genannt.out.find("Diese Übung stellt 2 ausgewählte"), std::string::npos);
  std::string hundert = "1:1";
  for (int i = 2; i <= 100; ++i) hundert += ",7:" + std::to_string(i);
  EXPECT_EQ(program("", {"--uebung", "--lagen", hundert.c_str()}).err.find("--lagen"),
            std::string::npos);
  EXPECT_NE(program("", {"--uebung", "--lagen", (hundert + ",8:1").c_str()})
                .err.find("--lagen"),
            std::string::npos);
  // No arguments: the advisor itself.
  const std::string input = analysis({"", "", "", "", "", "1", "2"}) + analysis({"0"});
  const Program advisor = program(input, {});
  const Session direct = run_session(input);
  EXPECT_EQ(advisor.out, direct.out);
  EXPECT_EQ(advisor.status, direct.status);
}

}  // namespace
}  // namespace ausweich::testing

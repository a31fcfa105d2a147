#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/console_dialogue.h"
#include "console/program_end.h"
#include "string_terminal.h"

namespace ausweich {
namespace {

std::string prompt(int deflt) {
  return "\n =====================================================\n        [Default:  "
         " " +
         std::to_string(deflt) + "]    Input=\n";
}
const std::string kPrompt2 = prompt(2);
const std::string k50(50, '\n');

/// Runs `kmax`/`kkk` through readc on `input`; returns the screen, or the
/// screen followed by "<end STATUS: DIAGNOSTIC>" when the program ended.
std::string readc_screen(std::string_view input, Code kmax, Code& kkk,
                         std::size_t chunk = SIZE_MAX) {
  StringTerminal t(input, chunk);
  ConsoleDialogue d(t);
  std::string ending;
  try {
    d.readc(kmax, kkk);
  } catch (const ProgramEnd& e) {
    ending = "<end " + std::to_string(e.status) + ": " + std::string(e.diagnostic) + ">";
  }
  d.flush();
  return t.output() + ending;
}

TEST(DialogueTest, LinesKeepEveryBlankAndEmptyLinesHaveNone) {
  StringTerminal t("");
  ConsoleDialogue d(t);
  d.line("  zwei vorn, einer hinten ");
  d.empty();
  d.line("");
  d.spaces();
  d.clear(3);
  d.flush();
  EXPECT_EQ(t.output(), "   zwei vorn, einer hinten \n\n \n" + std::string(33, '\n'));
}

TEST(DialogueTest, WorkedExampleRefusalThenEnter) {
  Code kkk = 2;
  EXPECT_EQ(readc_screen("5\n\n", 2, kkk),
            kPrompt2 + " falsche Eingabe : 5\n" + kPrompt2 + k50);
  EXPECT_EQ(kkk, 2);
}

TEST(DialogueTest, AcceptedAnswersAndTheDefault) {
  struct Case {
    std::string_view input;
    Code kmax, deflt, answer;
  } cases[] = {
      {"1\n", 2, 2, 1},         {"\n", 2, 2, 2},    {"        5\n", 2, 2, 2},
      {"       12\n", 2, 2, 1}, {"3*2\n", 2, 1, 2}, {"6\n", 6, 2, 6},
      {"\n", 2, 4, 4},          {"2\r\n", 2, 1, 2},
  };
  for (const Case& c : cases) {
    Code kkk = c.deflt;
    EXPECT_EQ(readc_screen(c.input, c.kmax, kkk), prompt(c.deflt) + k50) << c.input;
    EXPECT_EQ(kkk, c.answer) << c.input;
  }
}

TEST(DialogueTest, DefaultAboveTheMenuStandsUntilTyped) {
  Code kkk = 4;  // a waterways fairway code at a three-valued question
  readc_screen("\n", 3, kkk);
  EXPECT_EQ(kkk, 4);
  const std::string refused = readc_screen(",\n2\n", 3, kkk);
  EXPECT_NE(refused.find(" falsche Eingabe : 4\n"), std::string::npos);
  EXPECT_EQ(kkk, 2);
}

TEST(DialogueTest, OnlyTheFirstEightCharactersCount) {
  Code kkk = 1;
  const std::string screen = readc_screen("123456789\n\n", 2, kkk);
  EXPECT_NE(screen.find(" falsche Eingabe : 12345678\n"), std::string::npos);
  EXPECT_EQ(kkk, 1);
  kkk = 1;
  EXPECT_NE(readc_screen("2+9\n\n", 2, kkk).find(" falsche Eingabe : 2000000000\n"),
            std::string::npos);
}

TEST(DialogueTest, RefusalsKeepTheSavedDefault) {
  Code kkk = 2;
  const std::string screen = readc_screen("7\n9\n\n", 6, kkk);
  EXPECT_EQ(screen, kPrompt2 + " falsche Eingabe : 7\n" + kPrompt2 +
                        " falsche Eingabe : 9\n" + kPrompt2 + k50);
  EXPECT_EQ(kkk, 2);
}

TEST(DialogueTest, ZeroOrLessEndsTheProgramWithStatusZero) {
  for (std::string_view quit :
       {"0\n", "-3\n", "00\n", "+0\n", "5-1\n", "3+9\n", "-2+9\n"}) {
    Code kkk = 2;
    EXPECT_EQ(
        readc_screen(quit, 2, kkk),
        kPrompt2 + " #################### Ende des Programms ############\n<end 0: >")
        << quit;
  }
}

TEST(DialogueTest, UnreadableRepliesEndWithStatusTwo) {
  for (auto [reply, why] :
       {std::pair{"2.0\n", "invalid integer: read unexpected character"},
        {"x\n", "invalid number: incomprehensible list input"},
        {"\t\n", "list in: end of file"}}) {
    Code kkk = 2;
    EXPECT_EQ(readc_screen(reply, 2, kkk), kPrompt2 + "<end 2: " + why + ">") << reply;
    EXPECT_EQ(kkk, 2);
  }
}

TEST(DialogueTest, EndOfInputInsideAReply) {
  Code kkk = 2;
  const std::string eof = kPrompt2 + "<end 2: fmt: end of file>";
  EXPECT_EQ(readc_screen("", 2, kkk), eof);
  EXPECT_EQ(readc_screen("1", 2, kkk), eof);
  EXPECT_EQ(readc_screen("1234567", 2, kkk), eof);
  // A last line that fills the field is still a reply.
  EXPECT_EQ(readc_screen("       1", 2, kkk), kPrompt2 + k50);
  EXPECT_EQ(kkk, 1);
}

TEST(DialogueTest, EndOfInputAtAnEnterWaitEndsTheNextRead) {
  for (std::string_view input : {"", "text without line end"}) {
    StringTerminal t(input);
    ConsoleDialogue d(t);
    d.wait_enter();  // returns as though Enter had been pressed
    d.line("weiter");
    try {
      d.wait_enter();
      FAIL() << "second read did not end the program";
    } catch (const ProgramEnd& e) {
      EXPECT_EQ(e.status, 2);
      EXPECT_EQ(e.diagnostic, "read start: end of file");
    }
    EXPECT_EQ(t.output(), " weiter\n");
  }
}

std::string_view end_of(ConsoleDialogue& d, void (*next)(ConsoleDialogue&)) {
  try {
    next(d);
  } catch (const ProgramEnd& e) {
    return e.diagnostic;
  }
  return "<no end>";
}

TEST(DialogueTest, AFullLastReplyIsUsedAndTheEndMetByTheNextRead) {
  const auto reply = [](ConsoleDialogue& d) {
    Code kkk = 1;
    d.readc(2, kkk);
  };
  const auto enter = [](ConsoleDialogue& d) { d.wait_enter(); };
  StringTerminal t1("       2");
  ConsoleDialogue d1(t1);
  Code kkk = 1;
  d1.readc(2, kkk);
  EXPECT_EQ(kkk, 2);
  EXPECT_EQ(end_of(d1, reply), "fmt: end of file");

  StringTerminal t2("       2");
  ConsoleDialogue d2(t2);
  d2.readc(2, kkk);
  d2.wait_enter();  // meets the end and returns
  EXPECT_EQ(end_of(d2, reply), "read start: end of file");
  EXPECT_EQ(end_of(d2, enter), "read start: end of file");
}

TEST(DialogueTest, CarriageReturnEndsALineOnlyBeforeALineFeed) {
  Code kkk = 1;  // "\r2" is no number: the carriage return is a character of its own
  EXPECT_NE(readc_screen("\r2\n", 2, kkk).find("<end 2: invalid number"),
            std::string::npos);
  StringTerminal t("anything\r\r\n\r\n2\r");
  ConsoleDialogue d(t);
  d.wait_enter();
  d.wait_enter();
  kkk = 1;
  EXPECT_THROW(d.readc(2, kkk),
               ProgramEnd);  // "2\r" at the end: two characters, no line end
}

TEST(DialogueTest, ReadsLongLinesPieceByPiece) {
  // A reply line of several megabytes, delivered in small pieces.
  std::string input(3 << 20, '9');
  input.replace(0, 8, "       2");
  input += "\r\n1\n";
  StringTerminal t(input, 1000);
  ConsoleDialogue d(t);
  Code kkk = 1;
  d.readc(2, kkk);
  EXPECT_EQ(kkk, 2);
  d.readc(2, kkk);
  EXPECT_EQ(kkk, 1);
  EXPECT_EQ(t.unread(), 0u);
}

TEST(DialogueTest, WritesOncePerRead) {
  StringTerminal t("\n\n\n");
  ConsoleDialogue d(t);
  for (int i = 0; i < 3; ++i) {
    d.clear(50);
    d.line("Frage");
    d.wait_enter();
  }
  EXPECT_EQ(t.writes(), 3);
}

// A line too long for its buffer is cut before a whole character, and
// nothing follows the cut.
TEST(DialogueTest, ALineTooLongIsCutBetweenCharacters) {
  LineBuilder line;
  for (int i = 0; i < 257; ++i) line << "ä";
  line << "x"
       << "ß";
  EXPECT_EQ(line.text().size(), 512u);
  EXPECT_TRUE(line.text().ends_with("ä"));
  LineBuilder odd;
  odd << "x";
  for (int i = 0; i < 256; ++i) odd << "ä";
  EXPECT_EQ(odd.text().size(), 511u);
  EXPECT_TRUE(odd.text().ends_with("ä"));
}

}  // namespace
}  // namespace ausweich

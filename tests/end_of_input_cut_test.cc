// Cuts a long scripted session after every byte and runs each cut: wherever
// the input ends, the run ends in order (status 2 with the end-of-input
// diagnostic, or 0 once the quitting answer is in), never reads past the
// end, and has written exactly a prefix of what the whole session writes.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <string_view>

#include "console/run_advisor.h"
#include "session.h"
#include "string_terminal.h"

namespace ausweich::testing {
namespace {

struct Cut {
  int status;
  std::string out;
  std::string err;
  int reads;
};

Cut run_cut(std::string_view input, std::size_t chunk) {
  StringTerminal t(input, chunk);
  const int status = run_advisor(t);
  return {status, t.output(), t.diagnostics(), t.reads()};
}

// Six analyses in both regimes, with refusals, reply forms, CR LF line ends,
// text at the Enter waits and both kinds of fog guidance; then a quitting
// answer of exactly eight characters and input that is never read.
std::string scripted_session() {
  std::string in;
  // High seas, two sailing vessels, wind from different sides.
  in += analysis({"2", "2", "2", "1", "1", "1", "1", "2"});
  // Waterways, two large motor vessels clearly following the fairway on
  // opposite courses in a narrow passage; 7 refused at the first question.
  in += analysis({"7", "1", "2", "1", "2", "1", "4", "4", "1", "1", "2", "2"});
  // Waterways handed over to the high-seas rules, in fog, listening watch.
  in += analysis({"2", "2", "1", "3", "3", "1", "2", "2", "1"});
  // Reply forms and CR LF line ends; B constrained by her draught.
  in += "text typed at the title\r\n\r\n3*1\r\n  2\r\n6\r\n,\r\n\r\n";
  // High seas traffic separation scheme, 9 refused twice; rule 18.
  in += analysis({"2", "9", "1", "2", "2", "3", "9", "3", "1", "1", "1"});
  // High seas in fog with radar.
  in += analysis({"2", "3", "2", "1", "2", "2", "2"});
  return in + "\n\n-0000001 is read up to here\n\n\n1\n";
}

TEST(EndOfInputCutTest, EveryCutEndsInOrderWithAPrefixOfTheOutput) {
  const std::string session = scripted_session();
  const Cut whole = run_cut(session, SIZE_MAX);
  ASSERT_EQ(whole.status, 0);
  ASSERT_EQ(count(whole.out, "<=== ENDE der ANALYSE ===>"), 6);
  ASSERT_EQ(count(whole.out, "falsche Eingabe"), 3);
  const std::size_t quit_read = session.find("-0000001") + 8;

  for (std::size_t cut = 0; cut <= session.size(); ++cut) {
    SCOPED_TRACE("input cut after " + std::to_string(cut) + " bytes");
    const std::string_view input = std::string_view(session).substr(0, cut);
    const Cut c = run_cut(input, SIZE_MAX);
    if (cut >= quit_read) {
      ASSERT_EQ(c.status, 0);
      ASSERT_EQ(c.out, whole.out);
      ASSERT_EQ(c.err, "");
    } else {
      ASSERT_EQ(c.status, 2);
      ASSERT_TRUE(c.err == "fmt: end of file\n" || c.err == "read start: end of file\n")
          << c.err;
      ASSERT_TRUE(whole.out.starts_with(c.out));
      ASSERT_TRUE(c.out.ends_with('\n'));
    }
    // One read takes all the input, one more finds its end; none after that.
    ASSERT_LE(c.reads, 2);
    // Input arriving a byte at a time changes nothing.
    const Cut bytewise = run_cut(input, 1);
    ASSERT_EQ(bytewise.status, c.status);
    ASSERT_EQ(bytewise.out, c.out);
    ASSERT_EQ(bytewise.err, c.err);
    ASSERT_LE(bytewise.reads, static_cast<int>(cut) + 1);
  }
  std::cout << "[   cuts   ] " << session.size() + 1 << " cut positions of a session of "
            << session.size() << " bytes\n";
}

}  // namespace
}  // namespace ausweich::testing

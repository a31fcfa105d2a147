#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ausweich::testing {

/// One run of the advisor, driven in-process from a string.
struct Session {
  std::string out;  // everything written to the screen
  int status;       // the exit status
  std::string err;  // the diagnostic lines
};

Session run_session(std::string_view input);

/// Input for one analysis: Enter at the title and the info screen, the answers
/// one per line ("" for Enter alone), Enter at the end-of-analysis screen.
std::string analysis(std::initializer_list<std::string_view> answers);

/// The screen with every run of empty lines written as one line "~N".
std::string condense(std::string_view out);

/// What the n-th analysis of a run wrote after its last answer, condensed,
/// up to the line "<=== ENDE der ANALYSE ===>".
std::string verdict(const Session& s, int n = 0);

/// The condensed screen from the first line that starts with `from` up to the
/// next line that starts with `to` ("<missing ...>" when either is absent).
std::string between(const Session& s, std::string_view from, std::string_view to);

/// The default shown at every prompt, in order.
std::vector<int> defaults(const Session& s);

/// How often `needle` occurs in `haystack`.
int count(std::string_view haystack, std::string_view needle);

}  // namespace ausweich::testing

#include "session.h"

#include <cstdlib>

#include "console/run_advisor.h"
#include "screen_markers.h"
#include "string_terminal.h"

namespace ausweich::testing {

Session run_session(std::string_view input) {
  StringTerminal terminal(input);
  const int status = run_advisor(terminal);
  return {terminal.output(), status, terminal.diagnostics()};
}

std::string analysis(std::initializer_list<std::string_view> answers) {
  std::string in = "\n\n";
  for (std::string_view a : answers) {
    in += a;
    in += '\n';
  }
  return in + "\n";
}

namespace {

void flush_empties(std::string& result, int& empties) {
  if (empties == 0) return;
  result += '~';
  result += std::to_string(empties);
  result += '\n';
  empties = 0;
}

}  // namespace

std::string condense(std::string_view out) {
  std::string result;
  int empties = 0;
  std::size_t pos = 0;
  while (pos < out.size()) {
    std::size_t end = out.find('\n', pos);
    if (end == std::string_view::npos) end = out.size();
    const std::string_view line = out.substr(pos, end - pos);
    pos = end + 1;
    if (line.empty()) {
      ++empties;
      continue;
    }
    flush_empties(result, empties);
    result.append(line);
    result += '\n';
  }
  flush_empties(result, empties);
  return result;
}

std::string verdict(const Session& s, int n) {
  const std::string screen = condense(s.out);
  const std::string kEnde = line(kEndeDerAnalyse);
  std::size_t ende = std::string::npos;
  for (int i = 0; i <= n; ++i) {
    ende = screen.find(kEnde, ende == std::string::npos ? 0 : ende + 1);
    if (ende == std::string::npos) return "<no end of analysis>";
  }
  const std::size_t prompt = screen.rfind("]    Input=\n", ende);
  const std::size_t from = prompt == std::string::npos ? 0 : prompt + 12;
  return screen.substr(from, ende - from);
}

std::string between(const Session& s, std::string_view from, std::string_view to) {
  // Each mark is searched with the line end in front, so that it matches only
  // at the start of a line.
  std::string screen(1, '\n');
  screen += condense(s.out);
  const auto line_start = [](std::string_view mark) {
    std::string needle(1, '\n');
    return needle.append(mark);
  };
  const std::size_t begin = screen.find(line_start(from));
  if (begin == std::string::npos) return "<missing " + std::string(from) + ">";
  const std::size_t end = screen.find(line_start(to), begin + 1);
  if (end == std::string::npos) return "<missing " + std::string(to) + ">";
  return screen.substr(begin + 1, end - begin);
}

std::vector<int> defaults(const Session& s) {
  std::vector<int> shown;
  const std::string kPrompt = "\n" + std::string(kPromptHead);
  for (std::size_t pos = s.out.find(kPrompt); pos != std::string::npos;
       pos = s.out.find(kPrompt, pos + 1)) {
    shown.push_back(std::atoi(s.out.c_str() + pos + kPrompt.size()));
  }
  return shown;
}

int count(std::string_view haystack, std::string_view needle) {
  int n = 0;
  for (std::size_t pos = haystack.find(needle); pos != std::string_view::npos;
       pos = haystack.find(needle, pos + needle.size())) {
    ++n;
  }
  return n;
}

}  // namespace ausweich::testing

#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace ausweich::testing {

/// Words joined by blanks, sorted: a set of names compared as one text.
inline std::string sortiert(std::vector<std::string> woerter) {
  std::sort(woerter.begin(), woerter.end());
  std::string text;
  for (const std::string& w : woerter) text += (text.empty() ? "" : " ") + w;
  return text;
}

/// The blank-separated words of `text`, sorted.
inline std::string sortiert(std::string_view text) {
  std::vector<std::string> woerter;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t ende = std::min(text.find(' ', i), text.size());
    woerter.emplace_back(text.substr(i, ende - i));
    i = ende + 1;
  }
  return sortiert(woerter);
}

}  // namespace ausweich::testing

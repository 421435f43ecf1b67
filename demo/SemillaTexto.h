#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace norvane::demo {

inline std::string Mayusculas(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace norvane::demo

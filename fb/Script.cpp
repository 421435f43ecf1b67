#include "fb/Script.h"

#include <algorithm>
#include <cctype>

#include "fb/Attachment.h"
#include "fb/Error.h"

namespace fb {

namespace {

std::string trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(first, last - first + 1));
}

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

// "SET TERM ^" gives "^"; anything else gives the empty text.
std::string newTerminator(const std::string& statement) {
  const std::string u = upper(statement);
  if (u.rfind("SET", 0) != 0) return {};
  std::size_t at = 3;
  if (at >= u.size() || !std::isspace(static_cast<unsigned char>(u[at]))) return {};
  while (at < u.size() && std::isspace(static_cast<unsigned char>(u[at]))) ++at;
  if (u.compare(at, 4, "TERM") != 0) return {};
  at += 4;
  if (at >= u.size() || !std::isspace(static_cast<unsigned char>(u[at]))) return {};
  return trim(statement.substr(at));
}

}  // namespace

std::vector<std::string> splitScript(std::string_view script) {
  std::vector<std::string> statements;
  std::string terminator = ";";
  std::string current;
  std::size_t i = 0;
  auto finish = [&] {
    std::string statement = trim(current);
    current.clear();
    if (statement.empty()) return;
    if (std::string t = newTerminator(statement); !t.empty()) {
      terminator = t;
      return;
    }
    statements.push_back(std::move(statement));
  };
  while (i < script.size()) {
    const char c = script[i];
    if (c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
      const auto end = script.find('\n', i);
      i = end == std::string_view::npos ? script.size() : end;
      continue;
    }
    if (c == '/' && i + 1 < script.size() && script[i + 1] == '*') {
      const auto end = script.find("*/", i + 2);
      if (end == std::string_view::npos) throw Error("unterminated comment in SQL script", "", 0);
      i = end + 2;
      current += ' ';
      continue;
    }
    if (c == '\'' || c == '"') {
      // Quoted text or name, with the quote doubled inside it.
      std::size_t end = i + 1;
      for (;;) {
        end = script.find(c, end);
        if (end == std::string_view::npos)
          throw Error("unterminated quoted text in SQL script", "", 0);
        if (end + 1 < script.size() && script[end + 1] == c) {
          end += 2;
          continue;
        }
        break;
      }
      current.append(script.substr(i, end + 1 - i));
      i = end + 1;
      continue;
    }
    if (script.compare(i, terminator.size(), terminator) == 0) {
      i += terminator.size();
      finish();
      continue;
    }
    current += c;
    ++i;
  }
  finish();  // a last statement may go without its terminator
  return statements;
}

void runScript(Attachment& attachment, std::string_view script) {
  for (const auto& statement : splitScript(script)) {
    if (upper(statement) == "COMMIT" || upper(statement) == "COMMIT WORK") continue;
    attachment.execute(statement);
  }
}

}  // namespace fb

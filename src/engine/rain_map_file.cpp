#include "engine/rain_map_file.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "model/numtext.h"

namespace kestrion {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// "file line 3: " or "file: ".
std::string where(std::string_view name, std::size_t line) {
  std::string text(name);
  if (line > 0) {
    text += " line " + std::to_string(line);
  }
  return text + ": ";
}

// The numbers of one line, or the message for the first that is none.
std::variant<std::vector<double>, std::string> numbersOf(std::string_view line,
                                                         calc::RainMapKind kind) {
  std::vector<double> numbers;
  std::size_t at = 0;
  while (at < line.size()) {
    if (isBlank(line[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < line.size() && !isBlank(line[end])) {
      ++end;
    }
    const std::string_view word = line.substr(at, end - at);
    const auto value = wholeNumber(word);
    if (!value || !std::isfinite(*value)) {
      // Appended, not "\"" + std::string(...): GCC 12 at -O3 (the Windows build)
      // takes that for an overlapping copy (-Wrestrict).
      return std::string(1, '"').append(word).append("\" is not a number");
    }
    if (kind == calc::RainMapKind::rainRate && *value < 0) {
      return std::string(word) + " is no rain rate; allowed: 0 mm/h or more";
    }
    numbers.push_back(*value);
    at = end;
  }
  return numbers;
}

std::string gridProblem(std::size_t rows, std::size_t columns) {
  return std::to_string(rows) + " rows of " + std::to_string(columns) +
         " numbers are no global map; allowed: rows from pole to pole and columns all round, "
         "equally spaced, so n rows have 2n - 1 numbers (P.837-7's R001.TXT 1441 of 2881, "
         "P.839-4's h0.txt 121 of 241)";
}

}  // namespace

RainMapReading parseRainMap(std::string_view text, std::string_view name, calc::RainMapKind kind) {
  calc::RainMap map{kind, 0, 0, {}};
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    auto numbers = numbersOf(line, kind);
    if (auto* problem = std::get_if<std::string>(&numbers)) {
      return where(name, lineNumber) + *problem;
    }
    const auto& row = std::get<std::vector<double>>(numbers);
    if (row.empty()) {
      continue;
    }
    if (map.rows > 0 && row.size() != map.columns) {
      return where(name, lineNumber) + std::to_string(row.size()) +
             " numbers; allowed: " + std::to_string(map.columns) + ", as many as on the first row";
    }
    map.columns = row.size();
    map.values.insert(map.values.end(), row.begin(), row.end());
    ++map.rows;
  }
  if (!calc::isGlobalGrid(map.rows, map.columns)) {
    return where(name, 0) + gridProblem(map.rows, map.columns);
  }
  return map;
}

RainMapReading readRainMap(const std::string& path, calc::RainMapKind kind) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) {
    return where(path, 0) + "cannot be opened (" + std::strerror(errno) + ")";
  }
  std::string text;
  std::array<char, 1 << 16> buffer{};
  std::size_t count = 0;
  while ((count = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
    text.append(buffer.data(), count);
  }
  if (std::ferror(file.get()) != 0) {
    return where(path, 0) + "cannot be read";
  }
  return parseRainMap(text, path, kind);
}

}  // namespace kestrion

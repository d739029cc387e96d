#include "engine/rain_fade_map_file.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "model/echo.h"
#include "model/numtext.h"

namespace kestrion {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// "file line 3: " or "file: ", the name on one line whatever it holds.
std::string where(std::string_view name, std::size_t line) {
  std::string text = oneLineText(name);
  if (line > 0) {
    text += " line " + std::to_string(line);
  }
  return text + ": ";
}

std::string counted(std::size_t n, std::string_view what) {
  return std::to_string(n) + " " + std::string(what) + (n == 1 ? "" : "s");
}

std::string longitudeText(double east) {
  return east < 0 ? doubleText(-east) + "° W" : doubleText(east) + (east > 0 ? "° E" : "°");
}

// "the ITU-R P.837-7 map R001.TXT, 1441 rows of 2881 values (0.125° apart, rows
// from 90° S to 90° N, columns from 180° W to 180° E)".
std::string gridText(const calc::RainMapLayout& layout, RainMapGrid grid) {
  const bool north = layout.firstLatitude < 0;
  return std::string(layout.file) + ", " + counted(grid.rows, "row") + " of " +
         counted(grid.columns, "value") + " (" +
         doubleText(180.0 / static_cast<double>(grid.rows - 1)) + "° apart, rows from " +
         (north ? "90° S to 90° N" : "90° N to 90° S") + ", columns from " +
         longitudeText(layout.firstLongitude) + " to " +
         longitudeText(layout.firstLongitude + 360) + ")";
}

// The numbers of one line, or the message for the first that is none.
std::variant<std::vector<double>, std::string> numbersOf(std::string_view line) {
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
      return quotedText(word) + " is not a number";
    }
    numbers.push_back(*value);
    at = end;
  }
  return numbers;
}

// The first value the quantity cannot take, and its line.
struct Implausible {
  std::size_t line;
  double value;
};

std::optional<Implausible> firstImplausible(const std::vector<double>& row, std::size_t line,
                                            const calc::RainMapLayout& layout) {
  for (const double v : row) {
    if (v < layout.low || v > layout.high) {
      return Implausible{line, v};
    }
  }
  return std::nullopt;
}

}  // namespace

RainMapReading parseRainMap(std::string_view text, std::string_view name, calc::RainMapKind kind,
                            RainMapGrid grid) {
  const calc::RainMapLayout& layout = calc::rainMapLayout(kind);
  const std::string allowed = "; allowed: " + gridText(layout, grid);
  calc::RainMap map{kind, 0, 0, {}};
  std::optional<Implausible> implausible;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    auto numbers = numbersOf(line);
    if (auto* problem = std::get_if<std::string>(&numbers)) {
      return where(name, lineNumber) + *problem;
    }
    const auto& row = std::get<std::vector<double>>(numbers);
    if (row.empty()) {
      continue;
    }
    if (map.rows > 0 && row.size() != map.columns) {
      return where(name, lineNumber) + counted(row.size(), "value") + ", but " +
             std::to_string(map.columns) + " on the rows above" + allowed;
    }
    map.columns = row.size();
    ++map.rows;
    // Rows beyond the grid are only counted, for the message.
    if (map.rows <= grid.rows && map.columns == grid.columns) {
      map.values.insert(map.values.end(), row.begin(), row.end());
      if (!implausible) {
        implausible = firstImplausible(row, lineNumber, layout);
      }
    }
  }
  if (map.rows != grid.rows || map.columns != grid.columns) {
    const std::string found =
        map.rows == 0 ? std::string("no values")
                      : counted(map.rows, "row") + " of " + counted(map.columns, "value");
    return where(name, 0) + found + allowed;
  }
  if (implausible) {
    return where(name, implausible->line) + doubleText(implausible->value) + " is no " +
           std::string(layout.quantity) + "; allowed: " + doubleText(layout.low) + " to " +
           doubleText(layout.high) + " " + std::string(layout.unit);
  }
  return map;
}

RainMapReading parseRainMap(std::string_view text, std::string_view name, calc::RainMapKind kind) {
  const calc::RainMapLayout& layout = calc::rainMapLayout(kind);
  return parseRainMap(text, name, kind, {layout.rows, layout.columns});
}

RainMapReading readRainMap(const std::string& path, calc::RainMapKind kind, std::string_view name) {
  const std::string_view shown = name.empty() ? std::string_view(path) : name;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  if (!file) {
    return where(shown, 0) + "cannot be opened (" + std::strerror(errno) + ")";
  }
  std::string text;
  std::array<char, 1 << 16> buffer{};
  std::size_t count = 0;
  while ((count = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
    text.append(buffer.data(), count);
  }
  if (std::ferror(file.get()) != 0) {
    return where(shown, 0) + "cannot be read";
  }
  return parseRainMap(text, shown, kind);
}

}  // namespace kestrion

// Forced into GeographicLib's sources in the web build. The browser's C++
// library has no <fstream>; MagneticModel reads its files with an
// unqualified `ifstream`, which finds this class in namespace GeographicLib,
// so no GeographicLib source is changed. The files come whole: from those the
// web build carries built in (the magnetic model), else through stdio.
#pragma once

#include <cstdio>
#include <ios>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "built_in_files.h"

namespace GeographicLib {

class ifstream : public std::istringstream {
 public:
  explicit ifstream(const char* path, std::ios::openmode mode = std::ios::in)
      : std::istringstream(mode | std::ios::in) {
    if (const std::optional<std::string> content = readWhole(path)) {
      str(*content);
    } else {
      setstate(std::ios::failbit);
    }
  }

 private:
  static std::optional<std::string> readWhole(std::string_view path) {
    for (const kestrion::web::BuiltInFile& file : kestrion::web::kBuiltInFiles) {
      if (file.path == path) {
        return std::string(file.bytes);
      }
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(
        std::fopen(std::string(path).c_str(), "rb"), &std::fclose);
    if (!f) {
      return std::nullopt;
    }
    std::string content;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0;) {
      content.append(buffer, n);
    }
    if (std::ferror(f.get()) != 0) {
      return std::nullopt;
    }
    return content;
  }
};

}  // namespace GeographicLib

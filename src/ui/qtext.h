// The one conversion from the core's UTF-8 texts to Qt's strings.
#pragma once

#include <QString>
#include <string_view>

namespace kestrion::ui {

inline QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace kestrion::ui

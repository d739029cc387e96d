// The one conversion from the core's UTF-8 texts to Qt's strings.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace kestrion::ui {

inline QString toQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A table's text in the user's language; `context` is the one its
// QT_TRANSLATE_NOOP mark names ("Caption", "Tooltip", "AngleText").
inline QString translated(const char* context, std::string_view s) {
  if (s.empty()) {
    return {};
  }
  return QCoreApplication::translate(context, std::string(s).c_str());
}

// A Qt-free layer's text in the user's language, as its Translate asks.
inline std::string translatedText(const char* context, std::string_view s) {
  return translated(context, s).toStdString();
}

}  // namespace kestrion::ui

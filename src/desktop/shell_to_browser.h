// Opening a web address in the user's browser, with the user told when the
// desktop cannot do it. Shared by the main window and the About window.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <string>

class QWidget;

namespace kestrion::desktop {

class DesktopService;
struct OpenResult;

inline constexpr const char* kBrowserUnavailableTitle =
    QT_TRANSLATE_NOOP("Browser", "Browser Unavailable");

// The text of the failure message for `result`; empty when the address was
// opened.
std::string browserFailureMessage(const OpenResult& result, const std::string& address);

// Asks `desktop` to open `address` on behalf of `owner`. On failure shows the
// message modally (owned by `owner`) and returns false once the user has
// dismissed it.
bool ShellToBrowser(DesktopService& desktop, QWidget* owner, std::string address,
                    std::int16_t showCommand);

}  // namespace kestrion::desktop

// Built on Windows only; elsewhere an empty unit, so that tools going over
// every source file pass it by.
#ifdef _WIN32

#include "desktop/shell_desktop_service.h"

#include <QWidget>

#include <cstdint>

#include "desktop/shell_open.h"

namespace kestrion::desktop {

OpenResult ShellDesktopService::open(const OpenRequest& request) {
  const std::uintptr_t owner =
      request.owner != nullptr ? static_cast<std::uintptr_t>(request.owner->winId()) : 0;
  return shellOpen(owner, request);
}

std::unique_ptr<DesktopService> makeSystemDesktopService() {
  return std::make_unique<ShellDesktopService>();
}

}  // namespace kestrion::desktop

#endif  // _WIN32

// Windows: the ShellExecuteA call behind ShellDesktopService, without Qt, so
// that it builds and is tested where no Qt for Windows is available.
#pragma once

#include <cstdint>

#include "desktop/desktop_service.h"

namespace kestrion::desktop {

// Hands request.file to the shell with the request's verb, parameters,
// directory and show command; `ownerWindow` is the HWND of the window that
// owns anything the shell shows (0 for none). request.owner is not used.
OpenResult shellOpen(std::uintptr_t ownerWindow, const OpenRequest& request);

}  // namespace kestrion::desktop

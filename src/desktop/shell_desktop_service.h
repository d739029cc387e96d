// Windows: ShellExecuteA of shell32.dll with the request as given.
#pragma once

#include "desktop/desktop_service.h"

namespace kestrion::desktop {

class ShellDesktopService final : public DesktopService {
 public:
  OpenResult open(const OpenRequest& request) override;
};

}  // namespace kestrion::desktop

// Freedesktop systems: the browser registered with GIO for the address's
// scheme (x-scheme-handler/<scheme> in mimeapps.list).
#pragma once

#include "desktop/desktop_service.h"

namespace kestrion::desktop {

class GioDesktopService final : public DesktopService {
 public:
  OpenResult open(const OpenRequest& request) override;
};

}  // namespace kestrion::desktop

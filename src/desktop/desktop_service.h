// Opening an address with the application the desktop associates with it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class QWidget;

namespace kestrion::desktop {

// What the desktop is asked to do, in the terms of the Windows shell; a
// service that has no use for a field ignores it.
struct OpenRequest {
  QWidget* owner = nullptr;  // parent of anything the service shows
  std::string verb;
  std::string file;  // the address to open
  std::string parameters;
  std::string directory;  // working directory of the launched application
  std::int16_t showCommand = 0;
};

enum class OpenOutcome {
  Opened,         // handed to an application
  NoAssociation,  // nothing is associated with this kind of address
  Failed,         // any other failure; see OpenResult::code
};

struct OpenResult {
  OpenOutcome outcome = OpenOutcome::Failed;
  long long code = 0;  // the service's own code, shown to the user on failure
};

// The shell's code for "no application is associated with this type".
inline constexpr long long kNoAssociationCode = 31;

class DesktopService {
 public:
  virtual ~DesktopService() = default;
  virtual OpenResult open(const OpenRequest& request) = 0;
};

// The service of the platform this was built for.
std::unique_ptr<DesktopService> makeSystemDesktopService();

}  // namespace kestrion::desktop

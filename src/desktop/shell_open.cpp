// Built on Windows only; elsewhere an empty unit, so that tools going over
// every source file pass it by.
#ifdef _WIN32

#include "desktop/shell_open.h"

// windows.h first: shellapi.h depends on it.
#include <windows.h>

#include <shellapi.h>

namespace kestrion::desktop {

OpenResult shellOpen(std::uintptr_t ownerWindow, const OpenRequest& request) {
  HWND owner = reinterpret_cast<HWND>(ownerWindow);
  const HINSTANCE answer =
      ShellExecuteA(owner, request.verb.c_str(), request.file.c_str(), request.parameters.c_str(),
                    request.directory.c_str(), request.showCommand);
  // The answer is an integer code in the shape of a handle: above 32 means
  // the address was handed to an application.
  const auto code = static_cast<long long>(reinterpret_cast<INT_PTR>(answer));
  if (code > 32) {
    return {OpenOutcome::Opened, code};
  }
  if (code == SE_ERR_NOASSOC) {
    return {OpenOutcome::NoAssociation, code};
  }
  return {OpenOutcome::Failed, code};
}

}  // namespace kestrion::desktop

#endif  // _WIN32

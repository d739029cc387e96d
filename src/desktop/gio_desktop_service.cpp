// GIO first: its headers use "signals" as an identifier, which Qt's keyword
// macros would break (the library is also built with QT_NO_KEYWORDS).
#include <gio/gio.h>

#include "desktop/gio_desktop_service.h"

#include <memory>

namespace kestrion::desktop {

namespace {

template <typename T>
struct GObjectUnref {
  void operator()(T* object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref<T>>;

struct GFreeString {
  void operator()(char* text) const { g_free(text); }
};

}  // namespace

OpenResult GioDesktopService::open(const OpenRequest& request) {
  // Ask for the scheme's handler ourselves: when there is none,
  // g_app_info_launch_default_for_uri would go on to query the address
  // through GVfs, which can block on the network.
  std::unique_ptr<char, GFreeString> scheme(g_uri_parse_scheme(request.file.c_str()));
  if (!scheme) {
    return {OpenOutcome::NoAssociation, kNoAssociationCode};
  }
  GObjectPtr<GAppInfo> handler(g_app_info_get_default_for_uri_scheme(scheme.get()));
  if (!handler) {
    return {OpenOutcome::NoAssociation, kNoAssociationCode};
  }

  // Returns once the browser is started; it never waits for the browser.
  GObjectPtr<GAppLaunchContext> context(g_app_launch_context_new());
  GError* error = nullptr;
  if (g_app_info_launch_default_for_uri(request.file.c_str(), context.get(), &error) != FALSE) {
    return {OpenOutcome::Opened, 0};
  }
  const long long code = error != nullptr ? error->code : 0;
  g_clear_error(&error);
  return {OpenOutcome::Failed, code};
}

#ifndef _WIN32
std::unique_ptr<DesktopService> makeSystemDesktopService() {
  return std::make_unique<GioDesktopService>();
}
#endif

}  // namespace kestrion::desktop

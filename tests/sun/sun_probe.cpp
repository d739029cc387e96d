// kestrion_sun_probe DATE [NAME=VALUE...] [EVENT...]: the sun's JSON for a
// session on DATE after the EVENTs, with --sun's options given as NAME=VALUE
// ("days=365", "diameter=0.8"). For the comparisons with python3-ephem and
// with the browser's engine, until kestrion-cli prints it itself.
#include <iostream>
#include <string>
#include <string_view>

#include "engine/pointing.h"
#include "session/session.h"
#include "session/sun_json.h"

int main(int argc, char** argv) {
  using namespace kestrion;
  const auto date = argc > 1 ? parseDate(argv[1]) : std::nullopt;
  if (!date) {
    std::cerr << "usage: kestrion_sun_probe YYYY-MM-DD [NAME=VALUE...] [EVENT...]\n";
    return 2;
  }
  Session session(*date, 0);
  session.load();
  SunRequest request;
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const std::size_t equals = arg.find('=');
    const auto field =
        equals == std::string_view::npos ? std::nullopt : sunFieldNamed(arg.substr(0, equals));
    if (field) {
      if (auto problem = setSunOption(request, *field, arg.substr(equals + 1))) {
        std::cerr << sunRefusal(*field, *problem) << '\n';
        return 2;
      }
    } else if (const RunResult r = session.run(arg); r.status != RunStatus::ran) {
      std::cerr << r.message << '\n';
      return 2;
    }
  }
  if (auto problem = sunRequestProblem(request)) {
    std::cerr << *problem << '\n';
    return 2;
  }
  std::cout << sunJson(session, request) << '\n';
  return 0;
}

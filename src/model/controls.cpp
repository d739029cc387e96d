#include "controls.h"

namespace kestrion {
namespace {

// Index-based, so that it holds whatever iterator type the library's
// std::array has.
template <typename Id, typename NameOf>
std::optional<Id> find(std::size_t count, std::string_view wanted, NameOf nameOf) {
  for (std::size_t i = 0; i < count; ++i) {
    if (nameOf(i) == wanted) {
      return static_cast<Id>(i);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Input> inputNamed(std::string_view wanted) {
  return find<Input>(kInputCount, wanted, [](std::size_t i) { return kInputs[i].name; });
}

std::optional<Value> valueNamed(std::string_view wanted) {
  return find<Value>(kValueCount, wanted, [](std::size_t i) { return kValueNames[i]; });
}

std::optional<Rain> rainNamed(std::string_view wanted) {
  return find<Rain>(kRainCount, wanted, [](std::size_t i) { return kRainOptions[i].name; });
}

}  // namespace kestrion

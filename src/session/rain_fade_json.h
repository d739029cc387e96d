// The ITU-R rain fade as JSON: kestrion-cli --rain-fade's object, and the
// "rainFade" object of the state once an event or option has set an input.
// Numbers at full precision, as the shortest text that reads back.
#pragma once

#include <string>

#include "model/window.h"
#include "session/rain_fade_inputs.h"

namespace kestrion {

// k, alpha, specificAttenuation, effectivePathLength, and per percent the
// attenuation and the rain noise; "warnings" only when there is one. Needs
// frequency, elevation, latitude and a typed rain rate and rain height.
std::string rainFadeJson(const RainFadeInputs& inputs);

// The inputs as set, the site from the alignment page, the same figures,
// and with the C/N page's budget the C/N drop per percent; with a required
// C/N the availability the clear-sky margin buys, with a target too the dish
// it needs. Inputs still missing are listed instead of the figures. Last the
// "warnings", plain sentences, none when the figures can be taken as they are.
std::string rainFadeStateJson(const RainFadeInputs& inputs, const Window& w);

}  // namespace kestrion

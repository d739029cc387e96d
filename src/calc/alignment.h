// The alignment page's geometry beyond its shown figures.
#pragma once

#include <optional>

#include "calc/sky_direction.h"

namespace kestrion {
class Window;
}

namespace kestrion::calc {

// The satellite's direction as the page works it out (a spherical Earth, the
// orbit at 6.6166 Earth radii), before its figures are cut down: the
// azimuth as the page gives it, 0 to 360 south of the equator. Empty when
// the page's arithmetic faults on the window's texts.
std::optional<SkyDirection> satelliteDirection(const Window& w);

}  // namespace kestrion::calc

// The controls as one JSON object, from the model's tables, so that a front-
// end without Qt builds its pages from the same captions, ranges and places.
#pragma once

#include <string>

namespace kestrion::api {

std::string describeControls();

}  // namespace kestrion::api

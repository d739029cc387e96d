// Window coordinates are kept in twips, as the layout tables give them; this
// is the one place where they become device-independent pixels.
#pragma once

#include <QPointF>
#include <QRect>

#include "model/layout.h"

namespace kestrion::ui {

using layout::TwipsRect;

// 1440 twips an inch at 96 pixels an inch. Qt scales logical pixels for
// high-DPI screens itself, so the ratio stays fixed.
inline constexpr double kTwipsPerPixel = 15.0;

inline int toPixels(int twips) {
  return qRound(twips / kTwipsPerPixel);
}

inline QRect toPixels(const TwipsRect& r) {
  return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
}

// Line end points stay fractional so the anti-aliased pointers swing smoothly.
inline QPointF toPixels(double x, double y) {
  return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}

}  // namespace kestrion::ui

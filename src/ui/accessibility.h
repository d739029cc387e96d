// What a screen reader learns of the window's own widgets: the tab strip as
// a list of page tabs, each page named by its tab, sliders by the quantity
// they set, value and result boxes as text, the web link as a link with an
// action.
#pragma once

namespace kestrion::ui {

// Registers the interfaces; once per application, before the first window.
void installAccessibility();

}  // namespace kestrion::ui

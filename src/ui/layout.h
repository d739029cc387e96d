// The window's description, as the widgets use it: the model's tables.
#pragma once

#include "model/layout.h"
#include "twips.h"

namespace kestrion::ui {

using layout::Aid;
using layout::Command;
using layout::compassLetter;
using layout::CompassPoint;
using layout::ControlSpec;
using layout::focusOrder;
using layout::FocusStop;
using layout::FontSize;
using layout::kAidCount;
using layout::kAlignmentPage;
using layout::kCarrierToNoisePage;
using layout::kClientArea;
using layout::kCommandCount;
using layout::Kind;
using layout::kPageContentTop;
using layout::kTabControlRect;
using layout::kTabRowHeight;
using layout::Look;
using layout::pageControls;
using layout::Role;
using layout::windowControls;

}  // namespace kestrion::ui

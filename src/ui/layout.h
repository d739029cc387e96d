// The window's description: every control with its place, caption, look and
// tooltip, one table per page plus one for the controls below the pages.
// Slider ranges and the texts of value and result labels come from the model.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "twips.h"

namespace kestrion::ui {

enum class Kind {
  Label,  // a static caption
  Text,   // a label showing one of the model's texts
  Slider,
  Option,
  Button,
  Picture,     // caption is the artwork's resource path
  Link,        // a label the user clicks to open a web page
  HiddenText,  // storage the model keeps; never shown
};

enum class Look {
  None,
  Plain,  // no border, left-aligned, wraps at word boundaries
  PlainCentred,
  InputBox,  // border, centred, the palette's text-on-highlight colour
  InputBoxWhite,
  ResultBox,  // border, centred, the palette's light bevel colour
  ResultBoxGrey,
};

enum class FontSize { Normal, Large };

struct ControlSpec {
  std::string_view name;
  Kind kind;
  std::string_view caption;
  TwipsRect rect;
  Look look = Look::None;
  std::string_view tooltip = {};
  FontSize font = FontSize::Normal;
  // What a screen reader calls a result label; value labels and sliders take
  // their quantity from the model.
  std::string_view quantity = {};
};

inline constexpr int kPageCount = 6;

// The tab control SSTab1 and where its pages' contents may begin.
inline constexpr TwipsRect kTabControlRect{240, 120, 9255, 5655};
inline constexpr int kPageContentTop = 960;
// Two rows of tabs fit above the contents with a little air.
inline constexpr int kTabRowHeight = 405;

inline constexpr TwipsRect kClientArea{0, 0, 9660, 6855};

// Page controls are placed relative to SSTab1's top-left corner, the others
// relative to the client area.
std::span<const ControlSpec> pageControls(int page);
std::span<const ControlSpec> windowControls();

// Keyboard focus order; controls on hidden pages are skipped by Qt.
extern const std::array<std::string_view, 32> kFocusOrder;

}  // namespace kestrion::ui

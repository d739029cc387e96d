// The window's description: every control with its place, caption, look and
// tooltip, one table per page plus one for the controls below the pages.
// Controls the model knows are named by their typed ids; slider ranges, the
// captions of quantities and the texts of value and result labels come from
// the model's tables.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/controls.h"
#include "model/translatable.h"

namespace kestrion::layout {

// Window coordinates, in twips (1/1440 inch) as the tables give them.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

enum class Kind : std::uint8_t {
  Label,  // a static caption
  Text,   // a label showing one of the model's values
  Slider,
  Option,
  Button,
  Picture,      // caption is the artwork's resource path
  Link,         // a label the user clicks to open a web page
  HiddenText,   // storage the model keeps; never shown
  Aid,          // a label showing one of the pointing aids
  OffsetAngle,  // the setting of the dish's offset angle
};

enum class Look : std::uint8_t {
  None,
  Plain,  // no border, left-aligned, wraps at word boundaries
  PlainCentred,
  InputBox,  // border, centred, the palette's text-on-highlight colour
  InputBoxWhite,
  ResultBox,  // border, centred, the palette's light bevel colour
  ResultBoxGrey,
  Warning,  // as Plain, in red
};

enum class FontSize : std::uint8_t { Normal, Large };

// What a row is to an input or to its page, said here so that a front-end
// laying a page out anew (the web's) need not guess it from places or names.
enum class Role : std::uint8_t {
  none,
  caption,  // a label with the caption of Input `id`
  note,     // a label that adds to the caption of Input `id`: its signs' meaning
  value,    // a text with the value label of Input `id`
  result,   // a text with a result the page computes
};

// The compass rose's letters as the description writes them: north, east,
// south, west. A front-end shows them in the user's language, and takes the
// same letters for hemispheres in what it reads and writes.
enum class CompassPoint : std::uint8_t { north, east, south, west };
inline constexpr std::array<std::string_view, 4> kCompassLetters{
    QT_TRANSLATE_NOOP("Caption", "N"), QT_TRANSLATE_NOOP("Caption", "E"),
    QT_TRANSLATE_NOOP("Caption", "S"), QT_TRANSLATE_NOOP("Caption", "W")};
constexpr std::string_view compassLetter(CompassPoint point) {
  return kCompassLetters.at(static_cast<std::size_t>(point));
}

// The pointing aids the alignment page shows beside the model's results.
enum class Aid : std::uint8_t {
  magneticBearing,
  declination,
  faceTilt,
  warnings,
  satelliteName,
  skewDirection
};
inline constexpr std::size_t kAidCount = 6;

// What the window's buttons and links ask for.
enum class Command : std::uint8_t { quit, footprints, homePage };
inline constexpr std::size_t kCommandCount = 3;

struct ControlSpec {
  Kind kind;
  std::uint8_t id = 0;         // the Value, Input, Rain, Command or Aid, as the kind and role say
  std::string_view name = {};  // object name of a control the model does not know
  std::string_view caption = {};
  TwipsRect rect = {};
  Look look = Look::None;
  std::string_view tooltip = {};
  FontSize font = FontSize::Normal;
  Role role = Role::none;

  [[nodiscard]] constexpr Value value() const { return static_cast<Value>(id); }
  [[nodiscard]] constexpr Input input() const { return static_cast<Input>(id); }
  [[nodiscard]] constexpr Rain rain() const { return static_cast<Rain>(id); }
  [[nodiscard]] constexpr Command command() const { return static_cast<Command>(id); }
  [[nodiscard]] constexpr Aid aid() const { return static_cast<Aid>(id); }
  // The object name: the model's name for its controls, else the row's.
  [[nodiscard]] constexpr std::string_view objectName() const {
    switch (kind) {
      case Kind::Text:
      case Kind::HiddenText:
        return kestrion::name(value());
      case Kind::Slider:
        return kestrion::name(input());
      case Kind::Option:
        return kestrion::name(rain());
      default:
        return name;
    }
  }
};

// A stop of the keyboard focus: the tab strip, or a control of the model or
// a command, named by its typed id so that no stop can name a missing control.
struct FocusStop {
  enum class Kind : std::uint8_t { Tabs, Slider, Option, Command, OffsetAngle } kind;
  std::uint8_t id = 0;
};

// The tab control SSTab1 and where its pages' contents may begin.
inline constexpr TwipsRect kTabControlRect{240, 120, 9255, 5655};
inline constexpr int kPageContentTop = 960;
// Two rows of tabs fit above the contents with a little air.
inline constexpr int kTabRowHeight = 405;

inline constexpr TwipsRect kClientArea{0, 0, 9660, 6855};

// The alignment page holds the pictures with their pointers, and the
// pointing aids.
inline constexpr int kAlignmentPage = pageNumber(Page::alignment);
inline constexpr int kCarrierToNoisePage = pageNumber(Page::carrierToNoise);

// What the About window says above the maker's address.
inline constexpr std::string_view kAboutNotice =
    QT_TRANSLATE_NOOP("kestrion::desktop::AboutWindow",
                      "Kestrion is free: you may copy it and pass it on to anyone you like. "
                      "The latest version can always be downloaded from :");

// Page controls are placed relative to SSTab1's top-left corner, the others
// relative to the client area.
std::span<const ControlSpec> pageControls(int page);
std::span<const ControlSpec> windowControls();

// Keyboard focus order; controls on hidden pages are skipped.
std::span<const FocusStop> focusOrder();

}  // namespace kestrion::layout

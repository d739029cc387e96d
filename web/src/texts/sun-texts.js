// The sun section's own texts, marked for Qt Linguist as texts.js is; loaded
// with the section, not on the first visit. The rest of its texts are the
// window's sun window's (context kestrion::ui::SunDialog).
function QT_TRANSLATE_NOOP(context, text) {
  return text;
}

var sunTexts = {
  margin: QT_TRANSLATE_NOOP("Web", "Margin above the obstacle (degrees)"),
  notTaken: QT_TRANSLATE_NOOP("Web", "\"%1\" is not taken. %2"),
  dateRange: QT_TRANSLATE_NOOP("Web", "Enter a date from %1 to %2."),
  sunTimes: QT_TRANSLATE_NOOP("Web", "The sun and the shadow"),
  outages: QT_TRANSLATE_NOOP("Web", "Sun outages"),
  obstacle: QT_TRANSLATE_NOOP("Web", "What blocks the view"),
};

if (typeof module !== "undefined") {
  module.exports = sunTexts;
}

// The browser app's own texts, marked for Qt Linguist: the catalogues in
// translations/ hold their translations beside the window's, and lupdate
// reads this file as it reads the C++ sources. Kept a plain script (no
// import or export syntax), which is what lupdate's reader understands.
function QT_TRANSLATE_NOOP(context, text) {
  return text;
}

var webTexts = {
  loading: QT_TRANSLATE_NOOP("Web", "Loading the calculator…"),
  noEngine: QT_TRANSLATE_NOOP("Web", "The calculator could not be started: %1"),
  noScript: QT_TRANSLATE_NOOP("Web", "Kestrion needs JavaScript and WebAssembly."),
  language: QT_TRANSLATE_NOOP("Web", "Language"),
  copy: QT_TRANSLATE_NOOP("Web", "Copy"),
  copied: QT_TRANSLATE_NOOP("Web", "The page's figures are on the clipboard."),
  copyFailed: QT_TRANSLATE_NOOP("Web", "The browser did not allow copying: %1"),
  print: QT_TRANSLATE_NOOP("Web", "Job sheet"),
  printNow: QT_TRANSLATE_NOOP("Web", "Print or save as PDF"),
  closeSheet: QT_TRANSLATE_NOOP("Web", "Back to the calculator"),
  save: QT_TRANSLATE_NOOP("Web", "Save"),
  cancel: QT_TRANSLATE_NOOP("Web", "Cancel"),
  choose: QT_TRANSLATE_NOOP("Web", "Use"),
  rename: QT_TRANSLATE_NOOP("Web", "Rename"),
  remove: QT_TRANSLATE_NOOP("Web", "Delete"),
  siteSaved: QT_TRANSLATE_NOOP("Web", "Saved site \"%1\"."),
  siteChosen: QT_TRANSLATE_NOOP("Web", "Site \"%1\" entered."),
  storageFailed: QT_TRANSLATE_NOOP("Web", "The browser did not keep the site: %1"),
  typeValue: QT_TRANSLATE_NOOP("Web", "Type a value"),
  enter: QT_TRANSLATE_NOOP("Web", "Enter"),
  suggestions: QT_TRANSLATE_NOOP("Web", "Satellites"),
  badParameter: QT_TRANSLATE_NOOP("Web", "The address's %1 was not used: %2"),
  fault: QT_TRANSLATE_NOOP("Web", "The calculation stopped: %1"),
  results: QT_TRANSLATE_NOOP("Web", "Results"),
  offline: QT_TRANSLATE_NOOP("Web", "Ready to work offline."),
  update: QT_TRANSLATE_NOOP("Web", "A new version of Kestrion is ready."),
  reload: QT_TRANSLATE_NOOP("Web", "Reload"),
  menu: QT_TRANSLATE_NOOP("Web", "Menu"),
};

if (typeof module !== "undefined") {
  module.exports = webTexts;
}

// Form1: the calculator's one main window. It holds the calculator's state in
// one Session, forwards the user's slider moves and option clicks to it and
// shows the texts and pointers the model changed; it computes nothing itself.
// What the window alone shows (the saved site's name, a saved satellite name
// that names another position) stays here: no other front-end has them.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <bitset>
#include <optional>
#include <vector>

#include "controlfactory.h"
#include "jobstate.h"
#include "session/session.h"
#include "sitestore.h"

class QAction;
class QButtonGroup;

namespace kestrion::ui {

class AngleEditor;
class TextLabel;
class JobMenus;
class Narrator;
class PointerLayer;
class RainAvailabilityDialog;
class SunDialog;
class TabControl;
class MotorDialog;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  [[nodiscard]] const Window& model() const { return session_.calculator().window(); }
  [[nodiscard]] TabControl* tabControl() const { return tabs_; }

  // The date the magnetic declination is worked out for; today by default.
  void setDate(calc::CalendarDate date);
  [[nodiscard]] calc::CalendarDate date() const { return session_.date(); }
  // Opens the editor of a typed latitude, longitude or satellite position.
  void editAngle(Input id);

  // For the job's menus (copy, saved sites, the job sheet): what the window
  // shows now, and entering a saved site as typed entry would.
  [[nodiscard]] JobState jobState();
  [[nodiscard]] int currentPage() const;
  [[nodiscard]] Site site(const QString& name);
  void enterSite(const Site& site);
  // Runs kestrion-cli's EVENTs on the window, as if the user had done them;
  // false with a one-line message at the first bad one.
  bool runEvents(const QStringList& events, QString* error);
  void setSiteName(const QString& name) { siteName_ = name; }
  [[nodiscard]] const QString& siteName() const { return siteName_; }
  void quit() { run(Command::quit); }

  // The ITU-R rain fade's inputs, once its section or an EVENT has set one
  // up; the job sheet and Copy report it from then on.
  [[nodiscard]] const std::optional<RainFadeInputs>& rainFade() const {
    return session_.rainFade();
  }
  // Sets one of its inputs from its text, as the event "NAME:=TEXT" does:
  // what was wrong when it is refused and nothing changed.
  std::optional<std::string> setRainFade(RainFadeField field, std::string_view text) {
    return session_.setRainFade(field, text);
  }
  // The C/N page's rain availability section, opened from the Edit menu or
  // the page's context menu; null until first opened.
  void openRainAvailability();
  [[nodiscard]] RainAvailabilityDialog* rainAvailability() const { return rainDialog_; }
  // The sun's window, opened from the Edit menu; null until first opened.
  void openSun();
  [[nodiscard]] SunDialog* sunWindow() const { return sunDialog_; }
  [[nodiscard]] const Session& session() const { return session_; }
  // The motor and multifeed window, opened from the Edit menu; null until
  // first opened.
  void openMotor();
  [[nodiscard]] MotorDialog* motorDialog() const { return motorDialog_; }
  [[nodiscard]] Session& session() { return session_; }
  // The page of an input to the front, its slider focused.
  void focusInput(Input input);

 Q_SIGNALS:
  // Left for the desktop services to answer.
  void aboutRequested();
  void homePageRequested();
  void footprintPageRequested();

 protected:
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenu();
  void buildWindow();
  void buildPage(int page);
  void run(Command command);
  [[nodiscard]] QWidget* widget(const FocusStop& stop) const;
  void sliderMoved(Input id, int position);
  void optionClicked(int option);
  void showChanges();
  void pageShown(int page);
  void buildPointing(QWidget* page);
  // Under the offset angle's box: why a typed angle was not taken.
  void showOffsetProblem(const QString& problem) const;
  void showPointing();
  void showSatelliteName();
  [[nodiscard]] TextLabel* aid(Aid id) const;
  void angleEntered(Input id, const AngleEntry& entry);
  void takeStoredOffset();

  Session session_;
  QPointer<AngleEditor> editor_;
  BoundControls bound_;
  QButtonGroup* options_;
  TabControl* tabs_ = nullptr;
  PointerLayer* pointers_ = nullptr;
  std::bitset<kPageCount> built_;
  QString siteName_;        // the saved site last chosen or saved
  QString mismatchedName_;  // a saved satellite name that names another position
  JobMenus* jobMenus_ = nullptr;
  Narrator* narrator_ = nullptr;
  QAction* rainAction_ = nullptr;
  RainAvailabilityDialog* rainDialog_ = nullptr;
  SunDialog* sunDialog_ = nullptr;
  MotorDialog* motorDialog_ = nullptr;
};

}  // namespace kestrion::ui

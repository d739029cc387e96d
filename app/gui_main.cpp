// kestrion: the calculator's window.
#include <QApplication>

#include "ui/application.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  return kestrion::ui::run(app);
}

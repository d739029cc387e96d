// The floor for start-up: a Qt window of Kestrion's size with nothing in it.
#include <QApplication>
#include <QWidget>

#include "first_frame.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  FirstFrameProbe probe(app);
  QWidget window;
  window.setFixedSize(644, 457);
  window.setWindowTitle(QStringLiteral("empty"));
  window.show();
  return QApplication::exec();
}

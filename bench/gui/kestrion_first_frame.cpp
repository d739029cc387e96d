// Kestrion exactly as app/gui_main.cpp starts it, ending at its first frame.
#include <QApplication>

#include "first_frame.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  FirstFrameProbe probe(app);
  return kestrion::ui::run(app);
}

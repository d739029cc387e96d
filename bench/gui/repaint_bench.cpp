// Time from a slider's key press to its page's labels repainted: the key
// event, the model's handler, the label updates and the paint and flush.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/mainwindow.h"
#include "ui/tabcontrol.h"

namespace {

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    paints += e->type() == QEvent::Paint;
    return false;
  }
};

void measure(kestrion::ui::MainWindow& w, int page, const char* sliderName, const char* labelName,
             int runs) {
  w.tabControl()->setCurrentIndex(page);
  QApplication::processEvents();
  auto* bar = w.findChild<QScrollBar*>(sliderName);
  auto* label = w.findChild<QLabel*>(labelName);
  PaintCounter counter;
  label->installEventFilter(&counter);
  std::vector<double> micros;
  micros.reserve(runs);
  QElapsedTimer clock;
  for (int i = 0; i < runs; ++i) {
    // Alternate so every press changes the value.
    const Qt::Key key = i % 2 == 0 ? Qt::Key_Right : Qt::Key_Left;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    const int paintsBefore = counter.paints;
    clock.start();
    QApplication::sendEvent(bar, &press);
    QApplication::processEvents();
    micros.push_back(clock.nsecsElapsed() / 1000.0);
    if (counter.paints == paintsBefore) {
      std::fprintf(stderr, "%s: label not repainted\n", sliderName);
    }
  }
  label->removeEventFilter(&counter);
  std::sort(micros.begin(), micros.end());
  std::printf("%-10s -> %-8s median %7.1f us   p90 %7.1f us   (%d presses)\n", sliderName,
              labelName, micros[micros.size() / 2], micros[micros.size() * 9 / 10], runs);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kestrion::ui::MainWindow window;
  window.show();
  QApplication::processEvents();
  const int runs = 2000;
  measure(window, 0, "HScroll1", "totnf", runs);
  measure(window, 2, "HScroll10", "Gain", runs);
  measure(window, 4, "HScroll17", "el", runs);
  measure(window, 5, "HScroll20", "cnres", runs);
  return 0;
}

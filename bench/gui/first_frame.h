// Prints the wall-clock time (ns since the epoch) once the first frame of the
// program's window has been painted and flushed, then ends the program. The
// launching script subtracts its own clock reading taken just before the
// process started.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

class FirstFrameProbe : public QObject {
 public:
  explicit FirstFrameProbe(QCoreApplication& app) { app.installEventFilter(this); }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The whole window paints in one pass; a zero timer fires after it and
      // after the flush to the screen.
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

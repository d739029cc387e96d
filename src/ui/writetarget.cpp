#include "writetarget.h"

#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <csignal>
#include <ctime>

namespace kestrion::ui {
namespace {

// While alive, a reader that goes away makes write() fail with EPIPE
// instead of raising SIGPIPE, which would end the program (the window
// included) without a word. The signal stays blocked in this thread only.
class PipeSignalHeld {
 public:
  PipeSignalHeld() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe_, &before_);
  }
  ~PipeSignalHeld() {
    if (!wasPending_) {
      // Take back the one our write raised, if it did, before unblocking.
      const timespec now{};
      sigtimedwait(&pipe_, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  PipeSignalHeld(const PipeSignalHeld&) = delete;
  PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

 private:
  sigset_t pipe_{};
  sigset_t before_{};
  bool wasPending_ = false;
};

bool writeAll(QFile& file, const QByteArray& bytes, QString* reason) {
  const PipeSignalHeld held;
  if (file.write(bytes) != bytes.size()) {
    *reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

WriteTarget writeTargetOf(const QString& path) {
  if (path == QLatin1String("-")) {
    return WriteTarget::StandardOutput;
  }
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode) ||
      S_ISDIR(status.st_mode)) {
    return WriteTarget::Replaced;
  }
  return WriteTarget::InPlace;
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* reason) {
  switch (writeTargetOf(path)) {
    case WriteTarget::StandardOutput: {
      QFile out;
      if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = out.errorString();
        return false;
      }
      return writeAll(out, bytes, reason);
    }
    case WriteTarget::InPlace: {
      // Unbuffered, so that a failing write (a full device) is seen here.
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
      }
      return writeAll(file, bytes, reason);
    }
    case WriteTarget::Replaced:
      break;
  }
  // QSaveFile follows a link to the file it replaces and keeps its mode.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace kestrion::ui

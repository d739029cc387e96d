// Every file Kestrion writes (the job sheet, Export PDF, the saved sites)
// goes through writeWhole, so one rule decides how a path is written and no
// special file is ever replaced by a regular one.
#pragma once

#include <QByteArray>
#include <QString>

namespace kestrion::ui {

enum class WriteTarget {
  StandardOutput,  // "-"
  InPlace,         // a device, a FIFO or a socket, or a link to one: written, never replaced
  Replaced,        // a regular file, a link to one, or nothing yet: replaced whole
};

// Directories and paths in missing folders count as Replaced: the
// replacement refuses them with the system's reason.
WriteTarget writeTargetOf(const QString& path);

// Writes all of `bytes` to `path` as its kind asks. A replaced file changes
// at once or not at all; through a link, the file it points to is replaced
// and the link stays. On failure `reason` is the system's, without the path.
bool writeWhole(const QString& path, const QByteArray& bytes, QString* reason);

}  // namespace kestrion::ui

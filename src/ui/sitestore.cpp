#include "sitestore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>
#include <QUuid>
#include <algorithm>

#include "engine/angle_text.h"
#include "engine/pointing.h"
#include "engine/satellites.h"
#include "qtext.h"
#include "session/event.h"
#include "writetarget.h"

namespace kestrion::ui {
namespace {

const QString kGroup = QStringLiteral("sites");
const QString kName = QStringLiteral("name");
const QString kLatitude = QStringLiteral("latitude");
const QString kLongitude = QStringLiteral("longitude");
const QString kSatellite = QStringLiteral("satellite");
const QString kSatelliteName = QStringLiteral("satelliteName");
const QString kOffset = QStringLiteral("offsetAngle");
const QString kUsed = QStringLiteral("lastUsed");

// A site as read, before it is checked; `offset` stays text until then.
struct Entry {
  QString key;
  Site site;
  QString offset;
  bool usedIsNumber = true;
};

std::vector<Entry> readEntries(QSettings& settings) {
  std::vector<Entry> entries;
  settings.beginGroup(kGroup);
  for (const QString& key : settings.childGroups()) {
    settings.beginGroup(key);
    Entry e;
    e.key = key;
    e.site.name = settings.value(kName).toString();
    e.site.latitude = settings.value(kLatitude).toString();
    e.site.longitude = settings.value(kLongitude).toString();
    e.site.satellite = settings.value(kSatellite).toString();
    e.site.satelliteName = settings.value(kSatelliteName).toString();
    e.offset = settings.value(kOffset, QStringLiteral("0")).toString();
    e.site.lastUsed = settings.value(kUsed, 0).toLongLong(&e.usedIsNumber);
    settings.endGroup();
    entries.push_back(e);
  }
  settings.endGroup();
  return entries;
}

void writeEntry(QSettings& settings, const QString& key, const Site& site) {
  settings.beginGroup(kGroup + QLatin1Char('/') + key);
  settings.setValue(kName, site.name);
  settings.setValue(kLatitude, site.latitude);
  settings.setValue(kLongitude, site.longitude);
  settings.setValue(kSatellite, site.satellite);
  settings.setValue(kSatelliteName, site.satelliteName);
  settings.setValue(kOffset, toQString(offsetText(site.offsetTenths)));
  settings.setValue(kUsed, site.lastUsed);
  settings.endGroup();
}

const Entry* findEntry(const std::vector<Entry>& entries, const QString& name) {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [&name](const Entry& e) { return e.site.name == name; });
  return found == entries.end() ? nullptr : &*found;
}

// QSettings works on a copy of its own: writing the store itself it would
// replace whatever is there (a device, a FIFO), and it keeps what it read
// under the file's name, which can hide a change made since. A store that is
// not a regular file holds no sites: reading a FIFO would hang. The copy is
// one temporary file written from the bytes read, which are also what the
// store held before a change.
class Copy {
 public:
  Copy() : file_(QDir::tempPath() + QStringLiteral("/kestrion-sites-XXXXXX.ini")) {}
  // False when the store is there but cannot be read.
  bool takeFrom(const QString& store) {
    if (writeTargetOf(store) == WriteTarget::Replaced && QFileInfo::exists(store)) {
      QFile file(store);
      if (!file.open(QIODevice::ReadOnly)) {
        return false;
      }
      original_ = file.readAll();
      if (file.error() != QFileDevice::NoError) {
        return false;
      }
    }
    if (!file_.open() || file_.write(original_) != original_.size() || !file_.flush()) {
      return false;
    }
    file_.close();  // QSettings replaces the file as it writes; the name stays
    return true;
  }
  [[nodiscard]] QString path() const { return file_.fileName(); }
  [[nodiscard]] const QByteArray& original() const { return original_; }
  [[nodiscard]] QByteArray bytes() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryFile file_;
  QByteArray original_;
};

// A satellite's name ends with its position ("Astra 19.2E"); one that ends
// with another than the site's does not belong to it. A name without a
// position cannot be judged here and is taken as it is.
bool nameFitsPosition(const Site& site) {
  const auto named = positionNamed(site.satelliteName.toStdString());
  const auto reading = readAngle(site.satellite.toStdString(), AngleKind::Satellite);
  return !named || !reading.entry || *named == reading.entry->tenThousandths;
}

// A text from the file as a warning quotes it: one line, cut short when long
// (a stray quote in a hand-edited file runs a value over many lines).
QString echoed(const QString& text) {
  return toQString(echoedText(text.toStdString()));
}

qint64 nextUse(const std::vector<Entry>& entries) {
  qint64 last = 0;
  for (const Entry& e : entries) {
    last = std::max(last, e.site.lastUsed);
  }
  return last + 1;
}

}  // namespace

SiteStore::SiteStore()
    : SiteStore(QSettings(QSettings::IniFormat, QSettings::UserScope,
                          QCoreApplication::organizationName(), QStringLiteral("sites"))
                    .fileName()) {}

SiteStore::SiteStore(QString path) : path_(std::move(path)) {}

std::optional<QString> SiteStore::problem(const Site& site) {
  if (site.name.trimmed().isEmpty()) {
    return tr("it has no name");
  }
  const std::array<std::tuple<const QString&, AngleKind, QString>, 3> angles{{
      {site.latitude, AngleKind::Latitude, tr("latitude")},
      {site.longitude, AngleKind::Longitude, tr("longitude")},
      {site.satellite, AngleKind::Satellite, tr("satellite position")},
  }};
  for (const auto& [text, kind, what] : angles) {
    const AngleReading reading = readAngle(text.toStdString(), kind);
    if (!reading.entry) {
      return tr("its %1 \"%2\" is refused: %3")
          .arg(what, echoed(text), toQString(angleProblemText(reading, kind)));
    }
  }
  return std::nullopt;
}

SiteStore::Contents SiteStore::load() const {
  Contents contents;
  Copy copy;
  if (!copy.takeFrom(path_)) {
    contents.warnings << tr("The saved sites in %1 cannot be read.").arg(path_);
    return contents;
  }
  QSettings settings(copy.path(), QSettings::IniFormat);
  // QSettings reads what it can of a damaged file; the rest is lost with the
  // next save, the sites themselves are kept.
  if (settings.status() == QSettings::FormatError) {
    contents.warnings << tr("Some lines of %1 cannot be read and are left out.").arg(path_);
  } else if (settings.status() != QSettings::NoError) {
    contents.warnings << tr("The saved sites in %1 cannot be read.").arg(path_);
    return contents;
  }
  for (Entry& e : readEntries(settings)) {
    std::optional<QString> why = problem(e.site);
    const auto tenths = parseOffsetTenths(e.offset.toStdString());
    if (!why && !tenths) {
      why = tr("its offset angle \"%1\" is not 0 to 45 degrees with at most one decimal")
                .arg(echoed(e.offset));
    }
    if (!why && !e.usedIsNumber) {
      why = tr("its last use is not a number");
    }
    if (why) {
      // The reasons that quote a refusal end with its full stop already.
      if (why->endsWith(QLatin1Char('.'))) {
        why->chop(1);
      }
      contents.warnings << tr("Saved site \"%1\" (entry %2) skipped: %3.")
                               .arg(echoed(e.site.name), echoed(e.key), *why);
      continue;
    }
    e.site.offsetTenths = *tenths;
    e.site.satelliteNameMatches = nameFitsPosition(e.site);
    contents.sites.push_back(e.site);
  }
  std::stable_sort(contents.sites.begin(), contents.sites.end(),
                   [](const Site& a, const Site& b) { return a.lastUsed > b.lastUsed; });
  return contents;
}

// Each change takes the lock, reads the file as it is now, edits it and
// writes it back as every file is written (a regular file through a
// temporary file and a rename), so a site another window saved meanwhile is
// kept.
template <typename Edit>
bool SiteStore::change(Edit edit, QString* error) {
  const QFileInfo file(path_);
  if (!QDir().mkpath(file.absolutePath())) {
    *error = tr("Cannot create the folder %1.").arg(file.absolutePath());
    return false;
  }
  QLockFile lock(file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
                 QStringLiteral(".writer.lock"));
  if (!lock.tryLock(5000)) {
    *error = tr("The saved sites are busy in another window; try again.");
    return false;
  }
  Copy copy;
  if (!copy.takeFrom(path_)) {
    *error = tr("The saved sites in %1 cannot be read, so they are left as they are.").arg(path_);
    return false;
  }
  const QByteArray& before = copy.original();
  {
    QSettings settings(copy.path(), QSettings::IniFormat);
    if (!edit(settings, readEntries(settings), error)) {
      return false;
    }
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
      *error = tr("Cannot write the saved sites to %1.").arg(path_);
      return false;
    }
  }
  const QByteArray after = copy.bytes();
  if (after == before) {
    return true;  // nothing changed: the store is left untouched, or not made
  }
  QString reason;
  if (!writeWhole(path_, after, &reason)) {
    *error = tr("Cannot write the saved sites to %1: %2").arg(path_, reason);
    return false;
  }
  return true;
}

bool SiteStore::save(Site site, QString* error) {
  return change(
      [&site](QSettings& settings, const std::vector<Entry>& entries, QString*) {
        const Entry* old = findEntry(entries, site.name);
        site.lastUsed = nextUse(entries);
        writeEntry(settings, old != nullptr ? old->key : QUuid::createUuid().toString(QUuid::Id128),
                   site);
        return true;
      },
      error);
}

bool SiteStore::markUsed(const QString& name, QString* error) {
  return change(
      [&name](QSettings& settings, const std::vector<Entry>& entries, QString*) {
        if (const Entry* e = findEntry(entries, name)) {
          settings.setValue(kGroup + QLatin1Char('/') + e->key + QLatin1Char('/') + kUsed,
                            nextUse(entries));
        }
        return true;
      },
      error);
}

bool SiteStore::rename(const QString& from, const QString& to, QString* error) {
  return change(
      [&](QSettings& settings, const std::vector<Entry>& entries, QString* why) {
        const Entry* e = findEntry(entries, from);
        if (e == nullptr) {
          *why = tr("There is no saved site \"%1\".").arg(from);
          return false;
        }
        if (to.trimmed().isEmpty() || (to != from && findEntry(entries, to) != nullptr)) {
          *why = tr("\"%1\" is empty or the name of another saved site.").arg(to);
          return false;
        }
        settings.setValue(kGroup + QLatin1Char('/') + e->key + QLatin1Char('/') + kName, to);
        return true;
      },
      error);
}

bool SiteStore::remove(const QString& name, QString* error) {
  return change(
      [&name](QSettings& settings, const std::vector<Entry>& entries, QString*) {
        if (const Entry* e = findEntry(entries, name)) {
          settings.remove(kGroup + QLatin1Char('/') + e->key);
        }
        return true;
      },
      error);
}

}  // namespace kestrion::ui

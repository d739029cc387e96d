// Any bytes as the saved-sites file. Reading it changes nothing on disk and
// gives only sites that would be taken as typed, each skipped entry named in
// one line. A refused change leaves the file byte for byte; saving a site
// keeps every site that was read and reads back as it was saved.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/pointing.h"
#include "sitestore.h"

namespace {

using kestrion::ui::Site;
using kestrion::ui::SiteStore;

const Site kNew{"Fuzz roof", "-33.9247", "18.4241", "19.2", "Astra 19.2E", 225, 0};

bool same(const Site& a, const Site& b) {
  return a.name == b.name && a.latitude == b.latitude && a.longitude == b.longitude &&
         a.satellite == b.satellite && a.satelliteName == b.satelliteName &&
         a.offsetTenths == b.offsetTenths && a.satelliteNameMatches == b.satelliteNameMatches;
}

bool oneLine(const QString& text) {
  return !text.isEmpty() && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

QByteArray bytesOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every site read is one the store would take; every warning one line.
SiteStore::Contents checkedLoad(const SiteStore& store) {
  SiteStore::Contents contents = store.load();
  for (const QString& warning : contents.warnings) {
    if (!oneLine(warning)) std::abort();
  }
  for (const Site& site : contents.sites) {
    if (SiteStore::problem(site) || site.offsetTenths < 0 || site.offsetTenths > 450 ||
        kestrion::parseOffsetTenths(kestrion::offsetText(site.offsetTenths)) != site.offsetTenths) {
      std::abort();
    }
  }
  return contents;
}

const QTemporaryDir& folder() {
  // QSettings and the store's copies write often: in memory where there is some.
  static const auto* dir = [] {
    if (QFile::exists(QStringLiteral("/dev/shm"))) qputenv("TMPDIR", "/dev/shm");
    return new QTemporaryDir();  // NOLINT(cppcoreguidelines-owning-memory): lives as the process
  }();
  return *dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = folder().filePath(QStringLiteral("sites.ini"));
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
      std::abort();
    }
  }
  SiteStore store(path);
  const SiteStore::Contents before = checkedLoad(store);
  QString error;
  if (store.rename(QStringLiteral("\x01 no such site"), QStringLiteral("x"), &error) ||
      !oneLine(error) || bytesOf(path) != bytes) {
    std::abort();
  }
  if (!store.save(kNew, &error)) std::abort();
  const SiteStore::Contents after = checkedLoad(store);
  const auto kept = [&after](const Site& site) {
    return std::any_of(after.sites.begin(), after.sites.end(),
                       [&site](const Site& s) { return same(s, site); });
  };
  if (!kept(kNew)) std::abort();
  for (const Site& site : before.sites) {
    if (site.name != kNew.name && !kept(site)) std::abort();
  }
  return 0;
}

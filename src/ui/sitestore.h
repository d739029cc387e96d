// Saved sites: a name with the site, the satellite and the dish's offset
// angle, kept for the next visit to the same roof. Stored with QSettings in
// the user's configuration folder; every change re-reads the file under a
// lock, so two running windows never lose each other's sites.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kestrion::ui {

struct Site {
  QString name;
  QString latitude;  // the value labels' texts, as typed entry reads them
  QString longitude;
  QString satellite;      // the position
  QString satelliteName;  // when the satellite was typed by name
  int offsetTenths = 0;
  qint64 lastUsed = 0;  // larger is more recent
  // Set when read: false when the name names another position than the
  // site's (a hand-edited file); the position then decides.
  bool satelliteNameMatches = true;
};

class SiteStore {
  Q_DECLARE_TR_FUNCTIONS(SiteStore)

 public:
  // The store in the user's configuration folder.
  SiteStore();
  // A store in a file of its own, for the tests.
  explicit SiteStore(QString path);

  struct Contents {
    std::vector<Site> sites;  // most recently used first
    QStringList warnings;     // one sentence per entry skipped
  };
  [[nodiscard]] Contents load() const;

  // Each returns false with a sentence in `error` when the store could not
  // be written; nothing is then changed.
  bool save(Site site, QString* error);  // replaces a site of the same name; marks it used
  bool markUsed(const QString& name, QString* error);
  bool rename(const QString& from, const QString& to, QString* error);
  bool remove(const QString& name, QString* error);

  [[nodiscard]] const QString& path() const { return path_; }

  // What is wrong with a site read from the file, if anything.
  static std::optional<QString> problem(const Site& site);

 private:
  template <typename Edit>
  bool change(Edit edit, QString* error);

  QString path_;
};

}  // namespace kestrion::ui

// The settings store of the program: the user's settings "ORVANTA" /
// "SETTINGS" (native format), all values as strings.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "app/settings_store.h"

namespace orvanta {

class QSettingsStore : public KeyValueStore {
 public:
  // QSettings("ORVANTA", "SETTINGS"). When that file is not a regular file
  // (a pipe, device or socket, also behind a link) it is never opened: the
  // store then lives in memory only and starts empty (first-run values).
  QSettingsStore();
  // A settings file of its own (INI format), e.g. for tests.
  explicit QSettingsStore(const QString& ini_path);

  bool Exists() const override;
  std::optional<std::string> Get(const std::string& name) const override;
  void Set(const std::string& name, const std::string& value) override;
  void Flush() override;

  // Whether the last access succeeded (unreadable or read-only file …).
  bool Ok() const;

 private:
  std::unique_ptr<QSettings> settings_;
  MemoryStore memory_;  // used when settings_ is null
};

// Where QSettings("ORVANTA", "SETTINGS") keeps the user's settings.
QString UserSettingsFilePath();

// Checks the user's settings file once at start-up, before anything reads
// it: a file that is not a regular file is left alone and the reason is
// returned; a file that does not parse is kept beside itself as
// "<name>.damaged" and removed, so that the first-run values are used (and
// written again), and that is returned. Empty when all is well.
QString PrepareUserSettingsFile();

}  // namespace orvanta

// The settings store of the program: the user's settings "ORVANTA" /
// "SETTINGS" (native format), all values as strings.
#pragma once

#include <QSettings>
#include <memory>

#include "app/settings_store.h"

namespace orvanta {

class QSettingsStore : public KeyValueStore {
 public:
  // QSettings("ORVANTA", "SETTINGS").
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
};

}  // namespace orvanta

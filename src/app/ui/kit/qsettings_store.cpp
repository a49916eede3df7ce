#include "app/ui/kit/qsettings_store.h"

namespace orvanta {

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("ORVANTA"), QStringLiteral("SETTINGS"))) {}

QSettingsStore::QSettingsStore(const QString& ini_path)
    : settings_(std::make_unique<QSettings>(ini_path, QSettings::IniFormat)) {}

bool QSettingsStore::Exists() const { return !settings_->allKeys().isEmpty(); }

std::optional<std::string> QSettingsStore::Get(const std::string& name) const {
  const QVariant v = settings_->value(QString::fromStdString(name));
  if (!v.isValid()) return std::nullopt;
  return v.toString().toStdString();
}

void QSettingsStore::Set(const std::string& name, const std::string& value) {
  settings_->setValue(QString::fromStdString(name), QString::fromStdString(value));
}

void QSettingsStore::Flush() { settings_->sync(); }

bool QSettingsStore::Ok() const { return settings_->status() == QSettings::NoError; }

}  // namespace orvanta

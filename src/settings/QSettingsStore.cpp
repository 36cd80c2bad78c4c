#include "QSettingsStore.h"

#include <QLoggingCategory>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace orvane {
namespace {

Q_LOGGING_CATEGORY(lcStore, "orvane.settings.store")

QString Key(const std::string& name) {
    return QString::fromStdString(name);
}

// A value edited by hand in an INI file can come back as a list ("1, 2"): keep all of
// its text so the settings can tell the player what they found instead of seeing an
// empty value and silently replacing it.
QString AsText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

}  // namespace

QSettingsStore::QSettingsStore()
    : QSettingsStore(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 QString::fromLatin1(Organization),
                                                 QString::fromLatin1(Application))) {}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : QSettingsStore(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {
    settings_->beginGroup(QString::fromLatin1(Group));
}

QSettingsStore::~QSettingsStore() = default;

std::optional<std::string> QSettingsStore::Read(const std::string& name) {
    const QString key = Key(name);
    if (!settings_->contains(key)) {
        return std::nullopt;
    }
    return AsText(settings_->value(key)).toStdString();
}

void QSettingsStore::Write(const std::string& name, const std::string& value) {
    settings_->setValue(Key(name), QString::fromStdString(value));
}

bool QSettingsStore::Flush() {
    settings_->sync();
    if (settings_->status() == QSettings::NoError) {
        return true;
    }
    qCWarning(lcStore) << "could not write the settings to" << settings_->fileName() << "status"
                       << settings_->status();
    return false;
}

QString QSettingsStore::Location() const {
    return settings_->fileName();
}

}  // namespace orvane

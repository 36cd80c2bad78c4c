#pragma once

#include <memory>

#include <QString>

#include "OrvaneVersion.h"
#include "SettingsStore.h"

class QSettings;

namespace orvane {

// The player's settings through QSettings: on Windows the registry key
// HKEY_CURRENT_USER\Software\Tessaly Software\Orvane Cards\<version>, elsewhere the same tree
// in the user's configuration folder. Every program version keeps a group of its own,
// so one version never reads another's values. Values are written as text.
class QSettingsStore final : public SettingsStore {
  public:
    static constexpr const char* Organization = "Tessaly Software";
    static constexpr const char* Application = "Orvane Cards";
    static constexpr const char* Group = ProgramVersion;

    // The current user's own store, in the platform's native format.
    QSettingsStore();
    // An INI file of its own, for tests and for a portable copy.
    explicit QSettingsStore(const QString& iniFile);
    ~QSettingsStore() override;

    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

    std::optional<std::string> Read(const std::string& name) override;
    void Write(const std::string& name, const std::string& value) override;
    bool Flush() override;

    // The file or registry path behind the store, for messages.
    QString Location() const;

  private:
    explicit QSettingsStore(std::unique_ptr<QSettings> settings);

    std::unique_ptr<QSettings> settings_;
};

}  // namespace orvane

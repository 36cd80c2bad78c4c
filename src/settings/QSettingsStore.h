#pragma once

#include <functional>
#include <map>
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
//
// A settings file is looked at before it is used. One that cannot be read is never
// written (it may still hold the player's credit); one that is damaged is copied beside
// itself before a fresh file replaces it; each case is told in OpeningProblems. Anything
// but a plain file of a sane size is not read at all. The file is kept for its owner alone.
class QSettingsStore final : public SettingsStore {
  public:
    static constexpr const char* Organization = "Tessaly Software";
    static constexpr const char* Application = "Orvane Cards";
    static constexpr const char* Group = ProgramVersion;
    static constexpr const char* DamagedInfix = ".damaged-";

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
    std::vector<std::string> OpeningProblems() const override { return problems_; }
    std::string WriteFailure() const override { return writeFailure_; }
    std::string Where() const override;
    bool WritesHeldBack() const override { return holdWrites_; }

    // The file or registry path behind the store, for messages.
    QString Location() const;
    // Whether the file held this version's mark when the game started: a run of this
    // version wrote it, so the record files beside it were written too.
    bool HeldThisVersion() const { return heldThisVersion_; }

  private:
    using SettingsMaker = std::function<std::unique_ptr<QSettings>()>;
    // path is where make's QSettings will read, looked at before it does; ownFolder: the
    // folder of that file is the game's alone.
    QSettingsStore(SettingsMaker make, QString path, bool ownFolder);

    void Open();
    void CheckFile();
    void SetDamagedFileAside(const QString& what);
    QString DescribeWriteFailure() const;

    SettingsMaker make_;
    QString path_;
    bool ownFolder_ = false;
    bool heldThisVersion_ = false;
    std::unique_ptr<QSettings> settings_;
    // Every value written in this run, so a fresh QSettings can take them up again after
    // a failed write (QSettings keeps reporting a failure once it has had one).
    std::map<std::string, std::string> written_;
    std::vector<std::string> problems_;
    std::string writeFailure_;
    bool holdWrites_ = false;
    bool reopen_ = false;
};

}  // namespace orvane

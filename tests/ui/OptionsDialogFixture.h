#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "forms/FatalError.h"
#include "forms/TfrmOptions.h"
#include "game/TOrvane.h"
#include "game/TableState.h"
#include "settings/MemoryStore.h"
#include "settings/TSettings.h"

class QAbstractButton;

namespace orvane {
class TFlatListBox;
}

namespace orvane::test {

// A memory store that also remembers every write, so a test sees that a save rewrote a
// value even when the value did not change.
class RecordingStore : public MemoryStore {
  public:
    void Write(const std::string& name, const std::string& value) override {
        Writes.push_back(name);
        MemoryStore::Write(name, value);
    }
    std::vector<std::string> Writes;
};

// What the settings held when one of the window's hooks ran, or when the store was saved.
struct Snapshot {
    std::string Step;
    bool SoundEnabled;
    int SoundThemeID;
    bool AutoHold;
    int GameSpeed;
    int DealDelay;
    int DupMode;
    bool AnimatedCards;
    int ThemeID;
    int CardLibraryID;
    std::string CardLibraryFile;
    bool StatsAtExit;
};

// The options dialog over settings loaded from a memory store, on a temporary program
// folder that holds made-up preview pictures. The window's hooks and the save are
// recorded; so are errors.
class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Stores a value before Load, as a previous run would have left it.
    void Store(const char* name, const char* value) { store_.MemoryStore::Write(name, value); }
    // Loads the store, then starts recording hooks and writes.
    void Load();
    // Creates the dialog and fills it; the dialog is shown (not modally) when filling
    // succeeded.
    bool Open(const QString& page = QStringLiteral("General"));

    template <typename T>
    T* Control(const char* name) const {
        T* control = dialog_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QAbstractButton* Button(const char* name) const;
    TFlatListBox* List(const char* name) const;

    // The player clicks an item of a list, on the page that holds it.
    void Pick(const char* list, int row);
    // The player clicks a check box or radio button, on the page that holds it.
    void Click(const char* button);

    QString PreviewPath(const QString& file) const { return folder_.filePath(file); }
    void RemovePreview(const QString& file) const;

    std::vector<std::string> Steps() const;

    QTemporaryDir folder_;
    RecordingStore store_;
    TableState table_;
    TOrvane meter_;
    std::unique_ptr<TSettings> settings_;
    std::unique_ptr<TfrmOptions> dialog_;
    std::vector<Snapshot> snapshots_;
    QStringList errors_;

  private:
    Snapshot Take(const char* step) const;
    void ShowPageOf(QWidget* control);

    FatalErrorReporter previousReporter_;
};

}  // namespace orvane::test

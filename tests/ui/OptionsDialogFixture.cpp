#include "OptionsDialogFixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QTabWidget>
#include <QTest>

#include "OptionsPreviews.h"
#include "widgets/TFlatListBox.h"
#include "widgets/TTabSheet.h"

namespace orvane::test {

void OptionsDialogTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    WritePreviews(folder_.path());
    settings_ = std::make_unique<TSettings>(store_, folder_.path().toStdString());
    previousReporter_ =
        SetFatalErrorReporter([this](const QString& text) { errors_.append(text); });
}

void OptionsDialogTest::TearDown() {
    dialog_.reset();
    SetFatalErrorReporter(previousReporter_);
}

void OptionsDialogTest::Load() {
    settings_->Load(table_, meter_);
    settings_->OnApplySoundTheme = [this] { snapshots_.push_back(Take("sound theme")); };
    settings_->OnApplyAnimation = [this] { snapshots_.push_back(Take("animation")); };
    settings_->OnApplyTheme = [this] { snapshots_.push_back(Take("theme")); };
    settings_->OnApplyCardLibrary = [this] { snapshots_.push_back(Take("card library")); };
    store_.Writes.clear();
}

bool OptionsDialogTest::Open(const QString& page) {
    dialog_ = std::make_unique<TfrmOptions>(nullptr, *settings_, [this] {
        snapshots_.push_back(Take("save"));
        settings_->Save(table_, meter_);
    });
    if (!dialog_->ShowOptions(page)) {
        return false;
    }
    dialog_->show();
    return true;
}

QAbstractButton* OptionsDialogTest::Button(const char* name) const {
    return Control<QAbstractButton>(name);
}

TFlatListBox* OptionsDialogTest::List(const char* name) const {
    return Control<TFlatListBox>(name);
}

void OptionsDialogTest::ShowPageOf(QWidget* control) {
    for (QWidget* w = control; w != nullptr; w = w->parentWidget()) {
        if (auto* sheet = qobject_cast<TTabSheet*>(w)) {
            Control<QTabWidget>("PageControl")->setCurrentWidget(sheet);
            return;
        }
    }
}

void OptionsDialogTest::Pick(const char* list, int row) {
    TFlatListBox* box = List(list);
    ShowPageOf(box);
    const QRect item = box->visualItemRect(box->item(row));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, item.center());
}

void OptionsDialogTest::Click(const char* button) {
    QAbstractButton* control = Button(button);
    ShowPageOf(control);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, control->height() / 2));
}

void OptionsDialogTest::RemovePreview(const QString& file) const {
    ASSERT_TRUE(QFile::remove(PreviewPath(file))) << file.toStdString();
}

std::vector<std::string> OptionsDialogTest::Steps() const {
    std::vector<std::string> steps;
    for (const Snapshot& s : snapshots_) {
        steps.push_back(s.Step);
    }
    return steps;
}

Snapshot OptionsDialogTest::Take(const char* step) const {
    const TSettings& s = *settings_;
    return {step,        s.SoundEnabled,  s.SoundThemeID,    s.AutoHold,
            s.GameSpeed, s.DealDelay,     s.DupMode,         s.AnimatedCards,
            s.ThemeID,   s.CardLibraryID, s.CardLibraryFile, s.StatsAtExit};
}

}  // namespace orvane::test

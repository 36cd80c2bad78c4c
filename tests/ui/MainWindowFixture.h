#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>
#include <vector>

#include "forms/FatalError.h"
#include "forms/MainTableDisplay.h"
#include "forms/TfrmMain.h"
#include "game/GameTable.h"
#include "settings/MemoryStore.h"
#include "settings/TSettings.h"
#include "view/TCard.h"
#include "widgets/TEffectLabel.h"
#include "widgets/TImageButton.h"
#include "widgets/TTintedPicture.h"

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// Waits recorded, not waited: a round runs at once. A test may act during a wait, as a
// player would while the table pauses.
class InstantPause : public Pause {
  public:
    explicit InstantPause(std::vector<int>& waits,
                          const std::function<void(int milliseconds)>* during = nullptr)
        : waits_(waits), during_(during) {}
    void Wait(int milliseconds) override {
        waits_.push_back(milliseconds);
        if (during_ != nullptr && *during_) {
            (*during_)(milliseconds);
        }
    }

  private:
    std::vector<int>& waits_;
    const std::function<void(int milliseconds)>* during_;
};

class SilentSound : public SoundBackend {
  public:
    void Play(const QString&) override {}
};

// Card faces and bonus pictures made on the spot: a plain picture for every resource of
// the libraries the window asks for, nothing for any other library.
QImage MadePicture(const QString& library, const QString& resource, qreal dpr);

// A main window on a temporary program folder, a memory store and a seeded deck; the
// error box, the exit question and notices are recorded instead of shown.
class MainWindowTest : public ::testing::Test {
  protected:
    // Deals queens: Q-high pair on the deal (slots 3 and 4 held), three queens on the draw.
    static constexpr std::uint32_t QueensSeed = 33;

    void SetUp() override;
    void TearDown() override;

    // realPause: the window's own event-processing waits instead of instant ones.
    TfrmMain& Open(std::uint32_t seed = QueensSeed, bool realPause = false);
    // What Open hands the window, on another settings store (a real file, say).
    MainWindowSetup Setup(SettingsStore& settingsStore, std::uint32_t seed = QueensSeed,
                          bool realPause = false);
    // Writes a plain picture of the background size under the program folder.
    void WriteBackground(const QString& file, const char* format = "BMP");
    void WriteFile(const QString& file);

    template <typename T = QWidget>
    T* Find(const QString& name) const {
        // The table's controls live on its surface, which full screen takes out of the
        // window's own children.
        T* widget = window->Surface()->findChild<T*>(name);
        if (widget == nullptr) {
            widget = window->findChild<T*>(name);
        }
        EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
        return widget;
    }
    QLabel* Label(int n) const { return Find<QLabel>(QStringLiteral("Label%1").arg(n)); }
    QString Text(const QString& name) const;
    TCard* HandCard(int slot) const {
        return window->Controls().HandCards[static_cast<std::size_t>(slot)];
    }
    TCard* DupCard(int i) const { return window->Controls().DupCards[static_cast<std::size_t>(i)]; }
    QColor ButtonColor(const QString& name) const { return Find<TImageButton>(name)->Color(); }
    QColor TextColor(QLabel* label) const { return label->palette().color(QPalette::WindowText); }
    void AddCredit(int times = 1);
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Once a modal dialog is up, hands it to `act` (which must close it). Records the
    // window title of every dialog so met in `dialogs`.
    void WhenModal(std::function<void(QWidget* dialog)> act);

    QTemporaryDir folder;
    MemoryStore store;
    QStringList errors;
    QStringList asked;
    QStringList informed;
    QList<QUrl> opened;
    QStringList dialogs;
    bool answer = true;
    std::vector<int> waits;
    // Runs inside every wait of the table (instant pauses only).
    std::function<void(int milliseconds)> duringWait;
    CardPictureSource pictures = MadePicture;
    // The whole-game figures of a pay table: none, at once, unless a test says otherwise,
    // so that no window test runs the exact engine over every deal.
    AnalysisService::FiguresJob payFigures = [](const Multipliers&, const std::atomic<bool>&,
                                                const std::function<void(double)>&) {
        return std::optional<advisor::PayTableFigures>();
    };
    std::unique_ptr<TfrmMain> window;

  private:
    FatalErrorReporter previous_;
};

inline const QColor Yellow(255, 255, 0);
inline const QColor Black(0, 0, 0);
// The won line's text: a darker red that keeps 4.5:1 on the white highlight.
inline const QColor WonLineRed(200, 0, 0);
// Classic's royal flush line, lightened to read on its dark panel.
inline const QColor ClassicRoyalRed(255, 128, 112);

}  // namespace orvane::test

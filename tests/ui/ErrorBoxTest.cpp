// The notice that reports damaged stored values, in the game's own frame with an error
// sign, stays on the screen and usable, however many values are damaged and however large
// they are.
#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/TfrmNotice.h"
#include "settings/SettingsSchema.h"

namespace orvane::test {
namespace {

class ErrorBox : public MainWindowTest {
  protected:
    // Every stored value but the version mark: 61 of them.
    int DamageEveryValue(const std::string& text) {
        int damaged = 0;
        for (const StoredValue& value : SettingsSchema()) {
            if (!value.IsVersionMark()) {
                store.Write(value.Name, text);
                ++damaged;
            }
        }
        return damaged;
    }

    struct Seen {
        bool shown = false;
        QRect box;
        QRect okButton;
        bool okVisible = false;
        bool listVisible = false;
        int listLines = 0;
        int listScrollRange = 0;
        QString text;
        bool errorSign = false;
    };

    // Opens the window with the real box, looks at the box and presses its OK button.
    Seen OpenAndLookAtTheBox() {
        Seen seen;
        WhenModal([&seen](QWidget* dialog) {
            auto* box = qobject_cast<TfrmNotice*>(dialog);
            ASSERT_NE(box, nullptr);
            seen.shown = true;
            seen.box = box->frameGeometry();
            auto* ok = box->findChild<QAbstractButton*>(QStringLiteral("btnOk"));
            ASSERT_NE(ok, nullptr);
            seen.okVisible = ok->isVisible();
            seen.okButton = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
            seen.text = box->Text();
            seen.errorSign = box->ShownSign() == TfrmNotice::Sign::Error;
            if (auto* list = box->findChild<QPlainTextEdit*>()) {
                seen.listVisible = list->isVisible();
                seen.listLines = list->document()->blockCount();
                seen.listScrollRange = list->verticalScrollBar()->maximum();
            }
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        const FatalErrorReporter recorder = SetFatalErrorReporter({});
        Open();
        SetFatalErrorReporter(recorder);
        return seen;
    }

    static QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(ErrorBox, EverySixtyOneDamagedValuesFitOnTheScreenInOneScrollingList) {
    const int damaged = DamageEveryValue("damaged");
    ASSERT_EQ(damaged, 61);
    const Seen seen = OpenAndLookAtTheBox();
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(dialogs, QStringList{QApplication::applicationName()});  // one box, its title
    EXPECT_TRUE(Screen().contains(seen.box)) << seen.box.height();
    EXPECT_TRUE(seen.okVisible);
    EXPECT_TRUE(Screen().contains(seen.okButton));
    EXPECT_TRUE(seen.text.startsWith(FatalErrorPrefix));
    EXPECT_TRUE(seen.errorSign);
    EXPECT_TRUE(seen.listVisible);
    EXPECT_EQ(seen.listLines, 61);
    EXPECT_GT(seen.listScrollRange, 0);
}

TEST_F(ErrorBox, HugeDamagedValuesAreCutShortAndTheBoxStaysOnTheScreen) {
    DamageEveryValue(std::string(100'000, 'x'));
    const Seen seen = OpenAndLookAtTheBox();
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(Screen().contains(seen.box)) << seen.box.width() << " x " << seen.box.height();
    EXPECT_TRUE(Screen().contains(seen.okButton));
    EXPECT_TRUE(seen.text.contains(QString(60, QLatin1Char('x')) + QStringLiteral("...")));
    EXPECT_LT(seen.text.size(), 1000);
}

TEST_F(ErrorBox, OneDamagedValueIsReportedAsBefore) {
    store.Write("Prize3", "abc");
    Open();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(FatalErrorPrefix + QStringLiteral("The stored setting")));
    EXPECT_FALSE(errors[0].contains(QLatin1Char('\n')));
}

TEST_F(ErrorBox, ManyDamagedValuesAreOneReportNamingEachOfThem) {
    DamageEveryValue("damaged");
    Open();
    ASSERT_EQ(errors.size(), 1);
    for (const char* name :
         {"\"BetStep\"", "\"Prize_stat11\"", "\"Orvane_State15\"", "\"DupMode\""}) {
        EXPECT_TRUE(errors[0].contains(QLatin1String(name))) << name;
    }
}

}  // namespace
}  // namespace orvane::test

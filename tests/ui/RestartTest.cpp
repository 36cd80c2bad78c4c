#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "settings/QSettingsStore.h"

namespace orvane::test {
namespace {

// Closing and starting again through the store the game really uses, an INI file here:
// what the player built up in one run is there in the next.
class Restart : public MainWindowTest {
  protected:
    TfrmMain& Start() {
        realStore = std::make_unique<QSettingsStore>(iniFolder.filePath("Orvane Cards.conf"));
        window = std::make_unique<TfrmMain>(Setup(*realStore));
        return *window;
    }

    void CloseAndForget() {
        window->show();
        ASSERT_TRUE(window->close());
        window.reset();
        realStore.reset();
    }

    QTemporaryDir iniFolder;
    std::unique_ptr<QSettingsStore> realStore;
};

TEST_F(Restart, CreditRecordsMetersAndOptionsComeBack) {
    WriteBackground(QStringLiteral("bm_mod.zqi"));
    Start();
    window->Settings().SaveCredit = true;
    window->Settings().SoundEnabled = false;
    window->Settings().ThemeID = 3;
    window->AddCredit(1000, true);
    window->btnDealClick();
    window->btnDealClick();  // three queens: a win on offer
    ASSERT_GT(window->Table().State().Win, 0);
    window->btnCashClick();  // collected
    const TableState before = window->Table().State();
    const Statistics counted = window->Settings().Counters;
    window->Table().Orvane().State[5] = 3;
    window->Table().State().OrvaneNumber = 9;
    CloseAndForget();

    Start();
    EXPECT_EQ(window->Table().State().Credit, before.Credit);
    EXPECT_EQ(Text("lblCredit"), QString::number(before.Credit));
    EXPECT_FALSE(window->Settings().SoundEnabled);
    EXPECT_EQ(window->Settings().ThemeID, 3);
    EXPECT_EQ(window->Settings().Counters.CreditIn, 1000);
    EXPECT_EQ(window->Settings().Counters.PrizeStat, counted.PrizeStat);
    // A new run counts its own session from zero.
    EXPECT_EQ(window->Settings().Counters.RunCreditIn, 0);
    EXPECT_EQ(window->Table().Orvane().State[5], 3);
    EXPECT_EQ(window->Table().State().OrvaneNumber, 9);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(Restart, CreditStaysOutWhenItIsNotToBeSaved) {
    Start();
    window->Settings().SaveCredit = false;
    window->AddCredit(500, true);
    CloseAndForget();

    Start();
    EXPECT_EQ(window->Table().State().Credit, 0);
    EXPECT_EQ(window->Settings().Counters.CreditIn, 500);
}

// A settings file read badly is told in the window's report with its path and where the
// damaged copy went, and the game starts with the defaults instead of claiming a failed
// write.
TEST_F(Restart, ADamagedSettingsFileIsToldAtStartAndKeptBeside) {
    const QString ini = iniFolder.filePath("Orvane Cards.conf");
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[2.4]\nLastCredit=800\n\0\0", 22));
    }
    Start();
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(
        errors[0].contains(QStringLiteral("The settings file %1 could not be read (it holds "
                                          "binary data, not text)")
                               .arg(QDir::toNativeSeparators(ini))))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("the damaged file was kept as ")));
    EXPECT_FALSE(errors[0].contains(QStringLiteral("could not be written")));
    EXPECT_EQ(
        QDir(iniFolder.path()).entryList({QStringLiteral("Orvane Cards.conf.damaged-*")}).size(),
        1);
    EXPECT_EQ(window->Table().State().Credit, 0);
    CloseAndForget();
    EXPECT_EQ(errors.size(), 1);
}

}  // namespace
}  // namespace orvane::test

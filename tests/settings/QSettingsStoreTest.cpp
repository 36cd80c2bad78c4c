#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "RecordingStore.h"
#include "settings/QSettingsStore.h"

namespace orvane::test {
namespace {

class QSettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString FileText() const {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("orvane.ini"));
};

TEST_F(QSettingsStoreTest, SavesEveryValueAsTextInTheVersionGroup) {
    {
        QSettingsStore store(path);
        Loaded s(store);
        s.table.Multiplier[1] = 2000;
        EXPECT_TRUE(s.Save().empty());
    }
    const QString text = FileText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("[2.4]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nPrize1=2000\n"))) << text.toStdString();

    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.childGroups(), QStringList{QStringLiteral("2.4")});
    EXPECT_EQ(raw.childKeys(), QStringList{});
    const QVariant speed = raw.value(QStringLiteral("2.4/GameSpeed"));
    EXPECT_EQ(speed.typeId(), QMetaType::QString);
    EXPECT_EQ(speed.toString(), QStringLiteral("2"));
}

TEST_F(QSettingsStoreTest, ReadsOnlyThisVersionsValues) {
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("2.3/Prize1"), QStringLiteral("7"));
        raw.setValue(QStringLiteral("2.4/Prize2"), QStringLiteral("600"));
    }
    QSettingsStore store(path);
    EXPECT_EQ(store.Read("Prize1"), std::nullopt);
    EXPECT_EQ(store.Read("Prize2"), "600");
    Loaded s(store);
    EXPECT_TRUE(s.Load().empty());
    EXPECT_EQ(s.table.Multiplier[1], 1100);
    EXPECT_EQ(s.table.Multiplier[2], 600);
}

TEST_F(QSettingsStoreTest, HandEditedListIsReportedNotReplaced) {
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[2.4]\nPrize5=1, 2\nPrize6= 8 \n");
    }
    QSettingsStore store(path);
    Loaded s(store);
    const SettingsReport report = s.Load();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_NE(report[0].find("\"Prize5\" holds \"1,2\""), std::string::npos) << report[0];
    EXPECT_EQ(s.table.Multiplier[5], 10);
    EXPECT_EQ(s.table.Multiplier[6], 8);
}

#ifndef Q_OS_WIN
// The player's own store, moved into a temporary configuration folder. Nothing is
// written unless the store really points there.
TEST(QSettingsUserStore, LivesInTheUsersConfigurationFolder) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QSettingsStore store;
    ASSERT_EQ(store.Location(),
              config.filePath(QStringLiteral("Tessaly Software/Orvane Cards.conf")));
    store.Write("Version", "2.4");
    EXPECT_TRUE(store.Flush());
    QSettings raw(store.Location(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("2.4/Version")).toString(), QStringLiteral("2.4"));
}
#endif

}  // namespace
}  // namespace orvane::test

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include "DialogDriver.h"
#include "OrvaneVersion.h"
#include "forms/TfrmAbout.h"

namespace orvane::test {
namespace {

QString SourceFile(const char* name) {
    QFile file(QStringLiteral(ORVANE_SOURCE_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                            : QString();
}

class AboutBox : public ::testing::Test {
  protected:
    AboutBox() { about = std::make_unique<TfrmAbout>(nullptr, folder.path()); }

    QString Text(const char* name) const { return Child<QLabel>(*about, name)->text(); }
    QPlainTextEdit* Memo() const { return Child<QPlainTextEdit>(*about, "Memo1"); }

    int CloseWith(std::function<void()> action) {
        WhenShown(*about, std::move(action));
        return about->exec();
    }

    QTemporaryDir folder;
    std::unique_ptr<TfrmAbout> about;
};

TEST_F(AboutBox, ShowsTheBuildsVersion) {
    EXPECT_EQ(Text("lblVersion"), QStringLiteral("Version: ") + QLatin1String(ProgramVersion));
    // The settings of every earlier run live under this version's name.
    EXPECT_EQ(Text("lblVersion"), "Version: 2.4");
}

TEST_F(AboutBox, NamesTheGameTheMakerAndTheLicence) {
    EXPECT_EQ(about->Title(), "About Orvane Cards");
    EXPECT_EQ(about->windowTitle(), "About Orvane Cards");
    EXPECT_EQ(Text("Label1"), "ORVANE CARDS");
    EXPECT_EQ(Text("Label2"), "Tessaly Software 2026");
    EXPECT_EQ(Text("Label4"), "Orvane Cards End User License Agreement");
}

TEST_F(AboutBox, TheMemoHoldsTheWholeLicenceAfterTheNotice) {
    const QString licence = SourceFile("LICENSE");
    ASSERT_FALSE(licence.isEmpty());
    const QString shown = Memo()->toPlainText();
    EXPECT_TRUE(shown.simplified().contains(licence.simplified()));
    EXPECT_TRUE(
        shown.startsWith(QLatin1String("Orvane Cards\nCopyright (C) 2026 Tessaly Software")))
        << shown.left(80).toStdString();
    for (const char* part : {"GPL-3.0-or-later", "WITHOUT ANY WARRANTY", "content/licenses/"}) {
        EXPECT_TRUE(shown.left(shown.indexOf(QLatin1String("GNU GENERAL PUBLIC LICENSE")))
                        .contains(QLatin1String(part)))
            << part;
    }
}

TEST_F(AboutBox, TheMemoIsReadOnlyAndScrolls) {
    EXPECT_TRUE(Memo()->isReadOnly());
    EXPECT_EQ(Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    about->show();
    EXPECT_GT(Memo()->verticalScrollBar()->maximum(), 0);
    about->hide();
}

TEST_F(AboutBox, EnterEscapeAndTheButtonCloseWithOk) {
    EXPECT_EQ(CloseWith([this] { PressKey(*about, Qt::Key_Escape); }), 1);
    EXPECT_EQ(CloseWith([this] { PressKey(*about, Qt::Key_Return); }), 1);
    EXPECT_EQ(CloseWith([this] { Click(*about, "btnClose"); }), 1);
    EXPECT_EQ(CloseWith([this] { Click(*about, "btnExit"); }), 2);
}

TEST_F(AboutBox, KeysCloseEvenFromTheMemo) {
    EXPECT_EQ(CloseWith([this] {
                  EXPECT_EQ(about->focusWidget(), Memo());
                  PressKey(*about, Qt::Key_Return);
              }),
              1);
    EXPECT_EQ(CloseWith([this] {
                  Memo()->setFocus();
                  PressKey(*about, Qt::Key_Escape);
              }),
              1);
}

TEST_F(AboutBox, ControlsSitWhereTheyWereLaidOut) {
    EXPECT_EQ(about->Client()->size(), QSize(513, 271));
    EXPECT_EQ(PlaceOf(*about, "fcImager1"), QRect(6, 23, 500, 72));
    EXPECT_EQ(PlaceOf(*about, "lblVersion"), QRect(382, 53, 121, 13));
    EXPECT_EQ(PlaceOf(*about, "Memo1"), QRect(6, 124, 329, 133));
    EXPECT_EQ(PlaceOf(*about, "btnClose"), QRect(404, 234, 100, 20));
    about->show();
    EXPECT_EQ(TabOrder(*about, "Memo1"), (QStringList{"Memo1", "btnClose"}));
}

TEST_F(AboutBox, AMissingBannerLeavesThePictureBlank) {
    EXPECT_TRUE(Child<QLabel>(*about, "fcImager1")->pixmap().isNull());
}

TEST_F(AboutBox, TheBannerComesFromTheProgramFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Data/gfx")));
    QImage banner(500, 72, QImage::Format_RGB32);
    banner.fill(Qt::red);
    ASSERT_TRUE(banner.save(folder.filePath(QStringLiteral("Data/gfx/flash.png"))));
    TfrmAbout withBanner(nullptr, folder.path() + QLatin1Char('/'));
    const QPixmap shown = Child<QLabel>(withBanner, "fcImager1")->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(500, 72));
    EXPECT_EQ(shown.toImage().pixelColor(10, 10), QColor(Qt::red));
}

}  // namespace
}  // namespace orvane::test

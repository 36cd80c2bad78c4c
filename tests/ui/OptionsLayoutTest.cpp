#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "OptionsDialogFixture.h"
#include "widgets/FlatLook.h"
#include "widgets/TFlatListBox.h"
#include "widgets/TTabSheet.h"

namespace orvane::test {

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect geometry;  // width and height 0: not fixed
    const char* text;
};

// Where every control sits, in its parent's coordinates, and what it reads.
const Placement Placements[] = {
    {"PageControl", "Client", {2, 25, 397, 351}, ""},
    {"btnOk", "Client", {295, 383, 100, 20}, "OK"},
    {"btnCancel", "Client", {188, 383, 100, 20}, "Cancel"},
    {"Visualization", "tsOptions", {7, 30, 180, 147}, "Visualization"},
    {"cbInteractiveButtons", "Visualization", {13, 24, 0, 0}, "Interactive buttons"},
    {"cbAnimatedCards", "Visualization", {13, 56, 0, 0}, "Animated cards"},
    {"cbAnimatedDupCards", "Visualization", {13, 88, 0, 0}, "Animated double-up cards"},
    {"cbAutoHold", "Visualization", {13, 117, 0, 0}, "Autohold"},
    {"FlatGroupBox1", "tsOptions", {7, 191, 180, 105}, "Deal Speed"},
    {"rbSpeedFast", "FlatGroupBox1", {14, 24, 0, 0}, "Fast"},
    {"rbSpeedNormal", "FlatGroupBox1", {14, 48, 0, 0}, "Normal"},
    {"rbSpeedSlow", "FlatGroupBox1", {14, 72, 0, 0}, "Slow"},
    {"FlatGroupBox2", "tsOptions", {200, 32, 182, 81}, "DoubleUp Game"},
    {"rbDupSmallBig", "FlatGroupBox2", {14, 24, 0, 0}, "Big/Small"},
    {"rbDupRedBlack", "FlatGroupBox2", {14, 48, 0, 0}, "Red/Black"},
    {"FlatGroupBox3", "tsOptions", {199, 126, 182, 171}, "Sounds"},
    {"cbSound", "FlatGroupBox3", {13, 25, 0, 0}, "Sound ON"},
    {"Label6", "FlatGroupBox3", {8, 56, 0, 0}, "Sound scheme:"},
    {"lbSounds", "FlatGroupBox3", {7, 77, 162, 34}, ""},
    {"Label27", "tsThemes", {8, 24, 0, 0}, "Theme browser"},
    {"lbThemes", "tsThemes", {8, 42, 185, 64}, ""},
    {"Label2", "tsThemes", {214, 24, 0, 0}, "Preview"},
    {"imgThemes", "tsThemes", {213, 42, 160, 124}, ""},
    {"Label1", "tsThemes", {8, 178, 0, 0}, "Card set browser"},
    {"lbCardLibrary", "tsThemes", {8, 196, 185, 49}, ""},
    {"imgCardSet", "tsThemes", {212, 192, 160, 124}, ""},
    {"cbFourColourDeck", "tsThemes", {8, 256, 0, 0}, "Four-colour deck"},
    {"cbStatsAtExit", "VqTabSheet1", {16, 32, 0, 0}, "Display the statistics at exit"},
    {"cbFullScreenAtStart", "VqTabSheet1", {16, 56, 0, 0}, "Start in fullscreen mode"},
    {"cbSaveCredit", "VqTabSheet1", {16, 79, 0, 0}, "Save credit on exit"},
    {"cbCreditAtStart", "VqTabSheet1", {16, 272, 0, 0}, "Display the credit dialog at startup"},
    {"cbReducedMotion", "VqTabSheet1", {16, 102, 0, 0}, "Reduced motion"},
};

QString TextOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

QStringList Items(const TFlatListBox* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        items << list->item(row)->text();
    }
    return items;
}

}  // namespace

TEST_F(OptionsDialogTest, EveryControlSitsInPlaceWithItsText) {
    Load();
    ASSERT_TRUE(Open());
    EXPECT_EQ(dialog_->Client()->size(), QSize(402, 414));
    EXPECT_EQ(dialog_->Title(), QStringLiteral("Orvane Cards - Options"));
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Orvane Cards - Options"));

    for (const Placement& p : Placements) {
        SCOPED_TRACE(p.name);
        const auto* widget = Control<QWidget>(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(p.parent));
        EXPECT_EQ(widget->pos(), p.geometry.topLeft());
        if (p.geometry.width() > 0) {
            EXPECT_EQ(widget->size(), p.geometry.size());
        }
        EXPECT_EQ(TextOf(widget), QString::fromLatin1(p.text));
    }

    EXPECT_EQ(Items(List("lbSounds")), QStringList({"Scheme 1", "Scheme 2"}));
    EXPECT_EQ(Items(List("lbThemes")), QStringList({"Classic", "Green", "Modern", "Wood"}));
    EXPECT_EQ(Items(List("lbCardLibrary")),
              QStringList({"Card Set 1", "Card Set 2", "Card Set 3"}));
}

TEST_F(OptionsDialogTest, PagesCarryTheirTabsAndHeaders) {
    Load();
    ASSERT_TRUE(Open());
    auto* pages = Control<QTabWidget>("PageControl");
    ASSERT_EQ(pages->count(), 3);
    const std::tuple<const char*, const char*, const char*> expected[] = {
        {"tsOptions", "General", " GENERAL OPTIONS"},
        {"tsThemes", "Themes", " THEMES"},
        {"VqTabSheet1", "Advanced", " ADVANCED OPTIONS"}};
    for (int i = 0; i < 3; ++i) {
        const auto& [sheet, tab, header] = expected[i];
        SCOPED_TRACE(sheet);
        pages->setCurrentIndex(i);
        auto* page = qobject_cast<TTabSheet*>(pages->widget(i));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->objectName(), QString::fromLatin1(sheet));
        EXPECT_EQ(pages->tabText(i), QString::fromLatin1(tab));
        EXPECT_EQ(page->Header()->text(), QString::fromLatin1(header));
        EXPECT_TRUE(page->Header()->font().bold());
        EXPECT_EQ(page->Header()->geometry(), QRect(0, 0, page->width(), 17));
    }
}

// The pages as the player sees them: the header green, a chosen list item in reverse,
// the card preview over the dialog's green. With ORVANE_GRAB_DIR set the pages are also
// saved there as pictures, to look at.
TEST_F(OptionsDialogTest, PagesDrawYellowOnGreen) {
    Store("ThemeID", "3");
    Load();
    ASSERT_TRUE(Open(QStringLiteral("Themes")));
    auto* pages = Control<QTabWidget>("PageControl");
    const QString grabs = qEnvironmentVariable("ORVANE_GRAB_DIR");
    const char* names[] = {"general", "themes", "advanced"};
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        const QImage shot = dialog_->grab().toImage();
        if (!grabs.isEmpty()) {
            shot.save(QDir(grabs).filePath(QStringLiteral("dialog-options-%1.png").arg(names[i])));
        }
    }

    pages->setCurrentWidget(Control<QWidget>("tsThemes"));
    QWidget* page = pages->currentWidget();
    const QImage shot = page->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(page->width() - 3, 8)), FlatLook::HeaderGreen);

    TFlatListBox* themes = List("lbThemes");
    const QRect chosen = themes->visualItemRect(themes->item(2));
    const QImage list = themes->grab().toImage();
    const QPoint inChosen =
        themes->viewport()->mapTo(themes, QPoint(chosen.right() - 4, chosen.center().y()));
    EXPECT_EQ(QColor(list.pixel(inChosen)), FlatLook::Yellow);
    const QRect other = themes->visualItemRect(themes->item(0));
    const QPoint inOther =
        themes->viewport()->mapTo(themes, QPoint(other.right() - 4, other.center().y()));
    EXPECT_EQ(QColor(list.pixel(inOther)), FlatLook::WellGreen);
    EXPECT_EQ(themes->visualItemRect(themes->item(3)).height(), TFlatListBox::ItemHeight);
    EXPECT_LE(themes->visualItemRect(themes->item(3)).bottom(), themes->viewport()->height())
        << "all four themes fit without scrolling";

    QWidget* cards = Control<QWidget>("imgCardSet");
    const QImage cardShot = cards->grab().toImage();
    EXPECT_EQ(QColor(cardShot.pixel(2, 60)), FlatLook::DialogGreen) << "white lets green through";
}

TEST(FlatListBox, KeepsAChoiceTheListLacksAndReportsOnlyThePlayersChoices) {
    TFlatListBox list({"one", "two"});
    QSignalSpy clicks(&list, &TFlatListBox::Click);
    list.SetItemIndex(5);
    EXPECT_EQ(list.ItemIndex(), 5);
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
    list.SetItemIndex(1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(clicks.count(), 0);

    list.show();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list.ItemIndex(), 0);

    const QPoint chosen = list.visualItemRect(list.item(0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, chosen);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(5, list.viewport()->height() - 2));
    EXPECT_EQ(list.selectedItems().size(), 1) << "the choice stays shown";
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.ItemIndex(), 0);
}

}  // namespace orvane::test

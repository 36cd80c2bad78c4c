// Start-up checks the content against the build's manifest: damaged files are named in one
// message, a damaged card library gives way to a whole one, and with none whole the
// machine is out of service and takes no bet.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

#include "MainWindowFixture.h"
#include "forms/DeckPictures.h"
#include "forms/TfrmNotice.h"
#include "platform/ContentManifest.h"

namespace orvane::test {
namespace {

const QString SetOne = QStringLiteral("zqcsrl_pi.dll");
const QString SetTwo = QStringLiteral("zqcsrl_pl.dll");
const QString SetThree = QStringLiteral("zqcsrl_asi.dll");

class StartupContentTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // Every card set gives its pictures, unless the test takes one away.
        pictures = [this](const QString& library, const QString& name, qreal) {
            if (!library.startsWith(QLatin1String("zqcsrl_")) || refused.contains(name)) {
                return QImage();
            }
            // Once installed, a library file that is not whole gives no picture, as the
            // real decoder does.
            QFile file(folder.filePath(library));
            if (installed && (!file.open(QIODevice::ReadOnly) ||
                              file.readAll() != "qres library " + library.toLatin1())) {
                return QImage();
            }
            QImage picture(140, 208, QImage::Format_RGB32);
            picture.fill(Qt::white);
            return picture;
        };
    }

    // The three library files, whole, and a manifest that lists them.
    void InstallLibraries() {
        installed = true;
        QByteArray manifest;
        for (const QString& file : {SetOne, SetTwo, SetThree}) {
            const QByteArray bytes = "qres library " + file.toLatin1();
            QFile out(folder.filePath(file));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes);
            manifest += QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " +
                        QByteArray::number(bytes.size()) + "  " + file.toLatin1() + "\n";
        }
        QDir(folder.path()).mkpath(QStringLiteral("Data"));
        QFile out(folder.filePath(QString::fromLatin1(ContentManifest::FileName)));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(ContentManifest::Sealed(manifest));
    }
    void Garble(const QString& file) {
        QFile out(folder.filePath(file));
        ASSERT_TRUE(out.open(QIODevice::ReadWrite));
        out.write("QRES");
    }
    QString Message() const { return informed.isEmpty() ? QString() : informed.join(u'|'); }
    void Deal() {
        AddCredit();
        window->btnDealClick();
    }

    QStringList refused;
    bool installed = false;
};

TEST_F(StartupContentTest, WithoutAManifestNothingIsCheckedOrSaid) {
    Open();
    EXPECT_TRUE(informed.isEmpty()) << Message().toStdString();
    Deal();
    EXPECT_EQ(Text("lblCredit"), "95");
}

// Without the list of files, or with one cut short or changed, no file can be checked by
// its digest: the list is named, the card sets are still checked picture by picture, and
// a whole set deals in place of the damaged one. None of the whole sets is blamed.
class DamagedListTest : public StartupContentTest,
                        public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(DamagedListTest, IsToldAndTheCardSetsAreStillChecked) {
    const auto [listDamage, removeLibrary] = GetParam();
    InstallLibraries();
    const QString list = folder.filePath(QString::fromLatin1(ContentManifest::FileName));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    file.close();
    const char* said = "is damaged, so the other files cannot be checked";
    switch (listDamage) {
        case 0:
            ASSERT_TRUE(QFile::remove(list));
            said = "is missing, so the other files cannot be checked";
            break;
        case 1:  // cut after its first line
            bytes.truncate(bytes.indexOf('\n') + 1);
            break;
        case 2:  // one byte changed within the last set's name
            bytes[bytes.indexOf(SetThree.toLatin1()) + 3] ^= 0x01;
            break;
    }
    if (listDamage != 0) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
    }
    if (removeLibrary) {
        ASSERT_TRUE(QFile::remove(folder.filePath(SetOne)));
    } else {
        ASSERT_TRUE(QFile(folder.filePath(SetOne)).resize(10));
    }
    Open();
    ASSERT_EQ(informed.size(), 1);
    EXPECT_TRUE(Message().contains(QLatin1String(said))) << Message().toStdString();
    EXPECT_TRUE(Message().contains(QLatin1String(
        "\"zqcsrl_pi.dll\" is damaged: the card picture CARD_BACK_1 cannot be shown")))
        << Message().toStdString();
    for (const QString& whole : {SetTwo, SetThree}) {
        EXPECT_FALSE(Message().contains(whole + QStringLiteral("\" is")))
            << Message().toStdString();
    }
    EXPECT_EQ(window->Settings().CardLibraryID, 2);
    Deal();
    EXPECT_EQ(Text("lblCredit"), "95");
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_FALSE(HandCard(slot)->Picture.isNull()) << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(RemovedCutOrChanged, DamagedListTest,
                         ::testing::Combine(::testing::Values(0, 1, 2), ::testing::Bool()));

TEST_F(StartupContentTest, WholeContentSaysNothing) {
    InstallLibraries();
    Open();
    EXPECT_TRUE(informed.isEmpty()) << Message().toStdString();
    EXPECT_EQ(HandCard(1)->LibraryFile, SetOne);
}

TEST_F(StartupContentTest, DamagedLibraryIsNamedAndAWholeOneTakesItsPlace) {
    InstallLibraries();
    Garble(SetOne);
    Open();
    ASSERT_EQ(informed.size(), 1);
    const QString message = informed[0];
    EXPECT_TRUE(message.contains(QLatin1String("\"zqcsrl_pi.dll\" is damaged")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("Card Set 2"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(folder.path())));
    EXPECT_EQ(window->Settings().CardLibraryID, 2);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(HandCard(slot)->LibraryFile, SetTwo) << slot;
    }
    Deal();
    EXPECT_EQ(Text("lblCredit"), "95");
    EXPECT_FALSE(HandCard(1)->Picture.isNull());
}

// With no preset answer the message is a notice in the game's own frame, shown before
// the window, and Enter closes it.
TEST_F(StartupContentTest, WithoutAPresetAnswerTheMessageIsANoticeInTheGamesFrame) {
    InstallLibraries();
    Garble(SetOne);
    QString shown;
    bool information = false;
    WhenModal([&](QWidget* dialog) {
        auto* notice = qobject_cast<TfrmNotice*>(dialog);
        ASSERT_NE(notice, nullptr);
        shown = notice->Text();
        information = notice->ShownSign() == TfrmNotice::Sign::Information;
        QTest::keyClick(notice->focusWidget(), Qt::Key_Return);
    });
    MainWindowSetup setup = Setup(store);
    setup.Inform = {};
    window = std::make_unique<TfrmMain>(std::move(setup));
    EXPECT_TRUE(shown.contains(QLatin1String("\"zqcsrl_pi.dll\" is damaged")))
        << shown.toStdString();
    EXPECT_TRUE(information);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("Orvane Cards")});
}

TEST_F(StartupContentTest, MissingAndTruncatedLibrariesAreToldApart) {
    InstallLibraries();
    QFile::remove(folder.filePath(SetOne));
    QFile(folder.filePath(SetTwo)).resize(4);
    Open();
    ASSERT_EQ(informed.size(), 1);
    EXPECT_TRUE(Message().contains(QLatin1String("\"zqcsrl_pi.dll\" is missing")));
    EXPECT_TRUE(Message().contains(QLatin1String("\"zqcsrl_pl.dll\" is damaged: it is cut short")));
    EXPECT_EQ(window->Settings().CardLibraryID, 3);
}

TEST_F(StartupContentTest, RejectedCardFaceCountsAsADamagedLibrary) {
    InstallLibraries();
    refused << QStringLiteral("CARD_14");
    store.Write("CardLibraryID", "2");
    Open();
    ASSERT_EQ(informed.size(), 1);
    EXPECT_TRUE(
        Message().contains(QLatin1String("\"zqcsrl_pl.dll\" is damaged: the card picture "
                                         "CARD_14 cannot be shown")));
    // Every set refuses it here, so none is whole.
    EXPECT_TRUE(window->Table().OutOfService());
}

TEST_F(StartupContentTest, NoWholeLibraryPutsTheMachineOutOfService) {
    InstallLibraries();
    for (const QString& file : {SetOne, SetTwo, SetThree}) {
        Garble(file);
    }
    store.Write("LastCredit", "300");
    Open();
    ASSERT_EQ(informed.size(), 1);
    for (const char* file : {"zqcsrl_pi.dll", "zqcsrl_pl.dll", "zqcsrl_asi.dll"}) {
        EXPECT_TRUE(Message().contains(QLatin1String(file))) << file;
    }
    EXPECT_TRUE(Message().contains(QLatin1String("OUT OF SERVICE")));
    EXPECT_EQ(Text("lblMessage"), "OUT OF SERVICE");

    window->btnDealClick();
    Key(Qt::Key_Return);
    EXPECT_EQ(Text("lblCredit"), "300") << "no bet charged";
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Idle);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_TRUE(HandCard(slot)->ShowBack) << slot;
    }
    // Adding and cashing out still work, and the banner keeps saying so whatever the
    // rules ask it to show.
    AddCredit();
    EXPECT_EQ(Text("lblCredit"), "400");
    window->Table().Start(1);  // asks for "INSERT COIN !" and the idle animation
    EXPECT_EQ(Text("lblMessage"), "OUT OF SERVICE");
    EXPECT_EQ(window->Table().CashOut(true), CreditChange::Done);
    EXPECT_EQ(Text("lblMessage"), "OUT OF SERVICE");
}

TEST_F(StartupContentTest, ADamagedSetChosenInTheOptionsIsRefusedAndTheCardsStay) {
    InstallLibraries();
    Garble(SetTwo);
    Open();
    ASSERT_EQ(informed.size(), 1) << "the start-up message names the damaged set";
    window->Settings().CardLibraryID = 2;
    window->Settings().ApplyCardLibrary();  // what OK in the options does
    EXPECT_TRUE(QTest::qWaitFor([this] { return informed.size() == 2; }));
    ASSERT_EQ(informed.size(), 2);
    EXPECT_TRUE(informed[1].contains(QLatin1String("Card Set 2")) &&
                informed[1].contains(QLatin1String("cannot be used")))
        << informed[1].toStdString();
    EXPECT_EQ(window->Settings().CardLibraryID, 1) << "the stored choice stays the set shown";
    EXPECT_EQ(HandCard(1)->LibraryFile, SetOne);

    window->Settings().CardLibraryID = 3;
    window->Settings().ApplyCardLibrary();
    EXPECT_EQ(window->Settings().CardLibraryID, 3);
    EXPECT_EQ(HandCard(1)->LibraryFile, SetThree);
}

TEST_F(StartupContentTest, AWholeSetChosenLaterPutsTheMachineBackInService) {
    InstallLibraries();
    const QByteArray whole = "qres library " + SetThree.toLatin1();
    for (const QString& file : {SetOne, SetTwo, SetThree}) {
        Garble(file);
    }
    store.Write("LastCredit", "300");
    Open();
    ASSERT_TRUE(window->Table().OutOfService());
    {
        QFile mended(folder.filePath(SetThree));  // the game installed again meanwhile
        ASSERT_TRUE(mended.open(QIODevice::WriteOnly));
        mended.write(whole);
    }
    window->Settings().CardLibraryID = 1;  // still damaged: refused, still out of service
    window->Settings().ApplyCardLibrary();
    EXPECT_TRUE(window->Table().OutOfService());
    EXPECT_EQ(Text("lblMessage"), "OUT OF SERVICE");

    window->Settings().CardLibraryID = 3;
    window->Settings().ApplyCardLibrary();
    EXPECT_FALSE(window->Table().OutOfService());
    EXPECT_NE(Text("lblMessage"), "OUT OF SERVICE");
    EXPECT_EQ(HandCard(1)->LibraryFile, SetThree);
    window->btnDealClick();
    EXPECT_EQ(Text("lblCredit"), "295") << "the machine deals again";
}

TEST_F(StartupContentTest, StoredNumbersOutOfRangeFallBackAndAreExplained) {
    store.Write("CardLibraryID", "9");
    store.Write("ThemeID", "0");
    Open();
    ASSERT_EQ(informed.size(), 1);
    EXPECT_TRUE(Message().contains(QLatin1String("card set number 9")));
    EXPECT_TRUE(Message().contains(QLatin1String("theme number 0")));
    EXPECT_EQ(window->Settings().CardLibraryID, 1);
    EXPECT_EQ(window->Settings().ThemeID, 1);
    EXPECT_EQ(HandCard(1)->LibraryFile, SetOne);
    EXPECT_EQ(Find("pnlMain")->palette().color(QPalette::Window), QColor(108, 24, 24));
    EXPECT_FALSE(Find<QLabel>("imgBackground")->pixmap().isNull());
    Deal();
    EXPECT_EQ(Text("lblCredit"), "95");
}

TEST_F(StartupContentTest, OversizedWindowPictureIsRefusedAndOthersStay) {
    QDir(folder.path()).mkpath(QStringLiteral("Data/gfx"));
    QImage huge(600, 600, QImage::Format_RGB32);
    huge.fill(Qt::yellow);
    ASSERT_TRUE(huge.save(folder.filePath(QStringLiteral("Data/gfx/star.png"))));
    QImage lamp(21, 20, QImage::Format_RGB32);
    lamp.fill(Qt::red);
    ASSERT_TRUE(lamp.save(folder.filePath(QStringLiteral("Data/gfx/lamp.png"))));
    Open();
    EXPECT_FALSE(Find<TTintedPicture>("imgStarL1")->HasPicture());
    EXPECT_TRUE(Find<TTintedPicture>("imgOrvaneState1")->HasPicture());
}

TEST_F(StartupContentTest, OversizedBackgroundIsReportedLikeAnUnreadableOne) {
    QImage huge(3100, 600, QImage::Format_RGB32);
    huge.fill(Qt::green);
    ASSERT_TRUE(huge.save(folder.filePath(QStringLiteral("bm_clas.zqi")), "BMP"));
    Open();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QLatin1String("far beyond"))) << errors[0].toStdString();
    EXPECT_TRUE(Find<QLabel>("imgBackground")->pixmap().isNull());
}

// A four-colour card that cannot be read comes from the plain library it was drawn from; a
// whole four-colour library is used as it is, and other files have nothing to fall back on.
TEST(DeckPictures, AFourColourCardThatCannotBeReadComesFromItsPlainLibrary) {
    QStringList whole{QStringLiteral("zqcsrl_pl.dll"), QStringLiteral("zqcsrl_asi.dll"),
                      QStringLiteral("zqcsrl_asi_4c.dll")};
    const CardPictureSource pictures =
        WithPlainDeckFallback([&whole](const QString& file, const QString&, qreal) {
            QImage picture(1, 1, QImage::Format_RGB32);
            picture.fill(qRgb(0, 0, static_cast<int>(whole.indexOf(file)) * 100));
            return whole.contains(file) ? picture : QImage();
        });
    const auto blueOf = [&pictures](const char* file) {
        const QImage picture = pictures(QString::fromLatin1(file), QStringLiteral("CARD_1"), 1);
        return picture.isNull() ? -1 : qBlue(picture.pixel(0, 0));
    };
    EXPECT_EQ(blueOf("zqcsrl_pl_4c.dll"), 0);     // from zqcsrl_pl.dll
    EXPECT_EQ(blueOf("zqcsrl_asi_4c.dll"), 200);  // its own
    EXPECT_EQ(blueOf("zqcsrl_pi_4c.dll"), -1);    // neither is there
    EXPECT_EQ(blueOf("zqmrl.dll"), -1);
}

}  // namespace
}  // namespace orvane::test

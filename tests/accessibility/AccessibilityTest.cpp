// What a screen reader is told about the table, read through Qt's accessibility interface.
// Qt raises accessibility events only while an accessibility bus listens, so this program
// runs on a display with a private session bus (see CMakeLists.txt).
#include <QAccessible>
#include <QElapsedTimer>

#include "MainWindowFixture.h"
#include "game/SpokenWords.h"

namespace orvane::test {
namespace {

QStringList* heard = nullptr;

// Every name a control changes to, in order.
void Hear(QAccessibleEvent* event) {
    QAccessibleInterface* face = event->accessibleInterface();
    if (heard != nullptr && face != nullptr && event->type() == QAccessible::NameChanged) {
        heard->append(face->text(QAccessible::Name));
    }
}

QString Spoken(QObject* control, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face == nullptr ? QStringLiteral("<none>") : face->text(text);
}

class AccessibilityTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QElapsedTimer waited;
        waited.start();
        while (!QAccessible::isActive() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus answered";
        previous_ = QAccessible::installUpdateHandler(Hear);
        heard = &said;
    }
    void TearDown() override {
        heard = nullptr;
        QAccessible::installUpdateHandler(previous_);
        MainWindowTest::TearDown();
    }
    QStringList said;

  private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(AccessibilityTest, TheTableSaysItsCardsMetersAndMessages) {
    TfrmMain& w = Open();
    AddCredit(11);
    EXPECT_EQ(Spoken(Find(QStringLiteral("lblCredit"))), "Credit 1,100");
    EXPECT_EQ(Spoken(Label(5)), Spoken(Label(16)));
    EXPECT_EQ(Spoken(Label(5)), QStringLiteral("FULL HOUSE %1").arg(Label(16)->text()));

    said.clear();
    Key(Qt::Key_Return);
    for (int slot = 1; slot <= 5; ++slot) {
        const Card& card = w.Table().State().HandCard(slot);
        EXPECT_EQ(Spoken(HandCard(slot)), QString::fromStdString(SpokenCardName(card))) << slot;
        EXPECT_EQ(Spoken(HandCard(slot), QAccessible::Description), card.Held ? "held" : "")
            << slot;
    }
    EXPECT_TRUE(Spoken(HandCard(3)).startsWith("Queen of")) << Spoken(HandCard(3)).toStdString();
    EXPECT_EQ(Spoken(HandCard(3), QAccessible::Description), "held");
    EXPECT_TRUE(said.contains(QStringLiteral("HOLD AND DRAW CARDS")))
        << said.join('|').toStdString();
    EXPECT_TRUE(said.contains(Spoken(Find(QStringLiteral("lblCredit"))))) << "the charged credit";
    EXPECT_FALSE(said.contains(Spoken(Label(5)))) << "the pay table, drawn again unchanged";

    said.clear();
    Key(Qt::Key_1);
    EXPECT_EQ(said.filter(QStringLiteral(" held")), QStringList(Spoken(HandCard(1)) + " held"));
    Key(Qt::Key_1);
    said.clear();
    Key(Qt::Key_Return);  // three queens on the draw
    EXPECT_TRUE(said.contains(QStringLiteral("WINNER"))) << said.join('|').toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("THREE OF A KIND wins %1").arg(w.Table().State().Win)))
        << said.join('|').toStdString();

    said.clear();
    Key(Qt::Key_2);  // a guess: small
    const QString guess = said.filter(QStringLiteral(", right, win")).join(QString()) +
                          said.filter(QStringLiteral(", wrong, win lost")).join(QString());
    EXPECT_FALSE(guess.isEmpty()) << said.join('|').toStdString();
}

}  // namespace
}  // namespace orvane::test

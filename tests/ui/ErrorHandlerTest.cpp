#include <QCoreApplication>
#include <stdexcept>

#include "MainWindowFixture.h"

namespace orvane::test {
namespace {

class Thrower : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            throw std::runtime_error("the handler broke");
        }
        return QObject::event(e);
    }
};

using ErrorHandler = MainWindowTest;

TEST_F(ErrorHandler, AnErrorLeavingAHandlerIsShownAndTheProgramGoesOn) {
    Thrower thrower;
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&thrower, &event));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Fatal error ! the handler broke")});
}

TEST_F(ErrorHandler, AFailedDealReopensTheTable) {
    bool broken = false;  // whole at start-up, which checks every card picture
    pictures = [&broken](const QString& library, const QString& name, qreal dpr) {
        if (broken && name == QLatin1String("CARD_42")) {
            throw std::runtime_error("card picture damaged");
        }
        return MadePicture(library, name, dpr);
    };
    Open();
    broken = true;
    AddCredit();
    Key(Qt::Key_Return);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Fatal error ! card picture damaged")});
    EXPECT_TRUE(window->Table().State().Ready);

    broken = false;
    Key(Qt::Key_Return);
    EXPECT_EQ(window->Table().State().RoundState, RoundPhase::Dealt);
    EXPECT_EQ(errors.size(), 1);
}

}  // namespace
}  // namespace orvane::test

#include "TableAccess.h"

#include <QAccessible>
#include <QWidget>

#include "widgets/TEffectLabel.h"
#include "widgets/TImageButton.h"
#include "widgets/TShapeButton.h"

namespace orvane {

namespace {

void Name(QWidget* widget, const char* name, const char* keys = nullptr) {
    if (widget == nullptr) {
        return;
    }
    widget->setAccessibleName(QString::fromLatin1(name));
    if (keys != nullptr) {
        widget->setAccessibleDescription(QString::fromLatin1(keys));
    }
}

}  // namespace

void NameTableControls(const MainControls& c) {
    Name(c.fcShapeBtn[1], "Credit menu", "F10 or Alt");
    Name(c.fcShapeBtn[2], "Options menu", "O");
    Name(c.fcShapeBtn[3], "Help menu", "H");
    Name(c.btnMinimize, "Minimise");
    Name(c.btnExit, "Exit game");
    Name(c.pnlMain, "Pay table");
    Name(c.pnlDoubleUp, "Double-up");
    // The game buttons keep the name their face shows (HOLD 1, or SMALL while a win is
    // offered); their keys go in the description.
    const char* keys[] = {"Key 1 or Z",
                          "Key 2, X or Y",
                          "Key 3 or C",
                          "Key 4 or V",
                          "Key 5 or B",
                          "Key 7 or N",
                          "Key 8, M, Enter or Space",
                          "Key 6 or A"};
    for (std::size_t b = 0; b < c.Buttons.size(); ++b) {
        c.Buttons[b]->setAccessibleDescription(QString::fromLatin1(keys[b]));
    }
    // Tab goes over the table first, in the order the buttons stand, then the strip.
    QWidget* const order[] = {c.btnHold(1),
                              c.btnHold(2),
                              c.btnHold(3),
                              c.btnHold(4),
                              c.btnHold(5),
                              c.Button(GameButton::Bet),
                              c.Button(GameButton::Cash),
                              c.Button(GameButton::Deal),
                              c.fcShapeBtn[1],
                              c.fcShapeBtn[2],
                              c.fcShapeBtn[3],
                              c.btnMinimize,
                              c.btnExit};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void SetSpokenName(QWidget* widget, const QString& words) {
    if (widget->accessibleName() != words) {
        widget->setAccessibleName(words);
    }
}

void AnnounceOn(QWidget* widget, const QString& words) {
    if (widget->accessibleName() != words) {
        widget->setAccessibleName(words);  // tells of the change itself
        return;
    }
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace orvane

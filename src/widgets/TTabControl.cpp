#include "TTabControl.h"

#include <QPainter>
#include <QTabBar>

#include "TFocusTabBar.h"

namespace orvane {

namespace {

const QColor BodyGreen(0x0B, 0x62, 0x06);
const QColor RimLight(150, 200, 100);
const QColor RimDark(0x00, 0x30, 0x00);

// The tabs are flat cards in the dialog's greens; the chosen one joins the body.
const char* const TabStyle = R"(
QTabBar { background: transparent; }
QTabBar::tab {
    color: #ffff00;
    background: #003c00;
    border: 1px solid #5c8a3c;
    border-bottom: none;
    border-top-left-radius: 3px;
    border-top-right-radius: 3px;
    padding: 2px 14px 3px 14px;
    margin-top: 3px;
    margin-right: 2px;
}
QTabBar::tab:selected {
    background: #0b6206;
    border-color: #96c864;
    margin-top: 0px;
    padding-bottom: 5px;
}
QTabBar::tab:hover:!selected { background: #0a4c06; }
)";

}  // namespace

TTabControl::TTabControl(const QStringList& tabs, QWidget* parent) : QWidget(parent) {
    tabs_ = new TFocusTabBar(this);
    tabs_->setObjectName(QStringLiteral("Tabs"));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setStyleSheet(QString::fromLatin1(TabStyle));
    for (const QString& tab : tabs) {
        tabs_->addTab(tab);
    }
    tabs_->move(2, 0);
    tabs_->resize(tabs_->sizeHint().width(), TabHeight);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        update();  // the opening into the body moves with the chosen tab
        emit CurrentChanged(index);
    });
}

int TTabControl::CurrentIndex() const {
    return tabs_->currentIndex();
}

void TTabControl::SetCurrentIndex(int index) {
    tabs_->setCurrentIndex(index);
}

void TTabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect body = rect().adjusted(0, TabHeight, -1, -1);
    painter.fillRect(body, BodyGreen);
    painter.setPen(RimLight);
    painter.drawLine(body.topLeft(), body.topRight());
    painter.drawLine(body.topLeft(), body.bottomLeft());
    painter.setPen(RimDark);
    painter.drawLine(body.bottomLeft(), body.bottomRight());
    painter.drawLine(body.topRight(), body.bottomRight());
    // The chosen tab opens into the body: no rim between them.
    const QRect chosen = tabs_->tabRect(tabs_->currentIndex()).translated(tabs_->pos());
    if (chosen.isValid()) {
        painter.setPen(BodyGreen);
        painter.drawLine(chosen.left() + 1, body.top(), chosen.right() - 1, body.top());
    }
}

}  // namespace orvane

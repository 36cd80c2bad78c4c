#include "TFlatPageControl.h"

#include <QPainter>
#include <QTabBar>

#include "FlatLook.h"
#include "TFocusTabBar.h"

namespace orvane {

namespace {

QString TabStyle() {
    using namespace FlatLook;
    return QStringLiteral(
               "QTabBar::tab { background: %1; color: %2; border: 1px solid %3;"
               " border-bottom: none; padding: 2px 12px; margin-right: 2px; height: 15px; }"
               "QTabBar::tab:hover:!selected { background: %4; color: %5; }"
               "QTabBar::tab:selected { background: %6; color: %5; font-weight: bold; }")
        .arg(CssRgb(WellGreen), CssRgb(DimYellow), CssRgb(Rim), CssRgb(HoverGreen), CssRgb(Yellow),
             CssRgb(HeaderGreen));
}

}  // namespace

TFlatPageControl::TFlatPageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new TFocusTabBar(this));
    tabBar()->setStyleSheet(TabStyle());
    tabBar()->setAttribute(Qt::WA_Hover);
    tabBar()->setCursor(Qt::PointingHandCursor);
    tabBar()->setDrawBase(false);
}

void TFlatPageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int paneTop = tabBar()->geometry().bottom();
    const QRect pane(0, paneTop, width(), height() - paneTop);
    painter.fillRect(pane, FlatLook::DialogGreen);
    painter.setPen(FlatLook::Rim);
    painter.drawRect(pane.adjusted(0, 0, -1, -1));
}

}  // namespace orvane

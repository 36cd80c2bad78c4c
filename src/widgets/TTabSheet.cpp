#include "TTabSheet.h"

#include <QLabel>
#include <QResizeEvent>

#include "FlatLook.h"

namespace orvane {

TTabSheet::TTabSheet(const QString& header, QWidget* parent) : QWidget(parent) {
    header_ = new QLabel(header, this);
    header_->setObjectName(QStringLiteral("lblHeader"));
    QFont bold = header_->font();
    bold.setBold(true);
    header_->setFont(bold);
    QPalette palette = header_->palette();
    palette.setColor(QPalette::Window, FlatLook::HeaderGreen);
    palette.setColor(QPalette::WindowText, FlatLook::Yellow);
    header_->setPalette(palette);
    header_->setAutoFillBackground(true);
    header_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header_->setGeometry(0, 0, width(), HeaderHeight);
}

void TTabSheet::resizeEvent(QResizeEvent* event) {
    header_->resize(event->size().width(), HeaderHeight);
    QWidget::resizeEvent(event);
}

}  // namespace orvane

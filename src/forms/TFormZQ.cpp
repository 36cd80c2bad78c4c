#include "TFormZQ.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "widgets/TShapeButton.h"

namespace orvane {

namespace {

const QColor DialogGreen(0x00, 0x51, 0x00);
const QColor Yellow(255, 255, 0);

QFont SansFont(int pixels, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TFormZQ::TFormZQ(QSize content, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    setFont(SansFont(11, false));
    setFixedSize(content + QSize(2 * Border, 2 * Border));

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, DialogGreen);
    palette.setColor(QPalette::WindowText, Yellow);
    palette.setColor(QPalette::Text, Yellow);
    palette.setColor(QPalette::ButtonText, Yellow);
    palette.setColor(QPalette::Base, DialogGreen);
    setPalette(palette);
    setAutoFillBackground(true);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setGeometry(QRect(QPoint(Border, Border), content));

    pnlCaption_ = new QWidget(client_);
    pnlCaption_->setObjectName(QStringLiteral("pnlCaption"));
    pnlCaption_->setGeometry(0, 0, content.width(), CaptionHeight);
    QPalette black = pnlCaption_->palette();
    black.setColor(QPalette::Window, Qt::black);
    pnlCaption_->setPalette(black);
    pnlCaption_->setAutoFillBackground(true);
    pnlCaption_->installEventFilter(this);

    lblCaption_ = new QLabel(pnlCaption_);
    lblCaption_->setObjectName(QStringLiteral("lblCaption"));
    lblCaption_->setFont(SansFont(11, true));
    lblCaption_->setGeometry(3, 2, content.width() - CaptionHeight - 6, 13);
    // Presses on the title go to the strip beneath, so the title drags too.
    lblCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* panel1 = new QWidget(pnlCaption_);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(content.width() - CaptionHeight, 0, CaptionHeight, CaptionHeight);
    btnExit_ = new TShapeButton(QStringLiteral("X"), panel1);
    btnExit_->setObjectName(QStringLiteral("btnExit"));
    btnExit_->setAccessibleName(QStringLiteral("Close"));
    // Each dialog has its own button that closes it; Tab stays among the dialog's controls.
    btnExit_->setFocusPolicy(Qt::NoFocus);
    btnExit_->setGeometry(0, 0, CaptionHeight, CaptionHeight);
    connect(btnExit_, &QAbstractButton::clicked, this, [this] { Finish(DialogResult::Cancel); });
}

void TFormZQ::SetTitle(const QString& title) {
    setWindowTitle(title);
    lblCaption_->setText(title);
}

QString TFormZQ::Title() const {
    return lblCaption_->text();
}

void TFormZQ::CentreOver(const QWidget* widget) {
    QRect area;
    if (widget != nullptr && widget->window()->isVisible()) {
        area = widget->window()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void TFormZQ::reject() {
    Finish(DialogResult::Cancel);
}

void TFormZQ::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (QAbstractButton* button = EnterButton(); button != nullptr && button->isEnabled()) {
                button->click();
            }
            return;
        case Qt::Key_Escape:
            if (cancelButton_ != nullptr && cancelButton_->isEnabled()) {
                cancelButton_->click();
            }
            return;
        default:
            QWidget::keyPressEvent(event);  // not QDialog's: it would answer Escape itself
    }
}

QAbstractButton* TFormZQ::EnterButton() const {
    if (enterFollowsFocus_ && defaultButton_ != nullptr) {
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        if (focused != nullptr && !focused->isCheckable() && isAncestorOf(focused)) {
            return focused;
        }
    }
    return defaultButton_;
}

bool TFormZQ::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                       type == QEvent::MouseButtonRelease;
    if (watched == pnlCaption_ && mouse && DragByStrip(*static_cast<QMouseEvent*>(event), type)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TFormZQ::DragByStrip(const QMouseEvent& mouse, QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
            if (mouse.button() != Qt::LeftButton) {
                return false;
            }
            // The window system moves the dialog, as it would by a caption of its own;
            // where it cannot, the dialog follows the pointer itself.
            dragging_ = windowHandle() == nullptr || !windowHandle()->startSystemMove();
            dragOffset_ = mouse.globalPosition().toPoint() - pos();
            return true;
        case QEvent::MouseMove:
            if (dragging_ && (mouse.buttons() & Qt::LeftButton)) {
                move(mouse.globalPosition().toPoint() - dragOffset_);
            }
            return dragging_;
        case QEvent::MouseButtonRelease:
            if (mouse.button() == Qt::LeftButton && dragging_) {
                dragging_ = false;
                return true;
            }
            return false;
        default:
            return false;
    }
}

void TFormZQ::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(120, 170, 90));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace orvane

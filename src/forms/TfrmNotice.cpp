#include "TfrmNotice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>

#include "widgets/DialogFont.h"
#include "widgets/FlatLook.h"
#include "widgets/TDialogButton.h"

namespace orvane {

namespace {

constexpr int Margin = 12;
constexpr int SignSize = 32;
constexpr int TextLeft = Margin + SignSize + 12;
constexpr int ButtonHeight = 20;
constexpr int DetailsHeight = 180;

// The sign beside the message, drawn so it needs no picture and stays sharp at any scale.
class NoticeSign : public QWidget {
  public:
    NoticeSign(TfrmNotice::Sign sign, QWidget* parent) : QWidget(parent), sign_(sign) {
        setObjectName(QStringLiteral("imgSign"));
        setFixedSize(SignSize, SignSize);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
        QColor face;
        QColor mark = Qt::white;
        QString letter;
        switch (sign_) {
            case TfrmNotice::Sign::Error:
                face = QColor(210, 24, 24);
                break;
            case TfrmNotice::Sign::Warning:
                face = QColor(255, 200, 0);
                mark = Qt::black;
                letter = QStringLiteral("!");
                break;
            case TfrmNotice::Sign::Information:
                face = QColor(30, 90, 200);
                letter = QStringLiteral("i");
                break;
        }
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(face);
        if (sign_ == TfrmNotice::Sign::Warning) {
            QPainterPath triangle;
            triangle.moveTo(box.center().x(), box.top());
            triangle.lineTo(box.bottomRight());
            triangle.lineTo(box.bottomLeft());
            triangle.closeSubpath();
            painter.drawPath(triangle);
        } else {
            painter.drawEllipse(box);
        }
        if (sign_ == TfrmNotice::Sign::Error) {
            // A white cross: the sign the player knows from error boxes.
            painter.setPen(QPen(mark, 4.0, Qt::SolidLine, Qt::RoundCap));
            const QRectF cross = box.adjusted(9, 9, -9, -9);
            painter.drawLine(cross.topLeft(), cross.bottomRight());
            painter.drawLine(cross.topRight(), cross.bottomLeft());
            return;
        }
        painter.setPen(mark);
        painter.setFont(DialogFont(QStringLiteral("Tahoma"), 20, true));
        painter.drawText(box.adjusted(0, sign_ == TfrmNotice::Sign::Warning ? 6 : 0, 0, 0),
                         Qt::AlignCenter, letter);
    }

  private:
    TfrmNotice::Sign sign_;
};

// Long words without a space (paths, damaged values) may break anywhere, so the message
// never runs out of its box.
QString Breakable(const QString& text) {
    QString out;
    int run = 0;
    for (const QChar c : text) {
        out += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run >= 40) {
            out += QChar(0x200B);
            run = 0;
        }
    }
    return out;
}

int ScreenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().height() : 600;
}

}  // namespace

TfrmNotice::TfrmNotice(const QString& title, const QString& text, Sign sign, const QString& details,
                       QWidget* parent)
    : TFormZQ(QSize(ContentWidth, 120), parent), text_(text), sign_(sign) {
    setObjectName(QStringLiteral("frmNotice"));
    SetTitle(title);
    const int width = ContentWidth;
    const int textWidth = width - TextLeft - Margin;

    auto* label = new QLabel(Breakable(text));
    label->setObjectName(QStringLiteral("lblMessageText"));
    label->setFont(SansSerifFont(11, true));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFixedWidth(textWidth);
    const int textHeight = std::max(label->heightForWidth(textWidth), SignSize);
    label->setFixedHeight(textHeight);

    // Whatever the message, the notice and its OK button stay on the screen: a message too
    // long for it scrolls.
    const int top = CaptionHeight + Margin;
    const int fixedPart = top + (details.isEmpty() ? 0 : DetailsHeight + 8) + Margin +
                          ButtonHeight + Margin + 2 * Border + 40;
    const int shownText = std::min(textHeight, std::max(SignSize, ScreenHeight() - fixedPart));
    auto* scroll = new QScrollArea(Client());
    scroll->setObjectName(QStringLiteral("sbMessage"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(label);
    scroll->setGeometry(TextLeft, top, textWidth + (shownText < textHeight ? 16 : 0), shownText);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->viewport()->setAutoFillBackground(false);
    label->setAutoFillBackground(false);

    auto* signPicture = new NoticeSign(sign, Client());
    signPicture->move(Margin, top);

    int y = top + shownText;
    if (!details.isEmpty()) {
        auto* list = new QPlainTextEdit(details, Client());
        list->setObjectName(QStringLiteral("memDetails"));
        list->setReadOnly(true);
        list->setLineWrapMode(QPlainTextEdit::NoWrap);
        list->setFocusPolicy(Qt::NoFocus);
        list->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; color: %2;"
                                           " border: 1px solid %3; }")
                                .arg(FlatLook::CssRgb(FlatLook::WellGreen),
                                     FlatLook::CssRgb(FlatLook::Yellow),
                                     FlatLook::CssRgb(FlatLook::Rim)));
        list->setGeometry(Margin, y + 8, width - 2 * Margin, DetailsHeight);
        y += 8 + DetailsHeight;
    }

    auto* ok = new TDialogButton(QStringLiteral("OK"), TDialogButton::Face::Orange, Client());
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setGeometry((width - 100) / 2, y + Margin, 100, ButtonHeight);
    connect(ok, &QAbstractButton::clicked, this, [this] { Finish(DialogResult::Ok); });
    SetDefaultButton(ok);
    SetCancelButton(ok);
    ok->setFocus();

    const QSize content(width, y + Margin + ButtonHeight + Margin);
    setFixedSize(content + QSize(2 * Border, 2 * Border));
    Client()->resize(content);
}

void TfrmNotice::ShowModal() {
    CentreOver(parentWidget());
    exec();
}

void ShowNotice(QWidget* parent, const QString& title, const QString& text, TfrmNotice::Sign sign,
                const QString& details) {
    TfrmNotice notice(title, text, sign, details, parent);
    notice.ShowModal();
}

}  // namespace orvane

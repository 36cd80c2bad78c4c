#include "TfrmAbout.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <algorithm>

#include "LicenceText.h"
#include "OrvaneVersion.h"
#include "WindowPicture.h"
#include "widgets/DialogFont.h"
#include "widgets/TDialogButton.h"

namespace orvane {

namespace {

const QColor LeafGreen(0x42, 0xAC, 0x1A);
// The licence box and its scroll bar in the dialog's greens rather than the desktop's grey.
const QString MemoStyle = QStringLiteral(
    "QPlainTextEdit { background: #296E10; color: yellow; border: 1px solid #5E9E3A; }"
    "QPlainTextEdit:focus { border: 2px solid yellow; }"
    "QScrollBar:vertical { background: #1B4F0A; width: 12px; margin: 0; border: none; }"
    "QScrollBar::handle:vertical { background: #4E9A2A; border: 1px solid #9BD46A;"
    "  border-radius: 3px; min-height: 24px; margin: 1px; }"
    "QScrollBar::handle:vertical:hover { background: #62B236; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");

// The banner is the table's own; its right part carries art where the box puts the name,
// version and maker. A dark glass fades in over that part so the texts stay readable.
QImage WithNamePlate(QImage banner) {
    const QRectF plate(240, 5, 255, 62);  // inside the banner's rim, in its own pixels
    QPainter painter(&banner);
    QLinearGradient fade(plate.topLeft(), QPointF(plate.left() + 45, plate.top()));
    fade.setColorAt(0.0, QColor(16, 6, 4, 0));
    fade.setColorAt(1.0, QColor(16, 6, 4, 250));
    painter.fillRect(plate, fade);
    return banner;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                 const QFont& font, const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent, const QString& programFolder) : TFormZQ(Content, parent) {
    setObjectName(QStringLiteral("frmAbout"));
    SetTitle(QStringLiteral("About Orvane Cards"));
    AddBanner(programFolder);
    AddTexts();

    btnClose_ = new TDialogButton(QStringLiteral("CLOSE"), TDialogButton::Face::Orange, Client());
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setGeometry(404, 234, 100, 20);
    connect(btnClose_, &QAbstractButton::clicked, this, &TfrmAbout::btnCloseClick);

    setTabOrder(Memo1_, btnClose_);
    SetDefaultButton(btnClose_);
    SetCancelButton(btnClose_);
    Memo1_->setFocus();
}

void TfrmAbout::ShowModal() {
    CentreOver(nullptr);
    exec();
}

void TfrmAbout::AddBanner(const QString& programFolder) {
    fcImager1_ = new QLabel(Client());
    fcImager1_->setObjectName(QStringLiteral("fcImager1"));
    fcImager1_->setGeometry(6, 23, 500, 72);
    const QImage banner =
        LoadWindowPicture(QDir(programFolder).filePath(QStringLiteral("Data/gfx/flash.png")));
    if (!banner.isNull()) {
        fcImager1_->setPixmap(QPixmap::fromImage(WithNamePlate(banner)));
    }
}

void TfrmAbout::AddTexts() {
    NewLabel(Client(), "Label1", QStringLiteral("ORVANE CARDS"), {390, 34, 104, 16},
             SansSerifFont(13, true), LeafGreen);
    QLabel* version = NewLabel(Client(), "lblVersion",
                               QStringLiteral("Version: ") + QLatin1String(ProgramVersion),
                               {382, 53, 121, 13}, SansSerifFont(11), Qt::yellow);
    version->setAlignment(Qt::AlignCenter);
    QLabel* maker = NewLabel(Client(), "Label2", QStringLiteral("Tessaly Software 2026"),
                             {298, 75, 206, 16}, SansSerifFont(13, true), LeafGreen);
    // Ends under the name above it, clear of the banner's rim.
    maker->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    maker->setContentsMargins(0, 0, 504 - 494, 0);
    QLabel* heading =
        NewLabel(Client(), "Label4", QStringLiteral("Orvane Cards End User License Agreement"),
                 {6, 103, 200, 13}, SansSerifFont(11), Qt::yellow);
    // The stand-in faces run wider than the one the box was laid out for: the heading
    // grows rather than lose its end.
    heading->resize(std::max(heading->width(), heading->sizeHint().width()), heading->height());

    Memo1_ = new QPlainTextEdit(Client());
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setGeometry(6, 124, 329, 133);
    Memo1_->setFont(SansSerifFont(11));
    Memo1_->setReadOnly(true);
    Memo1_->setTabChangesFocus(true);
    Memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1_->setStyleSheet(MemoStyle);
    Memo1_->setPlainText(AboutLicenceText());
}

}  // namespace orvane

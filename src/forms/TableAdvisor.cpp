#include "TableAdvisor.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

#include "advisor/AdviceText.h"
#include "layout/TableGeometry.h"

namespace orvane {

namespace {

// Its own colours on its own ground, so that it reads on every theme and never passes
// for the table's HOLD marks or its banner.
const QString AdviceStyle = QStringLiteral(
    "QLabel { background: rgba(0, 0, 0, 200); color: #40E0FF; border: 1px solid #40E0FF; "
    "border-radius: 3px; }");

QLabel* AdviceLabel(QWidget& surface, const QString& name, const Box& box, int pixelSize) {
    auto* label = new QLabel(&surface);
    label->setObjectName(name);
    label->setGeometry(box.X, box.Y, box.Width, box.Height);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(AdviceStyle);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks reach the card
    label->hide();
    return label;
}

}  // namespace

TableAdvisor::TableAdvisor(QWidget& surface, AnalysisService& service) : advice_(service, *this) {
    for (int slot = 1; slot <= 5; ++slot) {
        QLabel* mark = AdviceLabel(surface, QStringLiteral("lblAdvice%1").arg(slot),
                                   TableGeometry::AdviceMark(slot), 10);
        mark->setText(QStringLiteral("BEST"));
        marks_[static_cast<std::size_t>(slot - 1)] = mark;
    }
    line_ = AdviceLabel(surface, QStringLiteral("lblAdvisor"), TableGeometry::AdviceLine, 10);
}

QString TableAdvisor::AfterWinText(const QLabel& line, const QString& review,
                                   const QString& afterWin) {
    const QString both =
        QString::fromStdString(advisor::JoinLines(review.toStdString(), afterWin.toStdString()));
    const bool fits = line.fontMetrics().horizontalAdvance(both) <= line.contentsRect().width();
    return fits ? both : afterWin;
}

QString TableAdvisor::AfterWinText(const QString& review, const QString& afterWin) const {
    return AfterWinText(*line_, review, afterWin);
}

void TableAdvisor::ShowMarks(advisor::HoldBits hold) {
    for (std::size_t i = 0; i < marks_.size(); ++i) {
        marks_[i]->setVisible((hold >> i & 1U) != 0);
    }
}

void TableAdvisor::ShowLine(const QString& text) {
    line_->setText(text);
    line_->setVisible(!text.isEmpty());
}

}  // namespace orvane

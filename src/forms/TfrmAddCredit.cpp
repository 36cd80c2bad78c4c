#include "TfrmAddCredit.h"

#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

#include "settings/WholeNumber.h"
#include "widgets/DialogFont.h"
#include "widgets/TDialogButton.h"

namespace orvane {

namespace {

constexpr int CreditTop = 26;
constexpr int CreditHeight = 19;

QLabel* NewCreditLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(DialogFont(QStringLiteral("Arial"), 16, true));
    return label;
}

TDialogButton* NewButton(QWidget* parent, const char* name, const QString& word, QRect place) {
    auto* button = new TDialogButton(word, TDialogButton::Face::Orange, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    return button;
}

}  // namespace

TfrmAddCredit::TfrmAddCredit(CreditReader credit, CreditAdder addCredit, QWidget* parent)
    : TFormZQ(Content, parent), credit_(std::move(credit)), addCredit_(std::move(addCredit)) {
    setObjectName(QStringLiteral("frmAddCredit"));
    SetTitle(QStringLiteral("Add Credit"));
    setWindowTitle(QStringLiteral("Add credit"));

    QLabel* caption = NewCreditLabel(Client(), "Label2", QStringLiteral("CREDIT"));
    caption->setGeometry(8, CreditTop, 61, CreditHeight);
    lblCredit_ = NewCreditLabel(Client(), "lblCredit", QStringLiteral("0"));
    lblCredit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* coin100 = NewButton(Client(), "btnCoin100", QStringLiteral("100"), {7, 57, 100, 20});
    connect(coin100, &QAbstractButton::clicked, this, &TfrmAddCredit::btnCoin100Click);
    auto* coin1000 = NewButton(Client(), "btnCoin1000", QStringLiteral("1000"), {111, 57, 100, 20});
    connect(coin1000, &QAbstractButton::clicked, this, &TfrmAddCredit::btnCoin1000Click);

    // The custom amount and its button keep their places in the tab order, but the machine
    // takes coins in the two fixed amounts only, so both stay hidden.
    edtAddCredit_ = new QLineEdit(QStringLiteral("0"), Client());
    edtAddCredit_->setObjectName(QStringLiteral("edtAddCredit"));
    edtAddCredit_->setGeometry(16, 92, 121, 19);
    edtAddCredit_->setStyleSheet(QStringLiteral(
        "QLineEdit { background: #005100; color: yellow; border: 1px solid yellow; }"));
    edtAddCredit_->hide();
    auto* addCustom =
        NewButton(Client(), "btnAddCustom", QStringLiteral("ADD"), {145, 92, 100, 20});
    connect(addCustom, &QAbstractButton::clicked, this, &TfrmAddCredit::btnAddCustomClick);
    addCustom->hide();

    auto* close = NewButton(Client(), "btnClose", QStringLiteral("CLOSE"), {252, 93, 100, 20});
    connect(close, &QAbstractButton::clicked, this, &TfrmAddCredit::btnCloseClick);

    setTabOrder(coin100, coin1000);
    setTabOrder(coin1000, close);
    setTabOrder(close, edtAddCredit_);
    setTabOrder(edtAddCredit_, addCustom);
    PlaceCredit();
}

void TfrmAddCredit::ShowModal() {
    CentreOver(parentWidget());
    exec();
}

void TfrmAddCredit::FormShow() {
    ShowCredit();
}

void TfrmAddCredit::btnAddCustomClick() {
    const QString text = edtAddCredit_->text();
    const std::optional<std::int32_t> amount = ParseWholeNumber(text.toStdString());
    if (!amount) {
        throw std::invalid_argument("'" + text.toStdString() + "' is not a valid whole number");
    }
    if (*amount <= 0) {
        throw std::invalid_argument("The amount to add must be above zero");
    }
    AddCoin(*amount);
}

void TfrmAddCredit::showEvent(QShowEvent* event) {
    TFormZQ::showEvent(event);
    FormShow();
}

void TfrmAddCredit::AddCoin(std::int32_t amount) {
    if (addCredit_) {
        addCredit_(amount);
    }
    ShowCredit();
}

void TfrmAddCredit::ShowCredit() {
    lblCredit_->setText(QString::number(credit_ ? credit_() : 0));
    PlaceCredit();
}

void TfrmAddCredit::PlaceCredit() {
    const int width = lblCredit_->fontMetrics().horizontalAdvance(lblCredit_->text());
    lblCredit_->setGeometry(CreditRightEdge - width, CreditTop, width, CreditHeight);
}

}  // namespace orvane

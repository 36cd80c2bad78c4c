#include "TfrmQuestion.h"

#include <QLabel>

#include "widgets/DialogFont.h"
#include "widgets/TDialogButton.h"

namespace orvane {

TfrmQuestion::TfrmQuestion(QWidget* parent) : TFormZQ(Content, parent) {
    setObjectName(QStringLiteral("frmQuestion"));

    lblMessageText_ = new QLabel(Client());
    lblMessageText_->setObjectName(QStringLiteral("lblMessageText"));
    lblMessageText_->setGeometry(0, 24, 353, 13);
    lblMessageText_->setAlignment(Qt::AlignCenter);
    lblMessageText_->setFont(SansSerifFont(11, true));

    btnNo_ = new TDialogButton(QStringLiteral("NO"), TDialogButton::Face::Orange, Client());
    btnNo_->setObjectName(QStringLiteral("btnNo"));
    btnNo_->setGeometry(72, 53, 100, 20);
    connect(btnNo_, &QAbstractButton::clicked, this, &TfrmQuestion::btnNoClick);

    btnYes_ = new TDialogButton(QStringLiteral("YES"), TDialogButton::Face::Orange, Client());
    btnYes_->setObjectName(QStringLiteral("btnYes"));
    btnYes_->setGeometry(182, 53, 100, 20);
    connect(btnYes_, &QAbstractButton::clicked, this, &TfrmQuestion::btnYesClick);

    setTabOrder(btnNo_, btnYes_);
    SetDefaultButton(btnYes_);
    // A question about the player's credit: Enter never answers another button than the
    // one the focus mark is on.
    SetEnterFollowsFocus(true);
    SetCancelButton(btnNo_);
    SetUp(QStringLiteral("Exit ?"), QStringLiteral("Exit Orvane Cards ?"));
}

void TfrmQuestion::SetUp(const QString& title, const QString& text) {
    SetTitle(title);
    lblMessageText_->setText(text);
}

QString TfrmQuestion::MessageText() const {
    return lblMessageText_->text();
}

DialogResult TfrmQuestion::Ask() {
    CentreOver(parentWidget());
    // Every question starts with the focus mark on the default answer, whatever the last
    // answer was: the mark, Enter and Space all mean Yes until the player moves the focus.
    btnYes_->setFocus();
    return static_cast<DialogResult>(exec());
}

bool AskYes(TfrmQuestion& question, const QString& title, const QString& text) {
    question.SetUp(title, text);
    return question.Ask() == DialogResult::Yes;
}

}  // namespace orvane

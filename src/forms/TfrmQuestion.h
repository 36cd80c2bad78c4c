#pragma once

#include "TFormZQ.h"

class QLabel;

namespace orvane {

class TDialogButton;

// The yes/no question: created once and reused, it keeps the last title and question
// until the next set-up. The focus starts on Yes, so Enter and Space answer Yes; Enter
// presses whichever button the player moved the focus to. Escape answers No, "X" Cancel.
class TfrmQuestion : public TFormZQ {
    Q_OBJECT
  public:
    static constexpr QSize Content{354, 90};

    explicit TfrmQuestion(QWidget* parent = nullptr);

    // The window caption and the strip take the title, the message the question.
    void SetUp(const QString& title, const QString& text);
    QString MessageText() const;

    // Centres the dialog over its parent's window and waits for the answer.
    DialogResult Ask();

    void btnYesClick() { Finish(DialogResult::Yes); }
    void btnNoClick() { Finish(DialogResult::No); }

  private:
    QLabel* lblMessageText_ = nullptr;
    TDialogButton* btnNo_ = nullptr;
    TDialogButton* btnYes_ = nullptr;
};

// Asks and tells whether the player agreed: only Yes does, every other way of closing
// the dialog is a refusal. Fits the main window's question seam.
bool AskYes(TfrmQuestion& question, const QString& title, const QString& text);

}  // namespace orvane

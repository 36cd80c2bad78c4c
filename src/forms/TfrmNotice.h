#pragma once

#include "TFormZQ.h"

class QLabel;
class QPlainTextEdit;

namespace orvane {

class TDialogButton;

// A notice to the player in the game's own frame: a sign, the message, an optional
// scrolling list under it and an OK button that Enter and Escape both press. Made for one
// showing; it needs no main window, so it serves at start-up too.
class TfrmNotice : public TFormZQ {
    Q_OBJECT
  public:
    enum class Sign { Information, Warning, Error };

    static constexpr int ContentWidth = 460;

    // details: one item a line, shown in a scrolling list under the message; empty: none.
    TfrmNotice(const QString& title, const QString& text, Sign sign, const QString& details = {},
               QWidget* parent = nullptr);

    QString Text() const { return text_; }
    Sign ShownSign() const { return sign_; }

    // Centres the notice over its parent's window, or on the screen, and waits for OK.
    void ShowModal();

  private:
    QString text_;
    Sign sign_;
};

// Shows a notice and returns once the player has read it.
void ShowNotice(QWidget* parent, const QString& title, const QString& text, TfrmNotice::Sign sign,
                const QString& details = {});

}  // namespace orvane

#pragma once

#include <QDialog>
#include <QEvent>
#include <QPoint>

#include "DialogResult.h"

class QAbstractButton;
class QLabel;
class QMouseEvent;
class QWidget;

namespace orvane {

class TShapeButton;

// The frame every dialog is built on: dark green, a thin border, and a black caption
// strip of its own that carries the title, drags the dialog and closes it with Cancel.
// Controls go on Client(), whose coordinates are the dialog's content area.
class TFormZQ : public QDialog {
    Q_OBJECT
  public:
    static constexpr int Border = 1;
    static constexpr int CaptionHeight = 17;

    TFormZQ(QSize content, QWidget* parent = nullptr);

    // The window caption and the strip's label.
    void SetTitle(const QString& title);
    QString Title() const;

    QWidget* Client() const { return client_; }

    // Enter clicks the default button, Escape the cancel button; without one the key
    // does nothing special.
    void SetDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    // Where a wrong Enter costs the player, Enter clicks the push button that carries the
    // focus mark, as Space does, and the default button only when no push button has it.
    void SetEnterFollowsFocus(bool follows) { enterFollowsFocus_ = follows; }
    void SetCancelButton(QAbstractButton* button) { cancelButton_ = button; }

    // Ends a modal showing with the given result.
    void Finish(DialogResult result) { done(static_cast<int>(result)); }
    DialogResult Result() const { return static_cast<DialogResult>(result()); }

    // Centres the dialog over a widget's window, or on the desktop without one.
    void CentreOver(const QWidget* widget);

    // Any close that is not a button of the dialog itself (the strip's "X", the window
    // system's close) answers Cancel.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool DragByStrip(const QMouseEvent& mouse, QEvent::Type type);
    QAbstractButton* EnterButton() const;

    QWidget* client_ = nullptr;
    QWidget* pnlCaption_ = nullptr;
    QLabel* lblCaption_ = nullptr;
    TShapeButton* btnExit_ = nullptr;
    QAbstractButton* defaultButton_ = nullptr;
    QAbstractButton* cancelButton_ = nullptr;
    bool enterFollowsFocus_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace orvane

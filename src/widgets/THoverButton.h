#pragma once

#include <QAbstractButton>

namespace orvane {

// A drawn button that lights up under the pointer. A dialog that hides under the pointer
// gets no leave event, so hiding puts the light out too: the next showing starts unlit.
class THoverButton : public QAbstractButton {
    Q_OBJECT
  public:
    using QAbstractButton::QAbstractButton;

    bool Hovered() const { return hover_; }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    bool hover_ = false;
};

}  // namespace orvane

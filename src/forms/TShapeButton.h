#pragma once

#include <QAbstractButton>

namespace orvane {

// The rounded flat buttons of the top strip: black face, yellow text, a yellow rim while
// the pointer is over them.
class TShapeButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TShapeButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {52, 17}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // A dialog that hides under the pointer gets no leave: the next showing starts unlit.
    void hideEvent(QHideEvent* event) override;

  private:
    bool hover_ = false;
};

}  // namespace orvane

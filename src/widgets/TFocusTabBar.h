#pragma once

#include <QTabBar>

namespace orvane {

// A tab bar that shows when the keyboard is on it: the chosen tab then carries a dotted
// ring in the dialogs' yellow, and the arrow keys move between the tabs. The style sheets
// the dialogs draw their tabs with mark no focus of their own.
class TFocusTabBar : public QTabBar {
    Q_OBJECT
  public:
    explicit TFocusTabBar(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace orvane

#pragma once

#include <QTabWidget>

namespace orvane {

// A page control drawn flat: a thin rim round the pages, tabs that light up under the
// pointer, the chosen tab in the header green. Only the tab bar carries a style sheet, so
// the pages keep the dialog's colours.
class TFlatPageControl : public QTabWidget {
    Q_OBJECT
  public:
    explicit TFlatPageControl(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvane

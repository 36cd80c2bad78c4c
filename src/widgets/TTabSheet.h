#pragma once

#include <QWidget>

class QLabel;

namespace orvane {

// One page of a page control. It opens with a header strip across its full width, bold
// yellow on green; controls are placed in the page's own coordinates below it.
class TTabSheet : public QWidget {
    Q_OBJECT
  public:
    static constexpr int HeaderHeight = 17;

    TTabSheet(const QString& header, QWidget* parent = nullptr);

    QLabel* Header() const { return header_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* header_ = nullptr;
};

}  // namespace orvane

#pragma once

#include <QWidget>

namespace orvane {

// A horizontal gauge from 0 to 100: a yellow bar on black with the percentage written
// across it, the digits flipping colour where the bar passes under them.
class TGauge : public QWidget {
    Q_OBJECT
  public:
    static constexpr int MinValue = 0;
    static constexpr int MaxValue = 100;

    explicit TGauge(QWidget* parent = nullptr);

    // Values outside the range are held at its ends.
    void SetProgress(int progress);
    int Progress() const { return progress_; }

    QSize sizeHint() const override { return {93, 14}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int progress_ = MinValue;
};

}  // namespace orvane

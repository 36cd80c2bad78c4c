#pragma once

#include <QWidget>

class QTabBar;

namespace orvane {

// A flat tab control: a row of tabs over one body that every tab shares. The controls on
// the body stay the same; choosing a tab tells the owner which set of data to show.
class TTabControl : public QWidget {
    Q_OBJECT
  public:
    static constexpr int TabHeight = 21;

    explicit TTabControl(const QStringList& tabs, QWidget* parent = nullptr);

    int CurrentIndex() const;
    void SetCurrentIndex(int index);
    QTabBar* Tabs() const { return tabs_; }

  signals:
    void CurrentChanged(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QTabBar* tabs_ = nullptr;
};

}  // namespace orvane

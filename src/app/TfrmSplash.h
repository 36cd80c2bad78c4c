#pragma once

#include <QImage>
#include <QWidget>

namespace orvane {

// The picture on screen while the windows are built: no border, no caption, no controls.
class TfrmSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr int PictureWidth = 420;
    static constexpr int PictureHeight = 270;

    explicit TfrmSplash(const QImage& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace orvane

#pragma once

#include <QImage>
#include <QWidget>

namespace orvane {

// A preview picture of fixed size, drawn from its top-left corner and clipped to the
// control. With white transparent, pure white pixels let the dialog show through, so a
// picture of cards on a white ground sits on the dialog's own green.
class TPreviewImage : public QWidget {
    Q_OBJECT
  public:
    explicit TPreviewImage(QWidget* parent = nullptr);

    void SetWhiteTransparent(bool transparent) { whiteTransparent_ = transparent; }

    // Reads a picture file (".zqi" as a bitmap). On failure the control goes blank and
    // error says why.
    bool LoadPicture(const QString& file, QString* error);

    // What is drawn: the picture as loaded, white already made transparent.
    const QImage& Picture() const { return picture_; }
    // The file of the picture shown; empty when blank.
    const QString& File() const { return file_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QString file_;
    bool whiteTransparent_ = false;
};

}  // namespace orvane

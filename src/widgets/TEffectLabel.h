#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace orvane {

// A transparent label that draws its text centred across and down its box, optionally
// with an outline of another colour around every letter. The outline is what makes the
// amounts readable on the busy theme pictures until a theme takes it off.
class TEffectLabel : public QWidget {
    Q_OBJECT
  public:
    explicit TEffectLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    void SetTextColor(const QColor& color);
    QColor TextColor() const { return color_; }
    void SetOutline(bool on, const QColor& color = Qt::white);
    bool HasOutline() const { return outline_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString text_;
    QColor color_{Qt::yellow};
    QColor outlineColor_{Qt::white};
    bool outline_ = false;
};

}  // namespace orvane

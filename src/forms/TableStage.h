#pragma once

#include <QPoint>
#include <QSize>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QWidget;

namespace orvane {

// Where the table is drawn inside the main window. Windowed, the table is an ordinary
// child at its own pixel size. Full screen, it is carried by a graphics view that scales
// it to fill the window with its aspect kept, letterboxed in black; input reaches the
// controls through the view exactly as before.
class TableStage {
  public:
    TableStage(QWidget& host, QWidget& table);
    ~TableStage();
    TableStage(const TableStage&) = delete;
    TableStage& operator=(const TableStage&) = delete;

    // The table as a child of the host at `topLeft`, one window pixel per table pixel.
    void ShowNative(QPoint topLeft);
    // The table scaled to fill the host; follows the host's size through Fit().
    void ShowScaled();
    // Recomputes the scale after the host changed size.
    void Fit();

    bool Scaled() const { return view_ != nullptr; }
    // Window pixels per table pixel.
    qreal Scale() const { return scale_; }
    // Where the table's top-left corner lies in the host.
    QPoint Origin() const;
    QGraphicsView* View() const { return view_; }

  private:
    void TakeBack();

    QWidget& host_;
    QWidget& table_;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    qreal scale_ = 1.0;
};

}  // namespace orvane

#include "TableStage.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QWidget>
#include <algorithm>

namespace orvane {

namespace {

// A view that only shows: it must not scroll the table when a key such as an arrow or
// Page Down reaches it, nor move it under a wheel.
class StageView : public QGraphicsView {
  public:
    using QGraphicsView::QGraphicsView;

  protected:
    void wheelEvent(QWheelEvent*) override {}
    void scrollContentsBy(int, int) override { viewport()->update(); }
};

}  // namespace

TableStage::TableStage(QWidget& host, QWidget& table) : host_(host), table_(table) {}

TableStage::~TableStage() {
    // The view would delete the table with its scene; the table belongs to the host.
    TakeBack();
}

void TableStage::ShowNative(QPoint topLeft) {
    TakeBack();
    table_.move(topLeft);
    table_.show();
    scale_ = 1.0;
}

void TableStage::ShowScaled() {
    if (view_ != nullptr) {
        Fit();
        return;
    }
    view_ = new StageView(&host_);
    view_->setObjectName(QStringLiteral("TableView"));
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setBackgroundBrush(Qt::black);
    view_->setAlignment(Qt::AlignCenter);
    // Smooth scaling of pictures; lettering is drawn at the scaled size, so it stays sharp.
    view_->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                          QPainter::TextAntialiasing);
    view_->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    view_->setFocusPolicy(Qt::StrongFocus);
    auto* scene = new QGraphicsScene(view_);
    scene->setBackgroundBrush(Qt::black);
    view_->setScene(scene);

    const QSize size = table_.size();
    table_.setParent(nullptr);  // a proxy takes only a widget without a parent
    proxy_ = scene->addWidget(&table_);
    proxy_->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    scene->setSceneRect(proxy_->geometry());
    view_->setGeometry(host_.rect());
    view_->show();
    Fit();
}

void TableStage::Fit() {
    if (view_ == nullptr) {
        return;
    }
    view_->setGeometry(host_.rect());
    const QSizeF table = proxy_->size();
    if (table.isEmpty() || host_.width() <= 0 || host_.height() <= 0) {
        return;
    }
    scale_ = std::min(host_.width() / table.width(), host_.height() / table.height());
    view_->setTransform(QTransform::fromScale(scale_, scale_));
    view_->centerOn(proxy_->geometry().center());
}

QPoint TableStage::Origin() const {
    if (view_ == nullptr) {
        return table_.pos();
    }
    return view_->mapTo(&host_, view_->mapFromScene(QPointF(0, 0)));
}

void TableStage::TakeBack() {
    if (view_ == nullptr) {
        return;
    }
    proxy_->setWidget(nullptr);  // the table leaves the scene, ours again
    table_.setParent(&host_);
    // Leaving full screen is asked for from inside the view's own event delivery (the
    // release of a click on "_" or "X", a key such as Ctrl+Q): the view, its scene and
    // the proxy must outlive that delivery, so they go once the event loop is back.
    view_->hide();
    view_->deleteLater();
    view_ = nullptr;
    proxy_ = nullptr;
    scale_ = 1.0;
}

}  // namespace orvane

#include "TintCache.h"

#include <QPainter>
#include <utility>

namespace orvane {

TintCache::TintCache(const QColor& tint, Tinter tinter, std::function<void()> changed)
    : tint_(tint), tinter_(tinter), changed_(std::move(changed)) {}

void TintCache::SetPicture(const QImage& picture, Tinter tinter) {
    picture_ = picture;
    tinter_ = tinter;
    Retint();
}

void TintCache::SetTint(const QColor& tint) {
    if (tint == tint_) {
        return;
    }
    tint_ = tint;
    Retint();
}

bool TintCache::Draw(QPainter& painter, const QRect& box) const {
    if (tinted_.isNull()) {
        return false;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(box, tinted_);
    return true;
}

void TintCache::Retint() {
    tinted_ = tinter_(picture_, tint_);
    if (changed_) {
        changed_();
    }
}

}  // namespace orvane

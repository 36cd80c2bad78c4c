#include "view/CardPictureSource.h"

#include <utility>

namespace orvane {

namespace {
CardPictureSource& DefaultSource() {
    static CardPictureSource source;
    return source;
}
}  // namespace

void SetDefaultCardPictureSource(CardPictureSource source) {
    DefaultSource() = std::move(source);
}

const CardPictureSource& DefaultCardPictureSource() {
    return DefaultSource();
}

}  // namespace orvane

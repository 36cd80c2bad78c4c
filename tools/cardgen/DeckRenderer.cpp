#include "DeckRenderer.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <utility>

#include "DeckLayers.h"
#include "game/Card.h"

namespace cardgen {

namespace {

constexpr std::array<const char*, 4> SuitNames = {"club", "diamond", "heart", "spade"};
constexpr qreal ReferenceWidth = 140.0;

QImage TransparentImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QRectF DocumentRect(const QSvgRenderer& renderer, const QString& id) {
    return renderer.transformForElement(id).mapRect(renderer.boundsOnElement(id));
}

}  // namespace

qreal CornerRadius(QSize size) {
    return 5.0 * size.width() / ReferenceWidth;
}

QPainterPath CardOutlinePath(QSize size) {
    QPainterPath path;
    const qreal radius = CornerRadius(size);
    path.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), radius, radius);
    return path;
}

QImage OnCardOutline(const QImage& art) {
    // The outermost column: the deck's own border line, which then closes round the corner
    // instead of leaving a pale notch outside it.
    QColor edge = art.pixelColor(0, art.height() / 2).toRgb();
    edge.setAlpha(255);

    QImage card = TransparentImage(art.size());
    QPainter painter(&card);
    Smooth(painter);
    painter.fillPath(CardOutlinePath(art.size()), edge);
    // Atop keeps the outline's own soft edge: the art shows only where the outline is.
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.drawImage(0, 0, art);
    return card;
}

namespace {

// The cards whose art the layout moves: the deck's jokers are pictures of their own, with
// no pips and no indices to keep apart.
QStringList LaidOutCards() {
    QStringList ids;
    for (int value = 1; value < orvane::JokerValue; ++value) {
        ids.append(DeckRenderer::ElementId(value));
    }
    return ids;
}

}  // namespace

DeckRenderer::DeckRenderer(DeckStyle deckStyle)
    : style_(std::move(deckStyle)), renderer_(std::make_unique<QSvgRenderer>()) {
    QFile file(style_.SvgFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray svg = file.readAll();
    renderer_->load(svg);
    if (!style_.Layout.ArtMargins.isNull()) {
        laidOut_ = LaidOutCards();
        for (const QByteArray& layer : DeckLayers::Split(svg, laidOut_, style_.Layout)) {
            layerRenderers_.push_back(std::make_unique<QSvgRenderer>(layer));
        }
    }
}

bool DeckRenderer::IsValid() const {
    if (!renderer_->isValid() || (!laidOut_.isEmpty() && layerRenderers_.size() != 3)) {
        return false;
    }
    for (int value = 1; value < orvane::JokerValue; ++value) {
        if (!renderer_->elementExists(ElementId(value))) {
            return false;
        }
    }
    return renderer_->elementExists(style_.JokerElement.isEmpty() ? style_.JokerArt
                                                                  : style_.JokerElement);
}

QString DeckRenderer::ElementId(int value) {
    const int rank = orvane::RankOfValue(value);
    const char* suit = SuitNames.at(static_cast<std::size_t>(orvane::SuitOfValue(value) - 1));
    static const std::array<const char*, 3> courts = {"jack", "queen", "king"};
    const QString rankName =
        rank > 10 ? QString::fromLatin1(courts.at(static_cast<std::size_t>(rank - 11)))
                  : QString::number(rank);
    return rankName + QLatin1Char('_') + QLatin1String(suit);
}

QImage DeckRenderer::Face(int value, QSize size) const {
    if (value == orvane::JokerValue) {
        return OnCardOutline(style_.JokerElement.isEmpty()
                                 ? ComposedJoker(size)
                                 : RenderElement(style_.JokerElement, size));
    }
    return OnCardOutline(RenderElement(ElementId(value), size));
}

QImage DeckRenderer::RenderElement(const QString& id, QSize size) const {
    const bool layered = laidOut_.contains(id);
    QImage art = layered ? RenderLayers(id, size) : TransparentImage(size);
    if (!layered) {
        QPainter painter(&art);
        Smooth(painter);
        renderer_->render(&painter, id, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    ApplyPatches(id, art);
    return art;
}

// The ground and the indices in place; the art mapped into the card less the art margins.
QImage DeckRenderer::RenderLayers(const QString& id, QSize size) const {
    QImage face = TransparentImage(size);
    QPainter painter(&face);
    Smooth(painter);
    const QRectF card(QPointF(0, 0), QSizeF(size));
    const QRectF artBox = card - style_.Layout.ArtMargins * (size.width() / ReferenceWidth);
    for (CardLayer layer : {CardLayer::Ground, CardLayer::Art, CardLayer::Index}) {
        layerRenderers_.at(static_cast<std::size_t>(layer))
            ->render(&painter, id, layer == CardLayer::Art ? artBox : card);
    }
    return face;
}

void DeckRenderer::ApplyPatches(const QString& id, QImage& art) const {
    for (const ElementPatch& patch : style_.Patches) {
        if (patch.Card != id) {
            continue;
        }
        const QRectF card = DocumentRect(*renderer_, patch.Card);
        const QRectF covered = DocumentRect(*renderer_, patch.Covered);
        const qreal sx = art.width() / card.width();
        const qreal sy = art.height() / card.height();
        const QRectF place((covered.x() - card.x()) * sx, (covered.y() - card.y()) * sy,
                           covered.width() * sx, covered.height() * sy);
        QPainter painter(&art);
        Smooth(painter);
        renderer_->render(&painter, patch.Replacement, place);
    }
}

// A deck without a joker card gets a plain face in its own manner (white, a thin dark line)
// with the deck's joker art in the middle and the word "JOKER" down two corners.
QImage DeckRenderer::ComposedJoker(QSize size) const {
    QImage face = TransparentImage(size);
    QPainter painter(&face);
    Smooth(painter);
    const qreal s = size.width() / ReferenceWidth;
    const qreal line = 2.4 * s;  // the weight of the deck's own black edge
    const qreal radius = CornerRadius(size);
    painter.setPen(QPen(Qt::black, line));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(
        QRectF(QPointF(0, 0), QSizeF(size)).adjusted(line / 2, line / 2, -line / 2, -line / 2),
        radius, radius);

    const QRectF artBounds = DocumentRect(*renderer_, style_.JokerArt);
    const qreal artWidth = 0.72 * size.width();
    const qreal artHeight = artWidth * artBounds.height() / artBounds.width();
    renderer_->render(&painter, style_.JokerArt,
                      QRectF((size.width() - artWidth) / 2, (size.height() - artHeight) / 2,
                             artWidth, artHeight));

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround(11 * s)));
    painter.setFont(font);
    painter.setPen(QColor(178, 20, 30));
    const QString word = QStringLiteral("JOKER");
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        if (corner == 1) {
            painter.translate(size.width(), size.height());
            painter.rotate(180);
        }
        for (int i = 0; i < word.size(); ++i) {
            const QRectF cell(4 * s, (6 + 12 * i) * s, 12 * s, 12 * s);
            painter.drawText(cell, Qt::AlignCenter, word.at(i));
        }
        painter.restore();
    }
    return face;
}

}  // namespace cardgen

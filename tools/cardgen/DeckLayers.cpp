#include "DeckLayers.h"

#include <QDomDocument>
#include <QDomElement>
#include <QHash>
#include <QList>
#include <QSvgRenderer>
#include <QTransform>
#include <array>

namespace cardgen {

namespace {

const QSizeF ReferenceCard(140.0, 208.0);

QRectF DocumentRect(const QSvgRenderer& renderer, const QString& id) {
    return renderer.transformForElement(id).mapRect(renderer.boundsOnElement(id));
}

// `part` in the units of a reference card whose document rectangle is `card`.
QRectF InCardUnits(const QRectF& part, const QRectF& card) {
    const qreal sx = ReferenceCard.width() / card.width();
    const qreal sy = ReferenceCard.height() / card.height();
    return {(part.x() - card.x()) * sx, (part.y() - card.y()) * sy, part.width() * sx,
            part.height() * sy};
}

void CollectCards(const QDomElement& element, const QStringList& cards,
                  QHash<QString, QDomElement>& found) {
    const QString id = element.attribute(QStringLiteral("id"));
    if (!id.isEmpty() && cards.contains(id)) {
        found.insert(id, element);
        return;  // cards do not nest
    }
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        CollectCards(child, cards, found);
    }
}

QList<QDomElement> Parts(const QDomElement& card) {
    QList<QDomElement> parts;
    for (QDomElement child = card.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        parts.append(child);
    }
    return parts;
}

// Parts without an id cannot be measured: they get one.
void NameParts(const QHash<QString, QDomElement>& cards) {
    for (auto it = cards.cbegin(); it != cards.cend(); ++it) {
        int number = 0;
        for (QDomElement part : Parts(it.value())) {
            if (part.attribute(QStringLiteral("id")).isEmpty()) {
                part.setAttribute(QStringLiteral("id"),
                                  QStringLiteral("%1.part%2").arg(it.key()).arg(++number));
            }
        }
    }
}

constexpr std::array<CardLayer, 3> AllLayers = {CardLayer::Ground, CardLayer::Art,
                                                CardLayer::Index};

QDomElement Group(const QDomElement& card, const QString& id) {
    for (QDomElement child = card.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.attribute(QStringLiteral("id")) == id) {
            return child;
        }
    }
    return {};
}

// Moves `part` so that its top left corner comes to `topLeft` in card units; returns how far
// it moved in document units.
QPointF Place(QDomElement part, const QPointF& topLeft, const QRectF& cardRect,
              const QSvgRenderer& measure) {
    const QString id = part.attribute(QStringLiteral("id"));
    const QRectF rect = DocumentRect(measure, id);
    const QPointF target(cardRect.x() + topLeft.x() * cardRect.width() / ReferenceCard.width(),
                         cardRect.y() + topLeft.y() * cardRect.height() / ReferenceCard.height());
    const QPointF shift = target - rect.topLeft();
    // The part's transform works in its parent's coordinates.
    const QTransform toParent = measure.transformForElement(id).inverted();
    const QPointF local = toParent.map(shift) - toParent.map(QPointF(0, 0));
    const QString transform = part.attribute(QStringLiteral("transform"));
    part.setAttribute(QStringLiteral("transform"), QStringLiteral("translate(%1,%2) %3")
                                                       .arg(local.x(), 0, 'g', 10)
                                                       .arg(local.y(), 0, 'g', 10)
                                                       .arg(transform)
                                                       .trimmed());
    return shift;
}

void SortParts(QDomDocument& document, const QString& cardId, QDomElement card,
               const QSvgRenderer& measure, const FaceLayout& layout) {
    const QRectF cardRect = DocumentRect(measure, cardId);
    std::array<QDomElement, 3> groups;
    for (std::size_t i = 0; i < AllLayers.size(); ++i) {
        groups.at(i) = document.createElement(QStringLiteral("g"));
        groups.at(i).setAttribute(QStringLiteral("id"),
                                  DeckLayers::LayerId(cardId, AllLayers.at(i)));
    }
    for (const QDomElement& part : Parts(card)) {
        const QString id = part.attribute(QStringLiteral("id"));
        QRectF moved = DocumentRect(measure, id);
        for (const PartPlacement& placement : layout.Placements) {
            if (placement.Part == id) {
                moved.translate(Place(part, placement.TopLeft, cardRect, measure));
            }
        }
        const QRectF rect = InCardUnits(moved, cardRect);
        const CardLayer layer =
            layout.ArtParts.contains(id) ? CardLayer::Art : DeckLayers::Classify(rect, layout);
        groups.at(static_cast<std::size_t>(layer)).appendChild(part);
    }
    for (const QDomElement& group : groups) {
        card.appendChild(group);
    }
}

}  // namespace

QString DeckLayers::LayerId(const QString& card, CardLayer layer) {
    switch (layer) {
        case CardLayer::Ground:
            return card + QStringLiteral(".ground");
        case CardLayer::Art:
            return card + QStringLiteral(".art");
        case CardLayer::Index:
            break;
    }
    return card + QStringLiteral(".index");
}

CardLayer DeckLayers::Classify(const QRectF& part, const FaceLayout& layout) {
    // Measured bounds of curves overshoot a little.
    constexpr qreal Slack = 0.25;
    for (const QRectF& area : layout.IndexAreas) {
        if (area.adjusted(-Slack, -Slack, Slack, Slack).contains(part)) {
            return CardLayer::Index;
        }
    }
    const bool spansCard =
        part.width() > 0.9 * ReferenceCard.width() && part.height() > 0.9 * ReferenceCard.height();
    return spansCard ? CardLayer::Ground : CardLayer::Art;
}

QList<QByteArray> DeckLayers::Split(const QByteArray& svg, const QStringList& cards,
                                    const FaceLayout& layout) {
    QDomDocument document;
    if (!document.setContent(svg)) {
        return {};
    }
    QHash<QString, QDomElement> found;
    CollectCards(document.documentElement(), cards, found);
    NameParts(found);
    const QSvgRenderer measure(document.toByteArray(-1));
    if (!measure.isValid()) {
        return {};
    }
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        SortParts(document, it.key(), it.value(), measure, layout);
    }
    QList<QByteArray> layers;
    for (CardLayer shown : AllLayers) {
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            for (CardLayer layer : AllLayers) {
                Group(it.value(), LayerId(it.key(), layer))
                    .setAttribute(QStringLiteral("opacity"),
                                  layer == shown ? QStringLiteral("1") : QStringLiteral("0"));
            }
        }
        layers.append(document.toByteArray(-1));
    }
    return layers;
}

}  // namespace cardgen

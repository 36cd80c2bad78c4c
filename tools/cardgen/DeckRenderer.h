#pragma once

#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <QStringList>
#include <QSvgRenderer>
#include <memory>
#include <vector>

#include "DeckStyle.h"

namespace cardgen {

// Renders the faces of one SVG deck at any size, in the numbering of the card libraries:
// value v = 1..52 is suit (v - 1) / 13 + 1 and rank (v - 1) % 13 + 1, 53 is the joker.
// Suits run clubs, diamonds, hearts, spades, so suits 2 and 3 are the red ones.
//
// Where the style gives a face layout, the pips and figures are drawn apart from the card's
// ground and indices, pulled in by the layout's margins.
//
// Every face is opaque inside a rounded rectangle of corner radius 5 / 140 of the width,
// the outline the card view cuts, and transparent outside it.
class DeckRenderer {
  public:
    explicit DeckRenderer(DeckStyle deckStyle);

    bool IsValid() const;
    const DeckStyle& Style() const { return style_; }
    QImage Face(int value, QSize size) const;

    static QString ElementId(int value);

  private:
    QImage RenderElement(const QString& id, QSize size) const;
    QImage RenderLayers(const QString& id, QSize size) const;
    QImage ComposedJoker(QSize size) const;
    void ApplyPatches(const QString& id, QImage& art) const;

    DeckStyle style_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QStringList laidOut_;  // the cards drawn in layers
    // One deck for each layer, when the style lays the faces out: ground, art, indices.
    std::vector<std::unique_ptr<QSvgRenderer>> layerRenderers_;
};

// Radius of the card's corner at `size`; the card view cuts 5 pixels at 140 x 208.
qreal CornerRadius(QSize size);

// The rounded outline the card view cuts, scaled to `size`.
QPainterPath CardOutlinePath(QSize size);

// `art` laid on a rounded card outline: the outline is filled with the colour of the art's
// own left edge (its border line), so the deck's wider corners close up without a gap, and
// cut outside. The
// outline's edge is smooth: its pixels are partly transparent where it crosses them.
QImage OnCardOutline(const QImage& art);

}  // namespace cardgen

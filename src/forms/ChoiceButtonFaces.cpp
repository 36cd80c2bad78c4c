#include "ChoiceButtonFaces.h"

#include "WindowPicture.h"

namespace orvane {

namespace {

ButtonFace ReadFace(const QString& folder, const char* picture, const QString& caption,
                    std::optional<QColor> ownColour = std::nullopt) {
    ButtonFace face;
    if (!folder.isEmpty()) {
        face.Picture = LoadWindowPicture(folder + QString::fromLatin1(picture));
    }
    face.Caption = caption;
    face.OwnColour = ownColour;
    return face;
}

std::size_t Row(ChoiceButtons choices) {
    return static_cast<std::size_t>(choices);
}

}  // namespace

ChoiceButtonFaces::ChoiceButtonFaces(const QString& folder) {
    const ButtonFace half = ReadFace(folder, "half.png", QStringLiteral("TAKE HALF"));
    faces_[Row(ChoiceButtons::Off)] = {
        ReadFace(folder, "hold2.png", QStringLiteral("HOLD 2")),
        ReadFace(folder, "hold4.png", QStringLiteral("HOLD 4")),
        ReadFace(folder, "hold5.png", QStringLiteral("HOLD 5")),
    };
    faces_[Row(ChoiceButtons::SmallBig)] = {
        ReadFace(folder, "small.png", QStringLiteral("SMALL")),
        ReadFace(folder, "big.png", QStringLiteral("BIG")),
        half,
    };
    faces_[Row(ChoiceButtons::RedBlack)] = {
        ReadFace(folder, "red.png", QStringLiteral("RED"), QColor::fromRgb(RedPlate)),
        ReadFace(folder, "black.png", QStringLiteral("BLACK"), QColor::fromRgb(BlackPlate)),
        half,
    };
}

const ButtonFace& ChoiceButtonFaces::Face(ChoiceButtons choices, int slot) const {
    std::size_t column = 0;
    while (column + 1 < Slots.size() && Slots[column] != slot) {
        ++column;
    }
    return faces_[Row(choices)][column];
}

QString ChoiceButtonFaces::GuessHint(ChoiceButtons choices) {
    switch (choices) {
        case ChoiceButtons::SmallBig:
            return QStringLiteral("SMALL 2  OR  BIG 4");
        case ChoiceButtons::RedBlack:
            return QStringLiteral("RED 2  OR  BLACK 4");
        case ChoiceButtons::Off:
            break;
    }
    return {};
}

QString ChoiceButtonFaces::CollectHint(ChoiceButtons choices) {
    return choices == ChoiceButtons::Off ? QString() : QStringLiteral("HALF 5  \u00B7  COLLECT 7");
}

}  // namespace orvane

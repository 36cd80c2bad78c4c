// Generates the card libraries, the bonus picture library and the card-set previews into
// the program folder:
//
//   cardgen STAGE_DIR PROGRAM_DIR DECK1.svg DECK2.svg DECK3.svg [--sheet FILE.png]
//           [--deck-sheets PREFIX]
//
// The decks are read uncompressed. --sheet writes the contact sheet of sample cards,
// --deck-sheets every card of each library at both sizes, for looking the art over.
//
// Each library is left in STAGE_DIR as one headerless bitmap per entry plus a resource
// collection file "<library>.qrc", which the build turns into the library with rcc.
// The previews are written to PROGRAM_DIR directly.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QList>
#include <array>
#include <cstdio>

#include "BonusPicturePainter.h"
#include "CardBackPainter.h"
#include "CardSetPreviewPainter.h"
#include "ContactSheet.h"
#include "DeckRenderer.h"
#include "FourColourDeck.h"
#include "PictureLibraryWriter.h"
#include "game/Card.h"

namespace {

using cardgen::DeckRenderer;
using cardgen::DeckStyle;
using cardgen::DibDepth;
using cardgen::PictureLibraryWriter;

const QSize CardSize(140, 208);
const QSize SharpCardSize(280, 416);
const QSize BonusSize(82, 68);
const QSize PreviewSize(160, 124);

// The three libraries in catalog order: a classic French pattern, a bold cartoon deck with
// large indices, and a modern silhouette deck. Each gets its own colour of the back.
std::array<DeckStyle, 3> LibraryStyles(const QStringList& svgFiles) {
    return {{
        {QStringLiteral("zqcsrl_pi.dll"),
         QStringLiteral("zqcsrl_pi_4c.dll"),
         svgFiles.at(0),
         QString(),
         QStringLiteral("jokerface"),
         QColor(22, 44, 110),
         {},
         // Pips and figures shrink by 15 %: clear of the indices and of the frame.
         {{QRectF(4, 3, 22, 49), QRectF(114, 156, 22, 49)},
          // The stem of the queen of spades' flower reaches in beside the index.
          {QStringLiteral("path10918"), QStringLiteral("path10824")},
          {},
          QMarginsF(10.5, 15.6, 10.5, 15.6)}},
        {QStringLiteral("zqcsrl_pl.dll"),
         QStringLiteral("zqcsrl_pl_4c.dll"),
         svgFiles.at(1),
         QStringLiteral("red_joker"),
         QString(),
         QColor(128, 16, 30),
         // The ace of spades carries the clip-art site's mark; a plain spade of the same
         // deck goes over it.
         {{QStringLiteral("1_spade"), QStringLiteral("path4163"), QStringLiteral("g31154")}},
         {}},
        {QStringLiteral("zqcsrl_asi.dll"),
         QStringLiteral("zqcsrl_asi_4c.dll"),
         svgFiles.at(2),
         QStringLiteral("joker"),
         QString(),
         QColor(66, 22, 92),
         {},
         // The rank stands in the top right corner and the suit in the bottom left one; the
         // pips shrink by 15 % to clear both.
         {{QRectF(104, 6, 30, 34), QRectF(10, 170, 22, 25)},
          {},
          // The ten of clubs stands its pips askew; the other tens' grid straightens them.
          {{QStringLiteral("use74413"), QPointF(18.6, 20.3)},
           {QStringLiteral("use74423"), QPointF(18.6, 62.5)},
           {QStringLiteral("use74425"), QPointF(18.6, 105.3)},
           {QStringLiteral("use74429"), QPointF(18.6, 146.8)},
           {QStringLiteral("use74435"), QPointF(82.3, 20.3)},
           {QStringLiteral("use74437"), QPointF(82.3, 62.5)},
           {QStringLiteral("use74439"), QPointF(82.3, 105.3)},
           {QStringLiteral("use74441"), QPointF(82.3, 146.8)},
           {QStringLiteral("use74419"), QPointF(50.6, 43.7)},
           {QStringLiteral("use74427"), QPointF(50.6, 124.3)}},
          QMarginsF(10.5, 15.6, 10.5, 15.6)}},
    }};
}

// Cards shown in the previews and on the contact sheet, left to right.
constexpr std::array<int, 4> PreviewCards = {0, 40, 39, orvane::JokerValue};  // 0 = the back
constexpr std::array<int, 8> SheetCards = {40, 39, 25, 11, 36, 20, orvane::JokerValue, 0};

struct LibraryPictures {
    QList<QImage> faces;  // index = card value; index 0 holds the back
    QList<QImage> sharpFaces;
};

bool Fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "cardgen: %s: %s\n", what, qPrintable(detail));
    return false;
}

bool BuildCardLibrary(const DeckStyle& style, const QString& stage, LibraryPictures& pictures) {
    const DeckRenderer deck(style);
    if (!deck.IsValid()) {
        return Fail("deck lacks cards or cannot be read", style.SvgFile);
    }
    PictureLibraryWriter writer(stage, style.LibraryFile);
    pictures.faces = {cardgen::PaintCardBack(CardSize, style.BackTint)};
    pictures.sharpFaces = {cardgen::PaintCardBack(SharpCardSize, style.BackTint)};
    bool ok = writer.Add(QStringLiteral("CARD_BACK_1"), pictures.faces.front(),
                         pictures.sharpFaces.front(), DibDepth::Argb32);
    for (int value = 1; value <= orvane::CardsInDeck; ++value) {
        pictures.faces.append(deck.Face(value, CardSize));
        pictures.sharpFaces.append(deck.Face(value, SharpCardSize));
        ok = writer.Add(QStringLiteral("CARD_%1").arg(value), pictures.faces.back(),
                        pictures.sharpFaces.back(), DibDepth::Argb32) &&
             ok;
    }
    return (writer.Finish() && ok) || Fail("cannot write the pictures of", style.LibraryFile);
}

// The twin of a library with a colour for each suit: the same pictures, recoloured.
bool BuildFourColourLibrary(const DeckStyle& style, const QString& stage,
                            const LibraryPictures& pictures) {
    PictureLibraryWriter writer(stage, style.FourColourFile);
    bool ok = writer.Add(QStringLiteral("CARD_BACK_1"), pictures.faces.front(),
                         pictures.sharpFaces.front(), DibDepth::Argb32);
    for (int value = 1; value <= orvane::CardsInDeck; ++value) {
        const int suit = orvane::SuitOfValue(value);
        ok = writer.Add(QStringLiteral("CARD_%1").arg(value),
                        cardgen::FourColourFace(pictures.faces.at(value), suit),
                        cardgen::FourColourFace(pictures.sharpFaces.at(value), suit),
                        DibDepth::Argb32) &&
             ok;
    }
    return (writer.Finish() && ok) || Fail("cannot write the pictures of", style.FourColourFile);
}

bool BuildBonusLibrary(const QString& stage) {
    PictureLibraryWriter writer(stage, QStringLiteral("zqmrl.dll"));
    bool ok = true;
    for (int rank = 7; rank <= 10; ++rank) {
        ok = writer.Add(QStringLiteral("4X%1").arg(rank),
                        cardgen::PaintBonusPicture(rank, BonusSize),
                        cardgen::PaintBonusPicture(rank, BonusSize * 2), DibDepth::Rgb24) &&
             ok;
    }
    return (writer.Finish() && ok) ||
           Fail("cannot write the pictures of", QStringLiteral("zqmrl.dll"));
}

QImage Preview(const LibraryPictures& pictures) {
    QList<QImage> cards;
    for (int value : PreviewCards) {
        cards.append(pictures.sharpFaces.at(value));
    }
    return cardgen::PaintCardSetPreview(cards, PreviewSize);
}

bool WritePreview(const LibraryPictures& pictures, const QString& file) {
    QImageWriter writer(file, "bmp");
    return writer.write(Preview(pictures)) || Fail("cannot write the preview", file);
}

// Every library's sample cards, then the bonus pictures at double size.
bool WriteSheet(const QList<LibraryPictures>& libraries, const QString& file) {
    QList<QList<QImage>> rows;
    for (const LibraryPictures& pictures : libraries) {
        QList<QImage> row;
        for (int value : SheetCards) {
            row.append(pictures.faces.at(value));
        }
        rows.append(row);
    }
    QList<QImage> bonus;
    for (int rank = 7; rank <= 10; ++rank) {
        bonus.append(cardgen::PaintBonusPicture(rank, BonusSize * 2));
    }
    rows.append(bonus);
    return cardgen::PaintContactSheet(rows).save(file) || Fail("cannot write the sheet", file);
}

// All 54 pictures of one library, a suit a row, at `sharp` double size when asked.
bool WriteDeckSheet(const LibraryPictures& pictures, bool sharp, const QString& file) {
    const QList<QImage>& faces = sharp ? pictures.sharpFaces : pictures.faces;
    QList<QList<QImage>> rows;
    for (int first = 1; first < orvane::JokerValue; first += 13) {
        rows.append(faces.mid(first, 13));
    }
    rows.append({faces.at(orvane::JokerValue), faces.at(0)});
    return cardgen::PaintContactSheet(rows).save(file) || Fail("cannot write the sheet", file);
}

}  // namespace

int main(int argc, char** argv) {
    // Runs during the build, where there is no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("stage"),
                                 QStringLiteral("folder for the library entries"));
    parser.addPositionalArgument(QStringLiteral("program"), QStringLiteral("the program folder"));
    parser.addPositionalArgument(QStringLiteral("decks"), QStringLiteral("three SVG card decks"));
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                         QStringLiteral("also write a contact sheet"),
                                         QStringLiteral("png"));
    parser.addOption(sheetOption);
    const QCommandLineOption deckSheetOption(
        QStringLiteral("deck-sheets"),
        QStringLiteral("also write every card of each library, at 1x and 2x, to "
                       "PREFIX<n>.png and PREFIX<n>@2x.png"),
        QStringLiteral("prefix"));
    parser.addOption(deckSheetOption);
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 5) {
        parser.showHelp(2);
    }
    const QString stage = args.at(0);
    const QString program = args.at(1);
    if (!QDir().mkpath(stage) || !QDir().mkpath(program)) {
        Fail("cannot create", stage + QStringLiteral(" or ") + program);
        return 1;
    }

    QList<LibraryPictures> libraries;
    int previewNumber = 1;
    for (const DeckStyle& style : LibraryStyles(args.mid(2))) {
        LibraryPictures pictures;
        if (!BuildCardLibrary(style, stage, pictures) ||
            !BuildFourColourLibrary(style, stage, pictures) ||
            !WritePreview(pictures, QDir(program).filePath(
                                        QStringLiteral("optcs%1.zqi").arg(previewNumber)))) {
            return 1;
        }
        libraries.append(pictures);
        ++previewNumber;
    }
    if (!BuildBonusLibrary(stage)) {
        return 1;
    }
    if (parser.isSet(sheetOption) && !WriteSheet(libraries, parser.value(sheetOption))) {
        return 1;
    }
    if (parser.isSet(deckSheetOption)) {
        const QString prefix = parser.value(deckSheetOption);
        for (int n = 1; n <= libraries.size(); ++n) {
            const LibraryPictures& pictures = libraries.at(n - 1);
            if (!WriteDeckSheet(pictures, false, prefix + QStringLiteral("%1.png").arg(n)) ||
                !WriteDeckSheet(pictures, true, prefix + QStringLiteral("%1@2x.png").arg(n))) {
                return 1;
            }
        }
    }
    return 0;
}

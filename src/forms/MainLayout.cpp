#include "MainLayout.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "FontSubstitutes.h"
#include "WindowPicture.h"
#include "layout/TableGeometry.h"
#include "view/TCard.h"
#include "widgets/TEffectLabel.h"
#include "widgets/TEngravedLabel.h"
#include "widgets/TImageButton.h"
#include "widgets/TShapeButton.h"
#include "widgets/TTintedPicture.h"

namespace orvane {

namespace {

namespace G = TableGeometry;

const QColor Yellow(255, 255, 0);
// Paler than the caption between the hints, so the won line stands out.
const QColor HintColour(255, 232, 170);

QFont Font(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QImage Picture(const QString& folder, const char* file) {
    return LoadWindowPicture(folder + QString::fromLatin1(file));
}

QRect Rect(const Box& box) {
    return box.To<QRect>();
}

template <typename W>
W* Place(W* widget, const char* name, const Box& box) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Rect(box));
    return widget;
}

QWidget* Panel(QWidget* parent, const char* name, const Box& box, const QColor& color) {
    auto* panel = Place(new QWidget(parent), name, box);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, color);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

// A transparent text label; white is its own background colour, seen only while it is
// made opaque to highlight a pay line.
template <typename L = QLabel>
L* TextLabel(QWidget* parent, const QString& name, const Box& box, const QFont& font,
             Qt::Alignment align, const QString& text) {
    auto* label = new L(text, parent);
    label->setObjectName(name);
    label->setGeometry(Rect(box));
    label->setFont(font);
    label->setAlignment(align);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Yellow);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(false);
    return label;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel* PictureLabel(QWidget* parent, const char* name, const Box& box, const QImage& picture) {
    auto* label = Place(new QLabel(parent), name, box);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!picture.isNull()) {
        label->setPixmap(QPixmap::fromImage(picture));
    }
    return label;
}

TTintedPicture* Tinted(QWidget* parent, const QString& name, const Box& box,
                       const QImage& picture) {
    auto* image = new TTintedPicture(parent);
    image->setObjectName(name);
    image->setGeometry(Rect(box));
    image->SetPicture(picture);
    return image;
}

TEffectLabel* EffectLabel(QWidget* parent, const char* name, const Box& box, const QFont& font,
                          const QColor& color, bool outline) {
    auto* label = Place(new TEffectLabel(parent), name, box);
    label->setFont(font);
    label->SetTextColor(color);
    label->SetOutline(outline);
    label->setText(QStringLiteral("0"));
    return label;
}

void BuildTopStrip(QWidget& window, MainControls& c) {
    c.CaptionShape = Panel(&window, "CaptionShape", G::CaptionStrip, Qt::black);
    c.CaptionShape->setCursor(Qt::SizeAllCursor);
    const char* names[] = {"", "fcShapeBtn1", "fcShapeBtn2", "fcShapeBtn3"};
    const char* texts[] = {"", "Credit", "Options", "Help"};
    for (int i = 1; i <= 3; ++i) {
        c.fcShapeBtn[static_cast<std::size_t>(i)] = Place(
            new TShapeButton(QString::fromLatin1(texts[i]), &window), names[i], G::MenuButton(i));
    }
    c.lblCaption =
        TextLabel(&window, QStringLiteral("lblCaption"), G::DevelopmentCaption, window.font(),
                  Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("DEV"));
    c.lblCaption->hide();
    c.btnMinimize =
        Place(new TShapeButton(QStringLiteral("_"), &window), "btnMinimize", G::MinimizeButton);
    c.btnExit = Place(new TShapeButton(QStringLiteral("X"), &window), "btnExit", G::ExitButton);
}

// Pictures and labels of the table, in the order that decides which lies on top.
void BuildTable(QWidget& window, MainControls& c, const QString& pictures) {
    c.imgBackground = PictureLabel(&window, "imgBackground", G::Background, {});

    const QImage hold = Picture(pictures, HoldMarkPicture);
    for (int n = 1; n <= 5; ++n) {
        auto* mark = PictureLabel(&window, "", G::HoldMark(n), hold);
        mark->setObjectName(QStringLiteral("lblHold%1").arg(n));
        mark->hide();
        c.lblHold[static_cast<std::size_t>(n)] = mark;
    }

    const QImage lamp = Picture(pictures, LampPicture);
    for (int square = 10; square >= 1; --square) {
        c.imgOrvaneState[static_cast<std::size_t>(square)] = Tinted(
            &window, QStringLiteral("imgOrvaneState%1").arg(square), G::MeterLamp(square), lamp);
    }

    c.imgFlash = PictureLabel(&window, "imgFlash", G::Flash, Picture(pictures, FlashPicture));
    c.imgFlash->hide();

    const QImage star = Picture(pictures, StarPicture);
    for (int k = 3; k >= 1; --k) {
        c.imgStarL[static_cast<std::size_t>(k)] =
            Tinted(&window, QStringLiteral("imgStarL%1").arg(k), G::StarLeft(k), star);
    }
    for (int k = 1; k <= 3; ++k) {
        c.imgStarR[static_cast<std::size_t>(k)] =
            Tinted(&window, QStringLiteral("imgStarR%1").arg(k), G::StarRight(k), star);
    }

    // The digit of each meter square on its lamp; "10" in a face of its own to fit.
    // Yellow digits vanish on a theme whose lit lamps are yellow (Wood): an engraved
    // shadow keeps them readable on every lamp colour.
    for (int d = 1; d <= 9; ++d) {
        c.Label[static_cast<std::size_t>(22 + d)] = TextLabel<TEngravedLabel>(
            &window, QStringLiteral("Label%1").arg(22 + d), G::MeterDigit(d), window.font(),
            Qt::AlignLeft, QString::number(d));
    }
    c.Label[32] = TextLabel<TEngravedLabel>(&window, QStringLiteral("Label32"), G::MeterDigit(10),
                                            Font(QStringLiteral("Times New Roman"), 11),
                                            Qt::AlignLeft, QStringLiteral("10"));

    c.lblMessage = EffectLabel(&window, "lblMessage", G::Message,
                               Font(QStringLiteral("Arial"), 16, true), Yellow, false);
    c.lblMessage->setText(QStringLiteral("WINNER"));
    // At the table's own places until a theme moves them.
    const G::ValueBoxes values = G::ValuesAt(G::ValueTops{});
    c.imgOrvaneCards = PictureLabel(&window, "imgOrvaneCards", values.BonusCards, {});

    const QFont amounts = Font(PoorRichard, 19);
    c.lblWinScore = EffectLabel(&window, "lblWinScore", values.Win, amounts, Yellow, true);
    c.lblBet = EffectLabel(&window, "lblBet", values.Bet, amounts, Qt::blue, true);
    c.lblOrvaneWin = EffectLabel(&window, "lblOrvaneWin", values.Bonus, amounts, Yellow, true);
    c.lblCredit = EffectLabel(&window, "lblCredit", values.Credit, amounts, Yellow, true);
    c.lblCredit->setCursor(Qt::PointingHandCursor);
}

void BuildPayTable(QWidget& window, MainControls& c) {
    c.pnlMain = Panel(&window, "pnlMain", G::PayPanel, QColor(0x18, 0x08, 0x29));
    const QFont font = Font(QStringLiteral("MS Sans Serif"), 16, true);
    const char* captions[] = {
        "",      "FIVE OF A KIND", "ROYAL FLUSH",     "STRAIGHT FLUSH", "POKER",     "FULL HOUSE",
        "FLUSH", "STRAIGHT",       "THREE OF A KIND", "TWO PAIRS",      "HIGH PAIR", "ORVANE 3X7"};
    for (int k = 1; k <= 11; ++k) {
        c.Label[static_cast<std::size_t>(k)] =
            TextLabel(c.pnlMain, QStringLiteral("Label%1").arg(k), G::PayLineName(k), font,
                      Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(captions[k]));
        c.Label[static_cast<std::size_t>(k + 11)] =
            TextLabel(c.pnlMain, QStringLiteral("Label%1").arg(k + 11), G::PayLineAmount(k), font,
                      Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    }
}

void BuildDoubleUpPanel(QWidget& window, MainControls& c, const QString& pictures) {
    c.pnlDoubleUp = Panel(&window, "pnlDoubleUp", G::DoubleUpPanel, QColor(0x94, 0x08, 0x13));
    c.lblWinScoreLabel = TextLabel(c.pnlDoubleUp, QStringLiteral("lblWinScoreLabel"), G::WinTitle,
                                   Font(QStringLiteral("MS Sans Serif"), 11, true), Qt::AlignCenter,
                                   QStringLiteral("THREE OF A KIND"));
    // Left and right of the caption, clear of the cards below; hidden until an offer.
    const QFont hintFont = Font(QStringLiteral("MS Sans Serif"), 10, true);
    c.lblDupGuessHint = TextLabel(c.pnlDoubleUp, QStringLiteral("lblDupGuessHint"), G::GuessHint,
                                  hintFont, Qt::AlignLeft | Qt::AlignVCenter, QString());
    c.lblDupCollectHint =
        TextLabel(c.pnlDoubleUp, QStringLiteral("lblDupCollectHint"), G::CollectHint, hintFont,
                  Qt::AlignRight | Qt::AlignVCenter, QString());
    for (QLabel* hint : {c.lblDupGuessHint, c.lblDupCollectHint}) {
        SetTextColour(hint, HintColour);
        hint->hide();
    }
    c.imgDupIndicatorUp = PictureLabel(c.pnlDoubleUp, "imgDupIndicatorUp", G::IndicatorUp,
                                       Picture(pictures, DupUpPicture));
    c.imgDupIndicatorDown = PictureLabel(c.pnlDoubleUp, "imgDupIndicatorDown", G::IndicatorDown,
                                         Picture(pictures, DupDownPicture));
    c.imgDupIndicatorDown->hide();
    c.pnlDoubleUp->hide();
}

struct ButtonPlace {
    GameButton button;
    const char* name;
    const char* caption;
    const char* face;
    Box box;
    int tag;
};

constexpr ButtonPlace ButtonPlaces[] = {
    {GameButton::Hold1, "btnHold1", "HOLD 1", "hold1.png", G::HoldButton(1), 1},
    {GameButton::Hold2, "btnHold2", "HOLD 2", "hold2.png", G::HoldButton(2), 2},
    {GameButton::Hold3, "btnHold3", "HOLD 3", "hold3.png", G::HoldButton(3), 3},
    {GameButton::Hold4, "btnHold4", "HOLD 4", "hold4.png", G::HoldButton(4), 4},
    {GameButton::Hold5, "btnHold5", "HOLD 5", "hold5.png", G::HoldButton(5), 5},
    {GameButton::Bet, "btnBet", "BET", "bet.png", G::BetButton, 0},
    {GameButton::Cash, "btnCash", "CASH", "cash.png", G::CashButton, 0},
    {GameButton::Deal, "btnDeal", "DEAL", "deal.png", G::DealButton, 0},
};

void BuildButtons(QWidget& window, MainControls& c, const QString& pictures) {
    const QFont font = Font(QStringLiteral("MS Sans Serif"), 11);
    for (const ButtonPlace& s : ButtonPlaces) {
        auto* button = Place(new TImageButton(&window), s.name, s.box);
        button->setFont(font);
        button->setText(QString::fromLatin1(s.caption));
        button->SetTag(s.tag);
        button->SetPicture(Picture(pictures, s.face));
        c.Buttons[static_cast<std::size_t>(s.button)] = button;
    }
    c.ChoiceFaces = ChoiceButtonFaces(pictures);
}

void SetPixmap(QLabel* label, const QImage& picture) {
    if (!picture.isNull()) {
        label->setPixmap(QPixmap::fromImage(picture));
    }
}

}  // namespace

MainControls BuildMainLayout(QWidget& window, const QString& pictureFolder) {
    MainControls c;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Yellow);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(Font(QStringLiteral("Arial"), 11));

    BuildTopStrip(window, c);
    BuildTable(window, c, pictureFolder);
    BuildPayTable(window, c);
    BuildDoubleUpPanel(window, c, pictureFolder);
    BuildButtons(window, c, pictureFolder);
    return c;
}

void ReloadWindowPictures(MainControls& c, const QString& pictureFolder) {
    const QImage hold = Picture(pictureFolder, HoldMarkPicture);
    const QImage lamp = Picture(pictureFolder, LampPicture);
    const QImage star = Picture(pictureFolder, StarPicture);
    for (int n = 1; n <= 5; ++n) {
        SetPixmap(c.lblHold[static_cast<std::size_t>(n)], hold);
    }
    for (int square = 1; square <= 10; ++square) {
        c.imgOrvaneState[static_cast<std::size_t>(square)]->SetPicture(lamp);
    }
    for (int k = 1; k <= 3; ++k) {
        c.imgStarL[static_cast<std::size_t>(k)]->SetPicture(star);
        c.imgStarR[static_cast<std::size_t>(k)]->SetPicture(star);
    }
    SetPixmap(c.imgFlash, Picture(pictureFolder, FlashPicture));
    SetPixmap(c.imgDupIndicatorUp, Picture(pictureFolder, DupUpPicture));
    SetPixmap(c.imgDupIndicatorDown, Picture(pictureFolder, DupDownPicture));
    c.ChoiceFaces = ChoiceButtonFaces(pictureFolder);
    for (const ButtonPlace& s : ButtonPlaces) {
        const QImage face = Picture(pictureFolder, s.face);
        if (!face.isNull()) {
            c.Buttons[static_cast<std::size_t>(s.button)]->SetPicture(face);
        }
    }
}

void CreateCardViews(MainControls& c, QWidget& window, const QString& libraryFile) {
    for (int i = 1; i <= 5; ++i) {
        auto* card = new TCard(i, true, libraryFile, &window);
        card->setObjectName(QStringLiteral("Card%1").arg(i));
        card->setCursor(Qt::PointingHandCursor);
        c.HandCards[static_cast<std::size_t>(i)] = card;
    }
    for (int i = 1; i <= 10; ++i) {
        auto* card = new TCard(i, false, libraryFile, c.pnlDoubleUp);
        card->setObjectName(QStringLiteral("DupCard%1").arg(i));
        c.DupCards[static_cast<std::size_t>(i)] = card;
    }
    for (int n = 1; n <= 5; ++n) {
        c.lblHold[static_cast<std::size_t>(n)]->raise();
    }
}

}  // namespace orvane

#include "TfrmLastGames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "game/PayTable.h"
#include "machine/GroupedNumber.h"
#include "widgets/TDialogButton.h"

namespace orvane {
namespace {

constexpr int CardWidth = 40;
constexpr int CardHeight = 59;

QString Amount(std::int64_t value) {
    return GroupedNumber(static_cast<qlonglong>(value));
}

QString HandName(PrizeIndex prize) {
    if (prize == NoPrize) {
        return QStringLiteral("no win");
    }
    if (prize == OrvaneThree) {
        return QStringLiteral("ORVANE 3X");  // the rank it was played at is not recorded
    }
    return QString::fromStdString(PrizeCaption(prize, FirstOrvaneNumber));
}

QLabel* CardPicture(CardValue value, const QString& libraryFile, const CardPictureSource& pictures,
                    QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFixedSize(CardWidth, CardHeight);
    const QImage picture =
        pictures ? pictures(libraryFile, QStringLiteral("CARD_%1").arg(value), 1.0) : QImage();
    if (picture.isNull()) {
        // A card that cannot be shown is still named, so the record stays readable.
        label->setText(QString::number(value));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("background: white; color: black;"));
    } else {
        label->setPixmap(QPixmap::fromImage(picture.scaled(
            CardWidth, CardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    return label;
}

void AddHand(QHBoxLayout& row, const std::array<CardValue, 5>& cards, const QString& libraryFile,
             const CardPictureSource& pictures, QWidget* parent) {
    for (CardValue value : cards) {
        row.addWidget(CardPicture(value, libraryFile, pictures, parent));
    }
}

}  // namespace

TfrmLastGames::TfrmLastGames(QWidget* parent, const std::vector<GameRecord>& games,
                             const QString& libraryFile, const CardPictureSource& pictures)
    : TFormZQ(Content, parent) {
    setObjectName(QStringLiteral("frmLastGames"));
    SetTitle(QStringLiteral("Last games"));

    auto* scroll = new QScrollArea(Client());
    scroll->setObjectName(QStringLiteral("sbGames"));
    // The list starts under the caption strip and ends above the close button.
    const int top = CaptionHeight + 6;
    scroll->setGeometry(8, top, Content.width() - 16, Content.height() - top - 38);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral(
        "QScrollArea { background: #1B4F0A; border: 1px solid "
        "#5E9E3A; } QScrollArea:focus { border: 2px solid yellow; } QLabel { color: yellow; }"));
    auto* list = new QWidget;
    list->setStyleSheet(QStringLiteral("background: #1B4F0A;"));
    auto* rows = new QVBoxLayout(list);
    if (games.empty()) {
        auto* none = new QLabel(QStringLiteral("No game has been played yet."), list);
        none->setObjectName(QStringLiteral("lblNoGames"));
        rows->addWidget(none);
    }
    // Newest first: the game the player asks about is nearly always the last one.
    int number = static_cast<int>(games.size());
    for (auto game = games.rbegin(); game != games.rend(); ++game, --number) {
        rows->addWidget(GameRow(*game, number, libraryFile, pictures));
    }
    rows->addStretch(1);
    scroll->setWidget(list);

    btnClose_ = new TDialogButton(QStringLiteral("CLOSE"), TDialogButton::Face::Orange, Client());
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setGeometry(Content.width() - 108, Content.height() - 30, 100, 20);
    connect(btnClose_, &QAbstractButton::clicked, this, &TfrmLastGames::btnCloseClick);
    SetDefaultButton(btnClose_);
    SetCancelButton(btnClose_);
}

QWidget* TfrmLastGames::GameRow(const GameRecord& game, int number, const QString& libraryFile,
                                const CardPictureSource& pictures) {
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("game%1").arg(number));
    auto* column = new QVBoxLayout(row);
    column->setContentsMargins(4, 4, 4, 8);
    auto* text = new QLabel(QStringLiteral("%1. %2").arg(number).arg(Summary(game)), row);
    text->setObjectName(QStringLiteral("lblGame%1").arg(number));
    text->setWordWrap(true);
    column->addWidget(text);

    auto* cards = new QHBoxLayout;
    cards->setSpacing(3);
    AddHand(*cards, game.Dealt, libraryFile, pictures, row);
    for (const GameDraw& draw : game.Draws) {
        auto* arrow = new QLabel(QStringLiteral("\u2192"), row);
        arrow->setContentsMargins(6, 0, 6, 0);
        cards->addWidget(arrow);
        AddHand(*cards, draw.Cards, libraryFile, pictures, row);
    }
    cards->addStretch(1);
    column->addLayout(cards);
    return row;
}

QString TfrmLastGames::Summary(const GameRecord& game) {
    QString text = QStringLiteral("Bet %1, credit %2 \u2192 %3. ")
                       .arg(Amount(game.Bet), Amount(game.CreditBefore), Amount(game.CreditAfter));
    if (game.GivenUpPrize != NoPrize) {
        text += QStringLiteral("%1 given up for a second draw. ").arg(HandName(game.GivenUpPrize));
    }
    if (game.Prize != NoPrize) {
        text += QStringLiteral("%1 paid %2. ").arg(HandName(game.Prize), Amount(game.Win));
    }
    return text + Outcome(game);
}

QString TfrmLastGames::Outcome(const GameRecord& game) {
    int right = 0;
    for (const GameGuess& guess : game.Guesses) {
        right += guess.Right ? 1 : 0;
    }
    const QString guesses =
        game.Guesses.empty()
            ? QString()
            : (right == 1 ? QStringLiteral("1 right guess, ")
                          : QStringLiteral("%1 right guesses, ").arg(Amount(right)));
    switch (game.End) {
        case GameEnd::InPlay:
            return QStringLiteral("Still in play.");
        case GameEnd::NoWin:
            return QStringLiteral("No win.");
        case GameEnd::Collected:
            return guesses + QStringLiteral("%1 collected.").arg(Amount(game.Collected));
        case GameEnd::GambleLost:
            return guesses + (game.Collected > 0
                                  ? QStringLiteral("the rest lost in the double-up after %1 "
                                                   "collected.")
                                        .arg(Amount(game.Collected))
                                  : QStringLiteral("the win lost in the double-up."));
        case GameEnd::DoubleUpComplete:
            return QStringLiteral("Ten right guesses, %1 collected.").arg(Amount(game.Collected));
        case GameEnd::Redealt:
            return QStringLiteral("Dealt again before the draw.");
    }
    return {};
}

void TfrmLastGames::ShowModal() {
    CentreOver(parentWidget());
    exec();
}

}  // namespace orvane

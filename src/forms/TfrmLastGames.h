#pragma once

#include <QString>
#include <vector>

#include "TFormZQ.h"
#include "game/GameRecord.h"
#include "view/CardPictureSource.h"

namespace orvane {

class TDialogButton;

// The last games the machine played, newest first, each with its cards as they were dealt
// and as the hand ended, what it paid and what became of the win: the recall a player asks
// for when a round went by too fast, or when something looked wrong.
class TfrmLastGames : public TFormZQ {
    Q_OBJECT
  public:
    static constexpr QSize Content{640, 480};

    // games oldest first, as the table keeps them; cards from libraryFile through pictures.
    TfrmLastGames(QWidget* parent, const std::vector<GameRecord>& games, const QString& libraryFile,
                  const CardPictureSource& pictures);

    void ShowModal();
    void btnCloseClick() { Finish(DialogResult::Ok); }

    // The line under which one game is shown.
    static QString Summary(const GameRecord& game);
    // What became of the win, in the player's words.
    static QString Outcome(const GameRecord& game);

  private:
    QWidget* GameRow(const GameRecord& game, int number, const QString& libraryFile,
                     const CardPictureSource& pictures);

    TDialogButton* btnClose_ = nullptr;
};

}  // namespace orvane

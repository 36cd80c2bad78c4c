#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "StartupContent.h"
#include "view/CardPictureSource.h"

namespace orvane {

class GameTable;
class MainTableDisplay;
class TSettings;
struct MainControls;

// The card set the table shows, held to the content test: at start, stored numbers that
// name no theme or card set are mended and a damaged card library gives way to a whole
// one; later, a damaged set chosen in the options is refused and the cards on the table
// stay as they were, and a whole one puts a machine that was out of service back in
// service.
class ShownCardLibrary {
  public:
    ShownCardLibrary(QString programFolder, TSettings& settings, CardPictureSource pictures);

    // Before the cards are made.
    StartupContent CheckAtStart();
    // The set chosen in the settings; refuse: tells the player why it was refused.
    void Apply(MainControls& controls, GameTable& table, MainTableDisplay& display,
               const std::function<void(const QString&)>& refuse);

  private:
    const QString programFolder_;
    TSettings& settings_;
    const CardPictureSource pictures_;
    std::int32_t shownID_ = 0;
};

}  // namespace orvane

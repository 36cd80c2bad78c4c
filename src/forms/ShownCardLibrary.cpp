#include "ShownCardLibrary.h"

#include "MainControls.h"
#include "MainTableDisplay.h"
#include "game/GameTable.h"
#include "settings/TSettings.h"
#include "view/TCard.h"

namespace orvane {

ShownCardLibrary::ShownCardLibrary(QString programFolder, TSettings& settings,
                                   CardPictureSource pictures)
    : programFolder_(std::move(programFolder)),
      settings_(settings),
      pictures_(std::move(pictures)) {}

StartupContent ShownCardLibrary::CheckAtStart() {
    StartupContent content = StartupContent::Check(programFolder_, settings_.ThemeID,
                                                   settings_.CardLibraryID, pictures_);
    if (content.ThemeID) {
        settings_.ThemeID = *content.ThemeID;
        settings_.ApplyTheme();
    }
    if (content.CardLibraryID) {
        settings_.CardLibraryID = *content.CardLibraryID;
    }
    shownID_ = settings_.CardLibraryID;
    return content;
}

void ShownCardLibrary::Apply(MainControls& controls, GameTable& table, MainTableDisplay& display,
                             const std::function<void(const QString&)>& refuse) {
    if (settings_.CardLibraryID != shownID_ || table.OutOfService()) {
        const QString damage =
            StartupContent::CheckCardLibrary(programFolder_, settings_.CardLibraryID, pictures_);
        if (!damage.isEmpty()) {
            settings_.CardLibraryID = shownID_;
            settings_.SetCardLibraryFile();
            refuse(damage);
            return;
        }
    }
    shownID_ = settings_.CardLibraryID;
    const QString file = QString::fromStdString(settings_.CardLibraryFile);
    controls.ForEachCard([&file](TCard& card, bool) { card.SetLibrary(file); });
    if (table.OutOfService()) {
        display.SetOutOfService(false);
        table.SetOutOfService(false);
    }
}

}  // namespace orvane

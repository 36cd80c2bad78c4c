#include "app/LostDisplaySave.h"

#include <QLoggingCategory>

#include "forms/TfrmMain.h"
#include "game/GameTable.h"
#include "settings/TSettings.h"

namespace orvane {

namespace {
Q_LOGGING_CATEGORY(lcLostDisplay, "orvane.display")
}  // namespace

bool SaveWithoutDisplay(TfrmMain& window) {
    TableState& table = window.Table().State();
    if (!table.Ready) {
        qCWarning(lcLostDisplay) << "display lost during a table action; the last save stands";
        return false;
    }
    TSettings& settings = window.Settings();
    settings.LastCredit = table.Credit;
    for (const std::string& problem : settings.Save(table, window.Table().Orvane())) {
        qCWarning(lcLostDisplay) << QString::fromStdString(problem);
    }
    qCWarning(lcLostDisplay) << "display lost; the game was saved";
    return true;
}

}  // namespace orvane

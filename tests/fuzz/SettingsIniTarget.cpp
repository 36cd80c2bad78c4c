#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "Targets.h"
#include "game/TOrvane.h"
#include "game/TableState.h"
#include "settings/QSettingsStore.h"
#include "settings/TSettings.h"

namespace orvane::fuzz {

namespace {

// Every save flushes the file to disk; in memory (/dev/shm) that costs nothing, where a
// disk would allow only a few inputs a second.
QString TemporaryFolderTemplate() {
    const QDir memory(QStringLiteral("/dev/shm"));
    return memory.exists() ? memory.filePath(QStringLiteral("orvane-fuzz-XXXXXX"))
                           : QDir::temp().filePath(QStringLiteral("orvane-fuzz-XXXXXX"));
}

// QSettings keeps parsed files in a cache keyed by path; a new name for every input
// makes sure each one is really read.
QString NextIniPath() {
    static const QTemporaryDir folder(TemporaryFolderTemplate());
    static unsigned counter = 0;
    return QDir(folder.path()).filePath(QStringLiteral("settings-%1.ini").arg(++counter));
}

}  // namespace

void FuzzSettingsIni(FuzzBytes bytes) {
    const QString path = NextIniPath();
    {
        QFile file(path);
        FuzzCheck(file.open(QIODevice::WriteOnly), "the INI file could not be written");
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    {
        QSettingsStore store(path);
        TSettings settings(store, "/opt/orvane");
        TableState table;
        TOrvane meter;
        settings.Load(table, meter);
        settings.Save(table, meter);
    }
    QFile::remove(path);
}

}  // namespace orvane::fuzz

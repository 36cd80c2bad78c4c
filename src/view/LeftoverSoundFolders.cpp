#include "view/LeftoverSoundFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "view/ViewLog.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace orvane {

namespace {

bool IsCopyName(const QString& name) {
    static const QRegularExpression copy(QStringLiteral("^[0-9]{1,9}\\.wav$"));
    return copy.match(name).hasMatch();
}

bool OwnedByThisUser(const QFileInfo& info) {
#ifdef Q_OS_UNIX
    return info.ownerId() == ::getuid();
#else
    Q_UNUSED(info);
    return true;  // the temporary folder is the user's own
#endif
}

bool LeftAlone(const QFileInfo& info, qint64 quietSeconds) {
    return info.lastModified().secsTo(QDateTime::currentDateTime()) >= quietSeconds;
}

// Removes the folder only when it holds nothing but sound copies.
bool RemoveCopies(QDir folder) {
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        if (!IsCopyName(name)) {
            return false;
        }
    }
    for (const QString& name : entries) {
        folder.remove(name);
    }
    return folder.rmdir(folder.path());
}

}  // namespace

int RemoveLeftoverSoundFolders(const QString& parent, qint64 quietSeconds) {
    const QDir temp(parent.isEmpty() ? QDir::tempPath() : parent);
    const QFileInfoList candidates = temp.entryInfoList(
        QStringList{QStringLiteral("Orvane Cards-??????")}, QDir::Dirs | QDir::Hidden);
    int removed = 0;
    for (const QFileInfo& info : candidates) {
        if (info.isSymLink() || !OwnedByThisUser(info) || !LeftAlone(info, quietSeconds)) {
            continue;
        }
        if (RemoveCopies(QDir(info.filePath()))) {
            qCInfo(lcView) << "removed a sound folder left by an earlier game:" << info.filePath();
            ++removed;
        }
    }
    return removed;
}

}  // namespace orvane

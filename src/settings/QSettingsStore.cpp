#include "QSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#include "SettingsFileGate.h"

namespace orvane {
namespace {

Q_LOGGING_CATEGORY(lcStore, "orvane.settings.store")

QString Key(const std::string& name) {
    return QString::fromStdString(name);
}

// A value edited by hand in an INI file can come back as a list ("1, 2"): keep all of
// its text so the settings can tell the player what they found instead of seeing an
// empty value and silently replacing it.
QString AsText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(','));
    }
    return value.toString();
}

// On Windows the native store is the registry, which has no file to look at.
bool BackedByFile(const QSettings& settings) {
#ifdef Q_OS_WIN
    return settings.format() != QSettings::NativeFormat;
#else
    Q_UNUSED(settings);
    return true;
#endif
}

bool IsUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString CouldNotRead(const QString& path, const QString& why) {
    return QStringLiteral("The settings file %1 could not be read (%2).").arg(Native(path), why);
}

const QString HeldBack = QStringLiteral(
    " The game started with the default settings; nothing will be written to that file in "
    "this game, so that what it holds is not lost.");

// A name beside the file that no earlier copy has taken.
QString FreeDamagedName(const QString& path) {
    const QString stem = path + QLatin1String(QSettingsStore::DamagedInfix) +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem;
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = stem + QLatin1Char('-') + QString::number(n);
    }
    return name;
}

// Where QSettings keeps the user's native store, worked out without making one: making one
// reads the file. Empty where the store is no file.
QString NativeFile() {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return {};
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QString::fromLatin1(QSettingsStore::Organization) + QLatin1Char('/') +
           QString::fromLatin1(QSettingsStore::Application) + QStringLiteral(".conf");
#endif
}

}  // namespace

QSettingsStore::QSettingsStore()
    : QSettingsStore(
          [] {
              return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 QString::fromLatin1(Organization),
                                                 QString::fromLatin1(Application));
          },
          NativeFile(), true) {}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : QSettingsStore(
          [iniFile] { return std::make_unique<QSettings>(iniFile, QSettings::IniFormat); }, iniFile,
          !QFileInfo(iniFile).absoluteDir().exists()) {}

QSettingsStore::QSettingsStore(SettingsMaker make, QString path, bool ownFolder)
    : make_(std::move(make)), path_(std::move(path)), ownFolder_(ownFolder) {
    if (!path_.isEmpty()) {
        const std::string refusal = RefusalToRead(path_.toStdString(), MaxSettingsFileBytes);
        if (!refusal.empty()) {
            // Not even QSettings may look: it reads the whole file as it is made.
            holdWrites_ = true;
            problems_.push_back(
                (CouldNotRead(path_, QString::fromStdString(refusal)) + HeldBack).toStdString());
            return;
        }
    }
    settings_ = make_();
    path_ = settings_->fileName();
    if (BackedByFile(*settings_)) {
        CheckFile();
        KeepPrivate(path_.toStdString(), ownFolder_);
    }
    settings_->beginGroup(QString::fromLatin1(Group));
}

QSettingsStore::~QSettingsStore() = default;

void QSettingsStore::CheckFile() {
    const QString path = settings_->fileName();
    QFile file(path);
    if (!file.exists()) {
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        holdWrites_ = true;
        problems_.push_back((CouldNotRead(path, file.errorString()) + HeldBack).toStdString());
        return;
    }
    const QByteArray bytes = file.read(MaxSettingsFileBytes + 1);
    file.close();
    if (bytes.size() > MaxSettingsFileBytes) {
        SetDamagedFileAside(QStringLiteral("it is larger than %1 bytes, far more than any settings")
                                .arg(MaxSettingsFileBytes));
        return;
    }
    if (bytes.isEmpty()) {
        problems_.push_back(
            QStringLiteral("The settings file %1 was empty, so the game started with the "
                           "default settings.")
                .arg(Native(path))
                .toStdString());
        return;
    }
    if (IsUtf16(bytes)) {
        SetDamagedFileAside(
            QStringLiteral("it is written as UTF-16 text, which the game does not read"));
        return;
    }
    if (bytes.contains('\0')) {
        SetDamagedFileAside(QStringLiteral("it holds binary data, not text"));
        return;
    }
    // The game always ends the file with a line break; a file that stops within a line was
    // cut short, and its last value may be only the start of a number.
    if (!bytes.endsWith('\n')) {
        SetDamagedFileAside(QStringLiteral("it ends within a line, as if it was cut short"));
        return;
    }
    settings_->allKeys();
    if (settings_->status() == QSettings::FormatError) {
        SetDamagedFileAside(QStringLiteral("some of its lines are not settings"));
        return;
    }
    const QStringList groups = settings_->childGroups();
    // The version mark is written by the settings' own load and save, never by hand.
    heldThisVersion_ =
        settings_->value(QString::fromLatin1(Group) + QStringLiteral("/Version")).toString() ==
        QString::fromLatin1(Group);
    if (!groups.contains(QString::fromLatin1(Group))) {
        const QString others = groups.isEmpty() ? QString()
                                                : QStringLiteral(", only those of version %1")
                                                      .arg(groups.join(QStringLiteral(", ")));
        problems_.push_back(
            QStringLiteral("The settings file %1 holds no settings of version %2%3, so "
                           "the game started with the default settings; the rest of "
                           "the file is left as it is.")
                .arg(Native(path), QString::fromLatin1(Group), others)
                .toStdString());
    }
}

void QSettingsStore::SetDamagedFileAside(const QString& what) {
    const QString path = settings_->fileName();
    const QString copy = FreeDamagedName(path);
    QString message = CouldNotRead(path, what);
    if (!QFile::copy(path, copy)) {
        holdWrites_ = true;
        problems_.push_back(
            (message + QStringLiteral(" No copy of it could be kept beside it.") + HeldBack)
                .toStdString());
        return;
    }
    // What QSettings made of the damaged file must not be written back: start afresh.
    settings_.reset();
    QFile damaged(path);
    if (!damaged.remove()) {
        holdWrites_ = true;
        problems_.push_back((message +
                             QStringLiteral(" A copy was kept as %1, but the file itself "
                                            "cannot be replaced (%2).")
                                 .arg(Native(copy), damaged.errorString()) +
                             HeldBack)
                                .toStdString());
    } else {
        problems_.push_back(
            (message + QStringLiteral(" The game started with the default settings; "
                                      "the damaged file was kept as %1.")
                           .arg(Native(copy)))
                .toStdString());
    }
    settings_ = make_();
}

std::optional<std::string> QSettingsStore::Read(const std::string& name) {
    if (holdWrites_) {
        // Whatever QSettings made of a file it could not read properly is not the
        // player's: only what this run wrote is.
        const auto found = written_.find(name);
        return found == written_.end() ? std::nullopt : std::optional(found->second);
    }
    const QString key = Key(name);
    if (!settings_->contains(key)) {
        return std::nullopt;
    }
    return AsText(settings_->value(key)).toStdString();
}

void QSettingsStore::Write(const std::string& name, const std::string& value) {
    written_[name] = value;
    if (!holdWrites_) {
        settings_->setValue(Key(name), QString::fromStdString(value));
    }
}

bool QSettingsStore::Flush() {
    if (holdWrites_) {
        writeFailure_ = "it could not be read when the game started, so it is left as it is";
        return false;
    }
    if (reopen_) {
        // QSettings keeps its first error for good, and one made while the file is
        // read-only starts with that error; a fresh one, made now and given every value
        // again, lets this save really try.
        settings_ = make_();
        settings_->beginGroup(QString::fromLatin1(Group));
        for (const auto& [name, value] : written_) {
            settings_->setValue(Key(name), QString::fromStdString(value));
        }
        reopen_ = false;
    }
    settings_->sync();
    if (settings_->status() == QSettings::NoError) {
        if (BackedByFile(*settings_)) {
            KeepPrivate(path_.toStdString(), ownFolder_);
        }
        writeFailure_.clear();
        return true;
    }
    writeFailure_ = DescribeWriteFailure().toStdString();
    qCWarning(lcStore) << "could not write the settings to" << settings_->fileName() << "status"
                       << settings_->status() << QString::fromStdString(writeFailure_);
    reopen_ = true;
    return false;
}

QString QSettingsStore::DescribeWriteFailure() const {
    const QFileInfo info(settings_->fileName());
    if (!BackedByFile(*settings_)) {
        return QStringLiteral("the registry refused the values");
    }
    if (info.exists()) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return QStringLiteral("the file is read-only (%1)").arg(file.errorString());
        }
    }
    const QString folder = info.absolutePath();
    if (!QDir(folder).exists()) {
        return QStringLiteral("its folder %1 could not be made").arg(Native(folder));
    }
    QTemporaryFile probe(folder + QStringLiteral("/.orvane-write-check-XXXXXX"));
    if (!probe.open()) {
        return QStringLiteral("the folder %1 does not allow new files (%2)")
            .arg(Native(folder), probe.errorString());
    }
    return QStringLiteral("the system refused to write it; the disk may be full");
}

std::string QSettingsStore::Where() const {
    return Native(Location()).toStdString();
}

QString QSettingsStore::Location() const {
    return settings_ ? settings_->fileName() : path_;
}

}  // namespace orvane

#include "StartupContent.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <algorithm>
#include <exception>
#include <vector>

#include "game/Card.h"
#include "platform/ContentManifest.h"
#include "platform/ResourceLog.h"
#include "settings/CardLibraryCatalog.h"
#include "settings/ThemeCatalog.h"

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcContent, "orvane.content")

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Describe(const ContentFault& fault) {
    switch (fault.Problem) {
        case ContentProblem::Missing:
            return QStringLiteral("\"%1\" is missing.").arg(fault.File);
        case ContentProblem::WrongSize:
            return QStringLiteral("\"%1\" is damaged: it is cut short or has the wrong size.")
                .arg(fault.File);
        case ContentProblem::WrongDigest:
            return QStringLiteral("\"%1\" is damaged: its contents are not what was installed.")
                .arg(fault.File);
        case ContentProblem::Unreadable:
            return QStringLiteral("\"%1\" cannot be read.").arg(fault.File);
    }
    return {};
}

QString CardSetName(const CardLibraryRecord& library) {
    return QStringLiteral("%1 (\"%2\")").arg(Text(library.ListText), Text(library.LibraryFile));
}

// The first card picture the library cannot give, or none when it gives all 54.
std::optional<QString> MissingCardPicture(const CardLibraryRecord& library,
                                          const CardPictureSource& pictures) {
    const QString file = Text(library.LibraryFile);
    QStringList names{QStringLiteral("CARD_BACK_1")};
    for (int value = 1; value <= JokerValue; ++value) {
        names << QStringLiteral("CARD_%1").arg(value);
    }
    for (const QString& name : names) {
        try {
            if (!pictures || pictures(file, name, 1.0).isNull()) {
                return name;
            }
        } catch (const std::exception&) {
            return name;  // a picture that breaks its decoder cannot be shown either
        }
    }
    return std::nullopt;
}

// What keeps a card library whose file is whole (or cannot be checked, the manifest being
// damaged) from being shown: a file the manifest does not list, or a card picture it lacks.
std::optional<QString> LibraryDamage(const CardLibraryRecord& library,
                                     const ContentManifest& manifest,
                                     const CardPictureSource& pictures) {
    const QString file = Text(library.LibraryFile);
    if (!manifest.IsDamaged() && !manifest.Lists(file)) {
        return QStringLiteral("\"%1\" is not one of the installed files.").arg(file);
    }
    if (const std::optional<QString> picture = MissingCardPicture(library, pictures)) {
        return QStringLiteral("\"%1\" is damaged: the card picture %2 cannot be shown.")
            .arg(file, *picture);
    }
    return std::nullopt;
}

// A folder that holds the game's installed content but no list of it has lost the list;
// a folder without any (a developer's scratch folder) never had one.
bool HoldsInstalledContent(const QString& folder) {
    const QDir dir(folder);
    if (dir.exists(QStringLiteral("Data"))) {
        return true;
    }
    const std::span<const CardLibraryRecord> libraries = CardLibraries();
    return std::any_of(
        libraries.begin(), libraries.end(),
        [&dir](const CardLibraryRecord& library) { return dir.exists(Text(library.LibraryFile)); });
}

// The list as start-up uses it: without a list, or with a damaged one, no file can be
// checked by its digest, so the card sets are checked picture by picture instead.
ContentManifest ListOrEmpty(const std::optional<ContentManifest>& manifest) {
    return manifest ? *manifest : ContentManifest::Parse({});
}

class ContentReport {
  public:
    ContentReport(const QString& folder, const std::optional<ContentManifest>& manifest,
                  const CardPictureSource& pictures)
        : manifest_(ListOrEmpty(manifest)), pictures_(pictures) {
        const QString list = QString::fromLatin1(ContentManifest::FileName);
        if (!manifest && HoldsInstalledContent(folder)) {
            damage_ << QStringLiteral(
                           "\"%1\", the list of the game's files, is missing, so the other "
                           "files cannot be checked.")
                           .arg(list);
        } else if (manifest && manifest->IsDamaged()) {
            damage_ << QStringLiteral(
                           "\"%1\", the list of the game's files, is damaged, so the "
                           "other files cannot be checked.")
                           .arg(list);
        } else if (manifest) {
            faults_ = manifest->Check(folder);
        }
        for (const ContentFault& fault : faults_) {
            damage_ << Describe(fault);
        }
    }

    // Checked once each, in the order asked.
    bool IsWhole(const CardLibraryRecord& library) {
        const QString file = Text(library.LibraryFile);
        for (const ContentFault& fault : faults_) {
            if (fault.File == file) {
                return false;  // already named among the damaged files
            }
        }
        if (const std::optional<QString> damage = LibraryDamage(library, manifest_, pictures_)) {
            damage_ << *damage;
            return false;
        }
        return true;
    }

    const QStringList& Damage() const { return damage_; }

  private:
    const ContentManifest manifest_;
    const CardPictureSource& pictures_;
    std::vector<ContentFault> faults_;
    QStringList damage_;
};

QString Compose(const QString& folder, const QStringList& damage, const QStringList& actions) {
    QStringList parts;
    if (!damage.isEmpty()) {
        parts << QStringLiteral("Some of the game's files in %1 are damaged or missing:")
                     .arg(QDir::toNativeSeparators(folder));
        for (const QString& line : damage) {
            parts << QStringLiteral("  - ") + line;
        }
    }
    parts << actions;
    if (!damage.isEmpty()) {
        parts << QStringLiteral("Installing the game again mends its files.");
    }
    return parts.join(QLatin1Char('\n'));
}

}  // namespace

StartupContent StartupContent::Check(const QString& programFolder, std::int32_t themeID,
                                     std::int32_t cardLibraryID,
                                     const CardPictureSource& pictures) {
    QElapsedTimer clock;
    clock.start();
    StartupContent result;
    const std::optional<ContentManifest> manifest = ContentManifest::Read(programFolder);
    ContentReport report(programFolder, manifest, pictures);
    QStringList actions;

    if (FindTheme(themeID) == nullptr) {
        result.ThemeID = 1;
        actions << QStringLiteral(
                       "The stored theme number %1 is not one of the game's themes; "
                       "the first theme is used.")
                       .arg(themeID);
    }

    const CardLibraryRecord* wanted = FindCardLibrary(cardLibraryID);
    const CardLibraryRecord* chosen = nullptr;
    if (wanted != nullptr && report.IsWhole(*wanted)) {
        chosen = wanted;
    } else {
        for (const CardLibraryRecord& library : CardLibraries()) {
            if (&library != wanted && report.IsWhole(library)) {
                chosen = &library;
                break;
            }
        }
    }
    if (chosen == nullptr) {
        result.OutOfService = true;
        actions << QStringLiteral(
            "No card set can be shown, so the machine is OUT OF SERVICE: "
            "no game is dealt and no bet is taken. Credit on the machine "
            "can still be cashed out.");
    } else if (chosen != wanted) {
        result.CardLibraryID = chosen->ID;
        actions << (wanted == nullptr
                        ? QStringLiteral("The stored card set number %1 is not one of the game's "
                                         "card sets; %2 is used.")
                              .arg(cardLibraryID)
                              .arg(CardSetName(*chosen))
                        : QStringLiteral("%1 cannot be used; %2 is used in its place.")
                              .arg(CardSetName(*wanted), CardSetName(*chosen)));
    }
    if (!result.OutOfService && !report.Damage().isEmpty()) {
        actions << QStringLiteral(
            "The game plays on; pictures, sounds or help pages from the "
            "damaged files may be missing.");
    }

    for (const QString& line : report.Damage()) {
        qCWarning(lcResources) << "content:" << line;
    }
    if (!report.Damage().isEmpty() || !actions.isEmpty()) {
        result.Message = Compose(programFolder, report.Damage(), actions);
    }
    qCDebug(lcContent) << "content checked in" << clock.elapsed() << "ms";
    return result;
}

QString StartupContent::CheckCardLibrary(const QString& programFolder, std::int32_t cardLibraryID,
                                         const CardPictureSource& pictures) {
    const CardLibraryRecord* library = FindCardLibrary(cardLibraryID);
    if (library == nullptr) {
        return QStringLiteral("The card set number %1 is not one of the game's card sets.")
            .arg(cardLibraryID);
    }
    const ContentManifest manifest = ListOrEmpty(ContentManifest::Read(programFolder));
    std::optional<QString> damage;
    if (!manifest.IsDamaged()) {
        if (const std::optional<ContentFault> fault =
                manifest.CheckFile(programFolder, Text(library->LibraryFile))) {
            damage = Describe(*fault);
        }
    }
    if (!damage) {
        damage = LibraryDamage(*library, manifest, pictures);
    }
    if (!damage) {
        return {};
    }
    qCWarning(lcResources) << "content:" << *damage;
    return QStringLiteral(
               "%1 cannot be used: %2 The cards stay as they were; installing the "
               "game again mends its files.")
        .arg(CardSetName(*library), *damage);
}

}  // namespace orvane

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLoggingCategory>
#include <QPixmap>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "app/BringForward.h"
#include "app/DisplayPresence.h"
#include "app/ExitHook.h"
#include "app/ExitSignals.h"
#include "app/LostDisplaySave.h"
#include "app/SingleInstance.h"
#include "app/TApplication.h"
#include "app/TfrmSplash.h"
#include "app/UnattendedClose.h"
#include "forms/DeckPictures.h"
#include "forms/FontSubstitutes.h"
#include "forms/TfrmMain.h"
#include "forms/TfrmNotice.h"
#include "forms/WindowPicture.h"
#include "platform/PictureBounds.h"
#include "platform/ResourceLibrary.h"
#include "settings/CriticalStore.h"
#include "settings/QSettingsStore.h"
#include "view/CardPictureSource.h"
#include "view/LeftoverSoundFolders.h"
#include "view/QSoundEffectBackend.h"

namespace {

Q_LOGGING_CATEGORY(lcShell, "orvane.shell")

const QString NoAnswer = QStringLiteral(
    "Orvane Cards is already running, but it does not answer.\n\n"
    "Close the game that is running (or end it, if it hangs) and start Orvane Cards again.");

QString StaleLockText(const QString& lock, const QString& reason) {
    return QStringLiteral(
               "Orvane Cards found the lock file %1, left by a copy of the game that has ended, "
               "and could not replace it (%2).\n\n"
               "The game starts without its guard against a second copy: do not start another "
               "one while this one runs.")
        .arg(QDir::toNativeSeparators(lock), reason);
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<std::string> missing = orvane::MissingDisplay([](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value != nullptr ? value : "");
        })) {
        std::fputs((*missing + "\n").c_str(), stderr);
        return 1;
    }
    orvane::TApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvane Cards"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly Software"));
    // Ties the window to the desktop entry, for its icon and name on the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane-cards"));
    // From here on a stop signal closes the game the normal way.
    orvane::ExitSignals exitSignals;
    // Declared in this order so that the window goes before the store and the lock last.
    orvane::SingleInstance instance(orvane::SingleInstance::DefaultLockPath());
    std::optional<orvane::QSettingsStore> store;
    std::optional<orvane::CriticalStore> critical;
    std::unique_ptr<orvane::TfrmMain> window;
    orvane::UnattendedClose closer([&window] {
        if (window) {
            window->QuickExit = true;
        }
    });
    QObject::connect(&exitSignals, &orvane::ExitSignals::ExitRequested, &closer,
                     &orvane::UnattendedClose::Request);

    // One copy per user, decided before the store is read: a second copy would keep a
    // credit of its own and overwrite the first one's.
    switch (instance.Take()) {
        case orvane::SingleInstance::Claim::OtherCameForward:
            qCInfo(lcShell) << "the game is already running; it was brought forward";
            return 0;
        case orvane::SingleInstance::Claim::OtherDoesNotAnswer:
            orvane::ShowNotice(nullptr, QCoreApplication::applicationName(), NoAnswer,
                               orvane::TfrmNotice::Sign::Warning);
            return 1;
        case orvane::SingleInstance::Claim::StaleLockKept:
            orvane::ShowNotice(nullptr, QCoreApplication::applicationName(),
                               StaleLockText(instance.LockPath(), instance.StaleFailure()),
                               orvane::TfrmNotice::Sign::Warning);
            break;
        case orvane::SingleInstance::Claim::First:
        case orvane::SingleInstance::Claim::Unguarded:
            break;
    }
    QObject::connect(&instance, &orvane::SingleInstance::ComeForwardRequested, [&window] {
        if (window) {
            orvane::BringForward(*window);
        }
    });
    orvane::RemoveLeftoverSoundFolders();

    orvane::InstallFontSubstitutes();
    orvane::LimitPictureAllocations();
    // Cards and the bonus picture come from the resource libraries beside the program.
    orvane::SetDefaultCardPictureSource(orvane::WithPlainDeckFallback(
        [](const QString& library, const QString& resource, qreal dpr) {
            return orvane::LibraryPicture(library, resource, dpr);
        }));

    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString gfx = programFolder + QStringLiteral("Data/gfx/");
    const QImage icon = orvane::LoadWindowPicture(gfx + QStringLiteral("icon.png"), 1.0);
    if (!icon.isNull()) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    }

    // The splash stays for a second, and the program does not answer meanwhile.
    orvane::TfrmSplash splash(orvane::LoadWindowPicture(gfx + QStringLiteral("splash.png")));
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();
    QThread::msleep(1000);

    store.emplace();
    // The credit, meters and the round in progress live beside the settings file and are
    // written at every change, not only at a close.
    const QFileInfo settingsFile(store->Location());
    QDir().mkpath(settingsFile.absolutePath());
    critical.emplace((settingsFile.absolutePath() + QLatin1Char('/') +
                      settingsFile.completeBaseName() + QStringLiteral(".critical"))
                         .toStdString());
    critical->ExpectCopies = store->HeldThisVersion();
    try {
        orvane::MainWindowSetup setup;
        setup.ProgramFolder = programFolder;
        setup.Store = &*store;
        setup.Critical = &*critical;
        setup.Sound = std::make_unique<orvane::QSoundEffectBackend>();
        window = std::make_unique<orvane::TfrmMain>(std::move(setup));
    } catch (const std::exception& error) {
        // A failed start-up is reported and the program ends quietly.
        splash.hide();
        orvane::ShowNotice(nullptr, QCoreApplication::applicationName(),
                           QString::fromLocal8Bit(error.what()), orvane::TfrmNotice::Sign::Error);
        return 0;
    }

    splash.hide();
    splash.close();
    closer.SetWindow(window.get());
    // A lost display ends the process from inside Qt, with no close event.
    const orvane::ExitHook lostDisplay([&window, &instance] {
        if (window) {
            orvane::SaveWithoutDisplay(*window);
        }
        instance.Release();
    });
    window->show();
    return QApplication::exec();
}

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QThread>
#include <memory>

#include "app/TApplication.h"
#include "app/TfrmSplash.h"
#include "forms/FontSubstitutes.h"
#include "forms/TfrmMain.h"
#include "forms/WindowPicture.h"
#include "platform/PictureBounds.h"
#include "platform/ResourceLibrary.h"
#include "settings/CriticalStore.h"
#include "settings/QSettingsStore.h"
#include "view/CardPictureSource.h"
#include "view/QSoundEffectBackend.h"

int main(int argc, char** argv) {
    orvane::TApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvane Cards"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly Software"));
    // Ties the window to the desktop entry, for its icon and name on the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane-cards"));
    orvane::InstallFontSubstitutes();
    orvane::LimitPictureAllocations();
    // Cards and the bonus picture come from the resource libraries beside the program.
    orvane::SetDefaultCardPictureSource(
        [](const QString& library, const QString& resource, qreal dpr) {
            return orvane::LibraryPicture(library, resource, dpr);
        });

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

    orvane::QSettingsStore store;
    // The credit, meters and the round in progress live beside the settings file and are
    // written at every change, not only at a close.
    const QFileInfo settingsFile(store.Location());
    QDir().mkpath(settingsFile.absolutePath());
    orvane::CriticalStore critical((settingsFile.absolutePath() + QLatin1Char('/') +
                                    settingsFile.completeBaseName() + QStringLiteral(".critical"))
                                       .toStdString());
    std::unique_ptr<orvane::TfrmMain> window;
    try {
        orvane::MainWindowSetup setup;
        setup.ProgramFolder = programFolder;
        setup.Store = &store;
        setup.Critical = &critical;
        setup.Sound = std::make_unique<orvane::QSoundEffectBackend>();
        window = std::make_unique<orvane::TfrmMain>(std::move(setup));
    } catch (const std::exception& error) {
        // A failed start-up is reported and the program ends quietly.
        splash.hide();
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                              QString::fromLocal8Bit(error.what()));
        return 0;
    }

    splash.hide();
    splash.close();
    window->show();
    return QApplication::exec();
}

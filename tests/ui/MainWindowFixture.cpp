#include "MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QTimer>

namespace orvane::test {

QImage MadePicture(const QString& library, const QString& resource, qreal) {
    if (library == QLatin1String("zqmrl.dll") && resource.startsWith(QLatin1String("4X"))) {
        QImage picture(82, 68, QImage::Format_RGB32);
        picture.fill(QColor(20, 90, 20));
        return picture;
    }
    if (library == QLatin1String("zqcsrl_pi.dll") && resource.startsWith(QLatin1String("CARD_"))) {
        QImage picture(140, 208, QImage::Format_RGB32);
        picture.fill(resource == QLatin1String("CARD_BACK_1") ? QColor(0, 0, 128) : Qt::white);
        return picture;
    }
    return {};
}

void MainWindowTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    previous_ = SetFatalErrorReporter([this](const QString& text) { errors << text; });
    WriteBackground(QStringLiteral("bm_clas.zqi"));
}

void MainWindowTest::TearDown() {
    window.reset();
    SetFatalErrorReporter(std::move(previous_));
}

TfrmMain& MainWindowTest::Open(std::uint32_t seed, bool realPause) {
    window = std::make_unique<TfrmMain>(Setup(store, seed, realPause));
    return *window;
}

MainWindowSetup MainWindowTest::Setup(SettingsStore& settingsStore, std::uint32_t seed,
                                      bool realPause) {
    MainWindowSetup setup;
    setup.ProgramFolder = folder.path() + QLatin1Char('/');
    setup.Store = &settingsStore;
    setup.Seed = seed;
    setup.Pictures = pictures;
    setup.DesktopReducedMotion = false;  // the test machine's desktop must not decide
    setup.Ask = [this](const QString&, const QString& text) {
        asked << text;
        return answer;
    };
    setup.Inform = [this](const QString& text) { informed << text; };
    setup.OpenDocument = [this](const QUrl& document) { opened << document; };
    if (!realPause) {
        setup.TablePause = std::make_unique<InstantPause>(waits, &duringWait);
    }
    setup.Sound = std::make_unique<SilentSound>();
    setup.PayFigures = payFigures;
    setup.AnalysisCacheFolder = folder.filePath(QStringLiteral("cache"));
    return setup;
}

void MainWindowTest::WriteBackground(const QString& file, const char* format) {
    QImage picture(752, 500, QImage::Format_RGB32);
    picture.fill(QColor(10, 60, 10));
    ASSERT_TRUE(picture.save(folder.filePath(file), format));
}

void MainWindowTest::WriteFile(const QString& file) {
    QDir(folder.path()).mkpath(QFileInfo(file).path());
    QFile out(folder.filePath(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("1");
}

QString MainWindowTest::Text(const QString& name) const {
    QWidget* widget = Find(name);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* effect = qobject_cast<TEffectLabel*>(widget)) {
        return effect->text();
    }
    ADD_FAILURE() << name.toStdString() << " shows no text";
    return {};
}

void MainWindowTest::AddCredit(int times) {
    for (int i = 0; i < times; ++i) {
        window->AddCredit(100, true);
    }
}

void MainWindowTest::WhenModal(std::function<void(QWidget* dialog)> act) {
    // Polls, since the dialog appears only once the caller's exec() runs.
    auto* poll = new QTimer(window.get());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        dialogs << dialog->windowTitle();
        act(dialog);
    });
    poll->start();
}

void MainWindowTest::Key(int key, Qt::KeyboardModifiers modifiers) {
    // Sent to a control, as a real key would be: the window must see it first.
    QTest::keyClick(Find(QStringLiteral("imgBackground")), static_cast<Qt::Key>(key), modifiers);
}

}  // namespace orvane::test

// Writes every table picture and sound into the program folder:
//   tablegen <program folder> [--themes-sheet <png>]
// The optional sheet is a small overview of the five backgrounds for the documentation.
// Or writes the program icon for the desktop's icon theme, one PNG per size:
//   tablegen --icons <icon folder> <size>...
// as <icon folder>/hicolor/<size>x<size>/apps/orvane-cards.png.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>

#include "BackgroundPainter.h"
#include "PreviewPainter.h"
#include "SoundSchemes.h"
#include "Synth.h"
#include "Trim.h"
#include "WavFile.h"
#include "WindowPictures.h"

Q_LOGGING_CATEGORY(lcTablegen, "orvane.tablegen")

namespace orvane {
namespace {

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (!image.save(path, format, quality)) {
        qCCritical(lcTablegen) << "cannot write" << path;
        return false;
    }
    return true;
}

bool WriteBackgrounds(const QDir& dir, std::vector<QImage>& backgrounds) {
    bool ok = true;
    for (const ThemeRecord& theme : Themes()) {
        const ThemeStyle style = StyleOf(theme);
        QImage bg = PaintBackground(style);
        // Only the last theme is a JPEG picture; the others are BMP under ".zqi".
        const QString file = style.BackgroundFile();
        const bool jpeg = file.endsWith(QLatin1String(".jpg"));
        ok &= Save(bg, dir.filePath(file), jpeg ? "JPEG" : "BMP", jpeg ? 92 : -1);
        // The options list shows a preview of every theme it offers.
        if (theme.PreviewFile) {
            ok &= Save(PaintPreview(style, bg), dir.filePath(ToQString(*theme.PreviewFile)), "BMP");
        }
        backgrounds.push_back(std::move(bg));
    }
    return ok;
}

bool WriteWindowPictures(const QDir& dir) {
    const QString folder = QStringLiteral("Data/gfx");
    if (!dir.mkpath(folder)) {
        qCCritical(lcTablegen) << "cannot create" << dir.filePath(folder);
        return false;
    }
    bool ok = true;
    for (const WindowPicture& picture : WindowPictures()) {
        const QString base = dir.filePath(folder + QLatin1Char('/') + picture.Name);
        ok &= Save(RenderPicture(picture, 1), base + QStringLiteral(".png"), "PNG");
        ok &= Save(RenderPicture(picture, 2), base + QStringLiteral("@2x.png"), "PNG");
    }
    return ok;
}

bool WriteSounds(const QDir& dir) {
    bool ok = true;
    for (int scheme = 1; scheme <= 2; ++scheme) {
        const QString folder = QStringLiteral("Data/zqs%1").arg(scheme);
        if (!dir.mkpath(folder)) {
            qCCritical(lcTablegen) << "cannot create" << dir.filePath(folder);
            return false;
        }
        for (const SoundClip& clip : SoundScheme(scheme)) {
            const QString path =
                dir.filePath(folder + QLatin1Char('/') + clip.Name + QStringLiteral(".zqs"));
            if (!WriteWav(path, clip.Pcm, Synth::Rate)) {
                qCCritical(lcTablegen) << "cannot write" << path;
                ok = false;
            }
        }
    }
    return ok;
}

// Five backgrounds at half size, three over two, with their names.
QImage ThemesSheet(const std::vector<QImage>& backgrounds) {
    const int w = 376;
    const int h = 250;
    const int gap = 6;
    QImage sheet(3 * w + 4 * gap, 2 * (h + 18) + 3 * gap, QImage::Format_RGB32);
    sheet.fill(QColor(24, 24, 28));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < backgrounds.size(); ++i) {
        const int col = static_cast<int>(i % 3);
        const int row = static_cast<int>(i / 3);
        const int x = gap + col * (w + gap) + (row == 1 ? (w + gap) / 2 : 0);
        const int y = gap + row * (h + 18 + gap);
        p.drawImage(QRect(x, y, w, h), backgrounds[i]);
        p.setPen(QColor(230, 220, 200));
        p.setFont(SansFont(12, QFont::Bold, 1));
        const ThemeRecord& theme = Themes()[i];
        p.drawText(
            QRect(x, y + h, w, 18), Qt::AlignCenter,
            QStringLiteral("%1 (%2)").arg(ToQString(theme.Name), ToQString(theme.BackgroundFile)));
    }
    return sheet;
}

bool WriteIcons(const QDir& dir, const QStringList& sizes) {
    bool ok = !sizes.isEmpty();
    for (const QString& text : sizes) {
        const int pixels = text.toInt();
        if (pixels <= 0) {
            qCCritical(lcTablegen) << "not an icon size:" << text;
            ok = false;
            continue;
        }
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(pixels);
        if (!dir.mkpath(folder)) {
            qCCritical(lcTablegen) << "cannot create" << dir.filePath(folder);
            return false;
        }
        ok &= Save(RenderIcon(pixels), dir.filePath(folder + QStringLiteral("/orvane-cards.png")),
                   "PNG");
    }
    return ok;
}

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
    // Painting needs fonts but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("--icons")) {
        return orvane::WriteIcons(QDir(args.at(2)), args.mid(3)) ? 0 : 1;
    }
    if (args.size() < 2) {
        qCCritical(lcTablegen) << "usage: tablegen <program folder> [--themes-sheet <png>]";
        qCCritical(lcTablegen) << "       tablegen --icons <icon folder> <size>...";
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        qCCritical(lcTablegen) << "cannot create" << args.at(1);
        return 1;
    }
    std::vector<QImage> backgrounds;
    bool ok = orvane::WriteBackgrounds(dir, backgrounds);
    ok &= orvane::WriteWindowPictures(dir);
    ok &= orvane::WriteSounds(dir);
    const qsizetype sheetArg = args.indexOf(QStringLiteral("--themes-sheet"));
    if (sheetArg > 0 && sheetArg + 1 < args.size()) {
        ok &= orvane::Save(
            orvane::ThemesSheet(backgrounds).scaledToWidth(900, Qt::SmoothTransformation),
            args.at(sheetArg + 1), "PNG");
    }
    return ok ? 0 : 1;
}

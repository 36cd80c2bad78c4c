#include "PictureTestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QProcess>

namespace orvane::test {

QByteArray BmpFromQtWriter(const QImage& image) {
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return file;
}

QByteArray DibFromQtWriter(const QImage& image) {
    return BmpFromQtWriter(image).mid(14);
}

QImage QuadrantPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = width / 2;
    const int h = height / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, width - w, h, Qt::green);
    painter.fillRect(0, h, w, height - h, Qt::blue);
    painter.fillRect(w, h, width - w, height - h, Qt::white);
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString RunRcc(const QString& qrc, const QString& output) {
    QProcess rcc;
    rcc.start(QStringLiteral(ORVANE_RCC_EXECUTABLE),
              {QStringLiteral("--binary"), QStringLiteral("--compress-algo"),
               QStringLiteral("zlib"), QStringLiteral("--threshold"), QStringLiteral("0"),
               QStringLiteral("--output"), output, qrc});
    if (!rcc.waitForFinished(60000) || rcc.exitStatus() != QProcess::NormalExit ||
        rcc.exitCode() != 0) {
        return QStringLiteral("rcc failed: ") + QString::fromLocal8Bit(rcc.readAllStandardError());
    }
    return {};
}

}  // namespace orvane::test

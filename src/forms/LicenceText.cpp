#include "LicenceText.h"

#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QStringList>

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcLicence, "orvane.forms.licence")

const QString NoticeResource = QStringLiteral(":/about/AboutNotice.txt");
const QString LicenceResource = QStringLiteral(":/about/LICENSE");

// Lines indented this deep are centred headings in the licence's own layout.
constexpr qsizetype HeadingIndent = 8;

QString ResourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcLicence) << "built-in text missing:" << path;
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

qsizetype IndentOf(const QString& line) {
    qsizetype n = 0;
    while (n < line.size() && line.at(n).isSpace()) {
        ++n;
    }
    return n;
}

// A line that must not be joined to the one before it.
bool StartsOwnLine(const QString& line) {
    static const QRegularExpression listItem(QStringLiteral(R"(^\s*(\d+\.|[a-z]\)))"));
    return IndentOf(line) >= HeadingIndent || listItem.match(line).hasMatch() ||
           line.trimmed().startsWith(QLatin1String("Copyright"));
}

}  // namespace

QString JoinWrappedLines(const QString& text) {
    QStringList out;
    QString paragraph;
    bool previousWasHeading = false;
    const auto flush = [&] {
        if (!paragraph.isEmpty()) {
            out << paragraph;
            paragraph.clear();
        }
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString words = line.simplified();
        if (words.isEmpty()) {
            flush();
            if (!out.isEmpty() && !out.last().isEmpty()) {
                out << QString();
            }
            previousWasHeading = false;
            continue;
        }
        if (StartsOwnLine(line) || previousWasHeading) {
            flush();
        }
        paragraph += paragraph.isEmpty() ? words : QLatin1Char(' ') + words;
        previousWasHeading = IndentOf(line) >= HeadingIndent;
    }
    flush();
    while (!out.isEmpty() && out.last().isEmpty()) {
        out.removeLast();
    }
    return out.join(QLatin1Char('\n'));
}

QString AboutLicenceText() {
    return ResourceText(NoticeResource).trimmed() + QStringLiteral("\n\n") +
           JoinWrappedLines(ResourceText(LicenceResource));
}

}  // namespace orvane

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

bool IsCopyrightLine(const QString& line) {
    return line.contains(QLatin1String("Copyright (C)"));
}

// A line that must not be joined to the one before it.
bool StartsOwnLine(const QString& line) {
    static const QRegularExpression listItem(QStringLiteral(R"(^\s*(\d+\.|[a-z]\)))"));
    return IndentOf(line) >= HeadingIndent || listItem.match(line).hasMatch() ||
           IsCopyrightLine(line);
}

// A line that nothing may be joined to.
bool EndsOwnLine(const QString& line) {
    return IndentOf(line) >= HeadingIndent || IsCopyrightLine(line);
}

}  // namespace

QString JoinWrappedLines(const QString& text) {
    QStringList out;
    QString paragraph;
    bool previousEndsLine = false;
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
            previousEndsLine = false;
            continue;
        }
        if (StartsOwnLine(line) || previousEndsLine) {
            flush();
        }
        paragraph += paragraph.isEmpty() ? words : QLatin1Char(' ') + words;
        previousEndsLine = EndsOwnLine(line);
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

#include "PayFiguresFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cmath>

#include "analysis/OrvaneReturn.h"
#include "settings/Crc32.h"

namespace orvane {

namespace {

const QString Heading = QStringLiteral("orvane-pay-figures 2");
constexpr qsizetype Lines = PrizeLines + 1;
constexpr qsizetype Terms = analysis::BonusRanks * analysis::Countdowns;
// Far beyond any honest file; a larger one is not read at all.
constexpr qint64 MostBytes = 64 * 1024;

QString PaysText(const Multipliers& pays) {
    QStringList numbers;
    for (std::size_t line = 1; line < pays.size(); ++line) {
        numbers << QString::number(pays[line]);
    }
    return numbers.join(QLatin1Char(' '));
}

QString Numbers(const std::vector<double>& values) {
    QStringList numbers;
    for (double value : values) {
        numbers << QString::number(value, 'g', 17);
    }
    return numbers.join(QLatin1Char(' '));
}

QString CheckOf(const QString& body) {
    const QByteArray bytes = body.toUtf8();
    return QString::number(
        Crc32(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))), 16);
}

// The numbers after a line's name, all finite, exactly `count` of them.
std::optional<std::vector<double>> NumbersAfter(const QString& line, const QString& name,
                                                qsizetype count) {
    QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.takeFirst() != name || words.size() != count) {
        return std::nullopt;
    }
    std::vector<double> values;
    for (const QString& word : words) {
        bool ok = false;
        const double value = word.toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            return std::nullopt;
        }
        values.push_back(value);
    }
    return values;
}

}  // namespace

QString PayFiguresFile::PathFor(const Multipliers& pays) const {
    return QDir(folder_).filePath(
        QStringLiteral("pay-figures-%1.txt").arg(CheckOf(PaysText(pays))));
}

bool PayFiguresFile::Write(const advisor::PayTableFigures& f) const {
    std::vector<double> terms;
    for (const analysis::MeterTerms& t : f.StateTerms) {
        terms.push_back(t.Step);
        terms.push_back(t.Jackpot);
    }
    const QString body =
        QStringList{Heading,
                    QStringLiteral("pays ") + PaysText(f.Pays),
                    QStringLiteral("bestplay ") +
                        Numbers({f.BestPlayReturn, f.BestPlayMeterShare, f.BestPlaySecondDraws}),
                    QStringLiteral("optimal ") + Numbers({f.OptimalReturn, f.OptimalMeterShare}),
                    QStringLiteral("auto ") + Numbers({f.AutoReturn, f.AutoMeterShare}),
                    QStringLiteral("lines ") + Numbers(f.LineProbability),
                    QStringLiteral("autolines ") + Numbers(f.AutoLineProbability),
                    QStringLiteral("terms ") + Numbers(terms)}
            .join(QLatin1Char('\n'));
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    QSaveFile file(PathFor(f.Pays));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write((body + QStringLiteral("\ncheck ") + CheckOf(body) + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

std::optional<advisor::PayTableFigures> PayFiguresFile::Read(const Multipliers& pays) const {
    QFile file(PathFor(pays));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MostBytes) {
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(file.readAll());
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() != 9 || lines[0] != Heading ||
        lines[8] != QStringLiteral("check ") + CheckOf(lines.mid(0, 8).join(QLatin1Char('\n'))) ||
        lines[1] != QStringLiteral("pays ") + PaysText(pays)) {
        return std::nullopt;
    }
    const auto bestPlay = NumbersAfter(lines[2], QStringLiteral("bestplay"), 3);
    const auto optimal = NumbersAfter(lines[3], QStringLiteral("optimal"), 2);
    const auto automatic = NumbersAfter(lines[4], QStringLiteral("auto"), 2);
    const auto lineChances = NumbersAfter(lines[5], QStringLiteral("lines"), Lines);
    const auto autoLineChances = NumbersAfter(lines[6], QStringLiteral("autolines"), Lines);
    const auto terms = NumbersAfter(lines[7], QStringLiteral("terms"), 2 * Terms);
    if (!bestPlay || !optimal || !automatic || !lineChances || !autoLineChances || !terms) {
        return std::nullopt;
    }
    advisor::PayTableFigures f;
    f.Pays = pays;
    f.BestPlayReturn = (*bestPlay)[0];
    f.BestPlayMeterShare = (*bestPlay)[1];
    f.BestPlaySecondDraws = (*bestPlay)[2];
    f.OptimalReturn = (*optimal)[0];
    f.OptimalMeterShare = (*optimal)[1];
    f.AutoReturn = (*automatic)[0];
    f.AutoMeterShare = (*automatic)[1];
    f.LineProbability = *lineChances;
    f.AutoLineProbability = *autoLineChances;
    for (std::size_t i = 0; i < terms->size(); i += 2) {
        f.StateTerms.push_back({(*terms)[i], (*terms)[i + 1]});
    }
    return f;
}

}  // namespace orvane

// The manual beside the program: its links lead somewhere, and the figures it gives
// for the pay table and the bet ladder are the game's own.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include "game/PayTable.h"

namespace {

const QString kHelpDir = QStringLiteral(ORVANE_PROGRAM_DIR "/help/");

QString page(const QString& name) {
    QFile file(kHelpDir + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QSet<QString> idsOf(const QString& html) {
    QSet<QString> ids;
    static const QRegularExpression id(QStringLiteral(R"re( id="([^"]+)")re"));
    for (const QRegularExpressionMatch& m : id.globalMatch(html)) {
        ids.insert(m.captured(1));
    }
    return ids;
}

QString withoutTags(QString html) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return html.remove(tag).replace(space, QStringLiteral(" ")).trimmed();
}

// The rows of the table with class "paytable": first cell and last cell, as text.
QList<QPair<QString, QString>> payTableRows(const QString& html) {
    QList<QPair<QString, QString>> rows;
    const qsizetype start = html.indexOf(QStringLiteral("class=\"paytable\""));
    const qsizetype end = html.indexOf(QStringLiteral("</table>"), start);
    if (start < 0 || end < 0) {
        return rows;
    }
    const QString table = html.mid(start, end - start);
    static const QRegularExpression row(QStringLiteral("<tr[^>]*>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& r : row.globalMatch(table)) {
        QStringList cells;
        for (const QRegularExpressionMatch& c : cell.globalMatch(r.captured(1))) {
            cells << withoutTags(c.captured(1));
        }
        if (cells.size() >= 2) {
            rows.append({cells.first(), cells.last()});
        }
    }
    return rows;
}

TEST(ManualFiles, PagesAndStyleSheetAreBesideTheProgram) {
    for (const char* name : {"index.html", "keyboard.html", "help.css"}) {
        EXPECT_GT(QFileInfo(kHelpDir + QLatin1String(name)).size(), 0) << name;
    }
}

TEST(ManualFiles, EveryLocalLinkLeadsToAPageAndPlace) {
    static const QRegularExpression link(QStringLiteral(R"re((?:href|src)="([^"]+)")re"));
    for (const QString& name : {QStringLiteral("index.html"), QStringLiteral("keyboard.html")}) {
        const QString html = page(name);
        ASSERT_FALSE(html.isEmpty()) << name.toStdString();
        for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            if (target.startsWith(QLatin1String("https://")) ||
                target.startsWith(QLatin1String("mailto:"))) {
                continue;
            }
            const QStringList parts = target.split(QLatin1Char('#'));
            const QString file = parts.first().isEmpty() ? name : parts.first();
            ASSERT_TRUE(QFileInfo::exists(kHelpDir + file))
                << name.toStdString() << " links to " << target.toStdString();
            if (parts.size() > 1) {
                EXPECT_TRUE(idsOf(page(file)).contains(parts.at(1)))
                    << name.toStdString() << " links to " << target.toStdString();
            }
        }
    }
}

TEST(ManualFiles, PayTableGivesTheDefaultPayOfEveryLine) {
    const auto rows = payTableRows(page(QStringLiteral("index.html")));
    ASSERT_EQ(rows.size(), orvane::PrizeLines);
    for (int line = 1; line <= orvane::PrizeLines; ++line) {
        const auto& [hand, pay] = rows.at(line - 1);
        const std::string caption =
            line == orvane::OrvaneThree
                ? orvane::OrvaneLineLabel(orvane::FirstOrvaneNumber)
                : orvane::PrizeCaption(static_cast<orvane::PrizeIndex>(line),
                                       orvane::FirstOrvaneNumber);
        EXPECT_EQ(hand.toStdString(), caption) << "line " << line;
        EXPECT_EQ(pay.toInt(), orvane::DefaultMultipliers.at(static_cast<std::size_t>(line)))
            << "line " << line;
    }
}

TEST(ManualFiles, BetLadderListsEveryPlayableBet) {
    const QString html = page(QStringLiteral("index.html"));
    static const QRegularExpression item(QStringLiteral(R"(<li>(\d+)</li>)"));
    const qsizetype start = html.indexOf(QStringLiteral("class=\"ladder\""));
    const qsizetype end = html.indexOf(QStringLiteral("</ul>"), start);
    ASSERT_GE(start, 0);
    QList<int> bets;
    for (const QRegularExpressionMatch& m : item.globalMatch(html.mid(start, end - start))) {
        bets << m.captured(1).toInt();
    }
    // Index 0 is no bet at all; the player chooses from 1 to 15.
    const QList<int> ladder(orvane::BetLadder.begin() + 1, orvane::BetLadder.end());
    EXPECT_EQ(bets, ladder);
}

}  // namespace

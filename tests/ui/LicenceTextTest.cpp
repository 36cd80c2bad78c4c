#include <gtest/gtest.h>

#include <QStringList>

#include "forms/LicenceText.h"

namespace orvane {
namespace {

TEST(LicenceText, WrappedLinesBecomeOneParagraph) {
    const QString wrapped = QStringLiteral(
        "  The licenses for most software are designed\n"
        "to take away your freedom.\n"
        "\n"
        "  Developers that use the GNU GPL protect\n"
        "your rights.\n");
    EXPECT_EQ(JoinWrappedLines(wrapped),
              "The licenses for most software are designed to take away your freedom.\n"
              "\n"
              "Developers that use the GNU GPL protect your rights.");
}

TEST(LicenceText, HeadingsItemsAndCopyrightLinesKeepTheirOwnLine) {
    const QString wrapped = QStringLiteral(
        "                    GNU GENERAL PUBLIC LICENSE\n"
        "                       Version 3, 29 June 2007\n"
        "\n"
        "  0. Definitions.\n"
        "\n"
        "    a) The work must carry prominent notices\n"
        "    stating that you modified it.\n"
        "    <one line to give the program's name.>\n"
        "    Copyright (C) <year>  <name of author>\n"
        "    Everyone is permitted to copy\n"
        "    this license.\n");
    EXPECT_EQ(JoinWrappedLines(wrapped).split(QLatin1Char('\n')),
              (QStringList{"GNU GENERAL PUBLIC LICENSE", "Version 3, 29 June 2007", "",
                           "0. Definitions.", "",
                           "a) The work must carry prominent notices stating that you "
                           "modified it. <one line to give the program's name.>",
                           "Copyright (C) <year> <name of author>",
                           "Everyone is permitted to copy this license."}));
}

TEST(LicenceText, RunsOfBlankLinesCollapse) {
    EXPECT_EQ(JoinWrappedLines(QStringLiteral("\n\none\n\n\n\ntwo\n\n")), "one\n\ntwo");
}

TEST(LicenceText, TheBuiltInTextsAreThere) {
    const QString text = AboutLicenceText();
    EXPECT_TRUE(text.startsWith(QLatin1String("Orvane Cards\n")));
    EXPECT_TRUE(
        text.contains(QLatin1String("\nGNU GENERAL PUBLIC LICENSE\nVersion 3, 29 June 2007\n")));
    EXPECT_TRUE(text.contains(QLatin1String("END OF TERMS AND CONDITIONS")));
}

}  // namespace
}  // namespace orvane

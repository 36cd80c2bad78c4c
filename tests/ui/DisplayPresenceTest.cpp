#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/DisplayPresence.h"

namespace orvane {
namespace {

std::optional<std::string> With(std::map<std::string, std::string> variables) {
    return MissingDisplay([&variables](const char* name) { return variables[name]; });
}

TEST(DisplayPresence, WithoutAnyDisplayTheGameSaysSoInWords) {
    const std::optional<std::string> message = With({});
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("graphical desktop"), std::string::npos) << *message;
    EXPECT_TRUE(With({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}).has_value())
        << "a variable set to nothing names no display";
}

TEST(DisplayPresence, AnyDisplayOrAChosenPlatformIsLeftToQt) {
    EXPECT_FALSE(With({{"DISPLAY", ":0"}}).has_value());
    EXPECT_FALSE(With({{"WAYLAND_DISPLAY", "wayland-0"}}).has_value());
    EXPECT_FALSE(With({{"QT_QPA_PLATFORM", "offscreen"}}).has_value());
}

}  // namespace
}  // namespace orvane

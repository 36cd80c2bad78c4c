#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "CatalogLookup.h"

namespace orvane {

// One of the built-in sound themes: a folder "Data/zqs" + ID + "/" under the program
// folder holding one file per sound name, named name + ".zqs".
struct SoundThemeRecord {
    int ID = 0;
    std::string_view ListText;
};

inline constexpr int SoundThemeCount = 2;

// The sounds every sound theme folder provides.
inline constexpr std::array<std::string_view, 8> SoundNames = {
    "win", "bigwin", "h_card", "show_dup", "dup_win", "cash", "dcard1", "addcrdt"};

inline constexpr std::string_view SoundFileExtension = ".zqs";

// Every sound theme, by ID 1..2 in order.
std::span<const SoundThemeRecord> SoundThemes();

// The sound theme with this ID, or nullptr when there is none.
inline const SoundThemeRecord* FindSoundTheme(int id) {
    return FindById(SoundThemes(), id);
}

// The folder of sound theme id under programFolder, ending with '/'. Any number gives a
// folder name: a folder that does not exist only makes every sound silent.
// programFolder is empty or ends with '/'.
std::string SoundThemeFolderOf(std::string_view programFolder, int id);

}  // namespace orvane

#include "SoundThemeCatalog.h"

namespace orvane {
namespace {

constexpr std::array<SoundThemeRecord, SoundThemeCount> kSoundThemes = {{
    {1, "Scheme 1"},
    {2, "Scheme 2"},
}};

}  // namespace

std::span<const SoundThemeRecord> SoundThemes() {
    return kSoundThemes;
}

std::string SoundThemeFolderOf(std::string_view programFolder, int id) {
    std::string folder(programFolder);
    folder += "Data/zqs";
    folder += std::to_string(id);
    folder += '/';
    return folder;
}

}  // namespace orvane

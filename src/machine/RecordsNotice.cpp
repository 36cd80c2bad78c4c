#include "RecordsNotice.h"

namespace orvane {

std::string RecordsNotKeptNotice(const std::string& folder, const std::string& reason) {
    return "The game's records cannot be saved in the folder " + folder + " (" + reason +
           "). So that nothing you put in or win can be lost, the machine takes no coins "
           "and deals no new game until they can be saved; a win on offer can still be "
           "collected and the credit cashed out. Free some space on that disk, or make the "
           "folder writable for your user: the game keeps trying and plays on by itself as "
           "soon as a save works.";
}

std::string RecordsKeptAgainNotice(const std::string& folder) {
    return "The game's records are saved again in the folder " + folder +
           ". Coins and new games are taken again.";
}

std::string CoinRefusedNotice(const std::string& folder) {
    return "The coin was not taken: the game's records cannot be saved in the folder " + folder +
           ". Free some space on that disk, or make the folder writable for your user, and "
           "try again.";
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace orvane

#include "CriticalStore.h"

#include <ctime>

namespace orvane {
namespace {

std::int64_t CalendarNow() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

struct CopyState {
    std::optional<CriticalContent> Content;
    std::string Failure;  // set when the file is there but cannot be used
};

}  // namespace

CriticalStore::CriticalStore(std::string path, std::shared_ptr<CriticalFiles> files,
                             std::function<std::int64_t()> now)
    : paths_{path, path + SecondSuffix},
      files_(files ? std::move(files) : std::make_shared<PosixCriticalFiles>()),
      now_(now ? std::move(now) : CalendarNow) {}

CriticalLoad CriticalStore::Load() {
    loaded_ = true;
    std::array<CopyState, 2> copies;
    std::size_t missing = 0;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        FileBytes file = files_->Read(paths_[i], CriticalLimits::MaxFileBytes);
        if (file.Missing) {
            ++missing;
            continue;
        }
        if (!file.Bytes) {
            copies[i].Failure = file.Failure;
            continue;
        }
        DecodedRecords decoded = DecodeRecords(*file.Bytes);
        copies[i].Content = std::move(decoded.Content);
        copies[i].Failure = std::move(decoded.Failure);
    }

    CriticalLoad load;
    if (missing == copies.size() && ExpectCopies) {
        for (const std::string& path : paths_) {
            load.Messages.push_back("The record file " + path +
                                    " could not be used (it is missing); no other copy could "
                                    "be used, so the credit, meters and statistics were not "
                                    "restored from it.");
        }
        return load;
    }
    const CriticalContent* best = nullptr;
    std::size_t bestCopy = 0;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        if (copies[i].Content &&
            (best == nullptr || copies[i].Content->Sequence > best->Sequence)) {
            best = &*copies[i].Content;
            bestCopy = i;
        }
    }
    if (best != nullptr) {
        load.Records = best->Records;
        load.Sequence = best->Sequence;
        load.SavedAt = best->SavedAt;
        sequence_ = best->Sequence;
    }

    for (std::size_t i = 0; i < copies.size(); ++i) {
        if (copies[i].Failure.empty()) {
            continue;
        }
        damaged_[i] = true;
        std::string message =
            "The record file " + paths_[i] + " could not be used (" + copies[i].Failure + "); ";
        if (best != nullptr) {
            message += "the copy saved " + TimeText(best->SavedAt) + " (save " +
                       std::to_string(best->Sequence) + ") in " + paths_[bestCopy] + " was used.";
        } else {
            message +=
                "no other copy could be used, so the credit, meters and statistics "
                "were not restored from it.";
        }
        const std::string aside = DamagedName(i);
        const std::string failure = MoveDamagedAside(i);
        if (failure.empty()) {
            message += " The damaged file was kept as " + aside + ".";
        } else {
            message += " It could not be moved aside (" + failure +
                       "), so it is left as it is and not written over.";
        }
        load.Messages.push_back(std::move(message));
    }
    return load;
}

bool CriticalStore::Save(const CriticalRecords& records) {
    if (!loaded_) {
        // Without knowing the files, a save could start the line of saves again below an
        // older copy, which the next load would then prefer, or write over a damaged copy.
        Load();
    }
    CriticalContent content{sequence_ + 1, now_(), records};
    ++sequence_;
    const EncodedRecords encoded = EncodeRecords(content);
    std::string failure = encoded.Failure;
    if (encoded.Bytes) {
        for (std::size_t i = 0; i < paths_.size(); ++i) {
            const std::string copyFailure = SaveCopy(i, *encoded.Bytes);
            if (failure.empty() && !copyFailure.empty()) {
                failure = copyFailure;
            }
        }
        // One flush of the folder makes both new names last: until then a crash leaves
        // each copy whole, old or new.
        const std::string folderFailure = files_->SyncFolderOf(paths_[0]);
        if (failure.empty()) {
            failure = folderFailure;
        }
    }
    failure_ = failure;
    if (!failure.empty()) {
        if (!failing_) {
            Say("The game's records could not be saved to " + paths_[0] + ": " + failure +
                "; play goes on and every change is tried again.");
        }
        failing_ = true;
        return false;
    }
    if (failing_) {
        Say("The game's records are saved again to " + paths_[0] + ".");
    }
    failing_ = false;
    return true;
}

std::string CriticalStore::SaveCopy(std::size_t copy, std::string_view bytes) {
    if (damaged_[copy]) {
        const std::string failure = MoveDamagedAside(copy);
        if (!failure.empty()) {
            return "the damaged file " + paths_[copy] + " could not be moved aside (" + failure +
                   ")";
        }
    }
    return files_->ReplaceDurably(paths_[copy], bytes);
}

std::string CriticalStore::MoveDamagedAside(std::size_t copy) {
    const std::string failure = files_->MoveAside(paths_[copy], DamagedName(copy));
    if (failure.empty()) {
        damaged_[copy] = false;
    }
    return failure;
}

std::string CriticalStore::DamagedName(std::size_t copy) const {
    const std::time_t seconds = static_cast<std::time_t>(now_());
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return paths_[copy] + DamagedInfix + stamp;
}

std::string CriticalStore::TimeText(std::int64_t seconds) const {
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&when, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void CriticalStore::Say(const std::string& message) {
    if (Tell) {
        Tell(message);
    }
}

}  // namespace orvane

#include "model/voice/GameData.h"

#include <algorithm>

#include "platform/FolderListing.h"
#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

bool EndsWithPak(const std::string& name) {
    return name.size() > 4 && SameIgnoringCase(name.substr(name.size() - 4), ".pk3");
}

signed char SortByte(char c) {
    if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
    } else if (c == '\\' || c == ':') {
        c = '/';
    }
    return static_cast<signed char>(c);
}

// The name a request is looked up by: one leading separator dropped; nothing for a name the
// games refuse.
bool RequestName(std::string& name) {
    if (!name.empty() && (name[0] == '/' || name[0] == '\\')) {
        name.erase(0, 1);
    }
    return !name.empty() && name.find("..") == std::string::npos &&
           name.find("::") == std::string::npos;
}

std::string LoosePath(const std::string& folder, std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    std::replace(name.begin(), name.end(), '/', kSeparator);
    return folder + name;
}

}  // namespace

bool PakSortsBefore(const std::string& a, const std::string& b, bool multiplayerPakNames) {
    const auto key = [&](const std::string& name) {
        return multiplayerPakNames && name.rfind("mp_", 0) == 0 ? "zz_" + name.substr(3) : name;
    };
    const std::string left = key(a);
    const std::string right = key(b);
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char x, char y) { return SortByte(x) < SortByte(y); });
}

GameData GameData::Index(FileSystem& files, const std::vector<std::string>& folders,
                         const EngineRules& rules) {
    GameData data;
    data.files_ = &files;
    if (rules.looseFilesFirst) {
        for (const std::string& folder : folders) {
            data.sources_.push_back({folder, nullptr});
        }
    }
    for (const std::string& folder : folders) {
        FolderListing listing;
        if (!files.ListFolder(folder, "*.pk3", listing).Ok()) {
            continue;  // a folder of the order that is not there
        }
        std::vector<std::string> paks;
        for (const FolderEntry& entry : listing.entries) {
            const bool refused = rules.multiplayerPakNames && (entry.name.rfind("sp_", 0) == 0 ||
                                                               entry.name.rfind("zz_", 0) == 0);
            if (!entry.isFolder && EndsWithPak(entry.name) && !refused) {
                paks.push_back(entry.name);
            }
        }
        std::sort(paks.begin(), paks.end(), [&](const std::string& a, const std::string& b) {
            return PakSortsBefore(b, a, rules.multiplayerPakNames);
        });
        for (const std::string& pak : paks) {
            const std::string path = folder + pak;
            Result<std::unique_ptr<ReadableFile>> archive = files.OpenForReading(path);
            Result<ZipDirectory> directory =
                archive.Ok() ? ZipDirectory::Read(*archive.Get()) : Result<ZipDirectory>(archive);
            if (directory.Ok()) {
                data.sources_.push_back(
                    {path, std::make_shared<const ZipDirectory>(std::move(directory.Get()))});
            } else {
                data.unreadable_.push_back("\"" + PathForMessage(path) +
                                           "\": " + directory.Message());
            }
        }
    }
    return data;
}

Result<std::string> GameData::Read(const std::string& requested, size_t limit) const {
    std::string name = requested;
    if (!RequestName(name)) {
        return NothingRead();
    }
    const std::string folded = FoldedArchiveName(name);
    for (const Source& source : sources_) {
        if (!source.archive) {
            Result<std::string> loose =
                files_->ReadRegularFile(LoosePath(source.path, name), limit);
            if (loose.Ok() || loose.Kind() != ErrorKind::Missing) {
                return loose;
            }
            continue;
        }
        const ZipEntry* entry = source.archive->Find(folded);
        if (entry == nullptr) {
            continue;
        }
        Result<std::unique_ptr<ReadableFile>> archive = files_->OpenForReading(source.path);
        if (!archive.Ok()) {
            return Status(archive);
        }
        return ReadZipEntry(*archive.Get(), *entry, limit);
    }
    return NothingRead();
}

size_t GameData::ArchiveCount() const {
    return static_cast<size_t>(std::count_if(sources_.begin(), sources_.end(),
                                             [](const Source& s) { return s.archive != nullptr; }));
}

size_t GameData::EntryCount() const {
    size_t count = 0;
    for (const Source& source : sources_) {
        count += source.archive ? source.archive->Count() : 0;
    }
    return count;
}

}  // namespace quillon

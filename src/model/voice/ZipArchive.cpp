#include "model/voice/ZipArchive.h"

#include <zlib.h>

#include <algorithm>

namespace quillon {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kDirectorySignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kDirectoryEntrySize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kLongestComment = 0xFFFF;
// The games read entry names into a buffer of this size; a longer name is never asked for.
constexpr size_t kLongestEntryName = 255;
constexpr size_t kInflateChunk = 64 * 1024;

uint16_t Read16(const std::string& bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

uint32_t Read32(const std::string& bytes, size_t at) {
    return static_cast<uint32_t>(Read16(bytes, at)) | static_cast<uint32_t>(Read16(bytes, at + 2))
                                                          << 16;
}

Status Damaged(const std::string& what) {
    return Status::Failure(ErrorKind::Unsuitable, what);
}

// Inflates raw deflate data, read from the archive a chunk at a time, into `size` bytes.
Result<std::string> Inflate(ReadableFile& archive, uint64_t at, uint32_t packedSize,
                            uint32_t size) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        return Damaged("zlib could not start");
    }
    struct Ender {
        z_stream& stream;
        ~Ender() { inflateEnd(&stream); }
    } ender{stream};
    std::string out(size, '\0');
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = size;
    std::string chunk;
    uint64_t read = 0;
    while (stream.avail_out > 0) {
        if (stream.avail_in == 0) {
            const size_t wanted =
                static_cast<size_t>(std::min<uint64_t>(packedSize - read, kInflateChunk));
            if (wanted == 0) {
                break;  // the data ends before the size its directory gave: what came is kept
            }
            Result<std::string> got = archive.ReadAt(at + read, wanted);
            if (!got.Ok()) {
                return Status(got);
            }
            if (got.Get().size() < wanted) {
                return Damaged("its entry's data runs past the end of the archive");
            }
            chunk = std::move(got.Get());
            read += wanted;
            stream.next_in = reinterpret_cast<Bytef*>(chunk.data());
            stream.avail_in = static_cast<uInt>(wanted);
        }
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END) {
            break;
        }
        if (result != Z_OK) {
            return Damaged("its entry's compressed data is damaged");
        }
    }
    out.resize(size - stream.avail_out);
    return out;
}

}  // namespace

std::string FoldedArchiveName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (c == '\\' || c == ':') {
            c = '/';
        }
    }
    return folded;
}

Result<ZipDirectory> ZipDirectory::Read(ReadableFile& archive) {
    const uint64_t fileSize = archive.Size();
    if (fileSize < kEndRecordSize) {
        return Damaged("it is too short for a zip archive");
    }
    const uint64_t tailStart =
        fileSize - std::min<uint64_t>(fileSize, kEndRecordSize + kLongestComment);
    Result<std::string> tail = archive.ReadAt(tailStart, static_cast<size_t>(fileSize - tailStart));
    if (!tail.Ok()) {
        return Status(tail);
    }
    const std::string& end = tail.Get();
    size_t endAt = std::string::npos;
    for (size_t at = end.size() - kEndRecordSize + 1; at-- > 0;) {
        if (Read32(end, at) == kEndSignature) {
            endAt = at;
            break;
        }
    }
    if (endAt == std::string::npos) {
        return Damaged("it is no zip archive, or its end is missing");
    }
    const uint16_t disk = Read16(end, endAt + 4);
    const uint16_t directoryDisk = Read16(end, endAt + 6);
    const uint16_t entriesHere = Read16(end, endAt + 8);
    const uint16_t entries = Read16(end, endAt + 10);
    const uint32_t directorySize = Read32(end, endAt + 12);
    const uint32_t directoryAt = Read32(end, endAt + 16);
    if (disk != 0 || directoryDisk != 0 || entriesHere != entries) {
        return Damaged("it spans several disks");
    }
    const uint64_t endPosition = tailStart + endAt;
    if (static_cast<uint64_t>(directoryAt) + directorySize > endPosition) {
        return Damaged("its directory lies beyond its end");
    }
    if (directorySize > kLargestZipDirectory) {
        return Damaged("its directory is larger than the " +
                       std::to_string(kLargestZipDirectory / (1024 * 1024)) + " MB Quillon reads");
    }
    // Bytes before the archive (a stub) shift every offset it records.
    const uint64_t shift = endPosition - directoryAt - directorySize;
    Result<std::string> read = archive.ReadAt(shift + directoryAt, directorySize);
    if (!read.Ok()) {
        return Status(read);
    }
    const std::string& directory = read.Get();
    if (directory.size() < directorySize) {
        return Damaged("its directory is cut short");
    }
    ZipDirectory zip;
    zip.entries_.reserve(entries);
    size_t at = 0;
    for (uint32_t k = 0; k < entries; ++k) {
        if (directory.size() - at < kDirectoryEntrySize ||
            Read32(directory, at) != kDirectorySignature) {
            return Damaged("its directory is damaged");
        }
        const size_t nameLength = Read16(directory, at + 28);
        const size_t recordSize = kDirectoryEntrySize + nameLength + Read16(directory, at + 30) +
                                  Read16(directory, at + 32);
        if (directory.size() - at < recordSize) {
            return Damaged("its directory is damaged");
        }
        const std::string name = directory.substr(at + kDirectoryEntrySize, nameLength);
        if (nameLength <= kLongestEntryName && name.find("..") == std::string::npos) {
            ZipEntry entry;
            entry.method = Read16(directory, at + 10);
            entry.packedSize = Read32(directory, at + 20);
            entry.size = Read32(directory, at + 24);
            entry.headerAt = shift + Read32(directory, at + 42);
            zip.entries_[FoldedArchiveName(name)] = entry;
        }
        at += recordSize;
    }
    return zip;
}

const ZipEntry* ZipDirectory::Find(const std::string& foldedName) const {
    const auto found = entries_.find(foldedName);
    return found == entries_.end() ? nullptr : &found->second;
}

Result<std::string> ReadZipEntry(ReadableFile& archive, const ZipEntry& entry, size_t limit) {
    if (entry.size > limit) {
        return Status::Found(ErrorKind::Unsuitable, Finding::LargerThanLimit, limit);
    }
    Result<std::string> header = archive.ReadAt(entry.headerAt, kLocalHeaderSize);
    if (!header.Ok()) {
        return Status(header);
    }
    if (header.Get().size() < kLocalHeaderSize || Read32(header.Get(), 0) != kLocalSignature) {
        return Damaged("its entry's header is missing");
    }
    const uint64_t dataAt =
        entry.headerAt + kLocalHeaderSize + Read16(header.Get(), 26) + Read16(header.Get(), 28);
    if (dataAt + entry.packedSize > archive.Size()) {
        return Damaged("its entry's data runs past the end of the archive");
    }
    switch (entry.method) {
        case 0: {
            Result<std::string> data =
                archive.ReadAt(dataAt, std::min(entry.packedSize, entry.size));
            return data;
        }
        case 8:
            return Inflate(archive, dataAt, entry.packedSize, entry.size);
        default:
            return Damaged("its entry is compressed by method " + std::to_string(entry.method) +
                           ", which the games cannot read");
    }
}

}  // namespace quillon

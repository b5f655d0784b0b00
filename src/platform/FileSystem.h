#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/FolderListing.h"
#include "platform/PathText.h"
#include "platform/Status.h"

namespace quillon {

// What reading no file at all gives: the same as reading one that is not there.
inline Result<std::string> NothingRead() {
    return Status::Failure(ErrorKind::Missing, {});
}

// Whether a file of that kind and size is read: a regular file within the limit is; any other
// is Unsuitable, with what it is.
enum class FileKind { Regular, Folder, Other };
Status Readable(FileKind kind, uint64_t size, size_t limit);

// A file being written under a new name of its own, removed when it is dropped before it was
// put in place.
class NewFile {
  public:
    virtual ~NewFile() = default;
    virtual const std::string& Path() const = 0;
    // Writes some of the bytes, as the system's write does; `written` says how many.
    virtual Status Write(const char* data, size_t size, size_t& written) = 0;
    // Puts what was written on the disk and closes the file.
    virtual Status FlushAndClose() = 0;
    // The file is in place: dropping it no longer removes it.
    virtual void Keep() = 0;
};

// A regular file opened for reading parts of it (an archive's directory, one of its entries),
// closed when dropped.
class ReadableFile {
  public:
    virtual ~ReadableFile() = default;
    virtual uint64_t Size() const = 0;
    // Reads `size` bytes from `offset`; fewer only where the file ends.
    virtual Result<std::string> ReadAt(uint64_t offset, size_t size) = 0;
};

// A place of a lock file held by this process until the object is dropped. The system lets it
// go when the process ends, however it ends, so a held place means a program still running.
class HeldLock {
  public:
    virtual ~HeldLock() = default;
};

// Every way the program touches the file system, so that tests can make any step fail with any
// error, whoever runs them. The real one is the system's; see RealFileSystem().
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Reads a regular file whole when it holds at most `limit` bytes. A folder, a pipe, a
    // device and a larger file fail as Unsuitable, with what was found; one that is not there as Missing;
    // nothing waits on a pipe.
    virtual Result<std::string> ReadRegularFile(const std::string& path, size_t limit) = 0;
    // Opens a regular file to read parts of it; anything else fails as ReadRegularFile fails.
    virtual Result<std::unique_ptr<ReadableFile>> OpenForReading(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Whether the path leads, through any links, to a regular file.
    virtual bool IsRegularFile(const std::string& path) = 0;
    // Whether the path leads to a file or folder that the system can reach by that path.
    virtual bool Exists(const std::string& path) = 0;
    // Where the path leads when it is a link (or, on Windows, when the system reaches the file
    // by another path): the file's own path, or the empty text when it leads nowhere. Nothing
    // for a path that is no link.
    virtual std::optional<std::string> LinkTarget(const std::string& path) = 0;
    // Whether the file the path leads to is marked read-only: no write permission for its owner,
    // or Windows' read-only attribute.
    virtual bool IsReadOnly(const std::string& path) = 0;
    // The path with every link and "." or ".." resolved; nothing when it leads nowhere.
    virtual std::optional<std::string> RealPath(const std::string& path) = 0;

    // Makes a new, empty file beside `destination` under a name that nobody else has, created
    // exclusively and never through a link, with the permissions the destination should have.
    virtual Result<std::unique_ptr<NewFile>> CreateNewFileBeside(
        const std::string& destination) = 0;
    // Puts the file `from` in the place of `to` in one step; a read-only `to` is replaced too,
    // and the new file is then read-only as it was.
    virtual Status Replace(const std::string& from, const std::string& to) = 0;
    virtual Status MakeFolder(const std::string& path) = 0;
    // Removes a file; one that is not there is no failure.
    virtual Status Remove(const std::string& path) = 0;

    // Holds place `slot` of the lock file `path`, made when missing, without waiting; a place
    // another holds fails as Busy, and stays busy whatever becomes of the file meanwhile: on
    // Windows it cannot be deleted while held, elsewhere the folder holding it keeps the place.
    virtual Result<std::unique_ptr<HeldLock>> TryLock(const std::string& path, size_t slot) = 0;
    // Holds the folder for this process's writes, without waiting; while another holds it,
    // in this process or another, it fails as Busy. Nothing is made in the folder.
    virtual Result<std::unique_ptr<HeldLock>> TryLockFolder(const std::string& folder) = 0;

    // Lists `folder` (ending in the separator); see FolderListing.h.
    virtual Status ListFolder(const std::string& folder, const std::string& pattern,
                              FolderListing& listing, const OpenFolder* parent = nullptr,
                              const std::string& name = {}) = 0;
    // How many listed folders a walk may keep open at once.
    virtual size_t FoldersKeptOpenAtMost() = 0;
    // The file system a walk through many folders lists with: beneath any listings kept for
    // later look-ups, which a walk, listing each folder once, would only pay for in memory and
    // open folders.
    virtual FileSystem& ForWalking() { return *this; }
};

// The system's file system.
FileSystem& RealFileSystem();

// Whether `name` is a name that the system's CreateNewFileBeside gives the new file of a
// destination named `destinationName`: what a write ended before it put its file in place (a
// killed program) leaves beside the destination.
bool IsNewFileName(const std::string& name, const std::string& destinationName);

// Makes the folder and every missing folder above it.
Status MakeFolders(FileSystem& files, const std::string& folder);

// Writes `content` to a new file beside `destination` and then puts it in the destination's
// place in one step. A destination that is a link is written through: the file it leads to is
// replaced, beside itself; a link that leads to no regular file is refused. A failure, or another
// program replacing the destination at the same moment, never leaves a mixed or partial file; the
// failure says why: in the system's words, or what was found.
Status WriteFileReplacing(FileSystem& files, const std::string& destination,
                          const std::string& content);

}  // namespace quillon

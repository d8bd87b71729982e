// The files of a budget on disk, named by the bytes of their paths exactly as given (a file name
// need not be valid text in any encoding): what a path names, reading a file, and replacing a
// file in one step with its new version.
#pragma once

#include "files/BudgetImage.h"

#include <cstdint>
#include <memory>
#include <string>

enum class FileKind { Missing, Regular, Folder, Other };

// What `path` names, symbolic links followed: nothing, a file, a folder, or something else (a
// named pipe, a device, a socket).
FileKind KindOfFile(const std::string& path);

// The file `path` names, by its one true name: an existing file's canonical path (symbolic links,
// "." and ".." resolved); for a file that does not exist yet, its folder's canonical path and its
// name. The path as given when not even its folder exists.
std::string ResolvedFilePath(const std::string& path);

// The last part of a path: the file's name without its folder.
std::string FileNameOf(const std::string& path);

// A path as budget text, for messages (characters budget text cannot hold are left out).
std::string PathText(const std::string& path);

// True when both paths name one existing file (the same device and inode), as two hard links do.
bool SameFile(const std::string& a, const std::string& b);

// A regular file opened for reading. Anything else (a folder, a named pipe, a device) is refused
// before it is opened, so that opening never waits for a writer.
class InputFile : public ImageSource {
public:
    enum class Result { Opened, Failed, Folder, NotRegular };
    InputFile();
    ~InputFile() override;
    Result Open(const std::string& path);  // Failed leaves the system's error number in errno
    int64_t Size() const override;
    bool Read(int64_t offset, uint8_t* out, size_t size) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};

// The new version of a file: written beside it and, when complete, put in its place in one step,
// so that a reader sees the old file or the new one and never a part. Nothing of a write that
// fails or is cancelled stays behind. A path that is a symbolic link replaces the file the link
// points to. The new file keeps the old one's permissions and, where this program may set them,
// its owner and group.
class ReplacingFile : public FileWriter {
public:
    enum class Problem { None, FileReadOnly, FolderReadOnly, NotRegular, Other };
    ReplacingFile();
    ~ReplacingFile() override;  // cancels what was not committed
    // Starts the new version of `path`; false with the problem (and errno) when it cannot be.
    bool Open(const std::string& path);
    Problem OpenProblem() const;
    // The file that will be replaced: `path` resolved.
    const std::string& Target() const;
    bool Write(const uint8_t* data, size_t size) override;
    // Puts the new version in place; false (errno set) when it could not be, the old file intact.
    bool Commit();
    void Cancel();

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};

// Makes every ReplacingFile fail after `bytes` bytes, as on a full disk (-1: no limit). For tests.
void SetReplacingFileByteLimit(int64_t bytes);

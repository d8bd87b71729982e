// The budget's files on disk by the bytes of their paths. On Unix through the system's own calls,
// since Qt's file classes take names as text and change a name that is not valid in the locale's
// encoding; elsewhere through Qt.
#include "files/FileAccess.h"

#include "model/BudgetText.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <vector>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#endif

namespace {

int64_t gByteLimit = -1;

// The part of a write that the test limit lets through.
size_t Allowed(int64_t written, size_t size)
{
    if (gByteLimit < 0 || written + static_cast<int64_t>(size) <= gByteLimit)
        return size;
    return written < gByteLimit ? static_cast<size_t>(gByteLimit - written) : 0;
}

#ifdef Q_OS_UNIX

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string RealPath(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {};
    std::string result(real);
    std::free(real);
    return result;
}

// Where a chain of symbolic links ends, also when the file at its end does not exist yet.
std::string FollowLinks(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::vector<char> target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size())
            return path;
        const std::string next(target.data(), static_cast<size_t>(n));
        path = next.front() == '/' ? next : FolderOf(path) + "/" + next;
    }
    return path;
}

bool ReadOnlyError(int error)
{
    return error == EACCES || error == EROFS || error == EPERM;
}

#endif

}  // namespace

void SetReplacingFileByteLimit(int64_t bytes)
{
    gByteLimit = bytes;
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string PathText(const std::string& path)
{
    QString text = QFile::decodeName(QByteArray::fromStdString(path));
    text.replace(QChar(0xFFFD), QLatin1Char('?'));  // bytes that are no character of the locale
    std::string out;
    EncodeBudgetText(text, out);
    return out;
}

#ifdef Q_OS_UNIX

FileKind KindOfFile(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return FileKind::Missing;
    if (S_ISREG(st.st_mode))
        return FileKind::Regular;
    return S_ISDIR(st.st_mode) ? FileKind::Folder : FileKind::Other;
}

std::string ResolvedFilePath(const std::string& path)
{
    if (path.empty())
        return path;
    const std::string real = RealPath(path);
    if (!real.empty())
        return real;
    const std::string end = FollowLinks(path);
    const std::string folder = RealPath(FolderOf(end));
    if (folder.empty())
        return path;
    return (folder == "/" ? "" : folder) + "/" + FileNameOf(end);
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

struct InputFile::Impl {
    int fd = -1;
    int64_t size = 0;
};

InputFile::InputFile() : impl(std::make_unique<Impl>()) {}

InputFile::~InputFile()
{
    if (impl->fd >= 0)
        ::close(impl->fd);
}

InputFile::Result InputFile::Open(const std::string& path)
{
    switch (KindOfFile(path)) {
    case FileKind::Folder:
        return Result::Folder;
    case FileKind::Other:
        return Result::NotRegular;
    default:
        break;
    }
    // Not waiting even if the name became a pipe since it was looked at.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return Result::Failed;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        return folder ? Result::Folder : Result::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    impl->fd = fd;
    impl->size = static_cast<int64_t>(st.st_size);
    return Result::Opened;
}

int64_t InputFile::Size() const
{
    return impl->size;
}

bool InputFile::Read(int64_t offset, uint8_t* out, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::pread(impl->fd, out, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        out += n;
        offset += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

struct ReplacingFile::Impl {
    std::string target;
    std::string temp;
    int fd = -1;
    int64_t written = 0;
    Problem problem = Problem::None;
};

ReplacingFile::ReplacingFile() : impl(std::make_unique<Impl>()) {}

ReplacingFile::~ReplacingFile()
{
    Cancel();
}

bool ReplacingFile::Open(const std::string& path)
{
    Cancel();
    impl->target = ResolvedFilePath(path);
    impl->written = 0;
    struct stat old;
    const bool exists = ::stat(impl->target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        impl->problem = Problem::NotRegular;
        errno = S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    // A file that may not be written is not replaced either, though its folder would allow it.
    if (exists && ::access(impl->target.c_str(), W_OK) != 0 && ReadOnlyError(errno)) {
        impl->problem = Problem::FileReadOnly;
        return false;
    }
    std::string name = impl->target + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        impl->problem = ReadOnlyError(errno) ? Problem::FolderReadOnly : Problem::Other;
        return false;
    }
    if (exists) {
        // Owner first: changing it clears the set-id bits that the mode then puts back.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not allowed to this user: the file becomes the user's, as any new file would.
        }
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    impl->fd = fd;
    impl->temp = name;
    impl->problem = Problem::None;
    return true;
}

bool ReplacingFile::Write(const uint8_t* data, size_t size)
{
    if (impl->fd < 0)
        return false;
    const size_t allowed = Allowed(impl->written, size);
    size_t done = 0;
    while (done < allowed) {
        const ssize_t n = ::write(impl->fd, data + done, allowed - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    impl->written += static_cast<int64_t>(done);
    if (done < size) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

bool ReplacingFile::Commit()
{
    if (impl->fd < 0)
        return false;
    // On disk before it takes the name, so that a crash leaves the old file or the whole new one.
    const bool synced = ::fsync(impl->fd) == 0;
    const int fd = impl->fd;
    impl->fd = -1;
    if (::close(fd) != 0 || !synced || ::rename(impl->temp.c_str(), impl->target.c_str()) != 0) {
        const int error = errno;
        ::unlink(impl->temp.c_str());
        impl->temp.clear();
        errno = error;
        return false;
    }
    impl->temp.clear();
    return true;
}

void ReplacingFile::Cancel()
{
    const int error = errno;
    if (impl->fd >= 0)
        ::close(impl->fd);
    impl->fd = -1;
    if (!impl->temp.empty())
        ::unlink(impl->temp.c_str());
    impl->temp.clear();
    errno = error;
}

#else  // Qt's file classes, with the path in the locale's encoding.

namespace {

QString NameOf(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

FileKind KindOfFile(const std::string& path)
{
    const QFileInfo info(NameOf(path));
    if (!info.exists())
        return FileKind::Missing;
    return info.isDir() ? FileKind::Folder : (info.isFile() ? FileKind::Regular : FileKind::Other);
}

std::string ResolvedFilePath(const std::string& path)
{
    const QFileInfo info(NameOf(path));
    const QString canonical = info.exists() ? info.canonicalFilePath() : QString();
    if (!canonical.isEmpty())
        return QFile::encodeName(canonical).toStdString();
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? path : QFile::encodeName(folder + "/" + info.fileName()).toStdString();
}

bool SameFile(const std::string&, const std::string&)
{
    return false;
}

struct InputFile::Impl {
    QFile file;
};

InputFile::InputFile() : impl(std::make_unique<Impl>()) {}
InputFile::~InputFile() = default;

InputFile::Result InputFile::Open(const std::string& path)
{
    switch (KindOfFile(path)) {
    case FileKind::Folder:
        return Result::Folder;
    case FileKind::Other:
        return Result::NotRegular;
    default:
        break;
    }
    impl->file.setFileName(NameOf(path));
    return impl->file.open(QIODevice::ReadOnly) ? Result::Opened : Result::Failed;
}

int64_t InputFile::Size() const
{
    return impl->file.size();
}

bool InputFile::Read(int64_t offset, uint8_t* out, size_t size)
{
    return impl->file.seek(offset) &&
           impl->file.read(reinterpret_cast<char*>(out), static_cast<qint64>(size)) == static_cast<qint64>(size);
}

struct ReplacingFile::Impl {
    std::string target;
    std::unique_ptr<QSaveFile> file;
    int64_t written = 0;
    Problem problem = Problem::None;
};

ReplacingFile::ReplacingFile() : impl(std::make_unique<Impl>()) {}

ReplacingFile::~ReplacingFile()
{
    Cancel();
}

bool ReplacingFile::Open(const std::string& path)
{
    Cancel();
    impl->target = ResolvedFilePath(path);
    impl->written = 0;
    const QFileInfo info(NameOf(impl->target));
    if (info.exists() && !info.isFile()) {
        impl->problem = Problem::NotRegular;
        return false;
    }
    if (info.exists() && !info.isWritable()) {
        impl->problem = Problem::FileReadOnly;
        return false;
    }
    impl->file = std::make_unique<QSaveFile>(NameOf(impl->target));
    if (!impl->file->open(QIODevice::WriteOnly)) {
        impl->file.reset();
        impl->problem = Problem::FolderReadOnly;
        return false;
    }
    impl->problem = Problem::None;
    return true;
}

bool ReplacingFile::Write(const uint8_t* data, size_t size)
{
    if (!impl->file)
        return false;
    const size_t allowed = Allowed(impl->written, size);
    const qint64 done = allowed ? impl->file->write(reinterpret_cast<const char*>(data), static_cast<qint64>(allowed)) : 0;
    if (done > 0)
        impl->written += done;
    if (done != static_cast<qint64>(size)) {
        if (allowed != size)
            errno = ENOSPC;
        return false;
    }
    return impl->file->flush();
}

bool ReplacingFile::Commit()
{
    if (!impl->file)
        return false;
    const bool done = impl->file->commit();
    impl->file.reset();
    return done;
}

void ReplacingFile::Cancel()
{
    if (impl->file)
        impl->file->cancelWriting();
    impl->file.reset();
}

#endif

ReplacingFile::Problem ReplacingFile::OpenProblem() const
{
    return impl->problem;
}

const std::string& ReplacingFile::Target() const
{
    return impl->target;
}

// Lock files beside the budget files this program has open, and locks on the budget files
// themselves.
#include "files/BudgetLock.h"

#include "files/FileAccess.h"
#include "model/Host.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <map>
#include <string>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#else
#include <QLockFile>
#include <memory>
#endif

namespace {

void ReportHeld(const std::string& budget, const std::string& detail)
{
    GetHost().MessageBox("The budget " + PathText(FileNameOf(budget)) + " is open in another program" + detail,
                         "Budget In Use", MessageButtons::Ok, MessageIcon::Error);
}

// Something that is no lock file stands where the lock file goes.
void ReportInTheWay(const std::string& budget, const std::string& lockPath, const char* what)
{
    GetHost().MessageBox("The budget " + PathText(FileNameOf(budget)) + " cannot be locked: " + PathText(lockPath) +
                             " is " + what + ".\r\rRemove or rename it, then try again.",
                         "File System Error", MessageButtons::Ok, MessageIcon::Error);
}

#ifdef Q_OS_UNIX

// A lock held by this program: the lock file, open and locked (none when the folder cannot hold
// one), and the budget file itself, open and locked (none before the file exists).
struct HeldLock {
    std::string lockPath;
    int lockFd = -1;
    int fileFd = -1;
};

// Held locks by the budget's resolved path.
std::map<std::string, HeldLock> gLocks;

std::string ThisHost()
{
    return QSysInfo::machineHostName().toStdString();
}

// Who holds a lock file, as its three lines say: process id, program, machine (as QLockFile
// writes them, so that either kind of program reads the other's).
struct LockOwner {
    long long Pid = 0;
    std::string Host;
};

bool ReadOwner(int fd, LockOwner& owner)
{
    char text[512];
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    if (n <= 0)
        return false;
    const std::string all(text, static_cast<size_t>(n));
    const size_t first = all.find('\n');
    const size_t second = first == std::string::npos ? first : all.find('\n', first + 1);
    const size_t third = second == std::string::npos ? second : all.find('\n', second + 1);
    if (third == std::string::npos)
        return false;
    char* end = nullptr;
    owner.Pid = std::strtoll(all.c_str(), &end, 10);
    owner.Host = all.substr(second + 1, third - second - 1);
    return end == all.c_str() + first && owner.Pid > 0;
}

bool SameInode(int fd, const std::string& path)
{
    struct stat mine, there;
    return ::fstat(fd, &mine) == 0 && ::stat(path.c_str(), &there) == 0 && mine.st_dev == there.st_dev &&
           mine.st_ino == there.st_ino;
}

void Release(HeldLock& held)
{
    if (held.fileFd >= 0)
        ::close(held.fileFd);
    held.fileFd = -1;
    if (held.lockFd >= 0) {
        // Removed while still locked, and only if it is still ours, so no other program's lock goes.
        if (SameInode(held.lockFd, held.lockPath))
            ::unlink(held.lockPath.c_str());
        ::close(held.lockFd);
    }
    held.lockFd = -1;
}

enum class Take { Taken, NoLockFile, Refused };

// A lock file is held while its program keeps it locked (flock), which the system undoes when the
// program ends however it ends. Where such locks are not available, a lock file naming a running
// process of this machine is held.
Take TakeLockFile(const std::string& budget, HeldLock& held)
{
    const std::string lockPath = budget + ".lock";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
    bool removedUnreadable = false;
    for (;;) {
        struct stat st;
        if (::lstat(lockPath.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            ReportInTheWay(budget, lockPath, S_ISDIR(st.st_mode) ? "a folder" : "not a file");
            return Take::Refused;
        }
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0644);
        if (fd < 0) {
            const int error = errno;
            const bool exists = ::lstat(lockPath.c_str(), &st) == 0;
            if (!exists && (error == EACCES || error == EROFS || error == EPERM))
                return Take::NoLockFile;  // a folder nobody may write in: no program saves there
            // A lock file no program could have written its name into does not describe one.
            if (exists && !removedUnreadable && ::unlink(lockPath.c_str()) == 0) {
                removedUnreadable = true;
                continue;
            }
            ReportInTheWay(budget, lockPath, "a lock file that can be neither read nor removed");
            return Take::Refused;
        }
        const bool flocked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (!flocked && errno == EWOULDBLOCK) {
            ::close(fd);
            if (std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            ReportHeld(budget, ".\r\rClose it there first. Its lock file is " + PathText(lockPath) + ".");
            return Take::Refused;
        }
        // A program releasing its lock removes the file; the one locked here must be the one there.
        if (!SameInode(fd, lockPath)) {
            ::close(fd);
            continue;
        }
        LockOwner owner;
        const bool described = ReadOwner(fd, owner);
        const std::string here = ThisHost();
        if (described && !owner.Host.empty() && owner.Host != here) {
            // Whether a program on another machine still runs cannot be seen from here.
            ::close(fd);
            ReportHeld(budget, " on " + PathText(owner.Host) +
                                   ".\r\rClose it there first. If no program there has it open, remove its lock file " +
                                   PathText(lockPath) + ".");
            return Take::Refused;
        }
        if (!flocked && described && owner.Pid != ::getpid() &&
            (::kill(static_cast<pid_t>(owner.Pid), 0) == 0 || errno == EPERM)) {
            ::close(fd);
            ReportHeld(budget, ".\r\rClose it there first. Its lock file is " + PathText(lockPath) + ".");
            return Take::Refused;
        }
        const std::string info = std::to_string(::getpid()) + "\n" +
                                 QCoreApplication::applicationName().toStdString() + "\n" + here + "\n";
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, info.data(), info.size(), 0) != static_cast<ssize_t>(info.size())) {
            // The lock holds by the flock alone; only the message of another program is poorer.
        }
        held.lockPath = lockPath;
        held.lockFd = fd;
        return Take::Taken;
    }
}

// Locks the budget file itself, which every hard link to it shares. False (after telling when
// `tell`) when another open file of it holds the lock, in another program or this one.
bool TakeFileLock(const std::string& budget, HeldLock& held, bool tell)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(budget.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0)
            return true;  // not there yet, or not readable: the lock file alone keeps it
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return true;  // not a budget file: opening refuses it
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error != EWOULDBLOCK)
                return true;  // no such locks on this file system
            if (tell)
                ReportHeld(budget, " under another name.\r\rClose it there first.");
            return false;
        }
        if (SameInode(fd, budget)) {
            held.fileFd = fd;
            return true;
        }
        ::close(fd);  // a save put a new file there meanwhile: lock that one
    }
    return true;
}

}  // namespace

int LockBudgetFile(const char* path)
{
    const std::string budget = ResolvedFilePath(path);
    if (gLocks.count(budget))
        return 1;
    HeldLock held;
    if (TakeLockFile(budget, held) == Take::Refused)
        return 0;
    if (!TakeFileLock(budget, held, true)) {
        Release(held);
        return 0;
    }
    gLocks[budget] = held;
    return 1;
}

void RelockBudgetFile(const char* path)
{
    const auto it = gLocks.find(ResolvedFilePath(path));
    if (it == gLocks.end())
        return;
    if (it->second.fileFd >= 0)
        ::close(it->second.fileFd);
    it->second.fileFd = -1;
    TakeFileLock(it->first, it->second, false);
}

void UnlockBudgetFile(const char* path)
{
    const auto it = gLocks.find(ResolvedFilePath(path));
    if (it == gLocks.end())
        return;
    Release(it->second);
    gLocks.erase(it);
}

void UnlockAllBudgetFiles()
{
    for (auto& [budget, held] : gLocks)
        Release(held);
    gLocks.clear();
}

int BudgetFileLocked(const char* path)
{
    return gLocks.count(ResolvedFilePath(path)) ? 1 : 0;
}

#else  // QLockFile: a lock file only.

std::map<std::string, std::unique_ptr<QLockFile>> gLocks;

}  // namespace

int LockBudgetFile(const char* path)
{
    const std::string budget = ResolvedFilePath(path);
    if (gLocks.count(budget))
        return 1;
    const std::string lockPath = budget + ".lock";
    if (KindOfFile(lockPath) == FileKind::Folder) {
        ReportInTheWay(budget, lockPath, "a folder");
        return 0;
    }
    auto lock = std::make_unique<QLockFile>(QString::fromLocal8Bit(lockPath.c_str()));
    lock->setStaleLockTime(0);
    if (lock->tryLock(100)) {
        gLocks[budget] = std::move(lock);
        return 1;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return 1;  // no lock file possible here (read-only folder): nothing to protect against
    ReportHeld(budget, ".\r\rClose it there first. Its lock file is " + PathText(lockPath) + ".");
    return 0;
}

void RelockBudgetFile(const char*) {}

void UnlockBudgetFile(const char* path)
{
    gLocks.erase(ResolvedFilePath(path));
}

void UnlockAllBudgetFiles()
{
    gLocks.clear();
}

int BudgetFileLocked(const char* path)
{
    return gLocks.count(ResolvedFilePath(path)) ? 1 : 0;
}

#endif

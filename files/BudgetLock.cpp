// Lock files beside the budget files this program has open.
#include "files/BudgetLock.h"

#include "model/Host.h"

#include <QFileInfo>
#include <QLockFile>
#include <QString>

#include <map>
#include <memory>
#include <string>

namespace {

// Held locks by the budget's absolute path.
std::map<QString, std::unique_ptr<QLockFile>> gLocks;

QString LockKey(const char* path)
{
    return QFileInfo(QString::fromLocal8Bit(path)).absoluteFilePath();
}

}  // namespace

int LockBudgetFile(const char* path)
{
    const QString key = LockKey(path);
    if (gLocks.count(key))
        return 1;
    auto lock = std::make_unique<QLockFile>(key + ".lock");
    // Held for as long as the budget is open, so age alone never makes it stale; a lock whose
    // program is no longer running is.
    lock->setStaleLockTime(0);
    if (lock->tryLock(100)) {
        gLocks[key] = std::move(lock);
        return 1;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return 1;  // no lock file possible here (read-only folder): nothing to protect against
    const std::string name = QFileInfo(key).fileName().toLocal8Bit().toStdString();
    GetHost().MessageBox("The budget " + name + " is open in another program.\r\rClose it there first.",
                         "Budget In Use", MessageButtons::Ok, MessageIcon::Error);
    return 0;
}

void UnlockBudgetFile(const char* path)
{
    gLocks.erase(LockKey(path));
}

void UnlockAllBudgetFiles()
{
    gLocks.clear();
}

int BudgetFileLocked(const char* path)
{
    return gLocks.count(LockKey(path)) ? 1 : 0;
}

// Opening, saving and closing the budget file.
#include "files/BudgetFile.h"

#include "files/BudgetImage.h"
#include "files/BudgetLock.h"
#include "ledger/Integrity.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int64_t gSaveByteLimit = -1;

const std::vector<FileFilter> kBudgetFilters = {
    {"Budget Files (*.bgt)", "*.bgt"},
    {"Text Files (*.TXT)", "*.txt"},
    {"All Files (*.*)", "*.*"},
};

const std::vector<FileFilter> kTextFilters = {
    {"Text Files (*.TXT)", "*.txt"},
    {"All Files (*.*)", "*.*"},
};

QString ToQString(const char* path)
{
    return QString::fromLocal8Bit(path);
}

// Copies a chosen path and its file name into the callers' buffers; 0 when the path is too
// long for them.
int TakeChosenPath(const std::string& path, char* fileName, char* titleName)
{
    const std::string title = QFileInfo(QString::fromLocal8Bit(path.c_str())).fileName().toLocal8Bit().toStdString();
    if (path.size() >= static_cast<size_t>(kPathSize)) {
        HandleInputError("The file name is too long.", "Choose a shorter name or folder.");
        return 0;
    }
    CopyString(path.c_str(), fileName, kPathSize);
    CopyString(title.c_str(), titleName, kPathSize);
    return 1;
}

int ChooseSaveFile(const std::vector<FileFilter>& filters, const char* extension, const char* offeredName,
                   char* fileName, char* titleName)
{
    FileChoice choice;
    choice.Filters = filters;
    choice.DefaultExtension = extension;
    choice.OfferedName = offeredName;
    choice.PromptOverwrite = true;
    std::string path;
    if (!GetHost().ChooseSaveFile(choice, path))
        return 0;
    return TakeChosenPath(path, fileName, titleName);
}

void CountSubAccounts()
{
    for (int Mi = 0; Mi < kMainAccounts; ++Mi) {
        ARecord& main = Accounts[Mi][0];
        main.NumberOfSubAccounts = 0;
        if (!main.Valid)
            continue;
        for (int Si = 1; Si < kSlots; ++Si)
            main.NumberOfSubAccounts += Accounts[Mi][Si].Valid ? 1 : 0;
        if (main.NumberOfSubAccounts > 0 && main.SubName[0] == 0)
            CopyString("Category Name", main.SubName);
    }
}

// Reads a budget file piece by piece, so opening needs no copy of the whole file.
class FileSource : public ImageSource {
public:
    explicit FileSource(QFile& file) : file(file) {}
    int64_t Size() const override { return file.size(); }
    bool Read(int64_t offset, uint8_t* out, size_t size) override
    {
        return file.seek(offset) && file.read(reinterpret_cast<char*>(out), static_cast<qint64>(size)) ==
                                        static_cast<qint64>(size);
    }

private:
    QFile& file;
};

// Writes the sections into the save file, checking that every byte arrived.
class SaveFileWriter : public FileWriter {
public:
    explicit SaveFileWriter(QSaveFile& file) : file(file) {}
    bool Write(const uint8_t* data, size_t size) override
    {
        qint64 wanted = static_cast<qint64>(size);
        if (gSaveByteLimit >= 0 && written + wanted > gSaveByteLimit)
            wanted = gSaveByteLimit > written ? gSaveByteLimit - written : 0;
        const qint64 done = wanted ? file.write(reinterpret_cast<const char*>(data), wanted) : 0;
        if (done > 0)
            written += done;
        if (done != static_cast<qint64>(size)) {
            if (wanted != static_cast<qint64>(size))
                errno = ENOSPC;
            return false;
        }
        return file.flush();
    }

private:
    QSaveFile& file;
    qint64 written = 0;
};

// Keeps the file about to be replaced as NAME.bak. Where the file system allows it the backup is
// a second name for the old file (saves never write into a file, they replace it), otherwise a
// copy. A backup that cannot be made does not stop the save: the new file still replaces the
// old one atomically.
void KeepBackup(const QString& name)
{
#ifdef Q_OS_UNIX
    // The file itself, not a symbolic link to it, is what the backup must keep.
    const QByteArray oldPath = QFile::encodeName(QFileInfo(name).canonicalFilePath());
    const QByteArray linkPath = QFile::encodeName(name + ".bak.new");
    ::unlink(linkPath.constData());
    if (::link(oldPath.constData(), linkPath.constData()) == 0) {
        if (::rename(linkPath.constData(), QFile::encodeName(name + ".bak").constData()) == 0)
            return;
        ::unlink(linkPath.constData());
    }
#endif
    QFile old(name);
    if (!old.exists() || !old.open(QIODevice::ReadOnly))
        return;
    QSaveFile backup(name + ".bak");
    if (!backup.open(QIODevice::WriteOnly))
        return;
    while (!old.atEnd()) {
        const QByteArray chunk = old.read(1 << 20);
        if (chunk.isEmpty() || backup.write(chunk) != chunk.size()) {
            backup.cancelWriting();
            return;
        }
    }
    backup.commit();
}

void MarkSaved()
{
    gNewBudgetFile = 0;
    gBudgetFileChanged = 0;
    if (!gMainInvest) {
        CopyString("File Saved", gInfoBox);
        GetHost().UpdateInfoBox();
    }
}

}  // namespace

void SetSaveByteLimitForTesting(int64_t bytes)
{
    gSaveByteLimit = bytes;
}

int BudgetFileOpenDlg(char* fileName, char* titleName)
{
    FileChoice choice;
    choice.Filters = kBudgetFilters;
    choice.DefaultExtension = "bgt";
    choice.PromptCreate = true;
    std::string path;
    if (!GetHost().ChooseOpenFile(choice, path))
        return 0;
    return TakeChosenPath(path, fileName, titleName);
}

int BudgetFileSaveDlg(const char* offeredName, char* fileName, char* titleName)
{
    return ChooseSaveFile(kBudgetFilters, "bgt", offeredName, fileName, titleName);
}

int BudgetTextFileSaveDlg(const char* offeredName, char* fileName, char* titleName)
{
    return ChooseSaveFile(kTextFilters, "txt", offeredName, fileName, titleName);
}

int OpenBudget(int flag)
{
    char fileName[kPathSize];
    char titleName[kPathSize];
    if (flag) {
        if (!BudgetFileOpenDlg(fileName, titleName))
            return 0;
    } else {
        CopyString(gBudgetFileName, fileName);
        CopyString(QFileInfo(ToQString(fileName)).fileName().toLocal8Bit().constData(), titleName);
    }

    const bool wasLocked = BudgetFileLocked(fileName);
    if (!LockBudgetFile(fileName))
        return 0;
    auto refuse = [&]() {
        if (!wasLocked)
            UnlockBudgetFile(fileName);
        return 0;
    };

    // A missing file is not created: there is nothing to open.
    QFile file(ToQString(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        HandleFileError("Unable to open file.");
        return refuse();
    }
    FileSource source(file);
    if (!ReadBudgetImage(source))
        return refuse();
    file.close();

    // The new budget is in place; the one before it is closed.
    if (gStartUpFlag && !CString(gBudgetFileName, fileName))
        UnlockBudgetFile(gBudgetFileName);
    CopyString(fileName, gBudgetFileName);
    CopyString(titleName, gBudgetTitleName);

    IntegrityCheck3();
    IntegrityCheck4();
    GetDisplayToday(gInfoBox);
    ResetSelect(-1, -1);
    void* reserve = std::malloc(200000);
    if (!reserve) {
        HandleMemoryError(2);
        return 0;
    }
    std::free(reserve);
    gStartUpFlag = 1;
    gNewBudgetFile = 0;
    gBudgetFileChanged = 0;
    CountSubAccounts();
    return 1;
}

int BudgetSwapFiles()
{
    const QString name = ToQString(gBudgetFileName);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        HandleFileError("Unable to create temp file.");
        return 0;
    }
    SaveFileWriter writer(file);
    if (!WriteDataFile(writer)) {
        file.cancelWriting();
        return 0;
    }
    KeepBackup(name);
    if (!file.commit()) {
        HandleFileError("Unable to move temp file.");
        return 0;
    }
    return 1;
}

int BudgetSave()
{
    if (gNewBudgetFile) {
        if (AskAboutSave("Untitled") == IDYES)
            return BudgetSaveAs();
        return 0;
    }
    if (!BudgetSwapFiles())
        return 0;
    MarkSaved();
    return 1;
}

void CreateBudgetName(char* out, int flag)
{
    if (flag && !gNewBudgetFile) {
        CopyString(gBudgetTitleName, out, kPathSize);
        return;
    }
    char now[kDatimeSize];
    GetDatime(now);
    now[8] = 0;
    std::snprintf(out, kPathSize, "Budget%d.bgt", 2000 + GetYear(now));
}

int BudgetSaveAs()
{
    char offered[kPathSize];
    CreateBudgetName(offered, 1);
    char fileName[kPathSize];
    char titleName[kPathSize];
    if (!BudgetFileSaveDlg(offered, fileName, titleName))
        return 0;

    const bool sameFile = !gNewBudgetFile && CString(fileName, gBudgetFileName);
    if (!sameFile && !LockBudgetFile(fileName))
        return 0;
    char oldName[kPathSize];
    char oldTitle[kPathSize];
    CopyString(gBudgetFileName, oldName);
    CopyString(gBudgetTitleName, oldTitle);
    CopyString(fileName, gBudgetFileName);
    CopyString(titleName, gBudgetTitleName);
    if (!BudgetSwapFiles()) {
        // Nothing was written: the budget keeps its old name.
        if (!sameFile)
            UnlockBudgetFile(fileName);
        CopyString(oldName, gBudgetFileName);
        CopyString(oldTitle, gBudgetTitleName);
        return 0;
    }
    if (!sameFile && oldName[0])
        UnlockBudgetFile(oldName);
    MarkSaved();
    return 1;
}

int AskAboutSave(const char* name)
{
    return GetHost().MessageBox(std::string("Save current changes in ") + name, "Save", MessageButtons::YesNoCancel,
                                MessageIcon::Question);
}

int BudgetClose()
{
    if (!gStartUpFlag)
        return 1;
    if (gBudgetFileChanged) {
        const int answer = AskAboutSave(gNewBudgetFile ? "Untitled" : gBudgetTitleName);
        if (answer == IDCANCEL)
            return 0;
        // A save that fails keeps the budget open, so its changes are not lost.
        if (answer == IDYES && !(gNewBudgetFile ? BudgetSaveAs() : BudgetSave()))
            return 0;
    }
    if (!gNewBudgetFile)
        UnlockBudgetFile(gBudgetFileName);
    gBudgetFileChanged = 0;
    gStartUpFlag = 0;
    gAbout = 0;
    return 1;
}

void BudgetQuit()
{
    if (BudgetClose())
        GetHost().QuitProgram();
}

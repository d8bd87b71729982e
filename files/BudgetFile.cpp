// Opening, saving and closing the budget file.
#include "files/BudgetFile.h"

#include "files/BudgetImage.h"
#include "files/BudgetLock.h"
#include "files/FileAccess.h"
#include "ledger/Integrity.h"
#include "ledger/Recording.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Messages.h"
#include "model/Money.h"
#include "model/Selection.h"

#include <QtGlobal>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

const std::vector<FileFilter> kBudgetFilters = {
    {"Budget Files (*.bgt)", "*.bgt"},
    {"Text Files (*.TXT)", "*.txt"},
    {"All Files (*.*)", "*.*"},
};

const std::vector<FileFilter> kTextFilters = {
    {"Text Files (*.TXT)", "*.txt"},
    {"All Files (*.*)", "*.*"},
};

// Copies a chosen path and its file name into the callers' buffers; 0 when the path is too
// long for them.
int TakeChosenPath(const std::string& path, char* fileName, char* titleName)
{
    const std::string title = PathText(FileNameOf(path));
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
        TitleUnnamedCategory(Mi);
    }
}

// Keeps the file about to be replaced as NAME.bak. Where the file system allows it the backup is
// a second name for the old file (saves never write into a file, they replace it), otherwise a
// copy. A backup that cannot be made does not stop the save: the new file still replaces the
// old one atomically.
void KeepBackup(const std::string& target)
{
    const std::string backup = target + ".bak";
    if (KindOfFile(target) != FileKind::Regular)
        return;
#ifdef Q_OS_UNIX
    const std::string staging = backup + ".new";
    ::unlink(staging.c_str());
    // A save stopped after its backup was made left the backup as a second name of the budget:
    // it already is the version before this save.
    if (SameFile(target, backup))
        return;
    if (::link(target.c_str(), staging.c_str()) == 0) {
        const bool moved = ::rename(staging.c_str(), backup.c_str()) == 0;
        ::unlink(staging.c_str());  // a rename between two names of one file leaves both
        if (moved)
            return;
    }
#endif
    InputFile old;
    ReplacingFile copy;
    if (old.Open(target) != InputFile::Result::Opened || !copy.Open(backup))
        return;
    std::vector<uint8_t> chunk;
    for (int64_t at = 0; at < old.Size();) {
        chunk.resize(static_cast<size_t>(std::min<int64_t>(old.Size() - at, 1 << 20)));
        if (!old.Read(at, chunk.data(), chunk.size()) || !copy.Write(chunk.data(), chunk.size()))
            return;
        at += static_cast<int64_t>(chunk.size());
    }
    copy.Commit();
}

// Refuses, with the reason, a path that names a folder or something else that is not a file.
bool IsNoFile(const std::string& path, FileKind kind, const char* failure)
{
    if (kind != FileKind::Folder && kind != FileKind::Other)
        return false;
    GetHost().MessageBox(std::string(failure) + "\r\r" + PathText(path) +
                             (kind == FileKind::Folder ? " is a folder." : " is not a file (a pipe or a device)."),
                         "File System Error", MessageButtons::Ok, MessageIcon::Error);
    return true;
}

// The resolved path of a budget file, which is what the program keeps as its name; false after
// the message when it is too long for that.
bool ResolvedBudgetPath(const char* fileName, std::string& path)
{
    path = ResolvedFilePath(fileName);
    if (path.size() < static_cast<size_t>(kPathSize))
        return true;
    HandleInputError("The file name is too long.", "Choose a shorter name or folder.");
    return false;
}

// Why a new file could not be started beside the budget.
void ReportCannotSave(const ReplacingFile& file)
{
    const std::string budget = "The budget " + PathText(file.Target()) + " is read-only: ";
    switch (file.OpenProblem()) {
    case ReplacingFile::Problem::FileReadOnly:
        HandleFileError((budget + "the file may not be written.").c_str());
        break;
    case ReplacingFile::Problem::FolderReadOnly:
        HandleFileError((budget + "its folder may not be written.").c_str());
        break;
    default:
        HandleFileError("Unable to create temp file.");
        break;
    }
}

// A budget whose checks found it damaged is written only when the user says so once more.
bool DamagedSaveConfirmed(const char* title)
{
    if (!gBudgetDamaged)
        return true;
    return GetHost().MessageBox(std::string("This budget's data was found damaged when it was checked.\r\r"
                                            "Save it as ") + title + " all the same?",
                                "Save", MessageButtons::YesNo, MessageIcon::Warning) == IDYES;
}

// Opens the file named `fileName`, taking its lock when `lock` is set.
int OpenBudgetFile(const char* fileName, const char* titleName, bool lock)
{
    std::string path;
    if (!ResolvedBudgetPath(fileName, path))
        return 0;
    // Not a file: refused before it is locked or opened (a named pipe would wait for a writer).
    if (IsNoFile(fileName, KindOfFile(path), "Unable to open file."))
        return 0;

    const bool wasLocked = BudgetFileLocked(path.c_str());
    if (lock && !LockBudgetFile(path.c_str()))
        return 0;
    auto refuse = [&]() {
        if (lock && !wasLocked)
            UnlockBudgetFile(path.c_str());
        return 0;
    };

    // A missing file is not created: there is nothing to open.
    InputFile file;
    switch (file.Open(path)) {
    case InputFile::Result::Opened:
        break;
    case InputFile::Result::Failed:
        HandleFileError("Unable to open file.");
        return refuse();
    case InputFile::Result::Folder:
        IsNoFile(fileName, FileKind::Folder, "Unable to open file.");
        return refuse();
    case InputFile::Result::NotRegular:
        IsNoFile(fileName, FileKind::Other, "Unable to open file.");
        return refuse();
    }
    if (!ReadBudgetImage(file))
        return refuse();

    // The new budget is in place; the one before it is closed.
    if (lock && gStartUpFlag && !CString(gBudgetFileName, path.c_str()))
        UnlockBudgetFile(gBudgetFileName);
    CopyString(path.c_str(), gBudgetFileName);
    CopyString(titleName, gBudgetTitleName);

    try {
        IntegrityCheck3();
        IntegrityCheck4();
    } catch (const std::bad_alloc&) {
        HandleMemoryError(2);
        return refuse();
    }
    GetDisplayToday(gInfoBox);
    ResetSelect(-1, -1);
    void* reserve = std::malloc(200000);
    if (!reserve) {
        HandleMemoryError(2);
        return refuse();
    }
    std::free(reserve);
    gStartUpFlag = 1;
    gNewBudgetFile = 0;
    gBudgetFileChanged = 0;
    CountSubAccounts();
    return 1;
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
        CopyString(PathText(FileNameOf(fileName)).c_str(), titleName);
    }
    return OpenBudgetFile(fileName, titleName, true);
}

int OpenBudgetToRead()
{
    char fileName[kPathSize];
    CopyString(gBudgetFileName, fileName);
    return OpenBudgetFile(fileName, PathText(FileNameOf(fileName)).c_str(), false);
}

int BudgetSwapFiles()
{
    if (!DamagedSaveConfirmed(gBudgetTitleName))
        return 0;
    ReplacingFile file;
    if (!file.Open(gBudgetFileName)) {
        ReportCannotSave(file);
        return 0;
    }
    if (!WriteDataFile(file)) {
        file.Cancel();
        return 0;
    }
    KeepBackup(file.Target());
    if (!file.Commit()) {
        HandleFileError("Unable to move temp file.");
        return 0;
    }
    RelockBudgetFile(gBudgetFileName);
    return 1;
}

int BudgetSave()
{
    if (gNewBudgetFile) {
        if (AskAboutSave("Untitled") == IDYES)
            return BudgetSaveAs();
        return 0;
    }
    // A budget opened only to be read is locked before it is written.
    if (!LockBudgetFile(gBudgetFileName) || !BudgetSwapFiles())
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
    std::string path;
    if (!BudgetFileSaveDlg(offered, fileName, titleName) || !ResolvedBudgetPath(fileName, path) ||
        IsNoFile(fileName, KindOfFile(path), "Unable to save file."))
        return 0;
    CopyString(path.c_str(), fileName);

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

// Feeds arbitrary bytes to the budget file reader, then runs what opening and saving run on
// whatever it accepted: the checks, the writer and the dump.
#include "cli/Dump.h"
#include "files/BudgetImage.h"
#include "ledger/Integrity.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/RecordStore.h"

#include <cstddef>
#include <cstdint>

namespace {

class QuietHost : public Host {
public:
    int MessageBox(const std::string&, const std::string&, MessageButtons buttons, MessageIcon) override
    {
        return buttons == MessageButtons::Ok ? IDOK : IDNO;
    }
    bool ChooseOpenFile(const FileChoice&, std::string&) override { return false; }
    bool ChooseSaveFile(const FileChoice&, std::string&) override { return false; }
    LocalTime Now() override { return LocalTime{2026, 12, 5, 18, 35, 0}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QuietHost host;
    static const bool ready = [] {
        SetHost(&host);
        InitApp();
        return true;
    }();
    (void)ready;
    if (ReadBudgetImage(data, size)) {
        IntegrityCheck3();
        IntegrityCheck4();
        MemoryWriter writer;
        WriteDataFile(writer);
        (void)DumpBudgetJson();
    }
    ReleaseBudgetRecords();
    return 0;
}

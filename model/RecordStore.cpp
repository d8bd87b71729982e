// Keeps every record of the open budget alive until the budget is replaced.
#include "model/RecordStore.h"

#include "model/Globals.h"

#include <deque>
#include <memory>
#include <new>
#include <vector>

namespace {

// Records of one kind: blocks read from a file and single records made later.
template <typename T>
class RecordPool {
public:
    T* One() { return &singles.emplace_back(); }
    // Not zeroed: reading a file sets every field of every record of the block.
    static RecordBlock<T> Allocate(size_t count) { return RecordBlock<T>(new (std::nothrow) T[count]); }
    void Keep(RecordBlock<T> block)
    {
        if (block)
            blocks.push_back(std::move(block));
    }
    void Clear()
    {
        singles.clear();
        blocks.clear();
    }

private:
    std::deque<T> singles;  // a deque keeps the addresses of its elements
    std::vector<RecordBlock<T>> blocks;
};

RecordPool<AHistory> gHistoryPool;
RecordPool<IHistory> gInvestHistoryPool;
RecordPool<ToDo> gToDoPool;

}  // namespace

AHistory* NewHistoryRecord() { return gHistoryPool.One(); }
IHistory* NewInvestHistoryRecord() { return gInvestHistoryPool.One(); }
ToDo* NewToDoRecord() { return gToDoPool.One(); }
RecordBlock<AHistory> AllocateHistoryBlock(size_t count) { return RecordPool<AHistory>::Allocate(count); }
RecordBlock<IHistory> AllocateInvestHistoryBlock(size_t count) { return RecordPool<IHistory>::Allocate(count); }
RecordBlock<ToDo> AllocateToDoBlock(size_t count) { return RecordPool<ToDo>::Allocate(count); }
void KeepRecordBlock(RecordBlock<AHistory> block) { gHistoryPool.Keep(std::move(block)); }
void KeepRecordBlock(RecordBlock<IHistory> block) { gInvestHistoryPool.Keep(std::move(block)); }
void KeepRecordBlock(RecordBlock<ToDo> block) { gToDoPool.Keep(std::move(block)); }

CBalance* NewCBalanceRecord() { return new CBalance{}; }
DBalance* NewDBalanceRecord() { return new DBalance{}; }

void FreeCBalanceRecord(CBalance* rec)
{
    delete rec;
}

void FreeDBalanceRecord(DBalance* rec)
{
    if (rec)
        delete[] rec->theArray;
    delete rec;
}

void ReleaseBudgetRecords()
{
    for (CBalance* c = gBalanceCAnchor; c;) {
        CBalance* next = c->BalanceCFP;
        FreeCBalanceRecord(c);
        c = next;
    }
    for (DBalance* d = gBalanceDAnchor; d;) {
        DBalance* next = d->BalanceDFP;
        FreeDBalanceRecord(d);
        d = next;
    }
    gBalanceCAnchor = gBalanceCAnchorLast = nullptr;
    gBalanceDAnchor = gBalanceDAnchorLast = nullptr;
    gCheckDisplayLines = gDepositDisplayLines = 0;
    gToDoAnchor = gToDoAnchorLast = nullptr;
    gSelectedItem = nullptr;
    gHPtr = nullptr;
    ResetFindPosition();
    for (auto& r : Reminders)
        r = nullptr;
    gRemindListCount = 0;
    gRemindSurplus = 0;
    ++gReminderStamp;
    for (auto& row : MemoryAccounts)
        for (auto& slot : row)
            slot.HistoryRec = nullptr;
    ++gHistoryShape;
    for (auto& inv : MemoryInvest)
        inv.HistoryRec = nullptr;
    gHistoryPool.Clear();
    gInvestHistoryPool.Clear();
    gToDoPool.Clear();
}

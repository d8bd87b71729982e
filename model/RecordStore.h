// Ownership of the records of the open budget. Records read from a file stay in one block per
// kind; records made later are allocated one by one. All are freed together when the budget is
// replaced, so no chain ever points at freed memory while its budget is open.
#pragma once

#include "model/Records.h"

#include <cstddef>
#include <memory>

// A new zeroed record owned by the open budget.
AHistory* NewHistoryRecord();
IHistory* NewInvestHistoryRecord();
ToDo* NewToDoRecord();

// Blocks of records for a file's sections, to be filled by the reader (null when memory runs
// out). A block belongs to the caller until it is handed to the open budget with
// KeepRecordBlock.
template <typename T>
using RecordBlock = std::unique_ptr<T[]>;
RecordBlock<AHistory> AllocateHistoryBlock(size_t count);
RecordBlock<IHistory> AllocateInvestHistoryBlock(size_t count);
RecordBlock<ToDo> AllocateToDoBlock(size_t count);
void KeepRecordBlock(RecordBlock<AHistory> block);
void KeepRecordBlock(RecordBlock<IHistory> block);
void KeepRecordBlock(RecordBlock<ToDo> block);

// A new zeroed balancing record; freed by FreeBalanceRecord or with the budget.
CBalance* NewCBalanceRecord();
DBalance* NewDBalanceRecord();
void FreeCBalanceRecord(CBalance* rec);
void FreeDBalanceRecord(DBalance* rec);

// Frees every record above (the balancing chains included) and empties the anchors of the
// To Do and balancing chains, the reminder table and every pointer into history.
void ReleaseBudgetRecords();

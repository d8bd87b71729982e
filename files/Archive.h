// Counting the records that an archive could take out of the budget, per year.
#pragma once

#include "model/Records.h"

// Counts one record read from the budget file into gArchive.
void DetermineArchiveData(const AHistory* rec);
void DetermineInvestArchiveData(const IHistory* rec);

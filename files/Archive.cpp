// Counting the records that an archive could take out of the budget, per year.
#include "files/Archive.h"

// The archive counts are kept by the archive and export commands; reading a budget announces
// every record here so the counts can be made as it is read.
void DetermineArchiveData(const AHistory* rec)
{
    (void)rec;
}

void DetermineInvestArchiveData(const IHistory* rec)
{
    (void)rec;
}

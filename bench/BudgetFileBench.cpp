// Opening and saving large budgets, next to plain reads and writes of the same number of bytes,
// so the cost of decoding and encoding the records can be told apart from the cost of the disk.
//
// Every benchmark takes the number of history records (spread over all slots of the grid) as
// its argument. Times are wall-clock: saving waits for the disk (QSaveFile syncs the new file
// and the .bak copy of the previous one), which CPU time would not show.
#include "files/BudgetFile.h"
#include "files/BudgetImage.h"
#include "model/Globals.h"
#include "model/Host.h"
#include "model/Initialize.h"
#include "model/Money.h"
#include "support/SampleBudget.h"

#include "BenchSupport.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// One generated budget file per record count, saved once and reused by every benchmark.
struct BudgetOnDisk {
    std::string Path;
    int64_t Size = 0;
};
std::map<int, BudgetOnDisk> gFiles;

// Builds the budget with `records` history records in memory and saves it through the program's
// own save. The file stays the open budget's file.
const BudgetOnDisk* LargeBudgetFile(int records, benchmark::State& state)
{
    auto found = gFiles.find(records);
    if (found != gFiles.end()) {
        CopyString(found->second.Path.c_str(), gBudgetFileName);
        return &found->second;
    }
    NewBudget();  // frees whatever budget the previous benchmark left
    BuildLargeTestBudget(records);
    BudgetOnDisk file;
    file.Path = SaveBudgetAs("large-" + std::to_string(records) + ".bgt", state);
    if (file.Path.empty())
        return nullptr;
    file.Size = QFile(QString::fromStdString(file.Path)).size();
    return &(gFiles[records] = file);
}

void SetBytes(benchmark::State& state, int64_t bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

// OpenBudget(0): read the file, decode the records, rebuild the chains, run the open checks.
// Every open replaces (and frees) the budget read by the one before.
void BM_Open(benchmark::State& state)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file)
        return;
    for (auto _ : state)
        if (!OpenQuietly(state))
            return;
    SetBytes(state, file->Size);
}

// BudgetSwapFiles() of the opened budget: encode, write through QSaveFile (with its sync),
// keep the previous file as .bak (a read, a write and a second sync) and replace the file.
void BM_Save(benchmark::State& state)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file || !OpenQuietly(state))
        return;
    for (auto _ : state) {
        gQuietHost.Messages = 0;
        if (!BudgetSwapFiles() || gQuietHost.Messages) {
            state.SkipWithError(("saving failed: " + gQuietHost.LastMessage).c_str());
            return;
        }
    }
    SetBytes(state, file->Size);
}

// ReadBudgetImage() of bytes already in memory: the decoding part of Open alone.
void BM_DecodeImage(benchmark::State& state)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file)
        return;
    const std::vector<uint8_t> bytes = ReadFileBytes(file->Path);
    for (auto _ : state) {
        if (!ReadBudgetImage(bytes.data(), bytes.size())) {
            state.SkipWithError("the image was refused");
            return;
        }
    }
    SetBytes(state, file->Size);
}

// WriteDataFile() into memory: the encoding part of Save alone.
void BM_EncodeImage(benchmark::State& state)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file || !OpenQuietly(state))
        return;
    for (auto _ : state) {
        MemoryWriter writer;
        writer.Bytes.reserve(static_cast<size_t>(file->Size));
        if (!WriteDataFile(writer)) {
            state.SkipWithError("writing the image failed");
            return;
        }
        benchmark::DoNotOptimize(writer.Bytes.data());
    }
    SetBytes(state, file->Size);
}

// Baseline for Open: QFile of the same file read whole, as OpenBudget reads it.
void BM_PlainReadQFile(benchmark::State& state)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file)
        return;
    for (auto _ : state) {
        QFile in(QString::fromStdString(file->Path));
        if (!in.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the file");
            return;
        }
        const QByteArray bytes = in.readAll();
        benchmark::DoNotOptimize(bytes.constData());
        if (bytes.size() != file->Size) {
            state.SkipWithError("short read");
            return;
        }
    }
    SetBytes(state, file->Size);
}

// Baseline for Open: the same file read whole with fread.
void BM_PlainReadStdio(benchmark::State& state)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file)
        return;
    std::vector<char> buffer(static_cast<size_t>(file->Size));
    for (auto _ : state) {
        FILE* in = std::fopen(file->Path.c_str(), "rb");
        if (!in) {
            state.SkipWithError("cannot open the file");
            return;
        }
        const size_t got = std::fread(buffer.data(), 1, buffer.size(), in);
        std::fclose(in);
        benchmark::DoNotOptimize(buffer.data());
        if (got != buffer.size()) {
            state.SkipWithError("short read");
            return;
        }
    }
    SetBytes(state, file->Size);
}

// Baseline for Save: the same number of bytes written to a new file with fwrite and fclose,
// optionally synced to disk before closing. The file is removed between iterations (untimed) so
// every write creates a new file, as a save does.
void PlainWrite(benchmark::State& state, bool sync)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file)
        return;
    const std::vector<char> buffer(static_cast<size_t>(file->Size), 'b');
    const std::string path = PathInDir(sync ? "plain-synced.bin" : "plain.bin");
    for (auto _ : state) {
        FILE* out = std::fopen(path.c_str(), "wb");
        if (!out) {
            state.SkipWithError("cannot create the file");
            return;
        }
        bool ok = std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
        if (sync)
            ok = ok && std::fflush(out) == 0 && ::fsync(::fileno(out)) == 0;
        ok = std::fclose(out) == 0 && ok;
        if (!ok) {
            state.SkipWithError("write failed");
            return;
        }
        state.PauseTiming();
        std::remove(path.c_str());
        state.ResumeTiming();
    }
    SetBytes(state, file->Size);
}

void BM_PlainWrite(benchmark::State& state)
{
    PlainWrite(state, false);
}

void BM_PlainWriteSync(benchmark::State& state)
{
    PlainWrite(state, true);
}

// What a save does on disk, without the records: write and sync a new file, copy the previous
// file to a synced .bak, and rename both into place. The fair baseline for BM_Save.
void BM_PlainSaveWithBackup(benchmark::State& state)
{
    const BudgetOnDisk* file = LargeBudgetFile(static_cast<int>(state.range(0)), state);
    if (!file)
        return;
    const std::vector<char> buffer(static_cast<size_t>(file->Size), 'b');
    const std::string path = PathInDir("plain-save.bin");
    std::vector<char> old(buffer.size());
    auto writeSynced = [](const std::string& name, const std::vector<char>& bytes) {
        FILE* out = std::fopen(name.c_str(), "wb");
        if (!out)
            return false;
        bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        ok = ok && std::fflush(out) == 0 && ::fsync(::fileno(out)) == 0;
        return std::fclose(out) == 0 && ok;
    };
    if (!writeSynced(path, buffer)) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        bool ok = writeSynced(path + ".tmp", buffer);
        FILE* in = std::fopen(path.c_str(), "rb");
        ok = ok && in && std::fread(old.data(), 1, old.size(), in) == old.size();
        if (in)
            std::fclose(in);
        ok = ok && writeSynced(path + ".bak.tmp", old);
        ok = ok && std::rename((path + ".bak.tmp").c_str(), (path + ".bak").c_str()) == 0;
        ok = ok && std::rename((path + ".tmp").c_str(), path.c_str()) == 0;
        if (!ok) {
            state.SkipWithError("write failed");
            return;
        }
    }
    SetBytes(state, file->Size);
}

void RecordCounts(benchmark::internal::Benchmark* b)
{
    b->Arg(10000)->Arg(30000)->Arg(100000)->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Open)->Apply(RecordCounts);
BENCHMARK(BM_Save)->Apply(RecordCounts);
BENCHMARK(BM_DecodeImage)->Apply(RecordCounts);
BENCHMARK(BM_EncodeImage)->Apply(RecordCounts);
BENCHMARK(BM_PlainReadQFile)->Apply(RecordCounts);
BENCHMARK(BM_PlainReadStdio)->Apply(RecordCounts);
BENCHMARK(BM_PlainWrite)->Apply(RecordCounts);
BENCHMARK(BM_PlainWriteSync)->Apply(RecordCounts);
BENCHMARK(BM_PlainSaveWithBackup)->Apply(RecordCounts);

}  // namespace

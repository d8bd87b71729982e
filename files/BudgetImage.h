// The bytes of a budget file: three record sections (history, investment history, To Do)
// followed by the fixed tail (accounts, budget settings, investments). Reading checks the whole
// image before it replaces the open budget; writing goes section by section through a writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kHistoryRecordSize = 228;
constexpr int kInvestHistoryRecordSize = 60;
constexpr int kToDoRecordSize = 100;
constexpr int kAccountsBytes = 78624;
constexpr int kBudgetBytes = 444;
constexpr int kInvestBytes = 8320;
constexpr int kTailSize = kAccountsBytes + kBudgetBytes + kInvestBytes;  // 87,388

// Where the sections of a budget file go; Write returns false when not every byte was written.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual bool Write(const uint8_t* data, size_t size) = 0;
};

// Collects a budget file in memory.
class MemoryWriter : public FileWriter {
public:
    bool Write(const uint8_t* data, size_t size) override
    {
        Bytes.insert(Bytes.end(), data, data + size);
        return true;
    }
    std::vector<uint8_t> Bytes;
};

// Where the bytes of a budget file come from.
class ImageSource {
public:
    virtual ~ImageSource() = default;
    virtual int64_t Size() const = 0;
    // Reads `size` bytes at `offset`; false when not all of them could be read.
    virtual bool Read(int64_t offset, uint8_t* out, size_t size) = 0;
};

// A budget file already in memory.
class MemorySource : public ImageSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data(data), size(size) {}
    int64_t Size() const override { return static_cast<int64_t>(size); }
    bool Read(int64_t offset, uint8_t* out, size_t count) override;

private:
    const uint8_t* data;
    size_t size;
};

// Reads a whole budget file into the model: the tail, the international settings, the version,
// the three sections with their chains, the price upgrade of version 2 files. Everything is read
// and checked before it replaces the open budget, so a refused file (0, after the program's
// message) leaves the open budget as it was. Memory running out is reported with the memory
// error of the section being read; should it run out after the file replaced the open budget
// (what linking needs is asked for before), the model keeps the file's accounts without records.
// Returns 1 when the budget was read.
int ReadBudgetImage(ImageSource& source);
int ReadBudgetImage(const uint8_t* data, size_t size);

// Writes the model as a budget file: counts the records (repairing wrong counts with a
// warning), then the sections in file order. 1 when every section was written.
int WriteDataFile(FileWriter& handle);

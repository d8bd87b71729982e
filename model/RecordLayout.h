// The file image of every stored record: each field's name, kind, offset in the file and place
// in memory. The budget file is read and written through these tables field by field (never by
// copying a structure's bytes), and the command line's dump prints the same fields by name.
#pragma once

#include <cstddef>
#include <cstdint>

enum class FieldType : uint8_t {
    Long,        // signed 32-bit
    Short,       // signed 16-bit
    Byte,        // a flag or small number, 0 to 255
    SignedByte,  // a signed byte (versions, settings)
    Char,        // one character of text
    Colour,      // COLORREF, unsigned 32-bit
    Text,        // Count fields of Length bytes, NUL-terminated text
    Pointer,     // 4 bytes in the file, a native pointer in memory: written 0, read as null
    Padding,     // Length bytes in the file only, written 0
    Point,       // POINT
    Rect,        // RECT
    LogFont,     // LOGFONT, 60 bytes
};

struct FieldLayout {
    const char* Name;
    FieldType Type;
    uint16_t FileOffset;
    uint16_t MemoryOffset;
    uint16_t Count;   // number of elements; 1 for a single value
    uint16_t Length;  // Text: bytes per field; Padding: bytes; Long arrays: inner dimension (0 = flat)
    bool Terminated;  // Text: the last byte is forced to NUL on reading
};

struct RecordLayout {
    const char* Name;
    int FileSize;
    const FieldLayout* Fields;
    int FieldCount;
};

extern const RecordLayout kHistoryLayout;        // AHistory, 228 bytes
extern const RecordLayout kAccountLayout;        // ARecord, 432 bytes
extern const RecordLayout kBudgetLayout;         // ABudget, 444 bytes
extern const RecordLayout kInternationalLayout;  // International, 12 bytes
extern const RecordLayout kInvestLayout;         // IRecord, 320 bytes
extern const RecordLayout kInvestHistoryLayout;  // IHistory, 60 bytes
extern const RecordLayout kToDoLayout;           // ToDo, 100 bytes
extern const RecordLayout kLogFontLayout;        // LOGFONT, 60 bytes

// Bytes one field takes in the file.
int FieldFileSize(const FieldLayout& field);

// Writes the record's file image (layout.FileSize bytes) to `out`.
void EncodeRecord(const RecordLayout& layout, const void* record, uint8_t* out);

// Fills the record from its file image: pointers become null, terminated texts are cut at
// their last byte, so nothing read from a file can run past its field.
void DecodeRecord(const RecordLayout& layout, const uint8_t* in, void* record);

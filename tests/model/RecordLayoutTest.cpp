// The record layouts cover each record's file image exactly, and encode and decode agree.
#include "model/RecordLayout.h"

#include "model/Records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

const RecordLayout* const kLayouts[] = {
    &kHistoryLayout, &kAccountLayout, &kBudgetLayout, &kInternationalLayout,
    &kInvestLayout, &kInvestHistoryLayout, &kToDoLayout, &kLogFontLayout,
};

TEST(RecordLayoutTest, FieldsFollowEachOtherWithoutGapsOrOverlapsUpToTheRecordSize)
{
    for (const RecordLayout* layout : kLayouts) {
        int next = 0;
        for (int i = 0; i < layout->FieldCount; ++i) {
            const FieldLayout& f = layout->Fields[i];
            EXPECT_EQ(f.FileOffset, next) << layout->Name << "." << f.Name;
            next = f.FileOffset + FieldFileSize(f);
        }
        EXPECT_EQ(next, layout->FileSize) << layout->Name;
    }
}

// Random file images decode and encode back to the same bytes, except where the file carries
// nothing in memory (pointers and padding, written as 0) and the last byte of terminated texts.
TEST(RecordLayoutTest, DecodingThenEncodingKeepsEveryStoredByte)
{
    std::mt19937 random(2026);
    alignas(8) uint8_t record[1024];
    for (const RecordLayout* layout : kLayouts) {
        std::vector<uint8_t> in(layout->FileSize), out(layout->FileSize);
        for (auto& b : in)
            b = static_cast<uint8_t>(random());
        std::memset(record, 0xAB, sizeof record);
        DecodeRecord(*layout, in.data(), record);
        EncodeRecord(*layout, record, out.data());
        for (int i = 0; i < layout->FieldCount; ++i) {
            const FieldLayout& f = layout->Fields[i];
            for (int k = 0; k < FieldFileSize(f); ++k) {
                const int at = f.FileOffset + k;
                const bool zeroed = f.Type == FieldType::Pointer || f.Type == FieldType::Padding ||
                                    (f.Type == FieldType::Text && f.Terminated && (k + 1) % f.Length == 0) ||
                                    (f.Type == FieldType::LogFont && k == 59);  // end of lfFaceName
                EXPECT_EQ(out[at], zeroed ? 0 : in[at]) << layout->Name << "." << f.Name << " byte " << k;
            }
        }
    }
}

}  // namespace

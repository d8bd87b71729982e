// Prints the open budget as JSON: every stored field by its record name, in record order. The text
// goes to the stream as it is made, so a large budget's dump needs no copy of itself in memory.
#include "cli/Dump.h"

#include "model/BudgetText.h"
#include "model/Dates.h"
#include "model/Globals.h"
#include "model/RecordLayout.h"

#include <cstring>
#include <ostream>
#include <sstream>
#include <string>

namespace {

// A small JSON writer that keeps the order of the fields and indents nested values. It collects
// the text in a small buffer and hands it to the stream whenever the buffer fills.
class Json {
public:
    explicit Json(std::ostream& stream) : stream(stream) { out.reserve(kFlushAt + 4096); }
    ~Json() { Flush(); }
    Json(const Json&) = delete;
    Json& operator=(const Json&) = delete;

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    void Key(const char* key)
    {
        Separate();
        Quoted(key, std::strlen(key));
        out += ": ";
        afterKey = true;
    }
    void Number(long long v)
    {
        Separate();
        out += std::to_string(v);
    }
    // Budget text up to the first NUL (at most `length` bytes), decoded from Windows-1252 and
    // written as UTF-8; control characters are escaped, so the JSON is safe on a terminal.
    void Text(const char* bytes, size_t length)
    {
        Separate();
        Quoted(bytes, length);
    }
    // Ends the document with its line break and hands everything to the stream.
    void Finish()
    {
        out += '\n';
        Flush();
    }

private:
    static constexpr size_t kFlushAt = 64 * 1024;

    // After a stream failure (a full disk, a closed pipe) the rest is not written; the caller
    // finds the stream failed.
    void Flush()
    {
        if (!out.empty() && stream)
            stream.write(out.data(), static_cast<std::streamsize>(out.size()));
        out.clear();
    }
    void FlushIfFull()
    {
        if (out.size() >= kFlushAt)
            Flush();
    }

    void Quoted(const char* bytes, size_t length)
    {
        out += '"';
        for (size_t i = 0; i < length && bytes[i]; ++i) {
            const char32_t c = BudgetTextCharacter(static_cast<unsigned char>(bytes[i]));
            if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c < 0x800) {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (c >> 12));
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        out += '"';
    }
    void Open(char c)
    {
        Separate();
        out += c;
        ++depth;
        first = true;
    }
    void Close(char c)
    {
        --depth;
        if (!first)
            NewLine();
        out += c;
        first = false;
    }
    void Separate()
    {
        FlushIfFull();
        if (afterKey) {
            afterKey = false;
            return;
        }
        if (depth == 0)
            return;
        if (!first)
            out += ',';
        NewLine();
        first = false;
    }
    void NewLine()
    {
        out += '\n';
        out.append(static_cast<size_t>(depth) * 2, ' ');
    }
    std::ostream& stream;
    std::string out;
    int depth = 0;
    bool first = true;
    bool afterKey = false;
};

int32_t LongAt(const uint8_t* p)
{
    int32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void WriteRecordFields(Json& j, const RecordLayout& layout, const void* record);

void WriteLongs(Json& j, const uint8_t* p, int count)
{
    j.BeginArray();
    for (int k = 0; k < count; ++k)
        j.Number(LongAt(p + 4 * k));
    j.EndArray();
}

void WriteField(Json& j, const FieldLayout& f, const uint8_t* mem)
{
    const bool array = f.Count > 1;
    if (array && f.Type != FieldType::Long)
        j.BeginArray();
    switch (f.Type) {
    case FieldType::Long:
        if (!array)
            j.Number(LongAt(mem));
        else if (f.Length == 0)
            WriteLongs(j, mem, f.Count);
        else {
            j.BeginArray();
            for (int row = 0; row < f.Count / f.Length; ++row)
                WriteLongs(j, mem + 4 * row * f.Length, f.Length);
            j.EndArray();
        }
        break;
    case FieldType::Colour:
        j.Number(static_cast<uint32_t>(LongAt(mem)));
        break;
    case FieldType::Short:
        for (int k = 0; k < f.Count; ++k) {
            int16_t v;
            std::memcpy(&v, mem + 2 * k, 2);
            j.Number(v);
        }
        break;
    case FieldType::Byte:
        j.Number(*mem);
        break;
    case FieldType::SignedByte:
        j.Number(static_cast<signed char>(*mem));
        break;
    case FieldType::Char:
        j.Text(reinterpret_cast<const char*>(mem), 1);
        break;
    case FieldType::Text:
        for (int k = 0; k < f.Count; ++k)
            j.Text(reinterpret_cast<const char*>(mem) + k * f.Length, f.Length);
        break;
    case FieldType::Point:
    case FieldType::Rect:
        for (int k = 0; k < f.Count; ++k) {
            const int words = f.Type == FieldType::Point ? 2 : 4;
            WriteLongs(j, mem + 4 * words * k, words);
        }
        break;
    case FieldType::LogFont:
        j.BeginObject();
        WriteRecordFields(j, kLogFontLayout, mem);
        j.EndObject();
        break;
    case FieldType::Pointer:
    case FieldType::Padding:
        break;
    }
    if (array && f.Type != FieldType::Long)
        j.EndArray();
}

void WriteRecordFields(Json& j, const RecordLayout& layout, const void* record)
{
    const uint8_t* base = static_cast<const uint8_t*>(record);
    for (int i = 0; i < layout.FieldCount; ++i) {
        const FieldLayout& f = layout.Fields[i];
        if (f.Type == FieldType::Pointer || f.Type == FieldType::Padding)
            continue;
        j.Key(f.Name);
        WriteField(j, f, base + f.MemoryOffset);
    }
}

void WriteHistory(Json& j, const AHistory* h)
{
    j.BeginObject();
    WriteRecordFields(j, kHistoryLayout, h);
    j.Key("MemoBytes");
    j.BeginArray();
    for (int k = 0; k < 4; ++k)
        j.Number(static_cast<unsigned char>(h->Memo[k]));
    j.EndArray();
    if (h->Remind) {
        char jdate[6] = {};
        GetJDate(h, jdate);
        j.Key("Reminder");
        j.BeginObject();
        j.Key("JDate");
        j.Text(jdate, 5);
        j.Key("RemTime");
        j.Number(GetRemTime(h));
        j.Key("RemType");
        j.Number(GetRemType(h));
        j.EndObject();
    }
    j.EndObject();
}

void WriteAccounts(Json& j)
{
    j.BeginArray();
    for (int Mi = 0; Mi < kMainAccounts; ++Mi)
        for (int Si = 0; Si < kSlots; ++Si) {
            const ARecord& a = Accounts[Mi][Si];
            const AHistory* first = MemoryAccounts[Mi][Si].HistoryRec;
            if (!a.Valid && !a.CheckbookRecord && !a.FoundFlag && !first)
                continue;
            j.BeginObject();
            j.Key("Mi");
            j.Number(Mi);
            j.Key("Si");
            j.Number(Si);
            WriteRecordFields(j, kAccountLayout, &a);
            j.Key("history");
            j.BeginArray();
            for (const AHistory* h = first; h; h = h->HistoryFP)
                WriteHistory(j, h);
            j.EndArray();
            j.EndObject();
        }
    j.EndArray();
}

void WriteInvestments(Json& j)
{
    j.BeginArray();
    for (int Ii = 0; Ii < kInvestments; ++Ii) {
        if (Ii > 0 && !Invest[Ii].Valid)
            continue;
        j.BeginObject();
        j.Key("Ii");
        j.Number(Ii);
        WriteRecordFields(j, kInvestLayout, &Invest[Ii]);
        j.Key("history");
        j.BeginArray();
        for (const IHistory* h = MemoryInvest[Ii].HistoryRec; h; h = h->InvestFP) {
            j.BeginObject();
            WriteRecordFields(j, kInvestHistoryLayout, h);
            j.EndObject();
        }
        j.EndArray();
        j.EndObject();
    }
    j.EndArray();
}

void WriteToDo(Json& j)
{
    j.BeginArray();
    for (const ToDo* t = gToDoAnchor; t; t = t->ToDoFP) {
        j.BeginObject();
        WriteRecordFields(j, kToDoLayout, t);
        j.EndObject();
    }
    j.EndArray();
}

// Mi and Si of a balancing record's history record.
void WritePosition(Json& j, const AHistory* h)
{
    j.Key("Mi");
    j.Number(h ? h->Mi : -1);
    j.Key("Si");
    j.Number(h ? h->Si : -1);
}

void WriteBalancing(Json& j)
{
    j.BeginObject();
    j.Key("withdrawals");
    j.BeginArray();
    for (const CBalance* c = gBalanceCAnchor; c; c = c->BalanceCFP) {
        j.BeginObject();
        j.Key("BAmount");
        j.Number(c->BAmount);
        j.Key("BIdent");
        j.Number(c->BIdent);
        j.Key("BDatime");
        j.Text(c->BDatime, sizeof c->BDatime);
        j.Key("BChecked");
        j.Number(static_cast<unsigned char>(c->BChecked));
        j.Key("ATM");
        j.Number(c->ATM);
        WritePosition(j, c->HistoryRec);
        j.EndObject();
    }
    j.EndArray();
    j.Key("deposits");
    j.BeginArray();
    for (const DBalance* d = gBalanceDAnchor; d; d = d->BalanceDFP) {
        j.BeginObject();
        j.Key("BAmount");
        j.Number(d->BAmount);
        j.Key("BIdent");
        j.Number(d->BIdent);
        j.Key("BDatime");
        j.Text(d->BDatime, sizeof d->BDatime);
        j.Key("BChecked");
        j.Number(static_cast<unsigned char>(d->BChecked));
        j.Key("DepositID");
        j.Number(d->DepositID);
        if (d->theArray) {
            j.Key("pieces");
            j.BeginArray();
            for (int k = 0; k < d->ArraySize; ++k)
                if (const AHistory* h = d->theArray[k]) {
                    j.BeginObject();
                    WritePosition(j, h);
                    j.EndObject();
                }
            j.EndArray();
        } else {
            WritePosition(j, d->HistoryRec);
        }
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
}

}  // namespace

void WriteBudgetJson(std::ostream& stream)
{
    Json j(stream);
    j.BeginObject();
    j.Key("budget");
    j.BeginObject();
    WriteRecordFields(j, kBudgetLayout, &gBudget);
    j.EndObject();
    j.Key("international");
    j.BeginObject();
    WriteRecordFields(j, kInternationalLayout, &gIntRec);
    j.EndObject();
    j.Key("accounts");
    WriteAccounts(j);
    j.Key("investments");
    WriteInvestments(j);
    j.Key("todo");
    WriteToDo(j);
    j.Key("balancing");
    WriteBalancing(j);
    j.EndObject();
    j.Finish();
}

std::string DumpBudgetJson()
{
    std::ostringstream text;
    WriteBudgetJson(text);
    return std::move(text).str();
}

#include "sumlet/tally/results/tally_file.h"

#include <cmath>
#include <limits>

#include "runtime/seqfile.h"
#include "sumlet/tally/engine/tally_rows.h"

namespace sumlet {

using runtime::ReadStatus;
using runtime::Value;

TallyFileBytes writeTallyFile(const TallyData& t)
{
    runtime::SeqWriter w;
    w.value(t.MonthCount);
    if (t.KeyName.isEmpty())
        w.empty();
    else
        w.text(t.KeyName.text());
    w.value(t.StartMonth);
    w.value(t.EndMonth);
    w.endLine();

    const int n = tally_detail::monthsToProcess(t);
    if (n > 0) {
        for (int k = 1; k <= n; ++k)
            w.value(t.MonthRows[k]);
        w.endLine();
        for (int k = 1; k <= n; ++k) {
            w.value(t.MonthNo.get(k));
            w.endLine();
        }
        for (int m = 1; m <= n; ++m) {
            const long rows = tally_detail::loopBound(t.MonthRows[m], std::numeric_limits<long>::max());
            for (long i = 1; i <= rows; ++i) {
                w.value(t.InKey[m].get(i));
                w.value(t.InCount[m].get(i));
                w.value(t.InAmount[m].get(i));
                w.endLine();
            }
        }
    }
    // Never a file that readTallyFile would refuse.
    return {!w.failed() && keyCaptionFits(t.KeyName.text()), w.bytes()};
}

namespace {

// A numeric field: empty stays empty, otherwise one whole unquoted number.
bool readNumberOrEmpty(runtime::SeqReader& r, Value& out)
{
    runtime::SeqReader peek = r;
    runtime::SeqField f;
    if (peek.next(f) != ReadStatus::Ok || f.quoted)
        return false;
    if (f.text.empty()) {
        r = peek;
        out = Value();
        return true;
    }
    double d = 0;
    if (r.readNumber(d) != ReadStatus::Ok || !std::isfinite(d))
        return false;
    out = Value(d + 0.0);
    return true;
}

// A key, count or amount: empty, or a number the entry boxes could have written.
bool readRowNumber(runtime::SeqReader& r, Value& out)
{
    return readNumberOrEmpty(r, out) && tallyNumberFits(out.num());
}

bool wholeIn(double v, double lo, double hi)
{
    return std::isfinite(v) && v == std::floor(v) && v >= lo && v <= hi;
}

// Nothing but empty fields may follow the last row.
bool onlyEmptyFieldsLeft(runtime::SeqReader& r)
{
    runtime::SeqField f;
    for (;;) {
        const ReadStatus s = r.next(f);
        if (s == ReadStatus::NoMoreFields)
            return true;
        if (s != ReadStatus::Ok || f.quoted || !f.text.empty())
            return false;
    }
}

} // namespace

std::optional<TallyFileContents> readTallyFile(std::string_view bytes)
{
    runtime::SeqReader r(bytes);
    TallyFileContents c;

    Value count;
    if (!readNumberOrEmpty(r, count) || !wholeIn(count.num(), 1, kMaxMonths))
        return std::nullopt;
    c.monthCount = static_cast<int>(count.num());

    runtime::SeqField key;
    if (r.next(key) != ReadStatus::Ok)
        return std::nullopt;
    if (!keyCaptionFits(key.text))
        return std::nullopt;
    if (key.quoted || !key.text.empty())
        c.keyName = Value(key.text);

    if (!readNumberOrEmpty(r, c.startMonth) || !readNumberOrEmpty(r, c.endMonth))
        return std::nullopt;

    c.monthRows.resize(static_cast<std::size_t>(c.monthCount));
    for (Value& n : c.monthRows)
        if (!readNumberOrEmpty(r, n) || !wholeIn(n.num(), 0, kTallyFileMaxRows))
            return std::nullopt;

    c.monthNo.resize(static_cast<std::size_t>(c.monthCount));
    for (Value& no : c.monthNo)
        if (!readNumberOrEmpty(r, no))
            return std::nullopt;

    c.rows.resize(static_cast<std::size_t>(c.monthCount));
    for (std::size_t m = 0; m < c.rows.size(); ++m) {
        c.rows[m].resize(static_cast<std::size_t>(c.monthRows[m].num()));
        for (TallyFileContents::Row& row : c.rows[m])
            for (Value& v : row)
                if (!readRowNumber(r, v))
                    return std::nullopt;
    }
    if (!onlyEmptyFieldsLeft(r))
        return std::nullopt;
    return c;
}

void takeOver(TallyData& t, const TallyFileContents& c)
{
    const int n = c.monthCount;
    t.MonthCount = n;
    t.KeyName = c.keyName;
    t.StartMonth = c.startMonth;
    t.EndMonth = c.endMonth;
    t.MonthNo.redim(n);
    for (int k = 1; k <= n; ++k) {
        const auto& rows = c.rows[static_cast<std::size_t>(k - 1)];
        const long count = static_cast<long>(rows.size());
        t.MonthRows[k] = c.monthRows[static_cast<std::size_t>(k - 1)];
        t.MonthNo.set(k, c.monthNo[static_cast<std::size_t>(k - 1)]);
        t.InKey[k].redim(count);
        t.InCount[k].redim(count);
        t.InAmount[k].redim(count);
        for (long i = 1; i <= count; ++i) {
            const TallyFileContents::Row& row = rows[static_cast<std::size_t>(i - 1)];
            t.InKey[k].set(i, row[0]);
            t.InCount[k].set(i, row[1]);
            t.InAmount[k].set(i, row[2]);
        }
    }
}

} // namespace sumlet

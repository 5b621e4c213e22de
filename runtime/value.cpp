#include "runtime/value.h"

#include "runtime/number_text.h"

namespace runtime {

double Value::num() const
{
    if (const double* d = std::get_if<double>(&v_))
        return *d;
    if (const std::string* s = std::get_if<std::string>(&v_))
        return valOr0(*s);
    return 0.0;
}

std::string Value::text() const
{
    if (const double* d = std::get_if<double>(&v_))
        return shortestText(*d);
    if (const std::string* s = std::get_if<std::string>(&v_))
        return *s;
    return {};
}

void ValueArray::redim(long n)
{
    if (n < 0) {
        cells_.reset();
        return;
    }
    cells_.emplace(static_cast<std::size_t>(n) + 1);
}

void ValueArray::redimPreserve(long n)
{
    if (n < 0) {
        cells_.reset();
        return;
    }
    if (!cells_)
        cells_.emplace();
    cells_->resize(static_cast<std::size_t>(n) + 1);
}

Value ValueArray::get(long i) const
{
    if (!cells_ || i < 0 || i >= static_cast<long>(cells_->size()))
        return {};
    return (*cells_)[static_cast<std::size_t>(i)];
}

bool ValueArray::set(long i, Value v)
{
    if (!cells_ || i < 0 || i >= static_cast<long>(cells_->size()))
        return false;
    (*cells_)[static_cast<std::size_t>(i)] = std::move(v);
    return true;
}

void ValueTable::redim(long cols, long rows)
{
    if (cols < 0 || rows < 0) {
        erase();
        return;
    }
    cols_ = cols;
    rows_ = rows;
    cells_.emplace(static_cast<std::size_t>(cols + 1) * static_cast<std::size_t>(rows + 1));
}

Value ValueTable::get(long col, long row) const
{
    if (!cells_ || col < 0 || row < 0 || col > cols_ || row > rows_)
        return {};
    return (*cells_)[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_ + 1) + static_cast<std::size_t>(col)];
}

bool ValueTable::set(long col, long row, Value v)
{
    if (!cells_ || col < 0 || row < 0 || col > cols_ || row > rows_)
        return false;
    (*cells_)[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_ + 1) + static_cast<std::size_t>(col)] = std::move(v);
    return true;
}

} // namespace runtime

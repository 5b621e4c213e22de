// Value cells: a variable that holds nothing, a number or a text.
// Empty counts as 0 in arithmetic and as "" where a text is needed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace runtime {

class Value {
public:
    Value() = default;
    Value(double n) : v_(n) {}
    Value(int n) : v_(static_cast<double>(n)) {}
    Value(long long n) : v_(static_cast<double>(n)) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(const char* s) : v_(std::string(s)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    bool isNumber() const { return std::holds_alternative<double>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }

    // Number for arithmetic: empty -> 0, text -> the number it reads as (Val).
    double num() const;
    // Text: empty -> "", number -> its shortest plain form (no leading blank).
    std::string text() const;

    void clear() { v_ = std::monostate{}; }

    bool operator==(const Value& o) const { return v_ == o.v_; }

private:
    std::variant<std::monostate, double, std::string> v_;
};

// A one-dimensional array that is absent until dimensioned 0..n.
// Reads outside the bounds, or of an absent array, give an empty cell;
// writes outside the bounds are ignored and reported as false.
class ValueArray {
public:
    bool exists() const { return cells_.has_value(); }
    // Upper bound, or -1 when absent.
    long upper() const { return cells_ ? static_cast<long>(cells_->size()) - 1 : -1; }

    // Dimension 0..n afresh (every element empty); n < 0 makes it absent.
    void redim(long n);
    // Dimension 0..n keeping the elements that fit.
    void redimPreserve(long n);
    void erase() { cells_.reset(); }

    Value get(long i) const;
    bool set(long i, Value v);
    double num(long i) const { return get(i).num(); }

private:
    std::optional<std::vector<Value>> cells_;
};

// A two-dimensional array (column, row), absent until dimensioned
// 0..cols by 0..rows. Same bounds rules as ValueArray.
class ValueTable {
public:
    bool exists() const { return cells_.has_value(); }
    long upperCol() const { return exists() ? cols_ : -1; }
    long upperRow() const { return exists() ? rows_ : -1; }

    void redim(long cols, long rows);
    void erase() { cells_.reset(); cols_ = rows_ = -1; }

    Value get(long col, long row) const;
    bool set(long col, long row, Value v);

private:
    std::optional<std::vector<Value>> cells_;
    long cols_ = -1;
    long rows_ = -1;
};

} // namespace runtime

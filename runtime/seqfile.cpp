#include "runtime/seqfile.h"

#include "runtime/cp932.h"
#include "runtime/number_text.h"

#include <optional>

namespace runtime {

void SeqWriter::separate()
{
    if (lineStarted_)
        bytes_ += ',';
    lineStarted_ = true;
}

bool hasControlCharacter(std::string_view utf8)
{
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

bool SeqWriter::text(std::string_view utf8)
{
    std::optional<std::string> encoded;
    if (utf8.find('"') == std::string_view::npos)
        encoded = toCp932(utf8);
    if (!encoded) {
        if (!failed_)
            refused_ = std::string(utf8);
        failed_ = true;
        return false;
    }
    separate();
    bytes_ += '"';
    bytes_ += *encoded;
    bytes_ += '"';
    return true;
}

void SeqWriter::number(double value)
{
    separate();
    bytes_ += fileNumber(value);
}

void SeqWriter::empty()
{
    separate();
}

bool SeqWriter::value(const Value& v)
{
    if (v.isText())
        return text(v.text());
    if (v.isNumber())
        number(v.num());
    else
        empty();
    return true;
}

void SeqWriter::endLine()
{
    bytes_ += "\r\n";
    lineStarted_ = false;
}

bool SeqWriter::line(std::initializer_list<Value> fields)
{
    bool ok = true;
    for (const Value& v : fields)
        ok = value(v) && ok;
    endLine();
    return ok;
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

ReadStatus SeqReader::scan(SeqField& out, Position& after) const
{
    Position p = at_;
    const std::size_t n = bytes_.size();
    auto skipBlanks = [&] {
        while (p.pos < n && isBlank(bytes_[p.pos]))
            ++p.pos;
    };
    skipBlanks();
    if (p.pos >= n) {
        if (!p.fieldOwed)
            return ReadStatus::NoMoreFields;
        out = SeqField{};
        p.fieldOwed = false;
        after = p;
        return ReadStatus::Ok;
    }

    std::string_view raw;
    bool quoted = bytes_[p.pos] == '"';
    if (quoted) {
        std::size_t close = bytes_.find('"', p.pos + 1);
        if (close == std::string::npos)
            return ReadStatus::Malformed;
        raw = std::string_view(bytes_).substr(p.pos + 1, close - p.pos - 1);
        for (char c : raw) // line ends inside the quotes
            if (c == '\n')
                ++p.line;
        p.pos = close + 1;
        skipBlanks();
        if (p.pos < n && bytes_[p.pos] != ',' && !isLineEnd(bytes_[p.pos]))
            return ReadStatus::Malformed;
    } else {
        std::size_t start = p.pos;
        while (p.pos < n && bytes_[p.pos] != ',' && !isLineEnd(bytes_[p.pos]))
            ++p.pos;
        std::size_t end = p.pos;
        // Such a field could never be written back.
        if (std::string_view(bytes_).substr(start, end - start).find('"') != std::string_view::npos)
            return ReadStatus::Malformed;
        while (end > start && isBlank(bytes_[end - 1]))
            --end;
        raw = std::string_view(bytes_).substr(start, end - start);
    }

    std::optional<std::string> text = fromCp932(raw);
    if (!text)
        return ReadStatus::Malformed;

    // The separator: a comma, a line end (CR LF, LF or CR) or the end.
    p.fieldOwed = false;
    if (p.pos < n && bytes_[p.pos] == ',') {
        ++p.pos;
        p.fieldOwed = true;
    } else if (p.pos < n) {
        if (bytes_[p.pos] == '\r' && p.pos + 1 < n && bytes_[p.pos + 1] == '\n')
            ++p.pos;
        ++p.pos;
        ++p.line;
    }
    out.text = std::move(*text);
    out.quoted = quoted;
    after = p;
    return ReadStatus::Ok;
}

ReadStatus SeqReader::next(SeqField& out)
{
    Position after;
    ReadStatus s = scan(out, after);
    if (s == ReadStatus::Ok)
        at_ = after;
    return s;
}

ReadStatus SeqReader::readText(std::string& out)
{
    SeqField f;
    ReadStatus s = next(f);
    if (s == ReadStatus::Ok)
        out = std::move(f.text);
    return s;
}

ReadStatus SeqReader::readNumber(double& out)
{
    SeqField f;
    Position after;
    ReadStatus s = scan(f, after);
    if (s != ReadStatus::Ok)
        return s;
    double v = 0.0;
    if (f.quoted)
        return ReadStatus::Malformed;
    if (!f.text.empty()) {
        std::optional<double> n = localeNumber(f.text);
        if (!n)
            return ReadStatus::Malformed;
        v = *n;
    }
    at_ = after;
    out = v;
    return ReadStatus::Ok;
}

ReadStatus SeqReader::readValue(Value& out)
{
    SeqField f;
    ReadStatus s = next(f);
    if (s != ReadStatus::Ok)
        return s;
    if (f.quoted) {
        out = Value(std::move(f.text));
    } else if (f.text.empty()) {
        out = Value();
    } else if (std::optional<double> n = localeNumber(f.text)) {
        out = Value(*n);
    } else {
        out = Value(std::move(f.text));
    }
    return ReadStatus::Ok;
}

bool SeqReader::atEnd() const
{
    SeqField f;
    Position after;
    return scan(f, after) == ReadStatus::NoMoreFields;
}

} // namespace runtime

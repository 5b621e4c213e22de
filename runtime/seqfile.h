// Sequential text files: fields separated by commas, texts in double quotes
// without escaping, numbers in the file form (fileNumber), lines ended by
// CR LF, bytes in code page 932.
#pragma once

#include "runtime/value.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace runtime {

// True when a text holds a control character (U+0000..U+001F or DEL), which
// the texts of the programs' files never hold.
bool hasControlCharacter(std::string_view utf8);

// Builds the bytes of a file field by field. Commas are put between the
// fields of a line; endLine() ends it with CR LF.
//   SeqWriter w;
//   w.line({folder, 0, 0, 0});            // "C:\x",0,0,0 CR LF
//   if (w.failed()) warn about w.refusedText(); else saveFile(path, w.bytes());
class SeqWriter {
public:
    // A text in double quotes (UTF-8 in, code page 932 out). A text that code
    // page 932 cannot hold, or that holds a double quote, is refused: nothing
    // is written for it, false is returned and the writer counts as failed.
    bool text(std::string_view utf8);
    // A number in the file form (fileNumber), unquoted.
    void number(double value);
    // An empty field (nothing between its commas).
    void empty();
    // A value cell: empty -> empty field, number -> number, text -> text().
    bool value(const Value& v);
    // Ends the line with CR LF.
    void endLine();
    // The given fields, then CR LF. False when a text was refused.
    bool line(std::initializer_list<Value> fields);

    // True once any text was refused; the bytes are then not to be saved.
    bool failed() const { return failed_; }
    // The first refused text (UTF-8), "" when none.
    const std::string& refusedText() const { return refused_; }
    // The file's bytes so far.
    const std::string& bytes() const { return bytes_; }

private:
    void separate();
    std::string bytes_;
    std::string refused_;
    bool failed_ = false;
    bool lineStarted_ = false;
};

enum class ReadStatus {
    Ok,
    NoMoreFields, // the end of the bytes was reached before the field
    Malformed,    // the field cannot be read as asked (see the functions)
};

// One field as read: its text in UTF-8 and whether it stood in quotes.
struct SeqField {
    std::string text;
    bool quoted = false;
};

// Takes fields in sequence from a file's bytes. A line end (CR LF, a lone LF
// or a lone CR) separates fields like a comma; a comma directly before a line
// end or the end of the bytes leaves an empty field there; an empty line is
// one empty field. Blanks and tabs around an unquoted field are dropped; a
// quoted field runs to the next double quote (line ends included) and only
// blanks may follow it before its separator. After a failed read the reader
// stays where it was.
class SeqReader {
public:
    explicit SeqReader(std::string_view cp932Bytes) : bytes_(cp932Bytes) {}

    // The next field. Malformed: an unclosed quote, other characters after a
    // closing quote, a double quote inside an unquoted field, or bytes that
    // are not valid code page 932.
    ReadStatus next(SeqField& out);
    // The next field as a text (quoted or not).
    ReadStatus readText(std::string& out);
    // The next field as a number: an unquoted field that is wholly one number
    // (sign, digits, point, E/D exponent, &H/&O; blanks around it); an empty
    // field gives 0. Malformed: a quoted field, other characters, an overflow.
    ReadStatus readNumber(double& out);
    // The next field as a value cell: empty field -> empty, quoted -> text,
    // unquoted number -> number, other unquoted text -> text.
    ReadStatus readValue(Value& out);

    // True when no field is left.
    bool atEnd() const;
    // 1-based line of the next field, for messages.
    std::size_t lineNumber() const { return at_.line; }

private:
    struct Position {
        std::size_t pos = 0;
        std::size_t line = 1;
        bool fieldOwed = false; // a comma was read, so a field follows even at the end
    };
    ReadStatus scan(SeqField& out, Position& after) const;

    std::string bytes_;
    Position at_;
};

} // namespace runtime

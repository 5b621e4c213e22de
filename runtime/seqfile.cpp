#include "runtime/seqfile.h"

namespace runtime {

bool SeqWriter::text(std::string_view) { return false; }
void SeqWriter::number(double) {}
void SeqWriter::empty() {}
bool SeqWriter::value(const Value&) { return false; }
void SeqWriter::endLine() {}
bool SeqWriter::line(std::initializer_list<Value>) { return false; }
void SeqWriter::separate() {}

ReadStatus SeqReader::next(SeqField&) { return ReadStatus::NoMoreFields; }
ReadStatus SeqReader::readText(std::string&) { return ReadStatus::NoMoreFields; }
ReadStatus SeqReader::readNumber(double&) { return ReadStatus::NoMoreFields; }
ReadStatus SeqReader::readValue(Value&) { return ReadStatus::NoMoreFields; }
bool SeqReader::atEnd() const { return true; }

} // namespace runtime

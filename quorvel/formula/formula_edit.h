// The formula box's insert and editing keys as text operations: caret
// positions count characters from the start (0 = before the first).
#pragma once

#include <QString>

namespace quorvel {

struct EditResult {
    QString text;
    int caret = 0;
};

// Inserts before the caret (the start of a selection; a selection stays).
// The caret ends behind the inserted text.
EditResult insertAtCaret(const QString& text, int selStart, const QString& inserted);
// "BS": the character in front of the caret (or selection) goes.
EditResult deleteBefore(const QString& text, int selStart);
// "DEL": the selection, or the character behind the caret, goes.
EditResult deleteSelectionOrNext(const QString& text, int selStart, int selLength);

// The insert keys: caption shown and text inserted, for Command3..Command31.
struct InsertKey {
    int number;           // CommandN
    const char* caption;
    const char* inserted;
};
const InsertKey* insertKeys();     // 29 entries
inline constexpr int kInsertKeyCount = 29;

} // namespace quorvel

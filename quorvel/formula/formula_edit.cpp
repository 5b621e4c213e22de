#include "quorvel/formula/formula_edit.h"

#include <algorithm>

namespace quorvel {

namespace {

const InsertKey kKeys[kInsertKeyCount] = {
    {3, "Abs", "Abs("}, {4, "Atn", "Atn("}, {5, "Cos", "Cos("},  {6, "Exp", "Exp("},
    {7, "Fix", "Fix("}, {8, "Int", "Int("}, {9, "Log", "Log("},  {10, "Sin", "Sin("},
    {11, "Sqr", "Sqr("}, {12, "Tan", "Tan("}, {13, "Pi", "Pi"},  {14, "７", "7"},
    {15, "８", "8"},    {16, "９", "9"},    {17, "＊", "*"},     {18, "４", "4"},
    {19, "５", "5"},    {20, "６", "6"},    {21, "／", "/"},     {22, "１", "1"},
    {23, "２", "2"},    {24, "３", "3"},    {25, "－", "-"},     {26, "０", "0"},
    {27, ".", "."},     {28, "^", "^"},     {29, "＋", "+"},     {30, "（", "("},
    {31, "）", ")"},
};

int clampCaret(const QString& text, int pos) { return std::clamp(pos, 0, int(text.size())); }

} // namespace

const InsertKey* insertKeys() { return kKeys; }

EditResult insertAtCaret(const QString& text, int selStart, const QString& inserted)
{
    const int at = clampCaret(text, selStart);
    return {text.left(at) + inserted + text.mid(at), at + int(inserted.size())};
}

EditResult deleteBefore(const QString& text, int selStart)
{
    const int at = clampCaret(text, selStart);
    if (at == 0)
        return {text, 0};
    return {text.left(at - 1) + text.mid(at), at - 1};
}

EditResult deleteSelectionOrNext(const QString& text, int selStart, int selLength)
{
    const int at = clampCaret(text, selStart);
    const int n = std::max(1, selLength);
    if (at >= text.size())
        return {text, at};
    return {text.left(at) + text.mid(at + n), at};
}

} // namespace quorvel

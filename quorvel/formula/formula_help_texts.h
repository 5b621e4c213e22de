// The texts of the formula window's two help panels: how formulas are
// typed, and the list of functions. Lines end with CR LF.
#pragma once

#include <QString>

namespace quorvel {

// The input-method panel ("●数式／関数電卓の入力方法" ...).
QString inputMethodText();
// The function-list panel ("●関数" ...), with a line end after every line.
QString functionListText();

} // namespace quorvel

#include "quorvel/keypad/explanation_text.h"

#include <iterator>

namespace quorvel {

std::string explanationText()
{
    static const char* const lines[] = {
        "　",
        "★ QUORVEL ★ Ver 2.35",
        "",
        "-------------------------------------------",
        "　このソフトは単なる電卓ですが、",
        "　画面でマウスでボタンを押すことはもちろん、",
        "　数字キー(ﾃﾝｷｰ)からの数字の入力ができます。",
        "　「日数計算」ﾎﾞﾀﾝで日数計算もできます。",
        "　「数式/関数」ﾎﾞﾀﾝで数式入力計算ができます。",
        "",
        "　● 数字キー(ﾃﾝｷｰ)と画面キーの対応",
        "",
        "　　　　　数字キー：画面キー",
        "　　　　　　　＋　：　＋",
        "　　　　　　　－　：　－",
        "　　　　　　　＊　：　×",
        "　　　　　　　／　：　÷",
        "　　　　　　　＝　：　＝",
        "　　　　　ﾘﾀｰﾝｷｰ　：　＝",
        "  HOMECLR(Shift+7) ：　ＡＣ",
        "",
        "　※ 作者はこのソフトで生じた問題や損害に",
        "　　 ついて一切責任を負いません。",
        "　　　　　　　　　　　　　　　　　以上",
    };
    std::string text;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace quorvel

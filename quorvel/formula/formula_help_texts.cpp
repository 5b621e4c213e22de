#include "quorvel/formula/formula_help_texts.h"

#include <QStringList>

namespace quorvel {

QString inputMethodText()
{
    const QStringList lines = {
        QStringLiteral("●数式／関数電卓の入力方法"),
        QStringLiteral("　数式で入力できます。例：153*2+(74/(3+24.5*2))"),
        QStringLiteral("　関数計算ができます。例：ﾙｰﾄ3=Sqr(3)　必ずｶｯｺでくくります。"),
        QStringLiteral("　変数計算ができます。例：C=58*3　B=C/2.2+67　A=B*152/(C/4+85)"),
        QStringLiteral("　以上の複合計算ができます。例：B*3.5^6+Sqr(3+6)*Tan(30)+555*C"),
        QString(),
        QStringLiteral("●三角関数（Sin・Cos・Tan・Atn）の入力方法"),
        QStringLiteral("　カッコ内は角度を入力して下さい。"),
        QStringLiteral("　（ｱｰｸﾀﾝｼﾞｪﾝﾄの場合は、高さ/底辺）"),
        QStringLiteral("　入力例"),
        QStringLiteral("　ﾀﾝｼﾞｪﾝﾄ45度の場合＝Tan(45)＝1"),
        QStringLiteral("　ｱｰｸﾀﾝｼﾞｪﾝﾄの場合＝Atn(高さ/底辺)＝角度"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString functionListText()
{
    const QStringList lines = {
        QStringLiteral("●関数"),
        QStringLiteral("　Abs：絶対値"),
        QStringLiteral("　Atn：ｱｰｸﾀﾝｼﾞｪﾝﾄ"),
        QStringLiteral("　Sin：ｻｲﾝ"),
        QStringLiteral("　Cos：ｺｻｲﾝ"),
        QStringLiteral("　Tan：ﾀﾝｼﾞｪﾝﾄ"),
        QStringLiteral("　Exp：指数関数 (自然対数の底のべき乗) "),
        QStringLiteral("　Fix：整数部分（負数も整数部を取り出す）"),
        QStringLiteral("　Int：整数部分（負数は切下げ）"),
        QStringLiteral("　Log：自然対数"),
        QStringLiteral("　a^n=b →n*Log(a)=Log(b)→n=Log(b)/Log(a)"),
        QStringLiteral("　Sqr：平方根"),
        QStringLiteral("　Pi ：円周率　3.14･･････"),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace quorvel

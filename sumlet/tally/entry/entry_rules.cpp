#include "sumlet/tally/entry/entry_rules.h"

#include <QStringList>
#include <cmath>

namespace sumlet {

QString keyHint(const QString& keyName, bool byEnter)
{
    QStringList lines{QStringLiteral("● 入力方法＝数字入力して ｴﾝﾀｰ で確定して次項目へ進みます。")};
    if (byEnter) {
        lines << QStringLiteral("● 移動方法＝↓↑→← ｷｰで移動できます。")
              << QStringLiteral("● 入力終了＝ ") + keyName + QStringLiteral("入力の最終行に  ｢*｣ ｴﾝﾀｰ すると")
              << QStringLiteral("　 　　　　　 次の月度分の入力へ進みます。");
    } else {
        lines << QStringLiteral("● 移動方法＝↓↑→← ｷｰ か ﾏｳｽｸﾘｯｸで移動できます。")
              << QStringLiteral("● 入力終了＝ ") + keyName + QStringLiteral("入力の最終行に  ｢*｣ ｴﾝﾀｰ するか")
              << QStringLiteral("　 　　　　　 「入力確定」ﾎﾞﾀﾝで次の月度分の入力へ進みます。");
    }
    lines << QStringLiteral("※ ｢*｣ 入力行以降の行はカットされますので注意。");
    return lines.join(QStringLiteral("\r\n"));
}

namespace {
bool whole(double v) { return std::isfinite(v) && v == std::floor(v); }
} // namespace

StartMonthCheck checkStartMonth(const std::string& text, double value, bool overflow)
{
    if (overflow)
        return StartMonthCheck::Refused;
    if (text.empty() || text == "0")
        return StartMonthCheck::NoPeriod;
    if (value > 12 || value < 1 || !whole(value))
        return StartMonthCheck::Refused;
    return StartMonthCheck::Accepted;
}

Period periodFor(double startMonth, double endMonth)
{
    Period p;
    const double correction = startMonth > endMonth ? 12 : 0;
    if (endMonth > startMonth + 5 - correction)
        return p;
    const double count = endMonth - startMonth + 1 + correction;
    // Fewer than one month, or a part of one, gives no month list.
    if (!whole(endMonth) || !whole(count) || count < 1)
        return p;
    p.accepted = true;
    p.monthCount = static_cast<int>(count);
    p.monthNo.assign(static_cast<std::size_t>(p.monthCount) + 1, 0.0);
    p.monthNo[1] = startMonth;
    for (int i = 2; i <= p.monthCount; ++i) {
        const double next = p.monthNo[i - 1] + 1;
        p.monthNo[i] = next > 12 ? 1 : next;
    }
    return p;
}

} // namespace sumlet

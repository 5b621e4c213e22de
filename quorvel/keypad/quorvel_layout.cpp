// BIG and SMALL of the keypad window.
#include "quorvel/keypad/layouts.h"
#include "quorvel/keypad/quorvel_form.h"

#include "forms/units.h"

#include <QMoveEvent>

namespace quorvel {

void QUORVEL::setOuterSize(double widthTw, double heightTw)
{
    // The client area is what is left inside the window's frame.
    outerWidth_ = widthTw;
    outerHeight_ = heightTw;
    setClientSize(widthTw - (Width() - ScaleWidth()), heightTw - (Height() - ScaleHeight()));
}

void QUORVEL::fitOuterSize()
{
    // The window system adds its frame once the window is shown.
    if (isVisible() && (frameGeometry().width() != forms::px(outerWidth_) ||
                        frameGeometry().height() != forms::px(outerHeight_)))
        setOuterSize(outerWidth_, outerHeight_);
}

void QUORVEL::moveEvent(QMoveEvent* e)
{
    forms::Form::moveEvent(e);
    fitOuterSize();
}

void QUORVEL::applyLayout(bool big)
{
    if (big)
        setOuterSize(kBigWindowWidth, kBigWindowHeight);
    else
        setOuterSize(kSmallWindowWidth, kSmallWindowHeight);
    Text1.Move(kText1Left, big ? kText1BigTop : kText1SmallTop, kText1Width, kText1Height);

    for (const ControlPlace& c : keypadPlaces()) {
        forms::ControlCore* control = findControl(QString::fromLatin1(c.name));
        if (!control)
            continue;
        const Place& p = big ? c.big : c.small;
        control->Move(p.left, p.top, p.width, p.height);
        if (p.fontSize == 0)
            continue;
        const QString& face = control == &Command28   ? QStringLiteral("ＭＳ ゴシック")
                              : control == &Command11 ? QStringLiteral("ＭＳ 明朝")
                                                      : QStringLiteral("ＭＳ Ｐゴシック");
        control->setFontFace(face, p.fontSize, c.bold);
    }
    Command31.setCaption(QString::fromUtf8(big ? kBigCaption31 : kSmallCaption31));
    Command31.setToolTip(QString::fromUtf8(big ? kBigTip31 : kSmallTip31));
}

void QUORVEL::BIG() { applyLayout(true); }

void QUORVEL::SMALL() { applyLayout(false); }

} // namespace quorvel

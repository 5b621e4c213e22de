#include "quorvel/keypad/tesk_setumei.h"

#include "quorvel/keypad/explanation_text.h"
#include "quorvel/program.h"

#include "forms/units.h"

#include <QMoveEvent>

namespace quorvel {

namespace {

struct Sizes {
    double windowWidth, windowHeight, labelWidth, labelHeight, fontSize;
    double buttonLeft, buttonTop, buttonWidth, buttonHeight;
};

const Sizes kSmall{5055, 6435, 4695, 5295, 9, 3840, 5520, 855, 375};
const Sizes kBig{5925, 8100, 5535, 6855, 12, 4560, 7080, 1095, 450};

void applySizes(TeskSETUMEI& f, const Sizes& s)
{
    f.setOuterSize(s.windowWidth, s.windowHeight);
    f.Label1.Move(120, 120, s.labelWidth, s.labelHeight);
    f.Label1.setFontSize(s.fontSize);
    f.Command1.Move(s.buttonLeft, s.buttonTop, s.buttonWidth, s.buttonHeight);
    f.Command1.setFontSize(s.fontSize);
}

} // namespace

TeskSETUMEI::TeskSETUMEI(Program& program) : Form(program, "TeskSETUMEI"), prog(program)
{
    setCaption("説明");
    Label1.setFontFace("ＭＳ ゴシック", kSmall.fontSize);
    Command1.setFontFace("ＭＳ Ｐゴシック", kSmall.fontSize);
    Command1.setCaption("閉じる");
    applySizes(*this, kSmall);
    Command1.Click = [this] { Command1_Click(); };
}

void TeskSETUMEI::setOuterSize(double widthTw, double heightTw)
{
    // The client area is what is left inside the window's frame.
    outerWidth_ = widthTw;
    outerHeight_ = heightTw;
    setClientSize(widthTw - (Width() - ScaleWidth()), heightTw - (Height() - ScaleHeight()));
}

void TeskSETUMEI::moveEvent(QMoveEvent* e)
{
    forms::Form::moveEvent(e);
    if (isVisible() && (frameGeometry().width() != forms::px(outerWidth_) ||
                        frameGeometry().height() != forms::px(outerHeight_)))
        setOuterSize(outerWidth_, outerHeight_);
}

void TeskSETUMEI::Form_Activate()
{
    const runtime::Value& layout = prog.shared.BigLayout;
    if (!layout.isText() && layout.num() == 0)
        applySizes(*this, kSmall);
    else if (!layout.isText() && layout.num() == 1)
        applySizes(*this, kBig);
    Label1.setCaption(QString::fromStdString(explanationText()));
}

} // namespace quorvel

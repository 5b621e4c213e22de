// SUUSIKI's layout, insert keypad and editing keys.
#include "quorvel/formula/suusiki_form.h"

#include "quorvel/formula/formula_edit.h"
#include "quorvel/program.h"

#include <QToolButton>

namespace quorvel {

namespace {

// Layout grid in pixels; controls are placed in twips.
constexpr double kTw = 15;
constexpr int kClientWidth = 600, kClientHeight = 404;
constexpr int kKeysTop = 182, kRowPitch = 36, kKeyHeight = 32;
constexpr int kFunctionLeft = 8, kFunctionPitch = 60, kFunctionWidth = 56;
constexpr int kDigitLeft = 136, kLetterLeft = 312, kKeyPitch = 40, kKeyWidth = 36;

void place(forms::ControlCore& c, int x, int y, int w, int h) { c.Move(x * kTw, y * kTw, w * kTw, h * kTw); }

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

void SUUSIKI::placeControls()
{
    setClientSize(kClientWidth * kTw, kClientHeight * kTw);
    setFontFace(kPGothic, 9);

    place(Toolbar1, 4, 2, 120, 30);
    Toolbar1.addButton(QStringLiteral("ﾌｧｲﾙを開く"), forms::stockIcon(forms::StockIcon::Open));
    Toolbar1.addButton(QStringLiteral("名前を付けて保存"), forms::stockIcon(forms::StockIcon::Save));
    Toolbar1.addButton(QStringLiteral("変数の印刷"), forms::stockIcon(forms::StockIcon::Print));
    Toolbar1.addButton(QStringLiteral("ﾍﾙﾌﾟ"), forms::stockIcon(forms::StockIcon::Help));
    // Reachable with Tab and Space like the other buttons.
    for (int i = 1; i <= Toolbar1.ButtonCount(); ++i)
        if (QWidget* b = Toolbar1.widgetForAction(Toolbar1.buttonAction(i)))
            b->setFocusPolicy(Qt::TabFocus);
    place(Command38, 130, 5, 28, 24);
    Command38.setCaption(QStringLiteral("？"));
    Command38.setToolTip(QStringLiteral("関数一覧"));

    place(Combo1, 8, 38, 584, 24);
    Combo1.setFontFace(kGothic, 11);
    Combo1.setCompleter(nullptr);   // a typed letter is a variable, never a line of the list
    Combo1.setMaxVisibleItems(13);
    place(Label2, 8, 72, 36, 24);
    Label2.setFontFace(kGothic, 12, true);
    Label2.setBuddy(&Text2);
    place(Text2, 44, 70, 548, 26);
    Text2.setFontFace(kGothic, 12);
    // Both boxes take every formula a line may hold, and no longer one.
    Text2.setMaxLength(kFormulaMaxLength);
    Combo1.lineEdit()->setMaxLength(kFormulaMaxLength);
    place(Label1, 8, 104, 584, 32);
    Label1.setFontFace(kGothic, 16, true);
    Label1.setAlignment(1);
    Label1.setBorderStyle(1);
    Label1.setBackColor(0x00FFFFFF);

    struct Button {
        forms::CommandButton& b;
        const char* caption;
        int x, w;
    };
    for (const Button& c : {Button{Command1, "計算", 8, 90}, Button{Command34, "変数ｸﾘｱ", 104, 90},
                            Button{Command32, "CL", 212, 56}, Button{Command35, "BS", 274, 56},
                            Button{Command36, "DEL", 336, 56}, Button{Command37, "戻る", 436, 74},
                            Button{Command2, "終了", 518, 74}}) {
        place(c.b, c.x, 144, c.w, 30);
        c.b.setCaption(QString::fromUtf8(c.caption));
        c.b.setFontFace(kPGothic, 10, true);
    }
    // The editing keys work on the formula box's caret: a click leaves the focus there.
    for (forms::CommandButton* b : {&Command32, &Command35, &Command36})
        b->setFocusPolicy(Qt::TabFocus);

    const InsertKey* keys = insertKeys();
    for (int k = 0; k < kInsertKeyCount; ++k) {
        const InsertKey& key = keys[k];
        const std::string name = "Command" + std::to_string(key.number);
        auto button = std::make_unique<forms::CommandButton>(this, name.c_str());
        if (key.number <= 13) {
            const int i = key.number - 3;
            place(*button, kFunctionLeft + (i % 2) * kFunctionPitch, kKeysTop + (i / 2) * kRowPitch,
                  kFunctionWidth, kKeyHeight);
            button->setFontFace(kPGothic, 10);
        } else {
            const int i = key.number - 14;
            place(*button, kDigitLeft + (i % 4) * kKeyPitch, kKeysTop + (i / 4) * kRowPitch, kKeyWidth,
                  kKeyHeight);
            button->setFontFace(kPGothic, 11, true);
        }
        button->setCaption(QString::fromUtf8(key.caption));
        button->setFocusPolicy(Qt::TabFocus);
        insertKey[key.number] = std::move(button);
    }
    for (int i = 0; i < 26; ++i) {
        const std::string name = "Command33(" + std::to_string(i) + ")";
        auto button = std::make_unique<forms::CommandButton>(this, name.c_str());
        place(*button, kLetterLeft + (i % 7) * kKeyPitch, kKeysTop + (i / 7) * kRowPitch, kKeyWidth, kKeyHeight);
        button->setCaption(QString(QChar('A' + i)));
        button->setFontFace(kPGothic, 11, true);
        button->setFocusPolicy(Qt::TabFocus);
        Command33[i] = std::move(button);
    }

    // The panels cover the keypad and come in front of it.
    for (forms::PictureBox* panel : {&Picture1, &Picture2}) {
        place(*panel, 8, kKeysTop, 584, 214);
        panel->setBorderStyle(1);
        panel->setBackColor(0x00F0FFFF);
        panel->raise();
        panel->hide();
    }
    for (forms::Label* text : {&Label4, &Label5}) {
        place(*text, 8, 6, 568, 172);
        text->setFontFace(kGothic, 9);
    }
    for (forms::CommandButton* close : {&Command39, &Command40}) {
        place(*close, 516, 180, 60, 26);
        close->setCaption(QStringLiteral("閉"));
        close->setFontFace(kPGothic, 10, true);
    }
}

void SUUSIKI::KANYU()
{
    FormulaState& v = vars();
    v.UU = Text2.SelStart();
    // A key whose text does not fit whole is left out, as a typed key is in
    // a full box: the box never cuts the formula's end.
    if (Text2.Text().size() + v.ABB.size() > Text2.maxLength())
        v.ABB.clear();
    Text2.setText(insertAtCaret(Text2.Text(), v.UU, v.ABB).text);
}

void SUUSIKI::setCaretAfterInsert()
{
    FormulaState& v = vars();
    KANYU();
    Text2.SetFocus();
    Text2.setSelStart(v.UU + int(v.ABB.size()));
}

void SUUSIKI::insertKey_Click(int number)
{
    const InsertKey* keys = insertKeys();
    for (int k = 0; k < kInsertKeyCount; ++k)
        if (keys[k].number == number)
            vars().ABB = QString::fromUtf8(keys[k].inserted);
    setCaretAfterInsert();
}

void SUUSIKI::Command33_Click(int Index)
{
    vars().ABB = QString(QChar('A' + Index));
    setCaretAfterInsert();
}

void SUUSIKI::Command32_Click()
{
    showResult(QString());
    Text2.setText(QString());
    Combo1.setText(QString());
    focusText2AtEnd();
}

void SUUSIKI::Command35_Click()
{
    FormulaState& v = vars();
    v.UU = Text2.SelStart();
    const EditResult r = deleteBefore(Text2.Text(), v.UU);
    Text2.setText(r.text);
    Text2.SetFocus();
    Text2.setSelStart(r.caret);
}

void SUUSIKI::Command36_Click()
{
    FormulaState& v = vars();
    v.UU = Text2.SelStart();
    const EditResult r = deleteSelectionOrNext(Text2.Text(), v.UU, Text2.SelLength());
    Text2.setText(r.text);
    Text2.SetFocus();
    Text2.setSelStart(r.caret);
}

} // namespace quorvel

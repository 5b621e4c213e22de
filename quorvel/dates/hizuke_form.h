// The day-count window HIZUKE: a start and a calculation date (Western or
// era entry), days and whole years between them, the date after N days.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"
#include "quorvel/dates/date_entry.h"

#include <array>
#include <memory>

namespace quorvel {

class Program;

// A control array of 13 pictures, Name(0) .. Name(12), all on one spot.
class PictureArray {
public:
    PictureArray(QWidget* parent, const char* name);
    forms::Image& operator[](int i) { return *items_[i]; }
    static constexpr int kCount = 13;
private:
    std::array<std::unique_ptr<forms::Image>, kCount> items_;
};

class HIZUKE : public forms::Form {
    Q_OBJECT
public:
    explicit HIZUKE(Program& program);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    // Hide the sign pictures 0 to 11 of the start / calculation row.
    void ETO();
    void ETO2();

    // Controls; each result label comes before the entry box that lies over it.
    forms::Label Label12{this, "Label12"};
    forms::Label Label15{this, "Label15"};
    forms::Label Label20{this, "Label20"};
    forms::Label Label17{this, "Label17"};
    forms::Label Label1{this, "Label1"};
    forms::Label Label3{this, "Label3"};
    forms::TextBox Text1{this, "Text1"};
    forms::Label Label5{this, "Label5"};
    forms::Label Label13{this, "Label13"};
    PictureArray Image1{this, "Image1"};
    forms::Label Label10{this, "Label10"};
    forms::Label Label2{this, "Label2"};
    forms::Label Label4{this, "Label4"};
    forms::TextBox Text2{this, "Text2"};
    forms::Label Label6{this, "Label6"};
    forms::Label Label14{this, "Label14"};
    PictureArray Image2{this, "Image2"};
    forms::Label Label11{this, "Label11"};
    forms::Label Label16{this, "Label16"};
    forms::Label Label7{this, "Label7"};
    forms::Label Label8{this, "Label8"};
    forms::TextBox Text3{this, "Text3"};
    forms::Label Label9{this, "Label9"};
    forms::CommandButton Command1{this, "Command1"};
    forms::CommandButton Command2{this, "Command2"};
    forms::CommandButton Command3{this, "Command3"};
    forms::CommandButton Command4{this, "Command4"};
    forms::CommandButton Command5{this, "Command5"};
    forms::Frame Shape1{this, "Shape1"};
    forms::Label Label18{this, "Label18"};
    forms::Label Label21{this, "Label21"};
    forms::Label Label19{this, "Label19"};

    void Command1_Click();   // 経過日数計算
    void Command2_Click();   // ﾘｾｯﾄ
    void Command3_Click();   // 戻る
    void Command4_Click();   // 終了
    void Command5_Click();   // 日数加算計算

    void Text1_KeyPress(int& KeyAscii);
    void Text1_KeyDown(int KeyCode, int Shift);
    void Text2_KeyPress(int& KeyAscii);
    void Text2_KeyDown(int KeyCode, int Shift);
    void Text3_KeyPress(int& KeyAscii);
    void Text3_KeyDown(int KeyCode, int Shift);

protected:
    // The window system frames the window after it shows: place it again then.
    void moveEvent(QMoveEvent* e) override;

private:
    void placeFromKeypad();

    // The controls and values of one date row.
    struct Side {
        bool calc;
        forms::TextBox& box;
        std::string& text;
        double& number;
        forms::Label& date;
        forms::Label& era;
        forms::Label& weekday;
        forms::Label& sign;
        PictureArray& pictures;
    };
    Side side(bool calc);
    void dateEntry(bool calc, bool enter);
    void takeDate(const Side& s, const dates::Date& d);
    void showDate(const Side& s, const dates::Date& d);
    void moveOn(const Side& s);
    void daysEntry();

    Program& prog;
    dates::DateValues& v;
    bool framed_ = false;
};

} // namespace quorvel

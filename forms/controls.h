// The simple controls: each is the matching Qt widget plus ControlCore.
// Construct with the parent (a form or a container control) and the name:
//   forms::CommandButton Command1{this, "Command1"};
//   forms::OptionButton Option1{&Frame1, "Option1"};
#pragma once

#include "forms/control.h"
#include "forms/units.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace forms {

// Command button. Click on a mouse click, on Enter or Space while it has the focus.
class CommandButton : public QPushButton, public ControlCore {
    Q_OBJECT
public:
    CommandButton(QWidget* parent, const char* name);
    void setCaption(const QString& c);      // "&" marks the mnemonic
    QString Caption() const { return caption_; }
    std::function<void()> Click;
    // Clicks as the user would (only when enabled and visible).
    void performClick();
protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
private:
    QString caption_;
};

// Label. The caption stays exact; CR LF shows as a line break.
class Label : public QLabel, public ControlCore {
    Q_OBJECT
public:
    Label(QWidget* parent, const char* name);
    void setCaption(const QString& c);
    QString Caption() const { return caption_; }
    // 0 left, 1 right, 2 centre (text at the top, as the old labels).
    void setAlignment(int a);
    int Alignment() const { return alignment_; }
    // 0 none, 1 fixed single border.
    void setBorderStyle(int s);
    // Back colour set -> opaque; otherwise the container shows through.
    bool canTakeFocus() const override { return false; }
    std::function<void()> Click;
    // A caption that is one number is drawn on one line in numberRect, as
    // fittedText gives it, on the baseline it has in the label's own font.
    // Drawn reduced, its whole text is the label's tool tip unless one is set.
    QRect numberRect() const;
    FittedText drawnNumber() const;
    QFont drawnFont() const { return drawnNumber().font; }
    QString numberToolTip() const;
protected:
    bool event(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
private:
    QString caption_;
    int alignment_ = 0;
};

// Single-line text box. KeyDown(KeyCode, Shift) for every key with Windows
// virtual-key codes, then KeyPress(KeyAscii) for a character (set it to 0 to
// swallow it); Change on every change of the text, also by code.
class TextBox : public QLineEdit, public ControlCore {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const char* name);
    QString Text() const { return text(); }
    // setText (QLineEdit) sets the text and raises Change.
    void setAlignment(int a);   // 0 left, 1 right, 2 centre
    void setSelStart(int s);
    void setSelLength(int n);
    int SelStart() const;
    int SelLength() const;
    std::function<void(int KeyCode, int Shift)> KeyDown;
    std::function<void(int& KeyAscii)> KeyPress;
    std::function<void()> Change;
protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// Combo box. Style 0: editable drop-down (typed text is never added to the
// list); style 2: drop-down list. Setting ListIndex in code raises Click.
class ComboBox : public QComboBox, public ControlCore {
    Q_OBJECT
public:
    ComboBox(QWidget* parent, const char* name, int style = 0);
    void AddItem(const QString& item);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int i) const { return itemText(i); }
    int ListIndex() const;                 // -1 when the text is not an item
    void setListIndex(int i);              // raises Click
    QString Text() const { return currentText(); }
    void setText(const QString& t);        // raises Change
    std::function<void()> Click;
    std::function<void()> Change;
    std::function<void(int& KeyAscii)> KeyPress;
    std::function<void(int KeyCode, int Shift)> KeyDown;
protected:
    bool eventFilter(QObject* o, QEvent* e) override;
private:
    bool inCode_ = false;
};

// Option button. Setting Value to true (by code or click) raises Click.
class OptionButton : public QRadioButton, public ControlCore {
    Q_OBJECT
public:
    OptionButton(QWidget* parent, const char* name);
    void setCaption(const QString& c);
    QString Caption() const { return caption_; }
    bool Value() const { return isChecked(); }
    void setValue(bool v);
    std::function<void()> Click;
private:
    QString caption_;
};

// Frame: a container with an optional caption, opaque in its own back colour
// (the system colour unless set). A container's colour never reaches the
// controls it holds.
class Frame : public QGroupBox, public ControlCore {
    Q_OBJECT
public:
    Frame(QWidget* parent, const char* name);
    ~Frame() override;
    void setCaption(const QString& c);
    QString Caption() const { return title(); }
    bool canTakeFocus() const override { return false; }
protected:
    // Drawn flat in its own back colour with an etched border.
    void paintEvent(QPaintEvent* e) override;
};

// Picture box: a plain opaque container with a back colour and an optional picture.
class PictureBox : public QFrame, public ControlCore {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const char* name);
    ~PictureBox() override;
    void setBorderStyle(int s);          // 0 none, 1 fixed single
    void setPicture(const QPixmap& p);
    bool canTakeFocus() const override { return false; }
    std::function<void()> Click;
protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
private:
    QPixmap picture_;
};

// Image: shows a picture, stretched to its size when Stretch is set.
class Image : public QLabel, public ControlCore {
    Q_OBJECT
public:
    Image(QWidget* parent, const char* name);
    void setPicture(const QPixmap& p);
    void setStretch(bool s);
    bool canTakeFocus() const override { return false; }
    std::function<void()> Click;
protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
private:
    QPixmap picture_;
    bool stretch_ = false;
};

// Line: a straight line between (X1, Y1) and (X2, Y2), twips in the container.
class Line : public QWidget, public ControlCore {
    Q_OBJECT
public:
    Line(QWidget* parent, const char* name);
    void setPoints(double x1, double y1, double x2, double y2);
    void setBorderColor(quint32 bgr);
    void setBorderWidth(int px);
    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    bool canTakeFocus() const override { return false; }
protected:
    void paintEvent(QPaintEvent* e) override;
private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor colour_ = Qt::black;
    int width_ = 1;
};

} // namespace forms

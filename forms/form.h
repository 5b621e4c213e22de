// The form base of the forms layer.
//
// How to write a form
// -------------------
//   class DEMO : public forms::Form {
//   public:
//       explicit DEMO(MyProgram& p) : Form(p, "DEMO"), prog(p)
//       {
//           setCaption("計算");                      // window title
//           setClientSize(3000, 2000);               // twips (15 twips = 1 px)
//           setBackColor(0x0000FFFF);                // &H00BBGGRR: yellow
//           Command1.Move(120, 240, 1815, 375);      // left, top, width, height in twips
//           Command1.setCaption("加算機");
//           Command1.setFontFace("ＭＳ Ｐゴシック", 11.25, true);  // -> IPAPGothic
//           Text1.Move(120, 720, 1815, 300);
//           Label1.setCaption("一行目\r\n二行目");   // CR LF shows as a line break
//           Command1.Click = [this] { Command1_Click(); };
//           Text1.KeyPress = [this](int& k) { Text1_KeyPress(k); };
//       }
//       void Form_Load() override { ... }            // runs inside Load
//       void Form_Activate() override { Text1.SetFocus(); }
//   private:
//       void Command1_Click() { prog.OTHER.Show(); Unload(); }   // modeless, then leave
//       void Text1_KeyPress(int& KeyAscii) { if (KeyAscii == 13) { KeyAscii = 0; ... } }
//       MyProgram& prog;
//       forms::CommandButton Command1{this, "Command1"};   // containers before their contents:
//       forms::TextBox Text1{this, "Text1"};               //   Frame1{this,..} then X{&Frame1,..}
//       forms::Label Label1{this, "Label1"};
//   };
//
// A program object derives from forms::Program (it owns the form manager and
// is given the services), holds its state and one FormSlot per form:
//   struct MyProgram : forms::Program {
//       MyProgram(forms::Services& s, QString dir) : Program(s, dir, "SUMLET") {}
//       forms::FormSlot<DEMO> DEMO_{*this, [this] { return std::make_unique<DEMO>(*this); }};
//   };
// A form shows another with prog.X.Show() (modeless) or prog.X.ShowModal()
// (returns when X unloads or hides), unloads itself with Unload(), ends the
// program with End() (then return at once). Warn(text, &Text1) is the
// "Check" warning: beep, exclamation box, focus back on Text1.
//
// A test (see forms/testing/form_test.h) derives from forms::testing::FormTest,
// which has `rec` (RecordingServices) and `dir` (temporary program folder):
//   MyProgram p(rec, dir.path());  p.DEMO_.Show();
//   forms::testing::click(p.DEMO_->Command1);                 // Click
//   forms::testing::typeText(p.DEMO_->Text1, "12\r");         // KeyDown/KeyPress/Change
//   forms::testing::pressKey(p.DEMO_->Text1, Qt::Key_5, Qt::KeypadModifier);  // code 101
//   rec.answerNextMessage(forms::MsgResult::OK);              // next box's answer
//   rec.answerNextFileDialog(dir.filePath("a.ADT"));           // or rec.cancelNextFileDialog()
//   rec.onNextModal("VER", [&](forms::Form& f) { ... click in f ... });
//   EXPECT_EQ(rec.messages().back().title, "Check");  rec.clipboard(); rec.beeps();
// A box, file dialog or modal form that nobody scripted fails the test.
//
// Notes: an unloaded form is deleted later (never inside its own handler);
// hold forms through their FormSlot, not by pointer. A form's destructor must
// not touch program state. An error thrown out of a handler (FormsError) is
// reported through Services::UnhandledError, never passed on silently.
// End() cannot stop the C++ code that called ShowModal: when a modal form
// may end the program, the caller checks program().Ended() after it.
#pragma once

#include "forms/control.h"
#include "forms/program.h"
#include "forms/services.h"

#include <QWidget>
#include <map>
#include <vector>

class QMenuBar;
class QVBoxLayout;

namespace forms {

class Menu;

class Form : public QWidget {
    Q_OBJECT
public:
    Form(Program& program, const char* name);
    ~Form() override;

    Program& program() const { return program_; }
    Services& services() const { return program_.services(); }

    // Lifecycle (through the program's form manager).
    void Show();
    void ShowModal();
    void Hide();
    void Unload();
    void End() { program_.End(); }
    bool isActiveForm() const;
    bool isLoaded() const;

    // Handlers a form overrides.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual void Form_Click() {}

    // Look. Client size and position in twips; colours &H00BBGGRR.
    void setCaption(const QString& caption);
    QString Caption() const { return windowTitle(); }
    void setClientSize(double widthTw, double heightTw);
    double ScaleWidth() const;    // client width in twips
    double ScaleHeight() const;
    void setBackColor(quint32 bgr);
    quint32 BackColor() const;
    void setFontFace(const QString& windowsName, double points, bool bold = false);
    // Outer window position and size, in twips.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double tw);
    void setTop(double tw);
    void MoveTo(double leftTw, double topTw);

    // The widget that holds the controls (below the menu bar).
    QWidget* client() const { return client_; }

    // Logical focus.
    ControlCore* ActiveControl() const { return focused_; }
    void focusControl(ControlCore* c);     // used by ControlCore::SetFocus

    // Dialog helpers (through the services, owned by this form's window).
    MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OKOnly,
                     MsgIcon icon = MsgIcon::None, const QString& title = QString());
    void Beep();
    // The warning convention: beep (unless beep is false), modal box with the
    // exclamation icon and the title "Check", then focus back on focusBack.
    void Warn(const QString& text, ControlCore* focusBack = nullptr, bool beep = true);
    // Pops up a menu (usually one hidden from the bar) at the mouse position.
    void PopupMenu(Menu& menu);

    // Used by controls and menus. registerControl gives the control's built
    // tab number.
    int registerControl(ControlCore* c);
    void unregisterControl(ControlCore* c);
    void registerMenu(Menu* m);
    void unregisterMenu(Menu* m);
    QMenuBar* menuBar();
    ControlCore* controlOf(QWidget* w) const;   // the control a widget belongs to
    ControlCore* findControl(const QString& name) const;
    const std::vector<ControlCore*>& controls() const { return controls_; }
    const std::vector<Menu*>& menus() const { return menus_; }
    bool triggerShortcut(int key, Qt::KeyboardModifiers mods);

signals:
    void hiddenOrUnloaded();      // a modal loop waiting on this form ends

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    friend class FormManager;
    void noteFocus(ControlCore* c);

    Program& program_;
    QVBoxLayout* layout_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    std::vector<ControlCore*> controls_;
    int builtControls_ = 0;
    std::vector<Menu*> menus_;
    ControlCore* focused_ = nullptr;
    bool loaded_ = true;
    QString fontName_;
};

} // namespace forms

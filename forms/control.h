// What every control has: its name, twips geometry, colours, font, logical
// focus and the Got/LostFocus events. Each control class derives from the
// matching Qt widget and from ControlCore.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace forms {

class Form;

// An error raised by a control or the layer (the old runtime's error numbers:
// 68 device unavailable, 76 path not found, 381 subscript out of range, ...).
class FormsError : public std::exception {
public:
    FormsError(int number, QString description);
    int Number() const { return number_; }
    QString Description() const { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }
private:
    int number_;
    QString description_;
    std::string what_;
};

class ControlCore {
public:
    // self: the control's own widget; name: its objectName (e.g. "Command1").
    ControlCore(QWidget* self, const char* name);
    virtual ~ControlCore();
    ControlCore(const ControlCore&) = delete;
    ControlCore& operator=(const ControlCore&) = delete;

    // Where a control whose parent is p really lives: a form's client area, or p.
    static QWidget* host(QWidget* p);

    QWidget* widget() const { return self_; }
    QString Name() const;
    Form* form() const;                 // the form that holds the control

    // Geometry in twips, relative to the container (form client area or frame).
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double tw);
    void setTop(double tw);
    void setWidth(double tw);
    void setHeight(double tw);
    void Move(double left, double top, double width, double height);

    // Own Enabled / Visible flags (not those inherited from containers).
    // Set them with QWidget::setEnabled / setVisible.
    bool Enabled() const;
    bool Visible() const;

    // Colours &H00BBGGRR.
    void setBackColor(quint32 bgr);
    void setForeColor(quint32 bgr);
    quint32 BackColor() const;
    quint32 ForeColor() const;

    // Font by Windows name, size in points, bold (mapped to the IPA fonts).
    void setFontFace(const QString& windowsName, double points, bool bold = false);
    void setFontSize(double points);
    void setFontBold(bool bold);
    QString FontName() const { return fontName_; }
    double FontSize() const;
    bool FontBold() const;

    // Tab order. Each form numbers its controls 0, 1, ... as they are built;
    // a control given a TabIndex goes before every control that keeps its
    // built number. The first focusable one gets the focus when a form first
    // shows.
    void setTabIndex(int i)
    {
        tabIndex_ = i;
        tabIndexGiven_ = true;
    }
    int TabIndex() const { return tabIndex_; }
    bool tabIndexGiven() const { return tabIndexGiven_; }
    virtual bool canTakeFocus() const { return true; }

    // Moves the focus here and raises LostFocus / GotFocus; nothing happens
    // when the control (or a container of it) is disabled or hidden.
    void SetFocus();
    bool hasLogicalFocus() const;

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

    // Runs an event handler through the program (error trap, deferred unloads).
    void fire(const std::function<void()>& handler) const;

protected:
    // The last step of every control's constructor. Giving the control its
    // own colours sends events to it and its parts, so this waits until the
    // whole control is built.
    void controlBuilt();

private:
    QWidget* self_;
    QString fontName_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool placed_ = false;
    int tabIndex_ = 0;
    bool tabIndexGiven_ = false;
};

} // namespace forms

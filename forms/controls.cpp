#include "forms/controls.h"

#include "forms/form.h"
#include "forms/keys.h"
#include "forms/units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// A container's destructor hands back the controls it still holds, so that
// controls that are members of the form are destroyed only once.
void releaseControlChildren(QWidget* container, Form* form)
{
    if (!form) return;
    const auto kids = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : kids) {
        ControlCore* c = form->controlOf(w);
        if (c && c->widget() == w) w->setParent(nullptr);
    }
}

Qt::Alignment textAlignment(int a)
{
    switch (a) {
    case 1: return Qt::AlignRight | Qt::AlignTop;
    case 2: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Key events shared by text boxes and combo boxes: KeyDown, then KeyPress.
// Returns true when the key was swallowed (KeyAscii set to 0) or replaced.
bool raiseKeyEvents(ControlCore& c, QKeyEvent* e, const std::function<void(int, int)>& keyDown,
                    const std::function<void(int&)>& keyPress, int& replacement)
{
    replacement = 0;
    QPointer<QWidget> guard(c.widget());
    const int code = vk::keyCode(*e);
    if (keyDown && code != 0) {
        const int shift = vk::shiftState(e->modifiers());
        c.fire([&] { keyDown(code, shift); });
    }
    if (!guard) return true;
    const int ascii = vk::keyAscii(*e);
    if (ascii == 0 || !keyPress) return false;
    int k = ascii;
    c.fire([&] { keyPress(k); });
    if (!guard) return true;
    if (k == 0) return true;
    if (k != ascii) {
        replacement = k;
        return true;
    }
    return false;
}

} // namespace

// ---- CommandButton --------------------------------------------------------

CommandButton::CommandButton(QWidget* parent, const char* name)
    : QPushButton(host(parent)), ControlCore(this, name)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { fire(Click); });
    controlBuilt();
}

void CommandButton::setCaption(const QString& c)
{
    caption_ = c;
    QPushButton::setText(displayText(c));
}

void CommandButton::performClick()
{
    if (!isEnabled() || !isVisible()) return;
    fire(Click);
}

void CommandButton::keyPressEvent(QKeyEvent* e)
{
    const int k = e->key();
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
        e->accept();
        if (!e->isAutoRepeat()) performClick();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void CommandButton::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        e->accept();
        return;
    }
    QPushButton::keyReleaseEvent(e);
}

// ---- Label ----------------------------------------------------------------

Label::Label(QWidget* parent, const char* name) : QLabel(host(parent)), ControlCore(this, name)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    QLabel::setAlignment(textAlignment(0));
    controlBuilt();
}

void Label::setCaption(const QString& c)
{
    caption_ = c;
    QLabel::setText(displayText(c));   // tells screen readers of the new text
}

void Label::setAlignment(int a)
{
    alignment_ = a;
    QLabel::setAlignment(textAlignment(a));
}

void Label::setBorderStyle(int s)
{
    if (s == 1) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setLineWidth(1);
    } else {
        setFrameShape(QFrame::NoFrame);
    }
}

QRect Label::numberRect() const
{
    // The indent a bordered label keeps on its text's side, on both sides.
    const int indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QChar('x')) / 2 : 0;
    return contentsRect().adjusted(indent, 0, -indent, 0);
}

FittedText Label::drawnNumber() const { return fittedText(font(), text(), numberRect().width(), this); }

QString Label::numberToolTip() const
{
    return drawnNumber().reduced ? forms::numberToolTip(font(), text()) : QString();
}

bool Label::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const QString tip = numberToolTip();
        if (!tip.isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), tip, this, rect());
            return true;
        }
    }
    return QLabel::event(e);
}

void Label::paintEvent(QPaintEvent* e)
{
    if (!isNumberText(text())) {
        QLabel::paintEvent(e);
        return;
    }
    QFrame::paintEvent(e);
    const FittedText drawn = drawnNumber();
    // Text at the top: a smaller size moves down onto the full size's baseline.
    const int down = QFontMetrics(font(), this).ascent() - QFontMetrics(drawn.font, this).ascent();
    QPainter p(this);
    p.setFont(drawn.font);
    style()->drawItemText(&p, numberRect().translated(0, down), int(QLabel::alignment()) | Qt::TextSingleLine,
                          palette(), isEnabled(), drawn.text, foregroundRole());
}

void Label::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (rect().contains(e->position().toPoint())) fire(Click);
}

// ---- TextBox --------------------------------------------------------------

TextBox::TextBox(QWidget* parent, const char* name) : QLineEdit(host(parent)), ControlCore(this, name)
{
    connect(this, &QLineEdit::textChanged, this, [this] { fire(Change); });
    controlBuilt();
}

void TextBox::setAlignment(int a)
{
    QLineEdit::setAlignment(a == 1 ? Qt::AlignRight | Qt::AlignVCenter
                            : a == 2 ? Qt::AlignHCenter | Qt::AlignVCenter
                                     : Qt::AlignLeft | Qt::AlignVCenter);
}

void TextBox::setSelStart(int s)
{
    setCursorPosition(std::clamp(s, 0, int(text().size())));
}

void TextBox::setSelLength(int n)
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    setSelection(start, std::clamp(n, 0, int(text().size()) - start));
}

int TextBox::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }
int TextBox::SelLength() const { return int(selectedText().size()); }

void TextBox::keyPressEvent(QKeyEvent* e)
{
    int replacement = 0;
    QPointer<TextBox> guard(this);
    if (raiseKeyEvents(*this, e, KeyDown, KeyPress, replacement)) {
        e->accept();
        if (guard && replacement > 0 && replacement != 13 && replacement != 8)
            insert(QString::fromUcs4(reinterpret_cast<const char32_t*>(&replacement), 1));
        return;
    }
    if (guard) QLineEdit::keyPressEvent(e);
}

// ---- ComboBox -------------------------------------------------------------

ComboBox::ComboBox(QWidget* parent, const char* name, int style) : QComboBox(host(parent)), ControlCore(this, name)
{
    setEditable(style != 2);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    if (lineEdit()) lineEdit()->installEventFilter(this);
    installEventFilter(this);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] { fire(Click); });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!inCode_) fire(Change);
    });
    controlBuilt();
}

void ComboBox::AddItem(const QString& item)
{
    inCode_ = true;
    const QString keep = currentText();
    addItem(item);
    if (isEditable() && count() == 1) {
        setCurrentIndex(-1);
        setEditText(keep);
    }
    inCode_ = false;
}

void ComboBox::Clear()
{
    inCode_ = true;
    clear();
    inCode_ = false;
}

int ComboBox::ListIndex() const
{
    const int i = currentIndex();
    if (i < 0) return -1;
    if (isEditable() && currentText() != itemText(i)) return -1;
    return i;
}

void ComboBox::setListIndex(int i)
{
    if (i < -1 || i >= count()) throw FormsError(380, QStringLiteral("Invalid property value"));
    inCode_ = true;
    setCurrentIndex(i);
    if (i < 0 && isEditable()) setEditText(QString());
    inCode_ = false;
    fire(Click);
}

void ComboBox::setText(const QString& t)
{
    if (isEditable()) setEditText(t);
    else {
        const int i = findText(t);
        if (i < 0) throw FormsError(383, QStringLiteral("'Text' property is read-only"));
        setCurrentIndex(i);
    }
}

bool ComboBox::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress) return QComboBox::eventFilter(o, e);
    // Keys reach the combo box, which hands them to its line edit directly
    // (no second pass through this filter).
    auto* k = static_cast<QKeyEvent*>(e);
    int replacement = 0;
    if (raiseKeyEvents(*this, k, KeyDown, KeyPress, replacement)) {
        if (replacement > 0 && replacement != 13 && replacement != 8 && lineEdit())
            lineEdit()->insert(QString::fromUcs4(reinterpret_cast<const char32_t*>(&replacement), 1));
        return true;
    }
    return false;
}

// ---- OptionButton ---------------------------------------------------------

OptionButton::OptionButton(QWidget* parent, const char* name) : QRadioButton(host(parent)), ControlCore(this, name)
{
    connect(this, &QRadioButton::clicked, this, [this] { fire(Click); });
    controlBuilt();
}

void OptionButton::setCaption(const QString& c)
{
    caption_ = c;
    QRadioButton::setText(displayText(c));
}

void OptionButton::setValue(bool v)
{
    if (!v) {
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        return;
    }
    setChecked(true);
    fire(Click);
}

// ---- Frame ----------------------------------------------------------------

Frame::Frame(QWidget* parent, const char* name) : QGroupBox(host(parent)), ControlCore(this, name)
{
    setAutoFillBackground(true);   // opaque in its own back colour
    controlBuilt();
}

Frame::~Frame() { releaseControlChildren(this, form()); }

void Frame::setCaption(const QString& c) { setTitle(displayText(c)); }

void Frame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const bool titled = !title().isEmpty();
    const int top = titled ? fm.height() / 2 : 0;
    const QRect r = rect().adjusted(0, top, -2, -2);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(r);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(r.translated(1, 1));
    if (titled) {
        const QRect t(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.fillRect(t, palette().window());
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(t, Qt::AlignCenter, title());
    }
}

// ---- PictureBox -----------------------------------------------------------

PictureBox::PictureBox(QWidget* parent, const char* name) : QFrame(host(parent)), ControlCore(this, name)
{
    setAutoFillBackground(true);   // opaque in its own back colour
    setBorderStyle(1);
    controlBuilt();
}

PictureBox::~PictureBox() { releaseControlChildren(this, form()); }

void PictureBox::setBorderStyle(int s)
{
    if (s == 1) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
    } else {
        setFrameShape(QFrame::NoFrame);
    }
}

void PictureBox::setPicture(const QPixmap& p)
{
    picture_ = p;
    update();
}

void PictureBox::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    if (!picture_.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(contentsRect().topLeft(), picture_);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    fire(Click);
}

// ---- Image ----------------------------------------------------------------

Image::Image(QWidget* parent, const char* name) : QLabel(host(parent)), ControlCore(this, name) { controlBuilt(); }

void Image::setPicture(const QPixmap& p)
{
    picture_ = p;
    setPixmap(p);
}

void Image::setStretch(bool s)
{
    stretch_ = s;
    setScaledContents(s);
}

void Image::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    fire(Click);
}

// ---- Line -----------------------------------------------------------------

Line::Line(QWidget* parent, const char* name) : QWidget(host(parent)), ControlCore(this, name)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    controlBuilt();
}

void Line::setPoints(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int m = std::max(1, width_);
    const int l = std::min(px(x1), px(x2)) - m, t = std::min(px(y1), px(y2)) - m;
    const int r = std::max(px(x1), px(x2)) + m, b = std::max(px(y1), px(y2)) + m;
    setGeometry(l, t, r - l + 1, b - t + 1);
    update();
}

void Line::setBorderColor(quint32 bgr)
{
    colour_ = vbColor(bgr);
    update();
}

void Line::setBorderWidth(int w)
{
    width_ = std::max(1, w);
    setPoints(x1_, y1_, x2_, y2_);
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(colour_, width_));
    const QPoint o = pos();
    p.drawLine(QPoint(px(x1_), px(y1_)) - o, QPoint(px(x2_), px(y2_)) - o);
}

} // namespace forms

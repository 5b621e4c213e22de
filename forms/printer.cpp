#include "forms/printer.h"

#include <cmath>

namespace forms {

QStringList PrintPage::texts() const
{
    QStringList out;
    for (const PrintItem& i : items)
        if (i.kind == PrintItem::Text) out << i.text;
    return out;
}

Printer::~Printer() = default;

double Printer::unitX() const { return scale_ == ScaleMode::Characters ? 120.0 : 1.0; }
double Printer::unitY() const { return scale_ == ScaleMode::Characters ? 240.0 : 1.0; }

void Printer::log(const QString& call) { calls_ << call; }

void Printer::setOrientation(Orientation o)
{
    orientation_ = o;
    if (doc_.pages.empty()) doc_.orientation = o;
    log(QStringLiteral("Orientation %1").arg(int(o)));
}

void Printer::setScaleMode(ScaleMode m)
{
    scale_ = m;
    log(QStringLiteral("ScaleMode %1").arg(int(m)));
}

void Printer::setFontName(const QString& n)
{
    fontName_ = n;
    log(QStringLiteral("FontName %1").arg(n));
}

void Printer::setFontSize(double s)
{
    fontSize_ = s;
    log(QStringLiteral("FontSize %1").arg(s));
}

void Printer::setFontBold(bool b)
{
    bold_ = b;
    log(QStringLiteral("FontBold %1").arg(b ? 1 : 0));
}

double Printer::TextWidth(const QString& text)
{
    return textWidthTwips(text, fontName_, fontSize_, bold_) / unitX();
}

double Printer::TextHeight(const QString& text)
{
    // Height of the text's lines: one line per CR LF-separated part.
    const int lines = int(text.count(QStringLiteral("\r\n"))) + 1;
    return lines * textHeightTwips(fontName_, fontSize_, bold_) / unitY();
}

double Printer::CurrentX() const { return xTw_ / unitX(); }
double Printer::CurrentY() const { return yTw_ / unitY(); }
void Printer::setCurrentX(double x) { xTw_ = x * unitX(); }
void Printer::setCurrentY(double y) { yTw_ = y * unitY(); }

void Printer::beginDrawing()
{
    if (doc_.pages.empty()) {
        doc_.orientation = orientation_;
        doc_.pages.emplace_back();
    } else if (breakPending_) {
        doc_.pages.emplace_back();
    }
    breakPending_ = false;
}

void Printer::PrintContinued(const QString& text)
{
    log(QStringLiteral("Print %1;").arg(text));
    if (text.isEmpty()) return;
    beginDrawing();
    PrintItem it;
    it.kind = PrintItem::Text;
    it.x = xTw_;
    it.y = yTw_;
    it.scaleX = CurrentX();
    it.scaleY = CurrentY();
    it.text = text;
    it.fontName = fontName_;
    it.fontSize = fontSize_;
    it.bold = bold_;
    doc_.pages.back().items.push_back(it);
    xTw_ += textWidthTwips(text, fontName_, fontSize_, bold_);
}

void Printer::Print(const QString& text)
{
    log(QStringLiteral("Print %1").arg(text));
    if (!text.isEmpty()) {
        calls_.removeLast();
        PrintContinued(text);
        calls_.last() = QStringLiteral("Print %1").arg(text);
    }
    xTw_ = 0;
    yTw_ += textHeightTwips(fontName_, fontSize_, bold_);
}

double Printer::textAscentTwips(const QString& fontName, double size, bool bold)
{
    return 0.8 * textHeightTwips(fontName, size, bold);
}

double Printer::PrintRightFitted(const QString& number, double right, double width, bool endLine,
                                 const QString& tail)
{
    const double full = fontSize_;
    const double y0 = yTw_;
    // A hair of slack: a field given as a multiple of a measured width is
    // not always exactly as wide as the same text measured again.
    const double fieldTw = width * unitX() + 1e-6;
    const double rightTw = right * unitX();
    double size = full;
    if (textWidthTwips(number, fontName_, full, bold_) > fieldTw) {
        // Quarter points below the current size, largest first; the smallest
        // quarter point when even that is too wide.
        size = 0.25;
        for (int q = int(std::ceil(full * 4)) - 1; q >= 1; --q) {
            if (textWidthTwips(number, fontName_, q / 4.0, bold_) <= fieldTw) {
                size = q / 4.0;
                break;
            }
        }
        setFontSize(size);
        yTw_ = y0 + textAscentTwips(fontName_, full, bold_) - textAscentTwips(fontName_, size, bold_);
    }
    xTw_ = rightTw - textWidthTwips(number, fontName_, size, bold_);
    const QString text = number + tail;
    if (endLine)
        Print(text);
    else
        PrintContinued(text);
    if (size != full) {
        setFontSize(full);
        if (endLine) {
            xTw_ = 0;
            yTw_ = y0 + textHeightTwips(fontName_, full, bold_);
        } else {
            xTw_ = rightTw + textWidthTwips(tail, fontName_, full, bold_);
            yTw_ = y0;
        }
    }
    return size;
}

void Printer::setDrawWidth(int pixels)
{
    drawWidth_ = pixels < 1 ? 1 : pixels;
    log(QStringLiteral("DrawWidth %1").arg(drawWidth_));
}

void Printer::Line(double x1, double y1, double x2, double y2)
{
    log(QStringLiteral("Line %1,%2-%3,%4").arg(x1).arg(y1).arg(x2).arg(y2));
    beginDrawing();
    PrintItem it;
    it.kind = PrintItem::Line;
    it.x = x1 * unitX();
    it.y = y1 * unitY();
    it.x2 = x2 * unitX();
    it.y2 = y2 * unitY();
    it.scaleX = x1;
    it.scaleY = y1;
    it.scaleX2 = x2;
    it.scaleY2 = y2;
    it.drawWidth = drawWidth_;
    doc_.pages.back().items.push_back(it);
    xTw_ = it.x2;
    yTw_ = it.y2;
}

void Printer::NewPage()
{
    log(QStringLiteral("NewPage"));
    if (!doc_.pages.empty()) breakPending_ = true;
    xTw_ = 0;
    yTw_ = 0;
}

PrintOutcome Printer::EndDoc()
{
    log(QStringLiteral("EndDoc"));
    error_.clear();
    PrintDocument doc = std::move(doc_);
    doc_ = PrintDocument{};
    doc_.orientation = orientation_;
    breakPending_ = false;
    xTw_ = 0;
    yTw_ = 0;
    if (doc.pages.empty()) return PrintOutcome::Empty;
    const PrintOutcome r = deliver(doc, error_);
    if (r == PrintOutcome::Failed && error_.isEmpty()) error_ = QStringLiteral("printing failed");
    return r;
}

} // namespace forms

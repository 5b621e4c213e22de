// Units and looks of the old forms runtime: twips, &H00BBGGRR colours and
// the substitution of the Windows Japanese fonts by the IPA fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPaintDevice;
class QWidget;

namespace forms {

// 15 twips make one pixel at 96 dpi; 1440 twips one inch; 20 twips one point.
constexpr int TwipsPerPixel = 15;
int px(double twips);          // twips -> pixels, rounded
double twips(int pixels);      // pixels -> twips

// A colour written &H00BBGGRR (blue in the high byte, red in the low byte).
QColor vbColor(quint32 bgr);
quint32 vbColorValue(const QColor& c);   // the reverse

// Gives a widget every system colour as its own, so that the colours of the
// container it sits in never reach it.
void useSystemColours(QWidget& w);

// Font family for a Windows font name: "ＭＳ ゴシック" -> IPAGothic,
// "ＭＳ Ｐゴシック" -> IPAPGothic, "ＭＳ 明朝" -> IPAMincho,
// "ＭＳ Ｐ明朝" -> IPAPMincho; other names are used as they are.
QString fontFamilyFor(const QString& windowsName);

// A font from a Windows name, a size in points and the bold flag.
QFont vbFont(const QString& windowsName, double points, bool bold = false);

// Text of a caption as shown on screen: CR LF (and a lone CR) become line breaks.
QString displayText(const QString& caption);

// A text that shows one number: blanks, a sign, digits with thousands
// separators and one point, blanks. Captions and guide texts are not.
bool isNumberText(const QString& text);

// How a text is drawn in `width` pixels on `device`. A text that is no
// number, or fits, is drawn as it is in `base`. A wider number is drawn in
// the largest smaller size of the same font (quarter points; pixels for a
// font set in pixels) in which it fits, but no smaller than two thirds of
// `base`; where even that size is too small, it is drawn in that size
// without the blanks around it and, where still too wide, with its middle
// left out ("4901…67894").
struct FittedText {
    QFont font;
    QString text;
    bool reduced = false;   // smaller than `base`, or elided
};
FittedText fittedText(const QFont& base, const QString& text, int width, const QPaintDevice* device);

// The tool tip of a number drawn reduced: its whole text in `base` (rich text).
QString numberToolTip(const QFont& base, const QString& text);

} // namespace forms

// The printer object of the prints: the same calls as the old runtime's
// printer (orientation, scale in character units, font, TextWidth/TextHeight,
// CurrentX/CurrentY, Print, DrawWidth + Line, NewPage, EndDoc).
//
// Every call is kept: the drawing goes into pages of a document whose
// positions are in twips from the top left of the printable area, and a call
// log lists the calls in order. What becomes of a finished document (paper,
// PDF, a test's record) and how wide a text is are left to the subclass:
// RecordingPrinter (forms/testing) uses fixed metrics, QtPrinter renders
// through QPrinter.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace forms {

enum class Orientation { Portrait = 1, Landscape = 2 };
// Characters: across 120 twips a unit, down 240 twips a unit.
enum class ScaleMode { Twips = 1, Characters = 4 };

// One drawn thing on a page. Positions in twips; (scaleX, scaleY) are the
// same point in the scale that was in force when it was drawn.
struct PrintItem {
    enum Kind { Text, Line } kind = Text;
    double x = 0, y = 0;            // text: top left; line: start (twips)
    double x2 = 0, y2 = 0;          // line end (twips)
    double scaleX = 0, scaleY = 0;  // start in scale units
    double scaleX2 = 0, scaleY2 = 0;
    QString text;                   // text items
    QString fontName;               // as set (Windows name)
    double fontSize = 0;
    bool bold = false;
    int drawWidth = 1;              // line items, device pixels
};

struct PrintPage {
    std::vector<PrintItem> items;
    QStringList texts() const;      // the texts of the page in drawing order
};

struct PrintDocument {
    Orientation orientation = Orientation::Portrait;
    std::vector<PrintPage> pages;
};

// What became of a document at EndDoc.
enum class PrintOutcome {
    Printed,     // handed to the printer / written to the file
    Empty,       // nothing was drawn: nothing printed
    Cancelled,   // the user cancelled the file dialog: nothing printed
    Failed       // could not print; errorText() says why
};

class Printer {
public:
    virtual ~Printer();

    void setOrientation(Orientation o);
    Orientation orientation() const { return orientation_; }
    void setScaleMode(ScaleMode m);
    ScaleMode scaleMode() const { return scale_; }

    void setFontName(const QString& windowsName);
    void setFontSize(double points);
    void setFontBold(bool bold);
    QString FontName() const { return fontName_; }
    double FontSize() const { return fontSize_; }
    bool FontBold() const { return bold_; }

    // Printed width / height of a text in the current font, in scale units.
    double TextWidth(const QString& text);
    double TextHeight(const QString& text);

    // Print position, in scale units.
    double CurrentX() const;
    double CurrentY() const;
    void setCurrentX(double x);
    void setCurrentY(double y);

    // Print text at the position, then end the line (x back to 0, y down by
    // the text height).
    void Print(const QString& text = QString());
    // Print text and continue the line (x moves past the text).
    void PrintContinued(const QString& text);
    // Prints a number right-aligned so that it ends at `right` (scale units),
    // its top at the current y. A number wider than `width` is printed in the
    // largest quarter-point size of the current font at which it fits, on
    // the baseline it has at the current size; the size is restored after
    // it. A tail follows the number directly, in the number's size. The
    // position afterwards is as if it had been printed at the current size.
    // Returns the size the number was printed in.
    double PrintRightFitted(const QString& number, double right, double width, bool endLine,
                            const QString& tail = QString());

    void setDrawWidth(int pixels);
    int DrawWidth() const { return drawWidth_; }
    // Straight line, in scale units; the position moves to its end.
    void Line(double x1, double y1, double x2, double y2);

    // Page break. It takes effect only when something is drawn after it, so
    // no empty sheet ends a document.
    void NewPage();
    // Ends the document and hands it on. After a failure errorText() tells why.
    PrintOutcome EndDoc();
    QString errorText() const { return error_; }

    // The document drawn so far (not yet ended) and the call log.
    const PrintDocument& currentDocument() const { return doc_; }
    const QStringList& calls() const { return calls_; }

    // Folder in which the save dialog of a print-to-file printer starts.
    void setPdfFolder(const QString& folder) { pdfFolder_ = folder; }
    QString pdfFolder() const { return pdfFolder_; }

protected:
    // Width of a text and height of a line in twips, for a font.
    virtual double textWidthTwips(const QString& text, const QString& fontName, double size, bool bold) = 0;
    virtual double textHeightTwips(const QString& fontName, double size, bool bold) = 0;
    // Height above the baseline in twips; by default four fifths of a line.
    virtual double textAscentTwips(const QString& fontName, double size, bool bold);
    // Hands a finished, non-empty document on.
    virtual PrintOutcome deliver(const PrintDocument& doc, QString& error) = 0;

private:
    double unitX() const;
    double unitY() const;
    void beginDrawing();
    void log(const QString& call);

    Orientation orientation_ = Orientation::Portrait;
    ScaleMode scale_ = ScaleMode::Twips;
    QString fontName_ = QStringLiteral("ＭＳ ゴシック");
    double fontSize_ = 9.0;
    bool bold_ = false;
    int drawWidth_ = 1;
    double xTw_ = 0, yTw_ = 0;
    bool breakPending_ = false;
    PrintDocument doc_;
    QStringList calls_;
    QString error_;
    QString pdfFolder_;
};

} // namespace forms

// The real services: Qt message boxes and file dialogs, the system clipboard,
// QPrinter, QProcess, the in-program help window and nested event loops.
#pragma once

#include "forms/printer.h"
#include "forms/services.h"

#include <QPointer>
#include <QTextBrowser>
#include <memory>

class QCoreApplication;
class QFont;
class QFileDialog;
class QTranslator;

namespace forms {

// Renders documents through QPrinter: to the default printer, or where none
// is set up (or when told to) to a PDF file chosen in a save dialog that
// starts in pdfFolder(). Cancel prints nothing; a failure is reported.
class QtPrinter : public Printer {
public:
    enum class Target { Auto, PdfOnly };
    explicit QtPrinter(Services& dialogs, Target target = Target::Auto);
    // Renders a document into a PDF file (also used by the print-to-file path).
    static bool renderPdf(const PrintDocument& doc, const QString& file, QString& error);
protected:
    double textWidthTwips(const QString& text, const QString& fontName, double size, bool bold) override;
    double textHeightTwips(const QString& fontName, double size, bool bold) override;
    double textAscentTwips(const QString& fontName, double size, bool bold) override;
    PrintOutcome deliver(const PrintDocument& doc, QString& error) override;
private:
    Services& dialogs_;
    Target target_;
};

// Qt's own texts (file dialogs, text-box menus, standard buttons) in
// Japanese, whatever the system locale: installs Qt's Japanese translation
// from `folder` (Qt's own translations when empty) and returns it; nullptr
// when it is missing, and then nothing changes.
QTranslator* useJapaneseToolkitTexts(QCoreApplication& app, const QString& folder = QString());

// The face of Qt's own windows, IPAPGothic 9 pt, whatever the system locale.
QFont toolkitFont();
// Gives file dialogs, message boxes and menus (a text box's menu among them)
// that face. The forms' controls keep the fonts they set.
void useToolkitFont();

// What both programs do first: Qt's texts in Japanese and in their face, and
// a write past the file-size limit a failed save instead of the end of the
// program.
void prepareProgram(QCoreApplication& app);

class QtServices : public Services {
public:
    explicit QtServices(QtPrinter::Target printTarget = QtPrinter::Target::Auto);
    ~QtServices() override;

    MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                     QWidget* owner) override;
    void Beep() override;
    std::optional<QString> OpenFileDialog(const FileDialogOptions& o, QWidget* owner) override;
    std::optional<QString> SaveFileDialog(const FileDialogOptions& o, QWidget* owner) override;
    void ClipboardClear() override;
    void ClipboardSetText(const QString& text) override;
    QString ClipboardText() override;
    Printer& printer() override { return printer_; }
    bool StartProcess(const QString& program, const QStringList& args) override;
    void ShowHelp(const QString& htmlFile, QWidget* owner) override;
    void CloseAllHelp() override;
    QSize ScreenSizeTwips() override;
    void EndProgram() override;
    void RunModal(Form& form) override;
    void PopupMenu(QMenu& menu, const QString& menuName, const QPoint& globalPos) override;
    void UnhandledError(const QString& text) override;

    QTextBrowser* helpWindow() const { return help_; }

    // The open or save dialog the two dialog calls run: Qt's own dialog (so
    // its texts follow the program's translation), names matched without
    // regard to case. Its columns and side bar take the widths of their
    // texts, and the dialog grows to show them, within the screen.
    static std::unique_ptr<QFileDialog> makeFileDialog(const FileDialogOptions& o, bool save, QWidget* owner);

private:
    QtPrinter printer_;
    QPointer<QTextBrowser> help_;
};

} // namespace forms

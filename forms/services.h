// Everything a form asks of the world outside its own window: message boxes,
// beeps, file dialogs, clipboard, printer, starting a process, help window,
// screen size, modal loops, pop-up menus and the end of the program.
// QtServices (forms/qt_services.h) is the real one; RecordingServices
// (forms/testing/recording_services.h) records every call for tests.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class QMenu;

namespace forms {

class Form;
class Printer;

enum class MsgButtons { OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class MsgResult { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct FileDialogOptions {
    QString title;
    QString initialDir;
    QString filter;          // Qt form: "Tape files (*.ADT *.adt)", entries separated by ";;"
    QString fileName;        // proposed / remembered name (may hold a folder)
    bool overwritePrompt = false;   // save dialog: ask before replacing a file
};

// Where an open or save dialog starts: a remembered name that holds its own
// folder starts there; a bare name starts in the initial folder.
QString dialogStartPath(const FileDialogOptions& o);

class Services {
public:
    virtual ~Services();

    // Modal message box; returns the button pressed.
    virtual MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                             QWidget* owner) = 0;
    virtual void Beep() = 0;

    // File dialogs; no value = cancelled. The result is the full path.
    virtual std::optional<QString> OpenFileDialog(const FileDialogOptions& o, QWidget* owner) = 0;
    virtual std::optional<QString> SaveFileDialog(const FileDialogOptions& o, QWidget* owner) = 0;

    // Clipboard (plain text).
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(const QString& text) = 0;
    virtual QString ClipboardText() = 0;

    // The program's printer (one object for the whole run).
    virtual Printer& printer() = 0;

    // Starts a program as a new process without waiting; false when it could not start.
    virtual bool StartProcess(const QString& program, const QStringList& args) = 0;

    // Help window: shows an HTML file in the one help window / closes it.
    virtual void ShowHelp(const QString& htmlFile, QWidget* owner) = 0;
    virtual void CloseAllHelp() = 0;

    // Size of the screen, in twips.
    virtual QSize ScreenSizeTwips() = 0;

    // Ends the program (the event loop ends; no closing handler runs).
    virtual void EndProgram() = 0;

    // Runs while a modal form is up: returns when the form has been hidden or
    // unloaded (a nested event loop; a scripted hook in tests).
    virtual void RunModal(Form& form) = 0;

    // Shows a pop-up menu at a global position; returns when it has closed
    // (the chosen item's Click has then run).
    virtual void PopupMenu(QMenu& menu, const QString& menuName, const QPoint& globalPos) = 0;

    // An error that no handler trapped (the handler has been left).
    virtual void UnhandledError(const QString& text) = 0;
};

} // namespace forms

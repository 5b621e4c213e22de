// Services for tests: every call is recorded; message boxes, file dialogs and
// modal forms answer what the test scripted beforehand. Anything that would
// wait for a user and was not scripted is recorded as unscripted (the test
// fixture fails the test) and answered at once, so nothing ever hangs.
#pragma once

#include "forms/printer.h"
#include "forms/services.h"

#include <QSize>
#include <deque>
#include <functional>
#include <vector>

namespace forms::testing {

// Fixed metrics: a half-width character (ASCII, half-width katakana) is
// size x 10 twips wide, any other character size x 20; a line is
// size x 24 twips high. Finished documents are kept.
class RecordingPrinter : public Printer {
public:
    const std::vector<PrintDocument>& documents() const { return docs_; }
    // The next EndDoc fails with this text (or is cancelled).
    void failNextJob(const QString& error) { failNext_ = error; }
    void cancelNextJob() { cancelNext_ = true; }
    static double widthTwips(const QString& text, double size);
    static double heightTwips(double size);
protected:
    double textWidthTwips(const QString& text, const QString& fontName, double size, bool bold) override;
    double textHeightTwips(const QString& fontName, double size, bool bold) override;
    PrintOutcome deliver(const PrintDocument& doc, QString& error) override;
private:
    std::vector<PrintDocument> docs_;
    QString failNext_;
    bool cancelNext_ = false;
};

struct MessageRecord {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    QString title;
    MsgResult answer;
};

struct FileDialogRecord {
    bool save;
    FileDialogOptions options;
    std::optional<QString> answer;
};

class RecordingServices : public Services {
public:
    RecordingServices();

    // Scripts.
    void answerNextMessage(MsgResult r);
    void answerNextFileDialog(const QString& path);
    void cancelNextFileDialog();
    // What happens while the next modal form named formName is up; the form
    // must be unloaded or hidden by the end of the callback.
    void onNextModal(const QString& formName, std::function<void(Form&)> during);
    // The next pop-up menu: choose the item of this name (empty = dismiss).
    void chooseInNextPopup(const QString& itemName);

    // Records.
    const std::vector<MessageRecord>& messages() const { return messages_; }
    const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
    int beeps() const { return beeps_; }
    QString clipboard() const { return clipboard_; }
    int clipboardClears() const { return clipboardClears_; }
    struct ProcessRecord { QString program; QStringList args; };
    const std::vector<ProcessRecord>& processes() const { return processes_; }
    QStringList helpShown() const { return helpShown_; }
    int helpCloseAlls() const { return helpCloseAlls_; }
    bool helpOpen() const { return helpOpen_; }
    bool ended() const { return ended_; }
    QStringList modalsRun() const { return modalsRun_; }
    QStringList popups() const { return popups_; }
    QStringList unhandledErrors() const { return errors_; }
    // Everything that was not scripted, and scripts left unused.
    QStringList unscripted() const { return unscripted_; }
    QStringList unusedScripts() const;
    // Forgets the unscripted records (a test that expected them).
    void clearUnscripted() { unscripted_.clear(); }
    void clearUnhandledErrors() { errors_.clear(); }
    RecordingPrinter& recordingPrinter() { return printer_; }

    void setScreenSizeTwips(QSize s) { screen_ = s; }
    void setProcessStartFails(bool f) { processFails_ = f; }

    // Services.
    MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                     QWidget* owner) override;
    void Beep() override { ++beeps_; }
    std::optional<QString> OpenFileDialog(const FileDialogOptions& o, QWidget* owner) override;
    std::optional<QString> SaveFileDialog(const FileDialogOptions& o, QWidget* owner) override;
    void ClipboardClear() override { clipboard_.clear(); ++clipboardClears_; }
    void ClipboardSetText(const QString& text) override { clipboard_ = text; }
    QString ClipboardText() override { return clipboard_; }
    Printer& printer() override { return printer_; }
    bool StartProcess(const QString& program, const QStringList& args) override;
    void ShowHelp(const QString& htmlFile, QWidget* owner) override;
    void CloseAllHelp() override { ++helpCloseAlls_; helpOpen_ = false; }
    QSize ScreenSizeTwips() override { return screen_; }
    void EndProgram() override { ended_ = true; }
    void RunModal(Form& form) override;
    void PopupMenu(QMenu& menu, const QString& menuName, const QPoint& globalPos) override;
    void UnhandledError(const QString& text) override { errors_ << text; }

private:
    std::optional<QString> fileDialog(bool save, const FileDialogOptions& o);

    RecordingPrinter printer_;
    std::deque<MsgResult> answers_;
    std::deque<std::optional<QString>> fileAnswers_;
    struct ModalScript { QString name; std::function<void(Form&)> during; };
    std::deque<ModalScript> modalScripts_;
    std::deque<QString> popupChoices_;
    std::vector<MessageRecord> messages_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::vector<ProcessRecord> processes_;
    QStringList helpShown_, modalsRun_, popups_, errors_, unscripted_;
    QString clipboard_;
    int beeps_ = 0, clipboardClears_ = 0, helpCloseAlls_ = 0;
    bool helpOpen_ = false, ended_ = false, processFails_ = false;
    QSize screen_{1920 * 15, 1080 * 15};
};

} // namespace forms::testing

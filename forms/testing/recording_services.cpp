#include "forms/testing/recording_services.h"

#include "forms/form.h"

#include <QAction>
#include <QMenu>

namespace forms::testing {

// ---- RecordingPrinter -----------------------------------------------------

double RecordingPrinter::widthTwips(const QString& text, double size)
{
    double w = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool half = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
        w += size * (half ? 10.0 : 20.0);
    }
    return w;
}

double RecordingPrinter::heightTwips(double size) { return size * 24.0; }

double RecordingPrinter::textWidthTwips(const QString& text, const QString&, double size, bool)
{
    return widthTwips(text, size);
}

double RecordingPrinter::textHeightTwips(const QString&, double size, bool) { return heightTwips(size); }

PrintOutcome RecordingPrinter::deliver(const PrintDocument& doc, QString& error)
{
    if (cancelNext_) {
        cancelNext_ = false;
        return PrintOutcome::Cancelled;
    }
    if (!failNext_.isEmpty()) {
        error = failNext_;
        failNext_.clear();
        return PrintOutcome::Failed;
    }
    docs_.push_back(doc);
    return PrintOutcome::Printed;
}

// ---- RecordingServices ----------------------------------------------------

RecordingServices::RecordingServices() = default;

void RecordingServices::answerNextMessage(MsgResult r) { answers_.push_back(r); }
void RecordingServices::answerNextFileDialog(const QString& path) { fileAnswers_.push_back(path); }
void RecordingServices::cancelNextFileDialog() { fileAnswers_.push_back(std::nullopt); }

void RecordingServices::onNextModal(const QString& formName, std::function<void(Form&)> during)
{
    modalScripts_.push_back(ModalScript{formName, std::move(during)});
}

void RecordingServices::chooseInNextPopup(const QString& itemName) { popupChoices_.push_back(itemName); }

QStringList RecordingServices::unusedScripts() const
{
    QStringList out;
    for (MsgResult r : answers_) out << QStringLiteral("message answer %1").arg(int(r));
    for (const auto& f : fileAnswers_) out << QStringLiteral("file dialog answer %1").arg(f ? *f : QStringLiteral("(cancel)"));
    for (const auto& m : modalScripts_) out << QStringLiteral("modal %1").arg(m.name);
    for (const auto& p : popupChoices_) out << QStringLiteral("popup choice %1").arg(p);
    return out;
}

MsgResult RecordingServices::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                                    QWidget*)
{
    MsgResult answer;
    if (answers_.empty()) {
        unscripted_ << QStringLiteral("message box \"%1\" (%2)").arg(text, title);
        switch (buttons) {
        case MsgButtons::AbortRetryIgnore: answer = MsgResult::Abort; break;
        case MsgButtons::YesNo: case MsgButtons::YesNoCancel: answer = MsgResult::Yes; break;
        case MsgButtons::RetryCancel: answer = MsgResult::Retry; break;
        default: answer = MsgResult::OK; break;
        }
    } else {
        answer = answers_.front();
        answers_.pop_front();
    }
    messages_.push_back(MessageRecord{text, buttons, icon, title, answer});
    return answer;
}

std::optional<QString> RecordingServices::fileDialog(bool save, const FileDialogOptions& o)
{
    std::optional<QString> answer;
    if (fileAnswers_.empty()) {
        unscripted_ << QStringLiteral("%1 dialog in %2").arg(save ? "save" : "open", o.initialDir);
    } else {
        answer = fileAnswers_.front();
        fileAnswers_.pop_front();
    }
    fileDialogs_.push_back(FileDialogRecord{save, o, answer});
    return answer;
}

std::optional<QString> RecordingServices::OpenFileDialog(const FileDialogOptions& o, QWidget*)
{
    return fileDialog(false, o);
}

std::optional<QString> RecordingServices::SaveFileDialog(const FileDialogOptions& o, QWidget*)
{
    return fileDialog(true, o);
}

bool RecordingServices::StartProcess(const QString& program, const QStringList& args)
{
    processes_.push_back(ProcessRecord{program, args});
    return !processFails_;
}

void RecordingServices::ShowHelp(const QString& htmlFile, QWidget*)
{
    helpShown_ << htmlFile;
    helpOpen_ = true;
}

void RecordingServices::RunModal(Form& form)
{
    const QString name = form.objectName();
    modalsRun_ << name;
    if (modalScripts_.empty() || modalScripts_.front().name != name) {
        unscripted_ << QStringLiteral("modal form %1").arg(name);
        form.program().forms().unload(form);
        return;
    }
    ModalScript s = std::move(modalScripts_.front());
    modalScripts_.pop_front();
    if (s.during) s.during(form);
    if (form.program().forms().isLoaded(&form) && form.isVisible()) {
        unscripted_ << QStringLiteral("modal form %1 left open").arg(name);
        form.program().forms().unload(form);
    }
}

void RecordingServices::PopupMenu(QMenu& menu, const QString& menuName, const QPoint&)
{
    popups_ << menuName;
    if (popupChoices_.empty()) return;
    const QString choice = popupChoices_.front();
    popupChoices_.pop_front();
    if (choice.isEmpty()) return;
    for (QAction* a : menu.actions()) {
        if (a->objectName() == choice) {
            if (a->isEnabled() && a->isVisible()) a->trigger();
            else unscripted_ << QStringLiteral("popup item %1 not usable").arg(choice);
            return;
        }
    }
    unscripted_ << QStringLiteral("popup item %1 not in %2").arg(choice, menuName);
}

} // namespace forms::testing

// The open/save dialog control of a form. Its properties stay between uses,
// FileName included (the name chosen last is proposed next time).
#pragma once

#include <QString>

namespace forms {

class Form;

class CommonDialog {
public:
    CommonDialog(Form* form, const char* name);

    QString Name() const { return name_; }
    QString DialogTitle;
    QString InitDir;
    // Filter in the old form "Tape file (*.ADT)|*.ADT"; the dialog matches
    // names in either case.
    QString Filter;
    QString FileName;            // full path after a successful dialog
    bool OverwritePrompt = false;

    // Open / save dialog; false when the user cancelled (FileName unchanged).
    bool ShowOpen();
    bool ShowSave();

    // "Tape file (*.ADT)|*.ADT" -> "Tape file (*.ADT)"; a description that
    // does not end in its own patterns gets them: "Tape|*.ADT" -> "Tape (*.ADT)".
    static QString qtFilter(const QString& oldFilter);

private:
    Form* form_;
    QString name_;
};

} // namespace forms

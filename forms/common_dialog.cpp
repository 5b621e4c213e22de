#include "forms/common_dialog.h"

#include "forms/form.h"

#include <QDir>
#include <QFileInfo>

namespace forms {

CommonDialog::CommonDialog(Form* form, const char* name) : form_(form), name_(QString::fromUtf8(name)) {}

QString CommonDialog::qtFilter(const QString& old)
{
    const QStringList parts = old.split(QChar('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts[i].trimmed();
        QStringList pats;
        for (const QString& p : parts[i + 1].split(QChar(';'), Qt::SkipEmptyParts)) pats << p.trimmed();
        const QString own = QStringLiteral("(%1)").arg(pats.join(QChar(' ')));
        // Qt takes the patterns from the parentheses that end the text.
        out << (desc.endsWith(own) ? desc : desc.isEmpty() ? own : desc + QChar(' ') + own);
    }
    if (out.isEmpty() && !old.isEmpty()) out << old;
    return out.join(QStringLiteral(";;"));
}

bool CommonDialog::ShowOpen()
{
    FileDialogOptions o{DialogTitle, InitDir, qtFilter(Filter), FileName, false};
    const auto r = form_->services().OpenFileDialog(o, form_);
    if (!r) return false;
    FileName = *r;
    return true;
}

bool CommonDialog::ShowSave()
{
    FileDialogOptions o{DialogTitle, InitDir, qtFilter(Filter), FileName, OverwritePrompt};
    const auto r = form_->services().SaveFileDialog(o, form_);
    if (!r) return false;
    FileName = *r;
    return true;
}

} // namespace forms

#include "forms/services.h"

#include <QDir>
#include <QFileInfo>

namespace forms {

Services::~Services() = default;

QString dialogStartPath(const FileDialogOptions& o)
{
    if (o.fileName.isEmpty()) return o.initialDir;
    if (QFileInfo(o.fileName).isAbsolute() || o.initialDir.isEmpty()) return o.fileName;
    return QDir(o.initialDir).filePath(o.fileName);
}

} // namespace forms

// Drive list and folder list. The drive list shows the mounted volumes, "/"
// first; a folder's drive is the volume that holds it. A folder whose path is
// not absolute or whose first path component does not exist is "drive
// unavailable" (error 68); another missing folder is "path not found" (76).
#pragma once

#include "forms/control.h"

#include <QComboBox>
#include <QListWidget>
#include <functional>

namespace forms {

class DriveList : public QComboBox, public ControlCore {
    Q_OBJECT
public:
    DriveList(QWidget* parent, const char* name);
    // The mounted volumes' root paths, "/" first.
    static QStringList volumes();
    // The volume that holds a folder; throws FormsError 68 when the folder's
    // drive is unavailable (path not absolute, first component missing).
    static QString driveOf(const QString& folder);

    QString Drive() const { return drive_; }
    // Sets the drive to the volume of a path (e.g. a folder or "/"); raises
    // Change when it differs; throws FormsError 68 when unavailable.
    void setDrive(const QString& pathOnDrive);
    void Refresh();
    std::function<void()> Change;
private:
    QString drive_;
};

// Folder list: the open folder with its parents above it and its subfolders
// below. A click highlights an entry (Click); a double click opens it
// (Path changes, Change).
class DirList : public QListWidget, public ControlCore {
    Q_OBJECT
public:
    DirList(QWidget* parent, const char* name);
    QString Path() const { return path_; }
    // Opens a folder; raises Change when it differs. Throws FormsError 68
    // (drive unavailable) or 76 (path not found).
    void setPath(const QString& folder);
    int ListIndex() const { return currentRow(); }
    QString List(int i) const;       // the full path of entry i
    int ListCount() const { return count(); }
    // Opens entry i, as a double click does.
    void openEntry(int i);
    std::function<void()> Click;
    std::function<void()> Change;
private:
    void fill();
    QString path_;
    QStringList paths_;
};

// Throws the error of a folder that cannot be opened (68 or 76); returns its
// clean absolute path.
QString checkFolder(const QString& folder);

} // namespace forms

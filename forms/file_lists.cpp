#include "forms/file_lists.h"

#include "forms/form.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace forms {

namespace {

QString firstComponent(const QString& clean)
{
    const int slash = clean.indexOf(QChar('/'), 1);
    return slash < 0 ? clean : clean.left(slash);
}

void checkDrive(const QString& folder, QString& clean)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        throw FormsError(68, QStringLiteral("Device unavailable"));
    clean = QDir::cleanPath(folder);
    if (clean != QStringLiteral("/") && !QFileInfo(firstComponent(clean)).isDir())
        throw FormsError(68, QStringLiteral("Device unavailable"));
}

} // namespace

QString checkFolder(const QString& folder)
{
    QString clean;
    checkDrive(folder, clean);
    if (!QFileInfo(clean).isDir()) throw FormsError(76, QStringLiteral("Path not found"));
    return clean;
}

// ---- DriveList ------------------------------------------------------------

QStringList DriveList::volumes()
{
    QStringList roots;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes())
        if (s.isValid() && s.isReady() && !roots.contains(s.rootPath())) roots << s.rootPath();
    roots.removeAll(QStringLiteral("/"));
    std::sort(roots.begin(), roots.end());
    roots.prepend(QStringLiteral("/"));
    return roots;
}

QString DriveList::driveOf(const QString& folder)
{
    QString clean;
    checkDrive(folder, clean);
    // The deepest mount point that holds the folder.
    QString best = QStringLiteral("/");
    for (const QString& v : volumes()) {
        if (v == QStringLiteral("/")) continue;
        if ((clean == v || clean.startsWith(v + QChar('/'))) && v.size() > best.size()) best = v;
    }
    return best;
}

DriveList::DriveList(QWidget* parent, const char* name) : QComboBox(host(parent)), ControlCore(this, name)
{
    Refresh();
    drive_ = QStringLiteral("/");
    setCurrentIndex(0);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        const QString d = itemText(i);
        fire([this, d] { setDrive(d); });
    });
    controlBuilt();
}

void DriveList::Refresh()
{
    clear();
    addItems(volumes());
    const int i = findText(drive_);
    if (i >= 0) setCurrentIndex(i);
}

void DriveList::setDrive(const QString& pathOnDrive)
{
    const QString d = driveOf(pathOnDrive);
    int i = findText(d);
    if (i < 0) {
        addItem(d);
        i = count() - 1;
    }
    setCurrentIndex(i);
    if (d == drive_) return;
    drive_ = d;
    fire(Change);
}

// ---- DirList --------------------------------------------------------------

DirList::DirList(QWidget* parent, const char* name) : QListWidget(host(parent)), ControlCore(this, name)
{
    path_ = QDir::currentPath();
    fill();
    connect(this, &QListWidget::itemClicked, this, [this] { fire(Click); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) {
        const int r = row(it);
        fire([this, r] { openEntry(r); });
    });
    controlBuilt();
}

QString DirList::List(int i) const { return i >= 0 && i < paths_.size() ? paths_[i] : QString(); }

void DirList::fill()
{
    clear();
    paths_.clear();
    QStringList chain;
    for (QString p = path_;; p = QFileInfo(p).path()) {
        chain.prepend(p);
        if (p == QStringLiteral("/") || p.isEmpty()) break;
    }
    int depth = 0;
    for (const QString& p : chain) {
        const QString name = p == QStringLiteral("/") ? p : QFileInfo(p).fileName();
        addItem(QString(depth * 2, QChar(' ')) + QStringLiteral("▽ ") + name);
        paths_ << p;
        ++depth;
    }
    const int openRow = count() - 1;
    const QStringList subs = QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& s : subs) {
        addItem(QString(depth * 2, QChar(' ')) + QStringLiteral("▷ ") + s);
        paths_ << QDir(path_).filePath(s);
    }
    setCurrentRow(openRow);
}

void DirList::setPath(const QString& folder)
{
    const QString clean = checkFolder(folder);
    if (clean == path_) return;
    path_ = clean;
    fill();
    fire(Change);
}

void DirList::openEntry(int i)
{
    if (i < 0 || i >= paths_.size()) return;
    setPath(paths_[i]);
}

} // namespace forms

#include "forms/qt_services.h"

#include "forms/form.h"
#include "forms/units.h"
#include "runtime/safe_save.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QGridLayout>
#include <QHeaderView>
#include <QListView>
#include <QMimeDatabase>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QMessageBox>
#include <QSpacerItem>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QTextBrowser>
#include <QTranslator>
#include <QUrl>
#include <algorithm>
#include <type_traits>

namespace forms {

namespace {

// A paint device at 600 dpi for measuring printer fonts.
const QImage& measureDevice()
{
    static QImage img = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int dpm = int(600 / 0.0254 + 0.5);
        i.setDotsPerMeterX(dpm);
        i.setDotsPerMeterY(dpm);
        return i;
    }();
    return img;
}

template <class Device>
bool renderTo(Device& pr, const PrintDocument& doc, QString& error)
{
    pr.setPageOrientation(doc.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&pr)) {
        error = QStringLiteral("印刷を開始できません");
        return false;
    }
    // A PDF keeps every rule its width: unsmoothed, a width of 1 would be
    // written as a hairline that viewers hardly show.
    if constexpr (std::is_same_v<Device, QPdfWriter>) p.setRenderHint(QPainter::Antialiasing);
    const double s = pr.resolution() / 1440.0;   // device pixels per twip
    bool first = true;
    for (const PrintPage& page : doc.pages) {
        if (!first && !pr.newPage()) {
            error = QStringLiteral("改ページできません");
            p.end();
            return false;
        }
        first = false;
        for (const PrintItem& it : page.items) {
            if (it.kind == PrintItem::Text) {
                QFont f = vbFont(it.fontName, it.fontSize, it.bold);
                p.setFont(f);
                const QFontMetricsF fm(f, p.device());
                p.setPen(Qt::black);
                p.drawText(QPointF(it.x * s, it.y * s + fm.ascent()), it.text);
            } else {
                p.setPen(QPen(Qt::black, it.drawWidth));
                p.drawLine(QPointF(it.x * s, it.y * s), QPointF(it.x2 * s, it.y2 * s));
            }
        }
    }
    if (!p.end()) {
        error = QStringLiteral("印刷を終了できません");
        return false;
    }
    return true;
}

} // namespace

// ---- QtPrinter ------------------------------------------------------------

QtPrinter::QtPrinter(Services& dialogs, Target target) : dialogs_(dialogs), target_(target) {}

double QtPrinter::textWidthTwips(const QString& text, const QString& fontName, double size, bool bold)
{
    const QFontMetricsF fm(vbFont(fontName, size, bold), &measureDevice());
    return fm.horizontalAdvance(text) * 1440.0 / 600.0;
}

double QtPrinter::textHeightTwips(const QString& fontName, double size, bool bold)
{
    const QFontMetricsF fm(vbFont(fontName, size, bold), &measureDevice());
    return fm.height() * 1440.0 / 600.0;
}

double QtPrinter::textAscentTwips(const QString& fontName, double size, bool bold)
{
    const QFontMetricsF fm(vbFont(fontName, size, bold), &measureDevice());
    return fm.ascent() * 1440.0 / 600.0;
}

bool QtPrinter::renderPdf(const PrintDocument& doc, const QString& file, QString& error)
{
    // Rendered in memory, then saved like every other file: a read-only
    // file, a link or a failed write never costs the old file.
    QPrinter layout(QPrinter::HighResolution);
    layout.setOutputFormat(QPrinter::PdfFormat);
    layout.setPageSize(QPageSize(QPageSize::A4));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageLayout(layout.pageLayout());
        pdf.setCreator(QStringLiteral("forms"));
        if (!renderTo(pdf, doc, error)) return false;
    }
    const QByteArray& bytes = buffer.data();
    const runtime::SaveResult saved =
        bytes.isEmpty() ? runtime::SaveResult{false, "nothing rendered"}
                        : runtime::saveFile(file.toStdString(), std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!saved) {
        error = QStringLiteral("ファイルに書き込めません: ") + file;
        return false;
    }
    return true;
}

PrintOutcome QtPrinter::deliver(const PrintDocument& doc, QString& error)
{
    const QPrinterInfo def = QPrinterInfo::defaultPrinter();
    if (target_ == Target::PdfOnly || def.isNull()) {
        FileDialogOptions o;
        o.title = QStringLiteral("PDFファイルに印刷");
        o.initialDir = pdfFolder().isEmpty() ? QDir::homePath() : pdfFolder();
        o.filter = QStringLiteral("PDF (*.pdf)");
        o.fileName = QStringLiteral("print.pdf");
        o.overwritePrompt = true;
        const auto file = dialogs_.SaveFileDialog(o, nullptr);
        if (!file) return PrintOutcome::Cancelled;
        return renderPdf(doc, *file, error) ? PrintOutcome::Printed : PrintOutcome::Failed;
    }
    QPrinter pr(def, QPrinter::HighResolution);
    if (!pr.isValid()) {
        error = QStringLiteral("プリンタが使えません");
        return PrintOutcome::Failed;
    }
    return renderTo(pr, doc, error) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

// ---- QtServices -----------------------------------------------------------

QtServices::QtServices(QtPrinter::Target printTarget) : printer_(*this, printTarget) {}

QtServices::~QtServices() { delete help_; }

MsgResult QtServices::MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                             QWidget* owner)
{
    QMessageBox box(owner);
    box.setFont(toolkitFont());
    box.setWindowTitle(title);
    box.setText(displayText(text));
    switch (icon) {
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct B { QMessageBox::StandardButton qt; MsgResult r; };
    std::vector<B> bs;
    switch (buttons) {
    case MsgButtons::OKOnly: bs = {{QMessageBox::Ok, MsgResult::OK}}; break;
    case MsgButtons::OKCancel: bs = {{QMessageBox::Ok, MsgResult::OK}, {QMessageBox::Cancel, MsgResult::Cancel}}; break;
    case MsgButtons::AbortRetryIgnore:
        bs = {{QMessageBox::Abort, MsgResult::Abort}, {QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Ignore, MsgResult::Ignore}};
        break;
    case MsgButtons::YesNoCancel:
        bs = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}, {QMessageBox::Cancel, MsgResult::Cancel}};
        break;
    case MsgButtons::YesNo: bs = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}}; break;
    case MsgButtons::RetryCancel: bs = {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}}; break;
    }
    QMessageBox::StandardButtons all;
    for (const B& b : bs) all |= b.qt;
    box.setStandardButtons(all);
    box.setDefaultButton(bs.front().qt);
    // A short text gives a narrow box whose frame cuts the title: keep room for it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleRoom = box.fontMetrics().horizontalAdvance(title) + 8 * box.fontMetrics().height();
        grid->addItem(new QSpacerItem(titleRoom, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    const int r = box.exec();
    for (const B& b : bs)
        if (b.qt == r) return b.r;
    // Closed by Escape or the close box: the cancelling button.
    for (const B& b : bs)
        if (b.r == MsgResult::Cancel || b.r == MsgResult::No) return b.r;
    return bs.front().r;
}

void QtServices::Beep() { QApplication::beep(); }


namespace {
// The file kinds a file dialog lists, which Qt's Japanese translation lacks.
class FileKindTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
        static const QHash<QByteArray, QString> texts{
            {"Folder", QStringLiteral("フォルダー")}, {"File", QStringLiteral("ファイル")},
            {"%1 File", QStringLiteral("%1 ファイル")}, {"Drive", QStringLiteral("ドライブ")},
            {"Shortcut", QStringLiteral("ショートカット")}, {"Unknown", QStringLiteral("不明")}};
        return texts.value(QByteArray(source));
    }
};
// Sizes and dates of the files a dialog lists, in the program's locale
// (Qt writes them in the system's).
class FileListTexts : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& i, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files && (i.column() == 1 || i.column() == 3)) {
            const QModelIndex s = mapToSource(i);
            if (i.column() == 3) return QLocale().toString(files->lastModified(s), QLocale::ShortFormat);
            if (!files->isDir(s)) return QLocale().formattedDataSize(files->size(s));
        }
        return QIdentityProxyModel::data(i, role);
    }
};
} // namespace

QTranslator* useJapaneseToolkitTexts(QCoreApplication& app, const QString& folder)
{
    auto* t = new QTranslator(&app);
    if (!t->load(QStringLiteral("qtbase_ja"),
                 folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder)) {
        delete t;
        return nullptr;
    }
    // Searched after Qt's own: installed first. Both go with t.
    QCoreApplication::installTranslator(new FileKindTexts(t));
    QCoreApplication::installTranslator(t);
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    return t;
}

QFont toolkitFont() { return vbFont(QStringLiteral("ＭＳ Ｐゴシック"), 9); }

void useToolkitFont()
{
    // By class, not for the whole application: a control that sets no font
    // of its own keeps the one it has.
    const QFont f = toolkitFont();
    for (const char* windowClass : {"QFileDialog", "QMessageBox", "QMenu"}) QApplication::setFont(f, windowClass);
}

void prepareProgram(QCoreApplication& app)
{
    runtime::ignoreFileSizeSignal();
    useJapaneseToolkitTexts(app);
    useToolkitFont();
}

namespace {
// Sizes a file dialog's columns and side bar to their texts, and the dialog
// to show them whole: when it shows and whenever a folder it lists is read.
class FileDialogFit : public QObject {
public:
    explicit FileDialogFit(QFileDialog& d) : QObject(&d), d_(d)
    {
        d.installEventFilter(this);
        if (auto* files = d.findChild<QFileSystemModel*>())
            connect(files, &QFileSystemModel::directoryLoaded, this, [this] { later(); });
        connect(&d, &QFileDialog::directoryEntered, this, [this] { later(); });
        connect(&d, &QFileDialog::filterSelected, this, [this] { later(); });
        sizeColumns();
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == &d_ && e->type() == QEvent::Show) fit();
        return false;
    }

private:
    void later() { QTimer::singleShot(0, this, [this] { fit(); }); }

    // What the view's delegate puts around a text.
    static int margins(const QWidget& v) { return 2 * (v.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &v) + 1); }

    // Texts a column shows for files not listed yet: the dialog opens at
    // its size before its folder is read.
    static QStringList usualTexts(int column)
    {
        const QLocale l;
        switch (column) {
        case 1:   // the widest of each unit
            return {l.formattedDataSize(1023), l.formattedDataSize((1LL << 20) - 1), l.formattedDataSize((1LL << 30) - 1)};
        case 2:   // a folder, and a data file: a text file
            return {QCoreApplication::translate("QAbstractFileIconProvider", "Folder"),
                    QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment()};
        case 3: return {l.toString(QDateTime(QDate(2000, 12, 28), QTime(23, 58)), QLocale::ShortFormat)};
        default: return {};
        }
    }

    void sizeColumns()
    {
        auto* tree = d_.findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!tree) return;
        QHeaderView* header = tree->header();
        const QFontMetrics fm(tree->font());
        for (int c = 0; c < header->count(); ++c) {
            int w = std::max(static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(c), header->sectionSizeHint(c));
            for (const QString& t : usualTexts(c)) w = std::max(w, fm.horizontalAdvance(t) + margins(*tree) + 2);
            if (c == 0) w = std::max(w, 20 * fm.averageCharWidth());
            header->resizeSection(c, w);
        }
    }

    void fit()
    {
        sizeColumns();
        auto* tree = d_.findChild<QTreeView*>(QStringLiteral("treeView"));
        auto* side = d_.findChild<QListView*>(QStringLiteral("sidebar"));
        auto* split = d_.findChild<QSplitter*>(QStringLiteral("splitter"));
        if (!tree || !side || !split || split->count() != 2 || !d_.isVisible()) return;
        const int scrollBar = tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree);
        const int treeNeeds = tree->header()->length() + 2 * tree->frameWidth() + scrollBar;
        int sideNeeds = std::max(side->sizeHintForColumn(0), 0) + 2 * side->frameWidth() + margins(*side);
        if (side->verticalScrollBar()->isVisible()) sideNeeds += side->verticalScrollBar()->width();
        const int grow = std::max(0, treeNeeds - tree->width()) + std::max(0, sideNeeds - side->width());
        const QScreen* screen = d_.screen();
        const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        if (grow > 0) {
            // The window frame is not known before it shows: leave it some room.
            const int frame = std::max(d_.frameGeometry().width() - d_.width(), 16);
            d_.resize(std::min(d_.width() + grow, room.width() - frame), d_.height());
            QRect g = d_.geometry();
            if (g.right() > room.right() - frame / 2) g.moveRight(room.right() - frame / 2);
            if (g.left() < room.left() + frame / 2) g.moveLeft(room.left() + frame / 2);
            d_.move(g.topLeft() - (d_.geometry().topLeft() - d_.pos()));
        }
        const int inner = split->width() - split->handleWidth();
        const int sideWidth = std::min(std::max(side->width(), sideNeeds), inner / 3);
        split->setSizes({sideWidth, inner - sideWidth});
    }

    QFileDialog& d_;
};
} // namespace

std::unique_ptr<QFileDialog> QtServices::makeFileDialog(const FileDialogOptions& o, bool save, QWidget* owner)
{
    const QFileInfo start(dialogStartPath(o));
    const bool folderOnly = start.isDir() || o.fileName.isEmpty();
    auto d = std::make_unique<QFileDialog>(owner, o.title, folderOnly ? start.filePath() : start.path());
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d->setOption(QFileDialog::DontConfirmOverwrite, !(save && o.overwritePrompt));
    d->setFilter(d->filter() & ~QDir::CaseSensitive);
    d->setProxyModel(new FileListTexts(d.get()));
    if (!o.filter.isEmpty()) d->setNameFilters(o.filter.split(QStringLiteral(";;")));
    if (!folderOnly) d->selectFile(start.fileName());
    d->setFont(toolkitFont());
    d->setViewMode(QFileDialog::Detail);
    new FileDialogFit(*d);
    return d;
}

namespace {
// Gives the dialog a moment to read its folder, so that it opens at the size
// that shows it.
void awaitFolder(QFileDialog& d)
{
    auto* files = d.findChild<QFileSystemModel*>();
    const QString folder = d.directory().absolutePath();
    if (!files || files->rowCount(files->index(folder)) > 0) return;
    QEventLoop wait;
    QObject::connect(files, &QFileSystemModel::directoryLoaded, &wait, [&](const QString& path) {
        if (QDir(path) == QDir(folder)) wait.quit();
    });
    QTimer::singleShot(300, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

std::optional<QString> runFileDialog(const FileDialogOptions& o, bool save, QWidget* owner)
{
    const auto d = QtServices::makeFileDialog(o, save, owner);
    awaitFolder(*d);
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return std::nullopt;
    const QString f = d->selectedFiles().constFirst();
    if (f.isEmpty()) return std::nullopt;
    return f;
}
} // namespace

std::optional<QString> QtServices::OpenFileDialog(const FileDialogOptions& o, QWidget* owner)
{
    return runFileDialog(o, false, owner);
}

std::optional<QString> QtServices::SaveFileDialog(const FileDialogOptions& o, QWidget* owner)
{
    return runFileDialog(o, true, owner);
}

void QtServices::ClipboardClear() { QGuiApplication::clipboard()->clear(); }
void QtServices::ClipboardSetText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
QString QtServices::ClipboardText() { return QGuiApplication::clipboard()->text(); }

bool QtServices::StartProcess(const QString& program, const QStringList& args)
{
    return QProcess::startDetached(program, args);
}

void QtServices::ShowHelp(const QString& htmlFile, QWidget*)
{
    if (!help_) {
        help_ = new QTextBrowser;
        help_->setObjectName(QStringLiteral("HelpWindow"));
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setOpenExternalLinks(false);
        help_->resize(640, 480);
    }
    if (QFileInfo(htmlFile).isFile()) {
        help_->setSource(QUrl::fromLocalFile(QFileInfo(htmlFile).absoluteFilePath()));
        help_->setWindowTitle(help_->documentTitle().isEmpty() ? QFileInfo(htmlFile).fileName() : help_->documentTitle());
    } else {
        help_->setPlainText(htmlFile);
        help_->setWindowTitle(QFileInfo(htmlFile).fileName());
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void QtServices::CloseAllHelp()
{
    if (help_) help_->close();
}

QSize QtServices::ScreenSizeTwips()
{
    QScreen* s = QGuiApplication::primaryScreen();
    const QSize px = s ? s->size() : QSize(1024, 768);
    return QSize(px.width() * TwipsPerPixel, px.height() * TwipsPerPixel);
}

void QtServices::EndProgram()
{
    CloseAllHelp();
    QMetaObject::invokeMethod(qApp, "quit", Qt::QueuedConnection);
}

void QtServices::RunModal(Form& form)
{
    if (!form.isVisible()) return;
    QEventLoop loop;
    QObject::connect(&form, &Form::hiddenOrUnloaded, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void QtServices::PopupMenu(QMenu& menu, const QString&, const QPoint& globalPos) { menu.exec(globalPos); }

void QtServices::UnhandledError(const QString& text)
{
    qCritical("%s", qPrintable(text));
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text);
}

} // namespace forms

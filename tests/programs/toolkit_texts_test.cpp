// Qt's own texts: Japanese in both programs (file dialogs, text-box menus,
// standard buttons), in the forms' UI face whatever the system locale, and
// file dialogs sized so that their texts show whole.
#include "support/sumlet_fixture.h"

#include "forms/qt_services.h"
#include "forms/testing/driver.h"
#include "support/qt_print.h"
#include "forms/units.h"
#include "quorvel/formula/suusiki_form.h"
#include "quorvel/keypad/quorvel_form.h"
#include "quorvel/program.h"
#include "sumlet/adding/sumlet_form.h"
#include "sumlet/tally/print/ichiran_form.h"
#include "sumlet/tally/shukei_form.h"
#include "support/accessible_names.h"
#include "runtime/cp932.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QHeaderView>
#include <QListView>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTreeView>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>
#include <cmath>
#include <functional>

namespace {

using forms::testing::choose;
using forms::testing::click;

using WholeNumbers = sumlet::testing::SumletTest;

double advance(const QFont& f, const QString& text, const QWidget* w)
{
    return QFontMetricsF(f, w).horizontalAdvance(text);
}

// A text with an English word in it: two Latin letters in a row, once the
// mnemonic marks ("(&O)", "&") are taken out. "OK" is the same in Japanese.
bool english(QString t)
{
    t = t.section(QChar('\t'), 0, 0);   // a shortcut ("Ctrl+C") reads the same
    t.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    t.remove(QChar('&'));
    t.remove(QStringLiteral("OK"));
    return t.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
}

class ToolkitTexts : public WholeNumbers {
protected:
    void SetUp() override
    {
        WholeNumbers::SetUp();
        locale = QLocale();
        translation = forms::useJapaneseToolkitTexts(*QCoreApplication::instance());
        ASSERT_NE(translation, nullptr) << "Qt's Japanese translation is not installed";
    }
    void TearDown() override
    {
        delete translation;   // leaves the application
        QLocale::setDefault(locale);
        WholeNumbers::TearDown();
    }
    // The English texts of a widget's buttons, labels, combo items and menu items.
    static QStringList englishIn(const QWidget& w)
    {
        QStringList out;
        for (const auto* b : w.findChildren<QAbstractButton*>())
            if (english(b->text())) out << b->text();
        for (const auto* l : w.findChildren<QLabel*>())
            if (english(l->text())) out << l->text();
        // The file-type list holds the program's own filter; the folder list paths.
        for (const auto* c : w.findChildren<QComboBox*>())
            if (c->objectName() != QStringLiteral("fileTypeCombo") && c->objectName() != QStringLiteral("lookInCombo"))
                for (int i = 0; i < c->count(); ++i)
                    if (english(c->itemText(i))) out << c->itemText(i);
        if (const auto* m = qobject_cast<const QMenu*>(&w))
            for (const QAction* a : m->actions())
                if (english(a->text())) out << a->text();
        return out;
    }
    // The names a dialog lists in its folder once it has read it, each with
    // its size, kind or date where one has English in it.
    static QStringList listed(const QFileDialog& d)
    {
        const auto* model = d.findChild<QFileSystemModel*>();
        if (!model) return {QStringLiteral("<no model>")};
        const QModelIndex folder = model->index(d.directory().absolutePath());
        for (int i = 0; i < 200 && (model->rowCount(folder) == 0 || model->canFetchMore(folder)); ++i)
            QTest::qWait(10);
        QStringList names;
        const auto* shown = d.proxyModel();
        for (int r = 0; r < model->rowCount(folder); ++r) {
            const QString name = model->index(r, 0, folder).data().toString();
            QString line = name;
            for (int c = 1; c < 4; ++c) {
                const QModelIndex i = model->index(r, c, folder);
                QString t = (shown ? shown->mapFromSource(i) : i).data().toString();
                t.remove(QFileInfo(name).suffix());
                if (english(t)) line += " " + t;
            }
            names << line;
        }
        names.sort();
        return names;
    }

    QLocale locale;
    QTranslator* translation = nullptr;
};

// One row per program: the save dialog of one of its files, the context menu
// of one of its text boxes, and the buttons of an OK/Cancel question.
TEST_F(ToolkitTexts, DialogsMenusAndButtonsOfBothPrograms)
{
    for (const char* name : {"a.ADT", "b.adt", "c.DAT", "d.dat", "e.txt"}) writeFile(name, "0\r\n");
    QDir(dir.path()).mkdir("sub");
    quorvel::Program quorvel{rec, dir.path()};
    struct Row {
        const char* program;
        std::function<forms::TextBox&()> open;   // shows the form, asks for its save dialog
        QString filter;
        QStringList listed;
    } rows[] = {
        {"SUMLET",
         [&]() -> forms::TextBox& {
             start();
             click(prog().MENU_->Command8);
             rec.cancelNextFileDialog();
             choose(prog().SUMLET_->M12);
             return prog().SUMLET_->Text1;
         },
         QStringLiteral("入力ﾌｧｲﾙ (*.ADT)"), {"a.ADT", "b.adt", "sub"}},
        {"QUORVEL",
         [&]() -> forms::TextBox& {
             quorvel.SUUSIKI_.Show();
             rec.cancelNextFileDialog();
             forms::testing::clickToolbar(quorvel.SUUSIKI_->Toolbar1, 2);
             return quorvel.SUUSIKI_->Text2;
         },
         QStringLiteral("数式ﾌｧｲﾙ (*.DAT)"), {"DATT.DAT", "SETQ.DAT", "c.DAT", "d.dat", "sub"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.program);
        forms::TextBox& box = row.open();
        ASSERT_FALSE(rec.fileDialogs().empty());
        forms::FileDialogOptions o = rec.fileDialogs().back().options;
        EXPECT_EQ(o.filter, row.filter);   // the filter's text as the program gives it
        o.initialDir = dir.path();

        const auto save = forms::QtServices::makeFileDialog(o, true, nullptr);
        EXPECT_EQ(englishIn(*save), QStringList{});
        EXPECT_EQ(save->nameFilters(), QStringList{row.filter});
        EXPECT_EQ(save->labelText(QFileDialog::Accept), "保存(&S)");
        EXPECT_FALSE(english(QFileDialog::tr("%1 already exists.\nDo you want to replace it?")));
        // Lower-case names are listed too, other files are not.
        EXPECT_EQ(listed(*save), row.listed);
        const auto open = forms::QtServices::makeFileDialog(o, false, nullptr);
        EXPECT_EQ(englishIn(*open), QStringList{});

        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        EXPECT_GE(menu->actions().size(), 5);
        EXPECT_EQ(englishIn(*menu), QStringList{});

        QDialogButtonBox question(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        EXPECT_EQ(englishIn(question), QStringList{});
        EXPECT_EQ(question.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
    }
}

// Qt's own windows are drawn in the forms' Japanese UI face, whatever face the
// system gives the application (this table also runs under a Japanese
// system locale, from the test list).
bool inUiFace(const QFont& f)
{
    const QString family = QFontInfo(f).family();
    return (family == QStringLiteral("IPAPGothic") || family == QStringLiteral("IPA Pゴシック"))
           && f.pointSizeF() == 9.0;
}

// A file dialog shown on its folder: every text of its file list and side bar
// is whole in the dialog's font, every column is in view, the dialog is on
// the screen, and its filter has no letter from another face.
void expectWholeTexts(QFileDialog& d)
{
    EXPECT_TRUE(inUiFace(d.font())) << QFontInfo(d.font()).family().toStdString();
    auto* tree = d.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* side = d.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* types = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(tree && side && types);
    EXPECT_TRUE(inUiFace(tree->font()));
    EXPECT_TRUE(inUiFace(types->font()));
    const QFontMetricsF typesFm(types->font());
    for (const char32_t c : types->currentText().toUcs4())
        EXPECT_TRUE(typesFm.inFontUcs4(c)) << "U+" << std::hex << unsigned(c) << " drawn in another face";

    const QHeaderView* header = tree->header();
    const QAbstractItemModel* shown = tree->model();
    const QModelIndex folder = tree->rootIndex();
    ASSERT_GE(shown->rowCount(folder), 3);
    const int icon = tree->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, tree);
    for (int c = 0; c < 4; ++c) {
        const QString heading = shown->headerData(c, Qt::Horizontal).toString();
        EXPECT_GE(header->sectionSize(c), advance(tree->font(), heading, tree)) << heading.toStdString();
        for (int r = 0; r < shown->rowCount(folder); ++r) {
            const QModelIndex i = shown->index(r, c, folder);
            const QString t = i.data().toString();
            SCOPED_TRACE("column " + std::to_string(c) + " \"" + t.toStdString() + "\"");
            EXPECT_GE(header->sectionSize(c), advance(tree->font(), t, tree) + (c == 0 ? icon : 0));
            EXPECT_GE(header->sectionSize(c), tree->sizeHintForIndex(i).width()) << "elided";
        }
    }
    EXPECT_GE(tree->viewport()->width(), header->length()) << "a column out of view";
    for (int r = 0; r < side->model()->rowCount(); ++r) {
        const QModelIndex i = side->model()->index(r, 0);
        SCOPED_TRACE("side bar \"" + i.data().toString().toStdString() + "\"");
        EXPECT_GE(side->viewport()->width(), side->sizeHintForIndex(i).width());
        EXPECT_GE(side->viewport()->width(), advance(side->font(), i.data().toString(), side) + icon);
    }
    const QRect screen = d.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(d.frameGeometry())) << d.frameGeometry().width() << " on " << screen.width();
}

// The save dialogs of both programs and the PDF dialog of the printer, on a
// folder of a 150-byte file, a 46 KiB file with a long name and a folder.
TEST_F(ToolkitTexts, FileDialogsShowTheirTextsWhole)
{
    const std::string small(150, '0'), large(46 * 1024, '1');
    for (const char* ext : {"ADT", "DAT", "pdf"}) {
        writeFile(QStringLiteral("f150.%1").arg(ext), small);
        writeFile(QStringLiteral("2024年度_集計_第1四半期の売上明細一覧.%1").arg(ext), large);
    }
    QDir(dir.path()).mkdir("サブフォルダ");
    quorvel::Program quorvel{rec, dir.path()};
    forms::QtPrinter pdf{rec, forms::QtPrinter::Target::PdfOnly};
    const struct Row {
        const char* dialog;
        std::function<void()> open;   // asks for the dialog, cancelled
        QString title;
    } rows[] = {
        {"SUMLET tape file",
         [&] {
             start();
             click(prog().MENU_->Command8);
             choose(prog().SUMLET_->M12);
         },
         QString()},
        {"QUORVEL formula file",
         [&] {
             quorvel.SUUSIKI_.Show();
             forms::testing::clickToolbar(quorvel.SUUSIKI_->Toolbar1, 2);
         },
         QString()},
        {"PDF print",
         [&] {
             pdf.setPdfFolder(dir.path());
             pdf.Print("1");
             EXPECT_EQ(pdf.EndDoc(), forms::PrintOutcome::Cancelled);
         },
         QStringLiteral("PDFファイルに印刷")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dialog);
        rec.cancelNextFileDialog();
        row.open();
        ASSERT_FALSE(rec.fileDialogs().empty());
        forms::FileDialogOptions o = rec.fileDialogs().back().options;
        EXPECT_EQ(o.title, row.title);
        o.initialDir = dir.path();
        const auto d = forms::QtServices::makeFileDialog(o, true, nullptr);
        EXPECT_EQ(d->windowTitle(), row.title.isEmpty() ? QStringLiteral("名前を付けて保存") : row.title);
        d->show();
        ASSERT_GE(listed(*d).size(), 3);
        QTest::qWait(50);   // the dialog fits itself to the folder it has read
        const auto* tree = d->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(tree, nullptr);
        QStringList sizes;
        for (int r = 0; r < tree->model()->rowCount(tree->rootIndex()); ++r)
            sizes << tree->model()->index(r, 1, tree->rootIndex()).data().toString();
        EXPECT_TRUE(sizes.contains(QStringLiteral("150 バイト"))) << sizes.join('|').toStdString();
        EXPECT_TRUE(sizes.contains(QStringLiteral("46.00 KiB"))) << sizes.join('|').toStdString();
        expectWholeTexts(*d);
    }
}

// File dialogs, message boxes (Qt's own too, as the overwrite question) and
// a text box's menu take the UI face; the forms' controls keep their fonts.
TEST_F(ToolkitTexts, QtsOwnWindowsInTheUiFaceAndFormsInTheirOwn)
{
    start();
    click(prog().MENU_->Command8);
    forms::Form& form = *prog().SUMLET_.get();
    std::vector<std::pair<QWidget*, QString>> before;
    for (QWidget* w : form.findChildren<QWidget*>())
        if (!qobject_cast<QMenu*>(w)) before.emplace_back(w, w->font().toString());
    ASSERT_GT(before.size(), 20u);

    const char* const classes[] = {"QFileDialog", "QMessageBox", "QMenu"};
    std::vector<QFont> saved;
    for (const char* c : classes) saved.push_back(QApplication::font(c));
    forms::useToolkitFont();
    QTest::qWait(10);   // the widgets hear of a new application font
    for (const auto& [w, font] : before)
        EXPECT_EQ(w->font().toString(), font) << w->metaObject()->className() << " " << w->objectName().toStdString();

    for (const QLocale& l : {QLocale::c(), QLocale(QLocale::Japanese, QLocale::Japan)}) {
        SCOPED_TRACE(l.name().toStdString());
        QLocale::setDefault(l);
        QMessageBox question(QMessageBox::Question, "t", "上書きしますか?", QMessageBox::Yes | QMessageBox::No);
        question.ensurePolished();   // a widget takes its class's font when it is polished
        EXPECT_TRUE(inUiFace(question.font()));
        for (const QAbstractButton* b : question.findChildren<QAbstractButton*>()) EXPECT_TRUE(inUiFace(b->font()));
        QFileDialog plain;
        plain.ensurePolished();
        EXPECT_TRUE(inUiFace(plain.font()));
        std::unique_ptr<QMenu> menu(prog().SUMLET_->Text1.createStandardContextMenu());
        menu->ensurePolished();
        EXPECT_TRUE(inUiFace(menu->font()));
    }
    for (size_t i = 0; i < saved.size(); ++i) QApplication::setFont(saved[i], classes[i]);
}

// Without the translation the programs start as before.
TEST_F(WholeNumbers, ToolkitTextsStayWhenTheTranslationIsMissing)
{
    const QLocale before;
    EXPECT_EQ(forms::useJapaneseToolkitTexts(*QCoreApplication::instance(), dir.path()), nullptr);
    EXPECT_EQ(QLocale(), before);
    QDialogButtonBox question(QDialogButtonBox::Cancel);
    EXPECT_EQ(question.button(QDialogButtonBox::Cancel)->text(), "Cancel");
}

} // namespace

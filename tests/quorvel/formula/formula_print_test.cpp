// A formula set rendered into a PDF by the real printer.
#include "support/qt_print.h"
#include "forms/qt_services.h"
#include "forms/testing/recording_services.h"
#include "quorvel/formula/formula_print.h"
#include "support/print_text.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FormulaPrint, RendersReadablePdf)
{
    QTemporaryDir dir;
    forms::testing::RecordingServices rec;
    forms::QtPrinter printer{rec, forms::QtPrinter::Target::PdfOnly};
    const QString pdf = dir.filePath("formulas.pdf");
    rec.answerNextFileDialog(pdf);

    quorvel::FormulaLineSet lines = quorvel::emptyLineSet();
    lines[0] = quorvel::makeLine(0, "1234.5");
    lines[3] = quorvel::makeLine(3, "A*2");
    lines[5] = quorvel::makeLine(5, "1/0");
    ASSERT_EQ(quorvel::printFormulaSet(printer, lines, 5, "1/0", "文法エラー！0で除算"),
              forms::PrintOutcome::Printed)
        << printer.errorText().toStdString();

    QStringList text = forms::testing::pdfText(pdf).split('\n', Qt::SkipEmptyParts);
    for (QString& line : text)
        line = line.trimmed();
    text.removeAll(QString());   // the page end
    EXPECT_EQ(text, (QStringList{"F: 1/0", "= 文法エラー！0で除算", QString(60, '-'), "A: 1234.5", "D: A*2",
                                 "F: 1/0"}));
}

} // namespace

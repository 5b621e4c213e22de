// The texts of a print: the rows of a recorded page, and the text of a
// rendered PDF through poppler's pdftotext (the page text in its layout, or
// every word with its box).
#pragma once

#include "forms/printer.h"
#include "forms/testing/recording_services.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace forms::testing {

// pdftotext's output for the arguments, then the file and "-" (to stdout).
inline QString runPdftotext(const QStringList& args, const QString& pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        throw std::runtime_error("pdftotext (poppler-utils) is needed");
    QProcess proc;
    proc.start(pdftotext, args + QStringList{pdf, "-"});
    if (!proc.waitForFinished(30000) || proc.exitStatus() != QProcess::NormalExit || proc.exitCode() != 0)
        throw std::runtime_error("pdftotext failed on " + pdf.toStdString());
    return QString::fromUtf8(proc.readAllStandardOutput());
}

// The text of a PDF file in its layout, the pages separated by form feeds.
inline QString pdfText(const QString& pdf) { return runPdftotext({"-layout"}, pdf); }

// A word of a PDF page and its box, in points from the page's top left.
struct PdfWord {
    int page = 0;   // from 0
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

// Every word of a PDF file, page by page, in pdftotext's reading order.
inline std::vector<PdfWord> pdfWords(const QString& pdf)
{
    const QString html = runPdftotext({"-bbox"}, pdf);
    static const QRegularExpression tag(
        R"re(<page\b|<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
        words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), text});
    }
    return words;
}

// The words of one page in rows, each row's words left to right: words
// belong to one row when their vertical middles lie within `tolerance`
// points of the row's first word. Rows top to bottom.
inline std::vector<std::vector<PdfWord>> pdfRows(const std::vector<PdfWord>& words, int page,
                                                 double tolerance = 4.0)
{
    std::vector<PdfWord> onPage;
    for (const PdfWord& w : words)
        if (w.page == page)
            onPage.push_back(w);
    const auto middle = [](const PdfWord& w) { return (w.yMin + w.yMax) / 2; };
    std::stable_sort(onPage.begin(), onPage.end(),
                     [&](const PdfWord& a, const PdfWord& b) { return middle(a) < middle(b); });
    std::vector<std::vector<PdfWord>> rows;
    for (const PdfWord& w : onPage) {
        if (rows.empty() || middle(w) - middle(rows.back().front()) > tolerance)
            rows.emplace_back();
        rows.back().push_back(w);
    }
    for (auto& row : rows)
        std::stable_sort(row.begin(), row.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    return rows;
}

// The texts of a recorded page in rows, each left to right: texts on one
// baseline (the recorder's ascent is four fifths of a line) share a row.
inline std::vector<std::vector<const PrintItem*>> textRows(const PrintPage& page)
{
    const auto baseline = [](const PrintItem& i) { return i.y + 0.8 * RecordingPrinter::heightTwips(i.fontSize); };
    std::vector<std::vector<const PrintItem*>> rows;
    for (const PrintItem& i : page.items) {
        if (i.kind != PrintItem::Text)
            continue;
        auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const auto& r) { return std::abs(baseline(*r.front()) - baseline(i)) < 1e-6; });
        if (row == rows.end())
            rows.push_back({&i});
        else
            row->push_back(&i);
    }
    std::sort(rows.begin(), rows.end(),
              [&](const auto& a, const auto& b) { return baseline(*a.front()) < baseline(*b.front()); });
    for (auto& r : rows)
        std::stable_sort(r.begin(), r.end(), [](const PrintItem* a, const PrintItem* b) { return a->x < b->x; });
    return rows;
}

// Neighbours of a recorded page's rows that touch or overlap, as "left|right";
// empty when every text of every row ends before the next one starts.
inline QStringList touchingTexts(const PrintPage& page)
{
    QStringList out;
    for (const auto& row : textRows(page))
        for (std::size_t k = 1; k < row.size(); ++k) {
            const PrintItem& a = *row[k - 1];
            if (a.x + RecordingPrinter::widthTwips(a.text, a.fontSize) >= row[k]->x)
                out << a.text + "|" + row[k]->text;
        }
    return out;
}

// Neighbouring words of a PDF row that touch or overlap, as "left|right".
inline QStringList touchingWords(const std::vector<PdfWord>& row)
{
    QStringList out;
    for (std::size_t k = 1; k < row.size(); ++k)
        if (row[k - 1].xMax >= row[k].xMin)
            out << row[k - 1].text + "|" + row[k].text;
    return out;
}

} // namespace forms::testing

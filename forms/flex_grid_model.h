// FlexGridModel: the texts and alignments of a FlexGrid's cells, row 0 and
// column 0 (the fixed ones) included. Needs no widget.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace forms {

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FlexGridModel(QObject* parent = nullptr);
    int rowCount(const QModelIndex& p = QModelIndex()) const override;
    int columnCount(const QModelIndex& p = QModelIndex()) const override;
    QVariant data(const QModelIndex& i, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void resize(int rows, int cols);
    const QString& cell(int r, int c) const;
    void setCell(int r, int c, const QString& t);
    void clearTexts();
    void setColAlignment(int c, int a);
    void setFixedAlignment(int c, int a);
    int colAlignment(int c) const;
    int fixedAlignment(int c) const;
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // Alignment 0-9 as Qt flags; 9 (general) puts a number right, other texts left.
    static Qt::Alignment alignmentOf(int a, const QString& text);

private:
    Qt::Alignment alignmentFor(int r, int c) const;
    int rows_ = 0, cols_ = 0;
    std::vector<QString> cells_;
    std::vector<int> colAlign_, fixedAlign_;
};

} // namespace forms

#include "forms/flex_grid_model.h"

#include <algorithm>
#include <utility>

namespace forms {

namespace {

const QString emptyText;

} // namespace

Qt::Alignment FlexGridModel::alignmentOf(int a, const QString& text)
{
    if (a == 9 || a < 0 || a > 9) {
        QString t = text.trimmed();
        t.remove(QChar(','));
        bool number = false;
        t.toDouble(&number);
        return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
    Qt::Alignment h = a <= 2 ? Qt::AlignLeft : a <= 5 ? Qt::AlignHCenter : Qt::AlignRight;
    Qt::Alignment v = a % 3 == 0 ? Qt::AlignTop : a % 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
    return h | v;
}

FlexGridModel::FlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int FlexGridModel::rowCount(const QModelIndex& p) const { return p.isValid() ? 0 : rows_; }
int FlexGridModel::columnCount(const QModelIndex& p) const { return p.isValid() ? 0 : cols_; }

const QString& FlexGridModel::cell(int r, int c) const
{
    if (r < 0 || c < 0 || r >= rows_ || c >= cols_) return emptyText;
    return cells_[size_t(r) * size_t(cols_) + size_t(c)];
}

Qt::Alignment FlexGridModel::alignmentFor(int r, int c) const
{
    const bool fixed = r == 0 || c == 0;
    const int a = fixed ? fixedAlignment(c) : colAlignment(c);
    return alignmentOf(a, cell(r, c));
}

QVariant FlexGridModel::data(const QModelIndex& i, int role) const
{
    if (!i.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return cell(i.row(), i.column());
    if (role == Qt::TextAlignmentRole) return int(alignmentFor(i.row(), i.column()));
    return {};
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation o, int role) const
{
    const int r = o == Qt::Horizontal ? 0 : section;
    const int c = o == Qt::Horizontal ? section : 0;
    if (role == Qt::DisplayRole) return cell(r, c);
    if (role == Qt::TextAlignmentRole) return int(alignmentFor(r, c));
    return {};
}

void FlexGridModel::resize(int rows, int cols)
{
    rows = std::max(rows, 0);
    cols = std::max(cols, 0);
    if (cols != cols_) {
        std::vector<QString> next(size_t(rows_) * size_t(cols));
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < std::min(cols, cols_); ++c)
                next[size_t(r) * size_t(cols) + size_t(c)] = std::move(cells_[size_t(r) * size_t(cols_) + size_t(c)]);
        if (cols > cols_) {
            beginInsertColumns(QModelIndex(), cols_, cols - 1);
            cells_ = std::move(next);
            cols_ = cols;
            colAlign_.resize(size_t(cols), 9);
            fixedAlign_.resize(size_t(cols), 9);
            endInsertColumns();
        } else {
            beginRemoveColumns(QModelIndex(), cols, cols_ - 1);
            cells_ = std::move(next);
            cols_ = cols;
            colAlign_.resize(size_t(cols));
            fixedAlign_.resize(size_t(cols));
            endRemoveColumns();
        }
    }
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        cells_.resize(size_t(rows) * size_t(cols_));
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        cells_.resize(size_t(rows) * size_t(cols_));
        rows_ = rows;
        endRemoveRows();
    }
}

void FlexGridModel::setCell(int r, int c, const QString& t)
{
    QString& s = cells_[size_t(r) * size_t(cols_) + size_t(c)];
    if (s == t) return;
    s = t;
    if (r == 0) emit headerDataChanged(Qt::Horizontal, c, c);
    if (c == 0) emit headerDataChanged(Qt::Vertical, r, r);
    const QModelIndex i = index(r, c);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void FlexGridModel::clearTexts()
{
    for (QString& s : cells_) s.clear();
    if (rows_ > 0 && cols_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
        emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
    }
}

void FlexGridModel::setColAlignment(int c, int a)
{
    colAlign_[size_t(c)] = a;
    if (rows_ > 0) emit dataChanged(index(0, c), index(rows_ - 1, c), {Qt::TextAlignmentRole});
}

void FlexGridModel::setFixedAlignment(int c, int a)
{
    fixedAlign_[size_t(c)] = a;
    emit headerDataChanged(Qt::Horizontal, c, c);
    if (c == 0 && rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

int FlexGridModel::colAlignment(int c) const { return c >= 0 && c < cols_ ? colAlign_[size_t(c)] : 9; }
int FlexGridModel::fixedAlignment(int c) const { return c >= 0 && c < cols_ ? fixedAlign_[size_t(c)] : 9; }

} // namespace forms

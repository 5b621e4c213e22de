#include "forms/flex_grid.h"

#include "forms/keys.h"
#include "forms/units.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>

namespace forms {

namespace {

Qt::Alignment alignmentOf(int a, const QString& text)
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

const QString emptyText;

} // namespace

// ---- model ----------------------------------------------------------------

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

// ---- delegate: selection drawn from the grid's own Row/Col/RowSel/ColSel ----

class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(FlexGrid* g) : QStyledItemDelegate(g), grid_(g) {}

protected:
    void initStyleOption(QStyleOptionViewItem* opt, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(opt, index);
        opt->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        const int r = index.row(), c = index.column();
        const bool current = r == grid_->row_ && c == grid_->col_;
        if (grid_->selectionShown() && grid_->cellSelected(r, c) && !current) {
            opt->backgroundBrush = grid_->palette().brush(QPalette::Highlight);
            opt->palette.setColor(QPalette::Text, grid_->palette().color(QPalette::HighlightedText));
        }
        if (current && grid_->hasFocus()) opt->state |= QStyle::State_HasFocus;
        if (isNumberText(opt->text)) {
            opt->font = grid_->cellFont(r, c);
            opt->fontMetrics = QFontMetrics(opt->font, grid_);
            opt->textElideMode = Qt::ElideNone;
        }
    }

private:
    FlexGrid* grid_;
};

// ---- FlexGrid -------------------------------------------------------------

FlexGrid::FlexGrid(QWidget* parent, const char* name) : QTableView(host(parent)), ControlCore(this, name)
{
    setModel(&model_);
    setItemDelegate(new FlexGridDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(false);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setMinimumSectionSize(0);
        h->viewport()->installEventFilter(this);
    }
    horizontalHeader()->setStretchLastSection(false);
    corner_ = new QLabel(this);
    corner_->setFrameShape(QFrame::Panel);
    corner_->setFrameShadow(QFrame::Raised);
    corner_->setAutoFillBackground(true);
    corner_->setBackgroundRole(QPalette::Button);
    corner_->installEventFilter(this);
    connect(&model_, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation, int first, int) {
        if (first == 0) corner_->setText(model_.cell(0, 0));
    });
    model_.resize(2, 2);
    colWidthTw_.assign(2, 960);
    setRowHeight(240);
    applySize();
    controlBuilt();
}

int FlexGrid::Rows() const { return model_.rows(); }
int FlexGrid::Cols() const { return model_.cols(); }

void FlexGrid::setRows(int n)
{
    if (n < 1) throw FormsError(30010, QStringLiteral("Invalid Row value"));
    model_.resize(n, model_.cols());
    setRowHidden(0, true);
    row_ = std::min(row_, n - 1);
    rowSel_ = std::min(rowSel_, n - 1);
    topRow_ = std::clamp(topRow_, 1, std::max(1, n - 1));
    applySize();
}

void FlexGrid::setCols(int n)
{
    if (n < 1) throw FormsError(30010, QStringLiteral("Invalid Col value"));
    model_.resize(model_.rows(), n);
    colWidthTw_.resize(size_t(n), 960);
    col_ = std::min(col_, n - 1);
    colSel_ = std::min(colSel_, n - 1);
    applySize();
}

void FlexGrid::applySize()
{
    setRowHidden(0, true);
    setColumnHidden(0, true);
    const int cols = model_.cols();
    for (int c = 0; c < cols; ++c) {
        const int w = px(colWidthTw_[size_t(c)]);
        if (c == 0) {
            verticalHeader()->setVisible(w > 0);
            verticalHeader()->setFixedWidth(std::max(w, 0));
        } else {
            horizontalHeader()->resizeSection(c, std::max(w, 0));
            setColumnHidden(c, w <= 0);
        }
    }
    corner_->setText(model_.cell(0, 0));
    updateGeometries();
    refresh();
}

int FlexGrid::cellTextRoom(int c) const
{
    // The cell's width without its grid line, less the style's text margins.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return columnWidth(c) - (showGrid() ? 1 : 0) - 2 * margin;
}

QFont FlexGrid::cellFont(int r, int c) const { return fittedFont(font(), model_.cell(r, c), cellTextRoom(c), this); }

void FlexGrid::checkCell(int r, int c) const
{
    if (r < 0 || r >= model_.rows() || c < 0 || c >= model_.cols())
        throw FormsError(381, QStringLiteral("Subscript out of range"));
}

void FlexGrid::setRow(int r)
{
    if (r < 0 || r >= model_.rows()) throw FormsError(30009, QStringLiteral("Invalid Row value"));
    row_ = r;
    rowSel_ = r;
    colSel_ = col_;
    refresh();
}

void FlexGrid::setCol(int c)
{
    if (c < 0 || c >= model_.cols()) throw FormsError(30010, QStringLiteral("Invalid Col value"));
    col_ = c;
    colSel_ = c;
    rowSel_ = row_;
    refresh();
}

void FlexGrid::setRowSel(int r)
{
    if (r < 0 || r >= model_.rows()) throw FormsError(30009, QStringLiteral("Invalid Row value"));
    rowSel_ = r;
    refresh();
}

void FlexGrid::setColSel(int c)
{
    if (c < 0 || c >= model_.cols()) throw FormsError(30010, QStringLiteral("Invalid Col value"));
    colSel_ = c;
    refresh();
}

int FlexGrid::visibleRows() const
{
    const int h = px(rowHeightTw_);
    if (h <= 0) return 1;
    return std::max(1, viewport()->height() / h);
}

int FlexGrid::maxTopRow() const
{
    const int last = std::max(1, model_.rows() - 1);
    if (!isVisible() || viewport()->height() <= 0) return last;
    return std::max(1, model_.rows() - visibleRows());
}

void FlexGrid::setTopRow(int r)
{
    if (r < 0 || r >= model_.rows()) throw FormsError(30009, QStringLiteral("Invalid Row value"));
    topRow_ = std::clamp(r, 1, maxTopRow());
    applyTopRow();
}

void FlexGrid::applyTopRow()
{
    applyingTop_ = true;
    verticalScrollBar()->setValue(topRow_ - 1);
    applyingTop_ = false;
}

void FlexGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    startWithWholeCells();
    if (!applyingTop_ && dy != 0) topRow_ = verticalScrollBar()->value() + 1;
}

void FlexGrid::startWithWholeCells()
{
    // At the end of its range the view puts the last row (column) flush with
    // the far edge and cuts the first; the grid always starts with a whole one.
    bool moved = false;
    const std::pair<QHeaderView*, QScrollBar*> axes[] = {{verticalHeader(), verticalScrollBar()},
                                                         {horizontalHeader(), horizontalScrollBar()}};
    for (const auto& [header, bar] : axes) {
        const int before = header->offset();
        header->setOffsetToSectionPosition(bar->value());
        moved = moved || header->offset() != before;
    }
    if (moved) viewport()->update();
}

void FlexGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (corner_) {
        const int w = verticalHeader()->isVisible() ? verticalHeader()->width() : 0;
        const int h = horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
        corner_->setGeometry(frameWidth(), frameWidth(), w, h);
        corner_->setVisible(w > 0 && h > 0);
        const int a = model_.fixedAlignment(0);
        corner_->setAlignment(alignmentOf(a, model_.cell(0, 0)));
    }
    if (isVisible() && viewport()->height() > 0) topRow_ = std::min(topRow_, maxTopRow());
    applyTopRow();
    startWithWholeCells();
}

void FlexGrid::resizeEvent(QResizeEvent* e)
{
    QTableView::resizeEvent(e);
    updateGeometries();
}

QString FlexGrid::Text() const { return model_.cell(row_, col_); }

void FlexGrid::setText(const QString& t)
{
    checkCell(row_, col_);
    model_.setCell(row_, col_, t);
    if (row_ == 0 && col_ == 0) corner_->setText(t);
}

QString FlexGrid::TextMatrix(int r, int c) const
{
    checkCell(r, c);
    return model_.cell(r, c);
}

void FlexGrid::setTextMatrix(int r, int c, const QString& t)
{
    checkCell(r, c);
    model_.setCell(r, c, t);
    if (r == 0 && c == 0) corner_->setText(t);
}

QString FlexGrid::Clip() const
{
    const int r1 = std::min(row_, rowSel_), r2 = std::max(row_, rowSel_);
    const int c1 = std::min(col_, colSel_), c2 = std::max(col_, colSel_);
    QString out;
    for (int r = r1; r <= r2; ++r) {
        if (r > r1) out += QChar('\r');
        for (int c = c1; c <= c2; ++c) {
            if (c > c1) out += QChar('\t');
            out += model_.cell(r, c);
        }
    }
    return out;
}

void FlexGrid::Clear()
{
    model_.clearTexts();
    corner_->setText(QString());
}

void FlexGrid::setColWidth(int c, double tw)
{
    if (c < 0 || c >= model_.cols()) throw FormsError(381, QStringLiteral("Subscript out of range"));
    colWidthTw_[size_t(c)] = std::max(0.0, tw);
    applySize();
}

double FlexGrid::ColWidth(int c) const
{
    if (c < 0 || c >= model_.cols()) throw FormsError(381, QStringLiteral("Subscript out of range"));
    return colWidthTw_[size_t(c)];
}

void FlexGrid::setRowHeight(double tw)
{
    rowHeightTw_ = tw;
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(px(tw));
    horizontalHeader()->setFixedHeight(px(tw));
    updateGeometries();
}

void FlexGrid::setColAlignment(int c, int a)
{
    if (c < 0 || c >= model_.cols()) throw FormsError(381, QStringLiteral("Subscript out of range"));
    model_.setColAlignment(c, a);
}

void FlexGrid::setFixedAlignment(int c, int a)
{
    if (c < 0 || c >= model_.cols()) throw FormsError(381, QStringLiteral("Subscript out of range"));
    model_.setFixedAlignment(c, a);
    if (c == 0) updateGeometries();
}

int FlexGrid::ColAlignment(int c) const { return model_.colAlignment(c); }
int FlexGrid::FixedAlignment(int c) const { return model_.fixedAlignment(c); }

void FlexGrid::setHighLight(int mode)
{
    highLight_ = mode;
    refresh();
}

bool FlexGrid::selectionShown() const
{
    if (highLight_ == 0) return false;
    if (highLight_ == 2) return hasFocus() || hasLogicalFocus();
    return true;
}

bool FlexGrid::cellSelected(int r, int c) const
{
    return r >= std::min(row_, rowSel_) && r <= std::max(row_, rowSel_) && c >= std::min(col_, colSel_)
        && c <= std::max(col_, colSel_);
}

QRect FlexGrid::cellRect(int r, int c) const
{
    const QPoint vp = viewport()->geometry().topLeft();
    const int x = c == 0 ? frameWidth() : vp.x() + columnViewportPosition(c);
    const int w = c == 0 ? verticalHeader()->width() : columnWidth(c);
    const int y = r == 0 ? frameWidth() : vp.y() + rowViewportPosition(r);
    const int h = r == 0 ? horizontalHeader()->height() : rowHeight(r);
    return QRect(x, y, w, h);
}

bool FlexGrid::cellAt(const QPoint& p, int& r, int& c) const
{
    const QRect vp = viewport()->geometry();
    if (p.x() < vp.left()) c = 0;
    else c = columnAt(p.x() - vp.left());
    if (p.y() < vp.top()) r = 0;
    else r = rowAt(p.y() - vp.top());
    return r >= 0 && c >= 0;
}

void FlexGrid::refresh() { viewport()->update(); }

void FlexGrid::userSelect(int r, int c, bool extend)
{
    const int before[4] = {row_, col_, rowSel_, colSel_};
    if (extend) {
        rowSel_ = r;
        colSel_ = c;
    } else {
        row_ = rowSel_ = r;
        col_ = colSel_ = c;
    }
    refresh();
    const int after[4] = {row_, col_, rowSel_, colSel_};
    if (!std::equal(before, before + 4, after)) fire(SelChange);
}

void FlexGrid::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = viewport()->mapTo(this, e->position().toPoint());
    const int button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2
                     : e->button() == Qt::MiddleButton ? 4 : 0;
    if (!isEnabled()) return;
    setFocus(Qt::MouseFocusReason);
    if (MouseDown) {
        const int shift = vk::shiftState(e->modifiers());
        fire([&] { MouseDown(button, shift, twips(p.x()), twips(p.y())); });
    }
    int r = -1, c = -1;
    if (button == 1 && cellAt(p, r, c) && r > 0 && c > 0) {
        userSelect(r, c, e->modifiers().testFlag(Qt::ShiftModifier));
        dragging_ = true;
    }
    e->accept();
}

void FlexGrid::mouseMoveEvent(QMouseEvent* e)
{
    if (!dragging_) return;
    const QPoint p = viewport()->mapTo(this, e->position().toPoint());
    int r = -1, c = -1;
    if (cellAt(p, r, c) && r > 0 && c > 0) userSelect(r, c, true);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* e)
{
    dragging_ = false;
    if (e->button() == Qt::LeftButton && isEnabled()) fire(Click);
    e->accept();
}

void FlexGrid::keyPressEvent(QKeyEvent* e)
{
    int r = row_, c = col_;
    const bool extend = e->modifiers().testFlag(Qt::ShiftModifier);
    if (extend) {
        r = rowSel_;
        c = colSel_;
    }
    const int lastRow = model_.rows() - 1, lastCol = model_.cols() - 1;
    switch (e->key()) {
    case Qt::Key_Up: r = std::max(1, r - 1); break;
    case Qt::Key_Down: r = std::min(lastRow, r + 1); break;
    case Qt::Key_Left: c = std::max(1, c - 1); break;
    case Qt::Key_Right: c = std::min(lastCol, c + 1); break;
    case Qt::Key_PageUp: r = std::max(1, r - visibleRows()); break;
    case Qt::Key_PageDown: r = std::min(lastRow, r + visibleRows()); break;
    case Qt::Key_Home: c = std::min(1, lastCol); break;
    case Qt::Key_End: c = lastCol; break;
    default: e->ignore(); return;
    }
    if (lastRow < 1 || lastCol < 1) return;
    userSelect(r, c, extend);
    if (r < topRow_) setTopRow(r);
    else if (r >= topRow_ + visibleRows()) setTopRow(std::max(1, r - visibleRows() + 1));
    e->accept();
}

bool FlexGrid::eventFilter(QObject* o, QEvent* e)
{
    const bool onFixed = o == corner_ || o == horizontalHeader()->viewport() || o == verticalHeader()->viewport();
    if (!onFixed) return QTableView::eventFilter(o, e);
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease
        && e->type() != QEvent::MouseButtonDblClick)
        return QTableView::eventFilter(o, e);
    auto* m = static_cast<QMouseEvent*>(e);
    if (!isEnabled()) return true;
    if (e->type() == QEvent::MouseButtonPress) {
        // Fixed cells take the mouse but do not move the selection.
        const QPoint p = static_cast<QWidget*>(o)->mapTo(this, m->position().toPoint());
        const int button = m->button() == Qt::LeftButton ? 1 : m->button() == Qt::RightButton ? 2
                         : m->button() == Qt::MiddleButton ? 4 : 0;
        setFocus(Qt::MouseFocusReason);
        if (MouseDown) {
            const int shift = vk::shiftState(m->modifiers());
            fire([&] { MouseDown(button, shift, twips(p.x()), twips(p.y())); });
        }
    } else if (e->type() == QEvent::MouseButtonRelease && m->button() == Qt::LeftButton) {
        fire(Click);
    }
    return true;
}

void FlexGrid::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    refresh();
}

void FlexGrid::focusOutEvent(QFocusEvent* e)
{
    QTableView::focusOutEvent(e);
    refresh();
}

} // namespace forms

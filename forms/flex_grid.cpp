#include "forms/flex_grid.h"

#include "forms/keys.h"
#include "forms/units.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <utility>

namespace forms {

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
            const FittedText drawn = grid_->drawnCell(r, c);
            opt->font = drawn.font;
            opt->text = drawn.text;
            opt->fontMetrics = QFontMetrics(opt->font, grid_);
            opt->textElideMode = Qt::ElideNone;
        }
    }

    bool helpEvent(QHelpEvent* e, QAbstractItemView* view, const QStyleOptionViewItem& opt,
                   const QModelIndex& index) override
    {
        if (e->type() == QEvent::ToolTip && index.isValid()) {
            const QString tip = grid_->cellToolTip(index.row(), index.column());
            if (!tip.isEmpty()) {
                QToolTip::showText(e->globalPos(), tip, view->viewport(), view->visualRect(index));
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(e, view, opt, index);
    }

private:
    FlexGrid* grid_;
};

// ---- heading row: captions use the whole width of their column ------------

namespace {

class HeadingStyle : public QProxyStyle {
public:
    QRect subElementRect(SubElement e, const QStyleOption* o, const QWidget* w) const override
    {
        QRect r = QProxyStyle::subElementRect(e, o, w);
        if (e == SE_HeaderLabel && o) {
            r.setLeft(o->rect.left());
            r.setRight(o->rect.right());
        }
        return r;
    }
};

[[noreturn]] void outOfRange() { throw FormsError(381, QStringLiteral("Subscript out of range")); }
[[noreturn]] void invalidRow() { throw FormsError(30009, QStringLiteral("Invalid Row value")); }
[[noreturn]] void invalidCol() { throw FormsError(30010, QStringLiteral("Invalid Col value")); }

// One for all grids, built on first use.
QStyle* headingStyle()
{
    static QPointer<HeadingStyle> style;
    if (!style) {
        style = new HeadingStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

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
    horizontalHeader()->setStyle(headingStyle());
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
    if (n < 1) invalidRow();
    model_.resize(n, model_.cols());
    setRowHidden(0, true);
    row_ = std::min(row_, n - 1);
    rowSel_ = std::min(rowSel_, n - 1);
    topRow_ = std::clamp(topRow_, 1, std::max(1, n - 1));
    applySize();
}

void FlexGrid::setCols(int n)
{
    if (n < 1) invalidCol();
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

FittedText FlexGrid::drawnCell(int r, int c) const
{
    return fittedText(font(), model_.cell(r, c), cellTextRoom(c), this);
}

QString FlexGrid::cellToolTip(int r, int c) const
{
    return drawnCell(r, c).reduced ? numberToolTip(font(), model_.cell(r, c)) : QString();
}

void FlexGrid::checkCell(int r, int c) const
{
    if (r < 0 || r >= model_.rows()) outOfRange();
    checkColumn(c);
}

void FlexGrid::checkColumn(int c) const
{
    if (c < 0 || c >= model_.cols()) outOfRange();
}

void FlexGrid::checkRowValue(int r) const
{
    if (r < 0 || r >= model_.rows()) invalidRow();
}

void FlexGrid::checkColValue(int c) const
{
    if (c < 0 || c >= model_.cols()) invalidCol();
}

void FlexGrid::setRow(int r)
{
    checkRowValue(r);
    row_ = r;
    collapseSelection();
}

void FlexGrid::setCol(int c)
{
    checkColValue(c);
    col_ = c;
    collapseSelection();
}

void FlexGrid::collapseSelection()
{
    rowSel_ = row_;
    colSel_ = col_;
    refresh();
}

void FlexGrid::setRowSel(int r)
{
    checkRowValue(r);
    rowSel_ = r;
    refresh();
}

void FlexGrid::setColSel(int c)
{
    checkColValue(c);
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
    checkRowValue(r);
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
        corner_->setAlignment(FlexGridModel::alignmentOf(a, model_.cell(0, 0)));
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
    checkColumn(c);
    colWidthTw_[size_t(c)] = std::max(0.0, tw);
    applySize();
}

double FlexGrid::ColWidth(int c) const
{
    checkColumn(c);
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
    checkColumn(c);
    model_.setColAlignment(c, a);
}

void FlexGrid::setFixedAlignment(int c, int a)
{
    checkColumn(c);
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

int FlexGrid::mouseDown(const QMouseEvent& e, const QPoint& p)
{
    const int button = e.button() == Qt::LeftButton ? 1 : e.button() == Qt::RightButton ? 2
                     : e.button() == Qt::MiddleButton ? 4 : 0;
    setFocus(Qt::MouseFocusReason);
    if (MouseDown) {
        const int shift = vk::shiftState(e.modifiers());
        fire([&] { MouseDown(button, shift, twips(p.x()), twips(p.y())); });
    }
    return button;
}

void FlexGrid::mousePressEvent(QMouseEvent* e)
{
    if (!isEnabled()) return;
    const QPoint p = viewport()->mapTo(this, e->position().toPoint());
    const int button = mouseDown(*e, p);
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
        mouseDown(*m, static_cast<QWidget*>(o)->mapTo(this, m->position().toPoint()));
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

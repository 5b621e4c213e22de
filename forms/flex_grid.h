// FlexGrid: a grid of texts with one fixed (heading) row 0 and one fixed
// column 0, shown by a QTableView. Every cell, fixed ones included, is a
// real cell of the model and reads as "" when never set.
//
// Row/Col is the current cell; (RowSel, ColSel) the far corner of the
// selection. Setting Row or Col collapses the selection onto the current
// cell. SelChange is raised for the user's changes only (mouse, keys).
#pragma once

#include "forms/control.h"
#include "forms/flex_grid_model.h"
#include "forms/units.h"

#include <QTableView>
#include <QString>
#include <functional>
#include <vector>

class QLabel;

namespace forms {

class FlexGrid : public QTableView, public ControlCore {
    Q_OBJECT
public:
    FlexGrid(QWidget* parent, const char* name);

    // Size. Rows and Cols count the fixed row/column; existing texts stay.
    int Rows() const;
    int Cols() const;
    void setRows(int n);
    void setCols(int n);

    // Current cell and selection.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void setRow(int r);          // collapses the selection
    void setCol(int c);          // collapses the selection
    int RowSel() const { return rowSel_; }
    int ColSel() const { return colSel_; }
    void setRowSel(int r);
    void setColSel(int c);

    // First scrollable row shown below the fixed row, always whole: the grid
    // scrolls by whole rows and columns.
    int TopRow() const { return topRow_; }
    void setTopRow(int r);

    // Texts.
    QString Text() const;                       // current cell
    void setText(const QString& t);
    QString TextMatrix(int r, int c) const;     // throws FormsError 381 out of range
    void setTextMatrix(int r, int c, const QString& t);
    // Texts of the selection: TAB between cells, CR between rows, no trailing separator.
    QString Clip() const;
    // Empties every cell (rows, columns, widths and alignments stay).
    void Clear();

    // Widths in twips; 0 hides the column.
    void setColWidth(int c, double twips);
    double ColWidth(int c) const;
    void setRowHeight(double twips);            // every row
    double RowHeight() const { return rowHeightTw_; }

    // Alignment of a column's non-fixed cells / fixed cells:
    // 0-2 left, 3-5 centre, 6-8 right (top, middle, bottom); 9 general.
    void setColAlignment(int c, int a);
    void setFixedAlignment(int c, int a);
    int ColAlignment(int c) const;
    int FixedAlignment(int c) const;

    // 0 never shows the selection, 1 always, 2 only while the grid has the focus.
    void setHighLight(int mode);
    int HighLight() const { return highLight_; }

    // Events.
    std::function<void()> Click;
    std::function<void(int Button, int Shift, double X, double Y)> MouseDown;   // X, Y twips
    std::function<void()> SelChange;

    // A number in a cell is drawn on one line as fittedText gives it for the
    // room for text in its column. Drawn reduced, its whole text is the
    // cell's tool tip.
    int cellTextRoom(int c) const;
    FittedText drawnCell(int r, int c) const;
    QFont cellFont(int r, int c) const { return drawnCell(r, c).font; }
    QString cellToolTip(int r, int c) const;

    // Where cell (r, c) is drawn, in the view's viewport / in widget pixels.
    QRect cellRect(int r, int c) const;
    bool selectionShown() const;
    bool cellSelected(int r, int c) const;
    FlexGridModel& model() { return model_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    friend class FlexGridDelegate;
    // Subscripts out of range throw 381; a Row or Col value out of range 30009 / 30010.
    void checkCell(int r, int c) const;
    void checkColumn(int c) const;
    void checkRowValue(int r) const;
    void checkColValue(int c) const;
    // Takes the focus and raises MouseDown for a press at p (widget pixels); the button's number.
    int mouseDown(const QMouseEvent& e, const QPoint& p);
    void collapseSelection();   // onto the current cell
    void applySize();
    void applyTopRow();
    void startWithWholeCells();
    int maxTopRow() const;
    int visibleRows() const;
    bool cellAt(const QPoint& widgetPos, int& r, int& c) const;
    void userSelect(int r, int c, bool extend);
    void refresh();

    FlexGridModel model_;
    QLabel* corner_ = nullptr;
    int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    int topRow_ = 1;
    int highLight_ = 1;
    double rowHeightTw_ = 240;
    std::vector<double> colWidthTw_;
    bool dragging_ = false;
    bool applyingTop_ = false;
};

} // namespace forms

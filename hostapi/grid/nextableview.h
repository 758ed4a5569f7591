#pragma once

#include "grid/vantroabstractitemview.h"
#include "grid/vantroheaderview.h"

#include <QPointer>

class QMessageBox;

/// Table view of the grid library:
/// - copying: with setAllowCopy(true), Ctrl+C puts the selected cells on the clipboard as
///   tab-separated text, headed by a line of column captions;
/// - frozen columns: setFixedColCount(n) keeps the first n columns in place while the others scroll
///   (an overlay view over the left edge that shares model, selection and delegate);
/// - selectRows(first, last) selects whole rows;
/// - sorting never throws away unsubmitted edits: a header click on a QSqlTableModel with pending
///   changes is refused and the user is told to save or undo first.
///
/// The library's table views derive from it (through OrbTableView or TalCustomTableView).
class NexTableView : public VantroAbstractItemView
{
    Q_OBJECT
public:
    /// An empty grid with VantroHeaderView headers.
    explicit NexTableView(QWidget* parent = nullptr);
    ~NexTableView() override;

    /// Sets the model and hands it to the frozen-column view too.
    void setModel(QAbstractItemModel* model) override;
    /// Sets the selection model and shares it with the frozen-column view.
    void setSelectionModel(QItemSelectionModel* selectionModel) override;

    /// The column header; never null. The library sets its height and switches off moving.
    VantroHeaderView* horizontalHeader() const;
    /// The row header; never null. The library numbers rows with it and switches off moving.
    VantroHeaderView* verticalHeader() const;

    /// Switches Ctrl+C copying on or off (off at first); the library's tables switch it on.
    void setAllowCopy(bool allow) { m_allowCopy = allow; }
    /// Host side: whether Ctrl+C copies.
    bool allowCopy() const { return m_allowCopy; }
    /// Host side: the text Ctrl+C copies: caption line, then one line per selected row; cells
    /// joined by tabs. Empty when nothing is selected.
    QString selectedText() const;
    /// Host side: puts selectedText() on the clipboard; false when copying is off or nothing is
    /// selected.
    bool copySelection();

    /// Keeps the first count columns in place while the others scroll (0: none). The data view
    /// freezes the first column of its tables.
    void setFixedColCount(int count);
    /// Host side: the number of frozen columns.
    int fixedColCount() const { return m_fixedColCount; }
    /// The overlay view that shows the frozen columns; null while no column is frozen. The data
    /// view listens to double clicks on it too.
    QTableView* frozenView() const { return m_frozenView; }

    /// Selects the whole rows first..last (clamped to the model). An invalid range selects nothing.
    /// The library's row operations select the row they inserted or moved.
    void selectRows(int first, int last);

    /// Switches header-click sorting on or off; a click that would drop unsubmitted edits is refused.
    /// The library's row-editing table switches it on.
    void setSortingEnabled(bool enable);
    /// Host side: whether header clicks sort.
    bool isSortingEnabled() const { return m_sortingEnabled; }

    /// Host side: the text shown when a sort is refused.
    static QString sortRefusedText();

signals:
    /// A sort request was refused because it would drop the model's unsubmitted changes.
    void sortRefused(int column);

protected:
    /// Ctrl+C copies when copying is on; other keys as Qt handles them.
    void keyPressEvent(QKeyEvent* event) override;
    /// Keeps the frozen-column view over the left edge.
    void resizeEvent(QResizeEvent* event) override;
    /// Scrolls so that index is visible beside the frozen columns.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    /// Keeps keyboard moves out from under the frozen columns.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    /// Keeps the frozen-column view's geometry in step.
    void updateGeometries() override;
    /// Gives the frozen-column view the same delegate.
    void gridDelegateChanged(VantroDefaultItemDelegate* delegate) override;

    /// True when sorting the model now would lose unsubmitted edits (a QSqlTableModel with
    /// pending changes).
    virtual bool sortWouldLoseEdits() const;

private:
    void doSortIndicatorChanged(int column, Qt::SortOrder order);
    void refuseSort(int column);
    void syncFrozenSortIndicator();
    void setupFrozenView();
    void updateFrozenColumns();
    void updateFrozenGeometry();
    int frozenWidth() const;

    bool m_allowCopy = false;
    bool m_sortingEnabled = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_fixedColCount = 0;
    QTableView* m_frozenView = nullptr;
    QPointer<QMessageBox> m_sortMessage;
};

#pragma once

#include "grid/vantroabstractitemview.h"
#include "grid/vantroheaderview.h"

#include <QPointer>

class QMessageBox;

// Table view of the grid library:
// - copying: with setAllowCopy(true), Ctrl+C puts the selected cells on the clipboard as
//   tab-separated text, headed by a line of column captions;
// - frozen columns: setFixedColCount(n) keeps the first n columns in place while the others scroll
//   (an overlay view over the left edge that shares model, selection and delegate);
// - selectRows(first, last) selects whole rows;
// - sorting never throws away unsubmitted edits: a header click on a QSqlTableModel with pending
//   changes is refused and the user is told to save or undo first.
class NexTableView : public VantroAbstractItemView
{
    Q_OBJECT
public:
    explicit NexTableView(QWidget* parent = nullptr);
    ~NexTableView() override;

    void setModel(QAbstractItemModel* model) override;
    void setSelectionModel(QItemSelectionModel* selectionModel) override;

    VantroHeaderView* horizontalHeader() const;
    VantroHeaderView* verticalHeader() const;

    void setAllowCopy(bool allow) { m_allowCopy = allow; }
    bool allowCopy() const { return m_allowCopy; }
    // The text Ctrl+C copies: caption line, then one line per selected row; cells joined by tabs.
    // Empty when nothing is selected.
    QString selectedText() const;
    // Puts selectedText() on the clipboard; false when copying is off or nothing is selected.
    bool copySelection();

    void setFixedColCount(int count);
    int fixedColCount() const { return m_fixedColCount; }
    // The overlay view that shows the frozen columns; null while no column is frozen.
    QTableView* frozenView() const { return m_frozenView; }

    // Selects the whole rows first..last (clamped to the model). An invalid range selects nothing.
    void selectRows(int first, int last);

    void setSortingEnabled(bool enable);
    bool isSortingEnabled() const { return m_sortingEnabled; }

    // The text shown when a sort is refused.
    static QString sortRefusedText();

signals:
    // A sort request was refused because it would drop the model's unsubmitted changes.
    void sortRefused(int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;
    void gridDelegateChanged(VantroDefaultItemDelegate* delegate) override;

    // True when sorting the model now would lose unsubmitted edits.
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

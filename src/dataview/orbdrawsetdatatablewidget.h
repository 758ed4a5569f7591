#pragma once

#include "orbdrawingwidgets_export.h"

#include "grid/orbmemtableviewwidget.h"

#include <QString>
#include <QVector>

class OrbMemTableConfigurator;

// One tab of the drawset data view: a read-only view of one of the drawset's calculated tables,
// known by the table's name and a caption. The has-data flag puts a star into the tab text.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawsetDataTableWidget : public OrbMemTableViewWidget
{
    Q_OBJECT
public:
    explicit OrbDrawsetDataTableWidget(QWidget* parent = nullptr);
    OrbDrawsetDataTableWidget(QWidget* parent, OrbMemTableConfigurator* configurator);
    ~OrbDrawsetDataTableWidget() override;

    QString tableName() const;
    void setTableName(const QString& tableName);
    QString description() const;
    void setDescription(const QString& description);
    bool hasData() const;
    void setHasData(bool hasData);

    // The caption, " ★" when the table has data, a line break and the table name.
    QString tabText() const;
    // Clears the selection and selects the rows of the records whose "ID" is one of ids.
    void selectRowByRecordIDs(const QVector<int>& ids);
    // Sizes every column to its caption and to the values of the rows in view. Rows that come into
    // view later (scrolling, a taller view, the tab shown) widen their columns then, so each value
    // is shown whole without measuring every record of a large table on each fill.
    void fitColumns();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Widens the columns that a value of the rows in view does not fit; with reset, sizes them
    // anew (a new table).
    void fitColumnsToRowsInView(bool reset);

    QString m_tableName;
    QString m_description;
    bool m_hasData = false;
    // A hidden tab is sized when it is shown.
    bool m_fitPending = false;
};

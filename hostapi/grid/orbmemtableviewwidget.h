#pragma once

#include "grid/orbtableview.h"

#include <QSharedPointer>
#include <QStringList>

class LumMemTable;
class OrbMemTableConfigurator;
class OrbMemTableModel;

/// A table view over a LumMemTable. setTable hands it the table (shared); refreshTable chooses the
/// fields shown. The optional configurator is not owned and adjusts the columns after each layout.
/// The data view's table widgets derive from it.
class OrbMemTableViewWidget : public OrbTableView
{
    Q_OBJECT
public:
    /// An empty view; configurator may be null.
    explicit OrbMemTableViewWidget(QWidget* parent = nullptr, OrbMemTableConfigurator* configurator = nullptr);
    ~OrbMemTableViewWidget() override;

    /// The view's model; never null.
    OrbMemTableModel* model() const { return m_model; }
    /// Host side: the configurator given at construction, or null.
    OrbMemTableConfigurator* configurator() const { return m_configurator; }

    /// Shows table (shared, null for none) with the fields refreshTable chose last (all at first).
    void setTable(QSharedPointer<LumMemTable> table);
    /// The table shown, or null.
    QSharedPointer<LumMemTable> table() const;
    /// Shows exactly these fields of the current table, in this order (none for an empty list).
    void refreshTable(const QStringList& fieldNames);

private:
    void layoutColumns();

    OrbMemTableModel* m_model;
    OrbMemTableConfigurator* m_configurator;
};

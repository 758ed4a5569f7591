#pragma once

#include "grid/orbtableview.h"

#include <QSharedPointer>
#include <QStringList>

class LumMemTable;
class OrbMemTableConfigurator;
class OrbMemTableModel;

// A table view over a LumMemTable. setTable hands it the table (shared); refreshTable chooses the
// fields shown. The optional configurator is not owned and adjusts the columns after each layout.
class OrbMemTableViewWidget : public OrbTableView
{
    Q_OBJECT
public:
    explicit OrbMemTableViewWidget(QWidget* parent = nullptr, OrbMemTableConfigurator* configurator = nullptr);
    ~OrbMemTableViewWidget() override;

    OrbMemTableModel* model() const { return m_model; }
    OrbMemTableConfigurator* configurator() const { return m_configurator; }

    // Shows table (shared, null for none) with the fields refreshTable chose last (all at first).
    void setTable(QSharedPointer<LumMemTable> table);
    QSharedPointer<LumMemTable> table() const;
    // Shows exactly these fields of the current table, in this order (none for an empty list).
    void refreshTable(const QStringList& fieldNames);

private:
    void layoutColumns();

    OrbMemTableModel* m_model;
    OrbMemTableConfigurator* m_configurator;
};

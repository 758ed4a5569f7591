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

private:
    QString m_tableName;
    QString m_description;
    bool m_hasData = false;
};

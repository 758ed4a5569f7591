#pragma once

#include "drawingdata/iorbdrawsettype.h"

#include <QString>

class OrbSqlConnection;

// A drawset type row of a drawing file. A removed type stays alive (widgets may still hold it)
// but ignores writes.
class OrbSqlDrawsetType : public IOrbDrawsetType
{
public:
    OrbSqlDrawsetType(OrbSqlConnection* connection, qint64 id, int elementType, const QString& name, int orderNum);

    void beginUpdate() override;
    void endUpdate() override;
    int elementType() override { return m_elementType; }
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override;
    int orderNum() override { return m_orderNum; }
    void setOrderNum(int value) override;

    qint64 rowId() const { return m_id; }
    const QString& nameText() const { return m_name; }
    bool isRemoved() const { return m_removed; }
    void setRemoved(bool removed) { m_removed = removed; }
    // Takes the values another writer stored.
    void reload(const QString& name, int orderNum);

private:
    OrbSqlConnection* m_connection;
    qint64 m_id;
    int m_elementType;
    QString m_name;
    int m_orderNum;
    bool m_removed = false;
};

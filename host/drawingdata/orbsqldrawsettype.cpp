#include "drawingdata/orbsqldrawsettype.h"

#include "drawingdata/orbsqlconnection.h"

OrbSqlDrawsetType::OrbSqlDrawsetType(OrbSqlConnection* connection, qint64 id, int elementType, const QString& name,
                                     int orderNum)
    : m_connection(connection), m_id(id), m_elementType(elementType), m_name(name), m_orderNum(orderNum)
{
}

void OrbSqlDrawsetType::beginUpdate()
{
    m_connection->beginUpdate();
}

void OrbSqlDrawsetType::endUpdate()
{
    m_connection->endUpdate();
}

void OrbSqlDrawsetType::setName(const QString& value)
{
    if (!m_removed
        && m_connection->store(m_name, value, "rename", QStringLiteral("drawset_type"), "name", m_id))
        m_connection->changed(OrbDrawingChange::Renamed, this);
}

void OrbSqlDrawsetType::setOrderNum(int value)
{
    if (!m_removed
        && m_connection->store(m_orderNum, value, "reorder", QStringLiteral("drawset_type"), "order_num", m_id))
        m_connection->changed(OrbDrawingChange::Reordered, this);
}

void OrbSqlDrawsetType::reload(const QString& name, int orderNum)
{
    m_name = name;
    m_orderNum = orderNum;
}

#include "drawingdata/orbsqldrawset.h"

#include "drawingdata/orbsqlconnection.h"
#include "drawingdata/orbsqldrawsettype.h"

#include <QSqlQuery>

#include <limits>

OrbSqlDrawset::OrbSqlDrawset(OrbSqlConnection* connection, IOrbDrawingFile* file, qint64 id, OrbSqlDrawsetType* type,
                             const QString& name, int orderNum, bool visible, const QString& keyValues)
    : m_connection(connection), m_file(file), m_id(id), m_type(type), m_name(name), m_orderNum(orderNum),
      m_visible(visible), m_keyValuesText(keyValues)
{
}

OrbKeyValueList* OrbSqlDrawset::keyValues()
{
    if (!m_keyValuesParsed) {
        m_keyValuesParsed = true;
        m_keyValues.loadFromString(m_keyValuesText, QLatin1Char(';'));
        m_keyValuesText.clear();
    }
    return &m_keyValues;
}

void OrbSqlDrawset::beginUpdate()
{
    m_connection->beginUpdate();
}

void OrbSqlDrawset::endUpdate()
{
    m_connection->endUpdate();
}

int OrbSqlDrawset::id()
{
    return m_id >= std::numeric_limits<int>::min() && m_id <= std::numeric_limits<int>::max() ? int(m_id) : -1;
}

IOrbDrawsetType* OrbSqlDrawset::drawsetType()
{
    return m_type;
}

void OrbSqlDrawset::setOrderNum(int value)
{
    if (!m_removed
        && m_connection->store(m_orderNum, value, "reorder", QStringLiteral("drawset"), "order_num", m_id))
        m_connection->changed(OrbDrawingChange::Reordered, m_type, this);
}

void OrbSqlDrawset::setName(const QString& value)
{
    if (!m_removed
        && m_connection->store(m_name, value, "rename", QStringLiteral("drawset"), "name", m_id))
        m_connection->changed(OrbDrawingChange::Renamed, m_type, this);
}

void OrbSqlDrawset::reload(const QString& name, int orderNum, bool visible, const QString& keyValues)
{
    m_name = name;
    m_orderNum = orderNum;
    m_visible = visible;
    // A list already handed out is updated in place.
    if (m_keyValuesParsed)
        m_keyValues.loadFromString(keyValues, QLatin1Char(';'));
    else
        m_keyValuesText = keyValues;
    m_drawingLoaded = false;
    m_drawing.clear();
}

const QByteArray& OrbSqlDrawset::vectorDrawingData()
{
    if (m_drawingLoaded || m_removed)
        return m_drawing;
    m_drawingLoaded = true;
    m_connection->selectById(QStringLiteral("SELECT data FROM drawset_drawing WHERE drawset_id = ?"), m_id,
                             [this](const QSqlQuery& row) { m_drawing = row.value(0).toByteArray(); });
    return m_drawing;
}

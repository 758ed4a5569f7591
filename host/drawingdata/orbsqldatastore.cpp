#include "drawingdata/orbsqldatastore.h"

#include "drawingdata/orbdatafaults.h"
#include "drawingdata/orbsqlconnection.h"
#include "drawingdata/orbsqldrawset.h"
#include "drawingdata/orbsqldrawsets.h"
#include "drawingdata/orbsqldrawsettype.h"
#include "drawingdata/orbsqldrawsettypes.h"

OrbSqlDataStore::OrbSqlDataStore(OrbSqlConnection* connection, OrbSqlDrawsetTypes* types, OrbSqlDrawsets* drawsets)
    : m_connection(connection), m_types(types), m_drawsets(drawsets)
{
}

void OrbSqlDataStore::forget()
{
    m_connection = nullptr;
    m_types = nullptr;
    m_drawsets = nullptr;
}

void OrbSqlDataStore::filePath(QString& out)
{
    out = m_connection ? m_connection->path() : QString();
}

void OrbSqlDataStore::beginUpdate()
{
    if (m_connection)
        m_connection->beginUpdate();
}

bool OrbSqlDataStore::endUpdate()
{
    return m_connection && m_connection->endUpdate();
}

bool OrbSqlDataStore::removeDrawsetType(IOrbDrawsetType* type)
{
    if (!m_connection || !m_connection->isEditable() || orbdatafaults::takeRemovalFault())
        return false;
    OrbSqlDrawsetType* t = m_types->match(type);
    int rows = 0;
    if (!t || !m_connection->write(QStringLiteral("DELETE FROM drawset_type WHERE id = ?"), {t->rowId()}, &rows)
        || rows != 1)
        return false;
    const QList<OrbSqlDrawset*> children = m_drawsets->ofType(t);
    for (OrbSqlDrawset* s : children)
        m_drawsets->detach(s);
    const int index = m_types->detach(t);
    m_connection->remember([types = m_types, drawsets = m_drawsets, t, index, children] {
        types->attach(t, index);
        for (OrbSqlDrawset* s : children)
            drawsets->attach(s);
    });
    m_connection->changed(OrbDrawingChange::Removed, t);
    return true;
}

bool OrbSqlDataStore::removeDrawset(IOrbDrawset* drawset)
{
    if (!m_connection || !m_connection->isEditable() || orbdatafaults::takeRemovalFault())
        return false;
    OrbSqlDrawset* s = m_drawsets->match(drawset, *m_types);
    int rows = 0;
    if (!s || !m_connection->write(QStringLiteral("DELETE FROM drawset WHERE id = ?"), {s->rowId()}, &rows) || rows != 1)
        return false;
    m_drawsets->detach(s);
    m_connection->remember([drawsets = m_drawsets, s] { drawsets->attach(s); });
    m_connection->changed(OrbDrawingChange::Removed, s->type(), s);
    return true;
}

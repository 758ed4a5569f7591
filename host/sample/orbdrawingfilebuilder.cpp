#include "sample/orbdrawingfilebuilder.h"

#include "drawingdata/orbdrawingschema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
QVariant nullable(bool has, double value)
{
    return has ? QVariant(value) : QVariant(QVariant::Double);
}

QString notNull(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QVariant::String) : QVariant(value);
}
} // namespace

OrbDrawingFileBuilder::OrbDrawingFileBuilder(const QString& path)
    : m_path(path)
{
}

OrbDrawingFileBuilder::~OrbDrawingFileBuilder()
{
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (m_open && db.isOpen())
            db.rollback();
    }
    orbschema::closeConnection(m_connection);
}

bool OrbDrawingFileBuilder::exec(const QString& sql, const QVariantList& values, QVariant* lastId)
{
    if (!m_open) {
        m_error = QStringLiteral("drawing file not started");
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(sql)) {
        m_error = query.lastError().text();
        return false;
    }
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec()) {
        m_error = query.lastError().text();
        return false;
    }
    if (lastId)
        *lastId = query.lastInsertId();
    return true;
}

bool OrbDrawingFileBuilder::create(const QList<int>& elementTypes, int orderNum)
{
    if (!m_connection.isEmpty()) {
        m_error = QStringLiteral("drawing file already started");
        return false;
    }
    if (QFile::exists(m_path) && !QFile::remove(m_path)) {
        m_error = QStringLiteral("cannot replace %1").arg(m_path);
        return false;
    }
    QSqlDatabase db = orbschema::openConnection(m_path, false, &m_error);
    m_connection = db.connectionName();
    if (!db.isOpen())
        return false;
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    if (!db.transaction()) {
        m_error = db.lastError().text();
        return false;
    }
    m_open = true;
    for (const QString& statement : orbschema::createStatements()) {
        if (!exec(statement, {}))
            return false;
    }
    return setMeta(QStringLiteral("format"), QLatin1String(orbschema::kFormat))
           && setMeta(QStringLiteral("schema_version"), QString::number(orbschema::kVersion))
           && setMeta(QStringLiteral("read_only"), QStringLiteral("0"))
           && setMeta(QStringLiteral("order_num"), QString::number(orderNum))
           && setMeta(QStringLiteral("element_types"), orbschema::formatElementTypes(elementTypes));
}

bool OrbDrawingFileBuilder::setMeta(const QString& key, const QString& value)
{
    return exec(QStringLiteral("INSERT OR REPLACE INTO orb_meta(key, value) VALUES(?, ?)"), {key, value});
}

qint64 OrbDrawingFileBuilder::addType(int elementType, const QString& name, int orderNum)
{
    QVariant id;
    if (!exec(QStringLiteral("INSERT INTO drawset_type(element_type, name, order_num) VALUES(?, ?, ?)"),
              {elementType, notNull(name), orderNum}, &id))
        return -1;
    return id.toLongLong();
}

qint64 OrbDrawingFileBuilder::addDrawset(qint64 typeId, const OrbDrawsetDef& d)
{
    QVariant idValue;
    const QVariant wantedId = d.id > 0 ? QVariant(d.id) : QVariant(QVariant::LongLong);
    if (!exec(QStringLiteral("INSERT INTO drawset(id, type_id, name, order_num, visible, key_values) "
                             "VALUES(?, ?, ?, ?, ?, ?)"),
              {wantedId, typeId, notNull(d.name), d.orderNum, d.visible ? 1 : 0, notNull(d.keyValues)}, &idValue))
        return -1;
    const qint64 id = idValue.toLongLong();
    if (!d.drawing.isEmpty()
        && !exec(QStringLiteral("INSERT INTO drawset_drawing(drawset_id, data) VALUES(?, ?)"), {id, d.drawing}))
        return -1;
    int seq = 0;
    for (const OrbParamDef& p : d.params) {
        if (!exec(QStringLiteral(
                      "INSERT INTO drawset_param(drawset_id, seq, code, name, info_code, info_name, category, "
                      "data_type, decimals, vd_id, read_only, default_excluded, drawing_info, min_value, "
                      "max_value, formula, default_value, unit, bar_length, bar_span) "
                      "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {id, seq++, notNull(p.code), p.name, text(p.infoCode), text(p.infoName), int(p.category),
                   int(p.dataType), p.decimals, p.vdId, p.readOnly ? 1 : 0, p.defaultExcluded ? 1 : 0,
                   p.drawingInfo ? 1 : 0, nullable(p.hasMin, p.minValue), nullable(p.hasMax, p.maxValue),
                   text(p.formula), text(p.defaultValue), text(p.unit), text(p.barLength), text(p.barSpan)}))
            return -1;
    }
    seq = 0;
    for (const OrbFilterTableDef& f : d.filterTables) {
        QStringList rows;
        for (const QStringList& row : f.rows)
            rows.append(row.join(QLatin1Char(',')));
        if (!exec(QStringLiteral("INSERT INTO filter_table(drawset_id, seq, name, caption, columns, rows) "
                                 "VALUES(?, ?, ?, ?, ?, ?)"),
                  {id, seq++, notNull(f.name), f.caption, f.columns.join(QLatin1Char(',')), rows.join(QLatin1Char('\n'))}))
            return -1;
    }
    for (const OrbCodeDef& c : d.codes) {
        if (!exec(QStringLiteral("INSERT INTO code_catalog(drawset_id, code, alias, display_name) VALUES(?, ?, ?, ?)"),
                  {id, notNull(c.code), c.alias, c.displayName}))
            return -1;
    }
    for (const OrbFieldDef& f : d.fields) {
        if (!exec(QStringLiteral("INSERT INTO field_catalog(drawset_id, field_name, display_name) VALUES(?, ?, ?)"),
                  {id, notNull(f.fieldName), f.displayName}))
            return -1;
    }
    return id;
}

bool OrbDrawingFileBuilder::commit()
{
    if (!m_open) {
        m_error = QStringLiteral("drawing file not started");
        return false;
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        ok = db.commit();
        if (!ok) {
            m_error = db.lastError().text();
            db.rollback();
        }
    }
    m_open = false;
    orbschema::closeConnection(m_connection);
    m_connection.clear();
    return ok;
}

bool OrbDrawingFileBuilder::setReadOnlyMark(const QString& path, bool readOnly)
{
    return orbschema::setReadOnlyMark(path, readOnly);
}

#include "drawingdata/orbsqldrawingfile.h"

#include "drawingdata/orbsqlcodecatalog.h"
#include "drawingdata/orbsqlconnection.h"
#include "drawingdata/orbsqldatastore.h"
#include "drawingdata/orbsqldrawset.h"
#include "drawingdata/orbsqldrawsets.h"
#include "drawingdata/orbsqldrawsettype.h"
#include "drawingdata/orbsqldrawsettypes.h"
#include "drawingdata/orbsqlfieldcatalog.h"
#include "drawingdata/orbserverlibrary.h"
#include "orbdrawingschema.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>

#include <limits>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// Files up to this size get a full structural check before their first write (at open it cost a
// library of fifty files most of its opening time); damage surfaces anyway when the damaged part
// is read, and in larger files only then.
constexpr qint64 kQuickCheckLimit = 8 * 1024 * 1024;

// Longest texts a file may hold; a file past them is refused rather than read (a name is shown
// in trees and captions, key/value texts and formulas are parsed).
constexpr int kMaxNameLength = 1000;
constexpr int kMaxKeyValuesLength = 4 * 1024 * 1024;
constexpr int kMaxParamTextLength = 64 * 1024;
constexpr int kMaxFilterTableLength = 4 * 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("OrbDrawingWidgets", text);
}

QString damaged(const QString& path, const QString& reason)
{
    return tr("图集文件已损坏: %1 (%2)").arg(path, reason);
}

QString tooLong(const QString& path, const char* what, qint64 id, int limit)
{
    return damaged(path, tr("%1 %2 的文字超过 %3 个字符").arg(tr(what)).arg(id).arg(limit));
}
} // namespace

OrbSqlDrawingFile::~OrbSqlDrawingFile()
{
    if (m_connection)
        openFiles().remove(m_connection->path(), this);
    if (m_store)
        m_store->forget();
}

QMultiHash<QString, OrbSqlDrawingFile*>& OrbSqlDrawingFile::openFiles()
{
    static QMultiHash<QString, OrbSqlDrawingFile*> files;
    return files;
}

void OrbSqlDrawingFile::addObserver(IOrbDrawingFileObserver* observer)
{
    m_notifier.addObserver(observer);
}

void OrbSqlDrawingFile::removeObserver(IOrbDrawingFileObserver* observer)
{
    m_notifier.removeObserver(observer);
}

void OrbSqlDrawingFile::changed(const OrbDrawingChange& change)
{
    m_notifier.record(change.kind, change.type, change.drawset);
    if (!m_connection->inUpdate())
        publish();
}

void OrbSqlDrawingFile::publish()
{
    const QList<OrbDrawingChange> changes = m_notifier.flush();
    if (changes.isEmpty())
        return;
    QList<QPair<qint64, qint64>> ids;
    QList<OrbDrawingChange::Kind> kinds;
    for (const OrbDrawingChange& c : changes) {
        kinds.append(c.kind);
        ids.append({static_cast<OrbSqlDrawsetType*>(c.type)->rowId(),
                    c.drawset ? static_cast<OrbSqlDrawset*>(c.drawset)->rowId() : 0});
    }
    if (m_connection->isServer()) {
        announce(kinds, ids);
        return;
    }
    const QString& path = m_connection->path();
    const QList<OrbSqlDrawingFile*> others = openFiles().values(path);
    for (OrbSqlDrawingFile* other : others) {
        if (other != this && openFiles().contains(path, other))
            other->readBack(kinds, ids);
    }
}

void OrbSqlDrawingFile::announce(const QList<OrbDrawingChange::Kind>& kinds, const QList<QPair<qint64, qint64>>& ids)
{
    // A payload stays below the server's limit of 8000 bytes; a larger batch goes in several.
    const QString head = QString::number(m_connection->fileId());
    QString payload = head;
    for (int i = 0; i < ids.size(); ++i) {
        const QString item = QStringLiteral(";%1,%2,%3").arg(int(kinds.at(i))).arg(ids.at(i).first).arg(ids.at(i).second);
        if (payload.size() + item.size() > 7900) {
            m_connection->write(QStringLiteral("SELECT pg_notify(?, ?)"), {m_channel, payload});
            payload = head;
        }
        payload += item;
    }
    m_connection->write(QStringLiteral("SELECT pg_notify(?, ?)"), {m_channel, payload});
}

void OrbSqlDrawingFile::received(const QString& payload)
{
    const QVector<QStringRef> parts = payload.splitRef(QLatin1Char(';'));
    if (parts.first().toLongLong() != m_connection->fileId())
        return;
    QList<OrbDrawingChange::Kind> kinds;
    QList<QPair<qint64, qint64>> ids;
    for (int i = 1; i < parts.size(); ++i) {
        const QVector<QStringRef> f = parts.at(i).split(QLatin1Char(','));
        bool kindOk = false, typeOk = false, drawsetOk = false;
        const int kind = f.size() == 3 ? f.at(0).toInt(&kindOk) : -1;
        const qint64 type = f.size() == 3 ? f.at(1).toLongLong(&typeOk) : 0;
        const qint64 drawset = f.size() == 3 ? f.at(2).toLongLong(&drawsetOk) : 0;
        if (!kindOk || !typeOk || !drawsetOk || kind < OrbDrawingChange::Added || kind > OrbDrawingChange::Reordered)
            continue;
        kinds.append(OrbDrawingChange::Kind(kind));
        ids.append({type, drawset});
    }
    if (!ids.isEmpty())
        readBack(kinds, ids);
}

void OrbSqlDrawingFile::conflict(const QString& table, qint64 id)
{
    const bool isType = table == QLatin1String("drawset_type");
    OrbSqlDrawsetType* t = isType ? m_types->findAny(id) : nullptr;
    OrbSqlDrawset* s = isType ? nullptr : m_drawsets->findAny(id);
    if (!t && !s)
        return;
    const QString known = t ? t->nameText() : s->nameText();
    const int knownOrder = t ? t->orderNum() : s->orderNum();
    bool found = false;
    QString name;
    int order = 0;
    m_connection->selectById(QStringLiteral("SELECT name, order_num FROM %1 WHERE id = ?").arg(table), id,
                             [&](const QSqlQuery& row) {
                                 found = true;
                                 name = row.value(0).toString();
                                 order = row.value(1).toInt();
                             });
    QString what;
    if (!found)
        what = tr("已被其他用户删除");
    else if (name != known)
        what = tr("已被其他用户改名为“%1”").arg(name);
    else if (order != knownOrder)
        what = tr("的顺序已被其他用户改变");
    else
        what = tr("已被其他用户修改");
    m_lastError = tr("保存被拒绝: %1“%2”%3,请在刷新后重试").arg(isType ? tr("图集类型") : tr("图集"), known, what);
    qWarning().noquote() << "drawing file" << m_connection->path() << ":" << m_lastError;
    m_conflictKinds.append(found ? OrbDrawingChange::Renamed : OrbDrawingChange::Removed);
    m_conflictIds.append({t ? t->rowId() : s->type()->rowId(), t ? 0 : id});
    if (!m_connection->inUpdate())
        readBackConflicts();
}

void OrbSqlDrawingFile::readBackConflicts()
{
    const QList<OrbDrawingChange::Kind> kinds = m_conflictKinds;
    const QList<QPair<qint64, qint64>> ids = m_conflictIds;
    m_conflictKinds.clear();
    m_conflictIds.clear();
    if (!ids.isEmpty())
        readBack(kinds, ids);
}

void OrbSqlDrawingFile::readBack(const QList<OrbDrawingChange::Kind>& kinds, const QList<QPair<qint64, qint64>>& ids)
{
    // Not through record(): this file's own open batch keeps its pending changes.
    QList<OrbDrawingChange> changes;
    for (int i = 0; i < ids.size(); ++i) {
        const qint64 drawsetId = ids.at(i).second;
        OrbDrawingChange change;
        change.kind = kinds.at(i);
        change.drawset = drawsetId ? readBackDrawset(drawsetId) : nullptr;
        change.type = change.drawset ? change.drawset->drawsetType()
                                     : (drawsetId ? nullptr : readBackType(ids.at(i).first));
        if (change.type && !changes.contains(change))
            changes.append(change);
    }
    m_notifier.deliver(changes);
}

OrbSqlDrawsetType* OrbSqlDrawingFile::readBackType(qint64 id)
{
    OrbSqlDrawsetType* t = m_types->findAny(id);
    bool found = false;
    int elementType = 0;
    QString name;
    int order = 0;
    qint64 version = 0;
    // A server library holds many files: only this file's types are taken.
    const QString ofFile = m_connection->isServer()
        ? QStringLiteral(" AND file_id = %1").arg(m_connection->fileId()) : QString();
    if (!m_connection->selectById(QStringLiteral("SELECT element_type, name, order_num, %1 FROM drawset_type WHERE id = ?%2")
                                      .arg(m_connection->versionColumn(), ofFile),
                                  id, [&](const QSqlQuery& row) {
                                      found = true;
                                      elementType = row.value(0).toInt();
                                      name = row.value(1).toString();
                                      order = row.value(2).toInt();
                                      version = row.value(3).toLongLong();
                                  }))
        return t;
    if (found)
        m_connection->setVersion(QStringLiteral("drawset_type"), id, version);
    if (!found) {
        if (t && !t->isRemoved()) {
            for (OrbSqlDrawset* s : m_drawsets->ofType(t))
                m_drawsets->detach(s);
            m_types->detach(t);
        }
        return t;
    }
    if (!t) {
        m_types->add(std::make_unique<OrbSqlDrawsetType>(m_connection.get(), id, elementType, name, order));
        return m_types->findAny(id);
    }
    t->reload(name, order);
    if (t->isRemoved())
        m_types->attach(t, std::numeric_limits<int>::max());
    return t;
}

OrbSqlDrawset* OrbSqlDrawingFile::readBackDrawset(qint64 id)
{
    OrbSqlDrawset* s = m_drawsets->findAny(id);
    bool found = false;
    qint64 typeId = 0;
    QString name, keyValues;
    int order = 0;
    bool visible = true;
    qint64 version = 0;
    if (!m_connection->selectById(
            QStringLiteral("SELECT type_id, name, order_num, visible, key_values, %1 FROM drawset WHERE id = ?")
                .arg(m_connection->versionColumn()),
            id,
            [&](const QSqlQuery& row) {
                found = true;
                typeId = row.value(0).toLongLong();
                name = row.value(1).toString();
                order = row.value(2).toInt();
                visible = row.value(3).toInt() != 0;
                keyValues = row.value(4).toString();
                version = row.value(5).toLongLong();
            }))
        return s;
    if (found)
        m_connection->setVersion(QStringLiteral("drawset"), id, version);
    if (!found) {
        if (s && !s->isRemoved())
            m_drawsets->detach(s);
        return s;
    }
    OrbSqlDrawsetType* t = m_types->find(typeId);
    if (!t)
        t = readBackType(typeId);
    if (!t || t->isRemoved())
        return s;
    if (!s) {
        m_drawsets->add(
            std::make_unique<OrbSqlDrawset>(m_connection.get(), this, id, t, name, order, visible, keyValues));
        return m_drawsets->find(id);
    }
    if (s->type() != t) {
        if (!s->isRemoved())
            m_drawsets->detach(s);
        s->setType(t);
    }
    s->reload(name, order, visible, keyValues);
    if (s->isRemoved())
        m_drawsets->attach(s);
    return s;
}

bool OrbSqlDrawingFile::load(QString* error)
{
    const QString& path = m_connection->path();
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    QSqlQuery query(m_connection->database());
    query.setForwardOnly(true);
    // A local file is the whole database; a server file the rows of its id.
    const bool server = m_connection->isServer();
    auto run = [&query, server, this](const QString& local, const QString& onServer) {
        if (!query.prepare(server ? onServer : local))
            return false;
        if (server)
            query.addBindValue(m_connection->fileId());
        return query.exec();
    };

    if (!server) {
        bool notDrawingFile = false;
        const QString schemaError = orbschema::checkSchema(m_connection->database(), &notDrawingFile);
        if (notDrawingFile)
            return fail(tr("不是图集文件: %1").arg(path));
        if (!schemaError.isEmpty())
            return fail(damaged(path, schemaError));
    }

    QHash<QString, QString> meta;
    if (!run(QStringLiteral("SELECT key, value FROM orb_meta"),
             QStringLiteral("SELECT key, value FROM orb_meta WHERE file_id = ?")))
        return fail(damaged(path, query.lastError().text()));
    while (query.next())
        meta.insert(query.value(0).toString(), query.value(1).toString());
    if (meta.value(QStringLiteral("format")) != QLatin1String(orbschema::kFormat))
        return fail(tr("不是图集文件: %1").arg(path));
    bool versionOk = false;
    const int version = meta.value(QStringLiteral("schema_version")).toInt(&versionOk);
    if (!versionOk || version < 1)
        return fail(damaged(path, tr("版本号无效")));
    if (version > orbschema::kVersion)
        return fail(tr("图集文件版本 %1 高于本程序支持的版本 %2: %3").arg(version).arg(orbschema::kVersion).arg(path));

    if (!server && QFileInfo(path).size() <= kQuickCheckLimit) {
        m_connection->checkBeforeFirstWrite([](QSqlDatabase& db) {
            QSqlQuery check(db);
            return check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
                && check.value(0).toString() == QLatin1String("ok");
        });
    }

    if (meta.value(QStringLiteral("read_only")) == QLatin1String("1"))
        m_connection->setEditable(false);
    m_orderNum = meta.value(QStringLiteral("order_num")).toInt();
    for (int t : orbschema::parseElementTypes(meta.value(QStringLiteral("element_types"))))
        m_elementTypes.insert(t);

    if (!run(QStringLiteral("SELECT id, element_type, name, order_num, 0 FROM drawset_type"),
             QStringLiteral("SELECT id, element_type, name, order_num, row_version FROM drawset_type WHERE file_id = ?")))
        return fail(damaged(path, query.lastError().text()));
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        const QString name = query.value(2).toString();
        if (name.size() > kMaxNameLength)
            return fail(tooLong(path, "图集类型", id, kMaxNameLength));
        if (!m_types->add(std::make_unique<OrbSqlDrawsetType>(m_connection.get(), id, query.value(1).toInt(), name,
                                                              query.value(3).toInt())))
            return fail(damaged(path, tr("图集类型编号 %1 重复").arg(id)));
        m_connection->setVersion(QStringLiteral("drawset_type"), id, query.value(4).toLongLong());
    }
    if (query.lastError().isValid())
        return fail(damaged(path, query.lastError().text()));

    if (!run(QStringLiteral("SELECT id, type_id, name, order_num, visible, key_values, 0 FROM drawset"),
             QStringLiteral("SELECT d.id, d.type_id, d.name, d.order_num, d.visible, d.key_values, d.row_version "
                            "FROM drawset d JOIN drawset_type t ON t.id = d.type_id WHERE t.file_id = ?")))
        return fail(damaged(path, query.lastError().text()));
    while (query.next()) {
        OrbSqlDrawsetType* t = m_types->find(query.value(1).toLongLong());
        if (!t)
            continue; // an orphan row: not shown
        const qint64 id = query.value(0).toLongLong();
        const QString name = query.value(2).toString();
        const QString keyValues = query.value(5).toString();
        if (name.size() > kMaxNameLength)
            return fail(tooLong(path, "图集", id, kMaxNameLength));
        if (keyValues.size() > kMaxKeyValuesLength)
            return fail(tooLong(path, "图集", id, kMaxKeyValuesLength));
        if (!m_drawsets->add(std::make_unique<OrbSqlDrawset>(m_connection.get(), this, id, t, name,
                                                             query.value(3).toInt(), query.value(4).toInt() != 0,
                                                             keyValues)))
            return fail(damaged(path, tr("图集编号 %1 重复").arg(id)));
        m_connection->setVersion(QStringLiteral("drawset"), id, query.value(6).toLongLong());
    }
    if (query.lastError().isValid())
        return fail(damaged(path, query.lastError().text()));

    if (!server && m_connection->isEditable()) {
        // A rollback journal keeps an idle file complete in itself, so it can be copied as is.
        if (query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next()
            && query.value(0).toString().compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
            query.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    }
    return true;
}

QSharedPointer<OrbSqlDrawingFile> OrbSqlDrawingFile::open(const QString& path, OpenMode mode, QString* error)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        if (error)
            *error = tr("图集文件不存在: %1").arg(path);
        return {};
    }
    {
        // Anything but an SQLite database is refused before the driver sees it.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.read(16) != QByteArray("SQLite format 3\0", 16)) {
            if (error)
                *error = tr("不是图集文件: %1").arg(path);
            return {};
        }
    }
    QSharedPointer<OrbSqlDrawingFile> file(new OrbSqlDrawingFile);
    // A file the process may not write is opened read-only (root writes anything, so tests use
    // the read-only mark or OpenMode::ReadOnly instead).
    const bool editable = mode == OpenMode::ReadWrite && info.isWritable();
    QString reason;
    const QString absolute = info.absoluteFilePath();
    file->m_connection.reset(new OrbSqlConnection(absolute, orbschema::openConnection(absolute, !editable, &reason),
                                                  editable));
    if (!file->m_connection->database().isOpen()) {
        if (error)
            *error = tr("无法打开图集文件: %1 (%2)").arg(path, reason);
        return {};
    }
    file->m_name = info.completeBaseName();
    if (!file->setUp(error))
        return {};
    openFiles().insert(absolute, file.data());
    return file;
}

QSharedPointer<OrbSqlDrawingFile> OrbSqlDrawingFile::openOnServer(const OrbServerLibrary& library, const QString& name,
                                                                  OpenMode mode, QString* error)
{
    QSharedPointer<OrbSqlDrawingFile> file(new OrbSqlDrawingFile);
    {
        QSqlDatabase db = library.connect(error);
        qint64 fileId = 0;
        if (db.isOpen()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT id FROM orb_file WHERE name = ?"));
            query.addBindValue(name);
            if (query.exec() && query.next())
                fileId = query.value(0).toLongLong();
            else if (error)
                *error = tr("图库中没有图集文件: %1").arg(name);
        }
        file->m_connection.reset(
            new OrbSqlConnection(library.filePath(name), db, mode == OpenMode::ReadWrite, fileId ? fileId : -1));
        if (!fileId)
            return {};
    }
    file->m_name = name;
    file->m_channel = library.channel();
    OrbSqlDrawingFile* f = file.data();
    QSqlDriver* driver = file->m_connection->database().driver();
    QObject::connect(driver,
                     QOverload<const QString&, QSqlDriver::NotificationSource, const QVariant&>::of(
                         &QSqlDriver::notification),
                     driver, [f](const QString&, QSqlDriver::NotificationSource source, const QVariant& payload) {
                         if (source != QSqlDriver::SelfSource)
                             f->received(payload.toString());
                     });
    auto subscribe = [f](QSqlDatabase& db) {
        return db.driver()->subscribedToNotifications().contains(f->m_channel)
               || db.driver()->subscribeToNotification(f->m_channel);
    };
    file->m_connection->setSessionSetup([library, subscribe](QSqlDatabase& db) {
        return library.setupSession(db) && subscribe(db);
    });
    file->m_connection->setConflictHandler([f](const QString& table, qint64 id) { f->conflict(table, id); });
    if (!subscribe(file->m_connection->database())) {
        if (error)
            *error = tr("无法订阅图库的变更通知: %1").arg(file->m_connection->path());
        return {};
    }
    if (!file->setUp(error))
        return {};
    return file;
}

bool OrbSqlDrawingFile::setUp(QString* error)
{
    m_types.reset(new OrbSqlDrawsetTypes);
    m_drawsets.reset(new OrbSqlDrawsets);
    if (!load(error))
        return false;
    m_codes.reset(new OrbSqlCodeCatalog(m_connection.get(), m_drawsets.get()));
    m_fields.reset(new OrbSqlFieldCatalog(m_connection.get(), m_drawsets.get()));
    m_store.reset(new OrbSqlDataStore(m_connection.get(), m_types.get(), m_drawsets.get()));
    m_connection->setListeners([this](const OrbDrawingChange& change) { changed(change); },
                               [this](bool committed) {
                                   if (committed) {
                                       publish();
                                   } else {
                                       m_notifier.discard();
                                       readBackConflicts();
                                   }
                               });
    return true;
}

void OrbSqlDrawingFile::fileName(QString& out)
{
    out = m_name;
}

void OrbSqlDrawingFile::elementTypes(QSet<int>& out)
{
    out = m_elementTypes;
}

QSharedPointer<IOrbDataStore> OrbSqlDrawingFile::dataStore()
{
    return m_store;
}

IOrbDrawsetTypes* OrbSqlDrawingFile::drawsetTypes()
{
    return m_types.get();
}

IOrbDrawsets* OrbSqlDrawingFile::drawsets()
{
    return m_drawsets.get();
}

IOrbCodeCatalog* OrbSqlDrawingFile::codeCatalog()
{
    return m_codes.get();
}

IOrbFieldCatalog* OrbSqlDrawingFile::fieldCatalog()
{
    return m_fields.get();
}

bool OrbSqlDrawingFile::isEditable()
{
    return m_connection->isEditable();
}

QString OrbSqlDrawingFile::filePath() const
{
    return m_connection->path();
}

int OrbSqlDrawingFile::orderNum() const
{
    return m_orderNum;
}

IOrbDrawset* OrbSqlDrawingFile::findDrawset(qint64 id) const
{
    return m_drawsets->find(id);
}

bool OrbSqlDrawingFile::inUpdate() const
{
    return m_connection->inUpdate();
}

bool OrbSqlDrawingFile::drawsetDefinition(IOrbDrawset* drawset, OrbDrawsetDef& out, QString* error)
{
    OrbSqlDrawset* s = m_drawsets->own(drawset);
    if (!s)
        return false;
    QString reason;
    if (!readDefinition(s, out, reason)) {
        qWarning().noquote() << reason;
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

bool OrbSqlDrawingFile::readDefinition(OrbSqlDrawset* s, OrbDrawsetDef& out, QString& error)
{
    out = OrbDrawsetDef();
    out.id = s->rowId();
    out.name = s->nameText();
    out.orderNum = s->orderNum();
    out.visible = s->isVisible();
    out.keyValues = s->keyValues()->toString(QLatin1Char(';'));
    const QString& path = m_connection->path();
    if (!readParams(s->rowId(), out.params) || !readFilterTables(s->rowId(), out.filterTables)) {
        error = damaged(path, tr("图集 %1 的参数无法读取").arg(s->rowId()));
        return false;
    }
    for (const OrbParamDef& p : out.params) {
        for (const QString* text : {&p.code, &p.name, &p.infoCode, &p.infoName, &p.formula, &p.defaultValue, &p.unit,
                                    &p.barLength, &p.barSpan}) {
            if (text->size() > kMaxParamTextLength) {
                error = tooLong(path, "参数", p.id, kMaxParamTextLength);
                return false;
            }
        }
    }
    qint64 filterLength = 0;
    for (const OrbFilterTableDef& f : out.filterTables) {
        for (const QStringList& row : f.rows) {
            for (const QString& cell : row)
                filterLength += cell.size() + 1;
        }
    }
    if (filterLength > kMaxFilterTableLength) {
        error = tooLong(path, "图集", s->rowId(), kMaxFilterTableLength);
        return false;
    }
    return true;
}

bool OrbSqlDrawingFile::readParams(qint64 drawsetId, QList<OrbParamDef>& out)
{
    return m_connection->selectById(
        QStringLiteral("SELECT id, code, name, info_code, info_name, category, data_type, decimals, vd_id, read_only, "
                       "default_excluded, drawing_info, min_value, max_value, formula, default_value, unit, bar_length, "
                       "bar_span FROM drawset_param WHERE drawset_id = ? ORDER BY seq, id"),
        drawsetId, [&out](const QSqlQuery& row) {
            OrbParamDef p;
            p.id = row.value(0).toLongLong();
            p.code = row.value(1).toString();
            p.name = row.value(2).toString();
            p.infoCode = row.value(3).toString();
            p.infoName = row.value(4).toString();
            p.category = OrbParamCategory(qBound(0, row.value(5).toInt(), 3));
            p.dataType = OrbParamDataType(qBound(0, row.value(6).toInt(), 2));
            p.decimals = qBound(0, row.value(7).toInt(), 10);
            p.vdId = row.value(8).toInt();
            p.readOnly = row.value(9).toInt() != 0;
            p.defaultExcluded = row.value(10).toInt() != 0;
            p.drawingInfo = row.value(11).toInt() != 0;
            p.hasMin = !row.value(12).isNull();
            p.minValue = row.value(12).toDouble();
            p.hasMax = !row.value(13).isNull();
            p.maxValue = row.value(13).toDouble();
            p.formula = row.value(14).toString();
            p.defaultValue = row.value(15).toString();
            p.unit = row.value(16).toString();
            p.barLength = row.value(17).toString();
            p.barSpan = row.value(18).toString();
            out.append(p);
        });
}

bool OrbSqlDrawingFile::readFilterTables(qint64 drawsetId, QList<OrbFilterTableDef>& out)
{
    return m_connection->selectById(
        QStringLiteral("SELECT name, caption, columns, rows FROM filter_table WHERE drawset_id = ? ORDER BY seq, id"),
        drawsetId, [&out](const QSqlQuery& row) {
            OrbFilterTableDef f;
            f.name = row.value(0).toString();
            f.caption = row.value(1).toString();
            f.columns = row.value(2).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
            const QStringList rows = row.value(3).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (const QString& r : rows)
                f.rows.append(r.split(QLatin1Char(',')));
            out.append(f);
        });
}

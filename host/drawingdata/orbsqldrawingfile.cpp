#include "drawingdata/orbsqldrawingfile.h"

#include "drawingdata/iorbcatalog.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdatafaults.h"
#include "drawingdata/orbdrawingchangenotifier.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "orbdrawingschema.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMultiHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
// Files up to this size get a full structural check when opened; damage in larger files
// surfaces when the damaged part is read.
constexpr qint64 kQuickCheckLimit = 8 * 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("OrbDrawingWidgets", text);
}
} // namespace

class OrbSqlDrawsetType;
class OrbSqlDrawset;

// ---------------------------------------------------------------------------------------------

class OrbSqlDrawsetType : public IOrbDrawsetType
{
public:
    OrbSqlDrawsetType(OrbSqlDrawingFile::Private* file, int id, int elementType, const QString& name, int orderNum)
        : m_file(file), m_id(id), m_elementType(elementType), m_name(name), m_orderNum(orderNum)
    {
    }

    void beginUpdate() override;
    void endUpdate() override;
    int elementType() override { return m_elementType; }
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override;
    int orderNum() override { return m_orderNum; }
    void setOrderNum(int value) override;

    OrbSqlDrawingFile::Private* m_file;
    int m_id;
    int m_elementType;
    QString m_name;
    int m_orderNum;
    bool m_removed = false;
};

class OrbSqlDrawset : public IOrbDrawset
{
public:
    OrbSqlDrawset(OrbSqlDrawingFile::Private* file, int id, OrbSqlDrawsetType* type, const QString& name,
                  int orderNum, bool visible, const QString& keyValues)
        : m_file(file), m_id(id), m_type(type), m_name(name), m_orderNum(orderNum), m_visible(visible)
    {
        m_keyValues.loadFromString(keyValues, QLatin1Char(';'));
    }

    void beginUpdate() override;
    void endUpdate() override;
    IOrbDrawingFile* drawingFile() override;
    int id() override { return m_id; }
    IOrbDrawsetType* drawsetType() override { return m_type; }
    int orderNum() override { return m_orderNum; }
    void setOrderNum(int value) override;
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override;
    OrbKeyValueList* keyValues() override { return &m_keyValues; }
    const QByteArray& vectorDrawingData() override;
    bool isVisible() override { return m_visible; }

    OrbSqlDrawingFile::Private* m_file;
    int m_id;
    OrbSqlDrawsetType* m_type;
    QString m_name;
    int m_orderNum;
    bool m_visible;
    OrbKeyValueList m_keyValues;
    QByteArray m_drawing;
    bool m_drawingLoaded = false;
    bool m_removed = false;
};

class OrbSqlCodeEntry : public IOrbCodeEntry
{
public:
    OrbSqlCodeEntry(const QString& code, const QString& alias, const QString& displayName)
        : m_code(code), m_alias(alias), m_displayName(displayName)
    {
    }
    QString alias() override { return m_alias; }
    QString displayName() override { return m_displayName; }
    QString code() override { return m_code; }

private:
    QString m_code, m_alias, m_displayName;
};

class OrbSqlFieldEntry : public IOrbFieldEntry
{
public:
    OrbSqlFieldEntry(const QString& fieldName, const QString& displayName)
        : m_fieldName(fieldName), m_displayName(displayName)
    {
    }
    QString displayName() override { return m_displayName; }
    QString fieldName() override { return m_fieldName; }

private:
    QString m_fieldName, m_displayName;
};

class OrbSqlDataStore : public IOrbDataStore, public IOrbDataConnection
{
public:
    explicit OrbSqlDataStore(OrbSqlDrawingFile::Private* file) : m_file(file) {}

    IOrbDataConnection* connection() override { return this; }
    void filePath(QString& out) override;
    void beginUpdate() override;
    void endUpdate() override;
    bool removeDrawsetType(IOrbDrawsetType* type) override;
    bool removeDrawset(IOrbDrawset* drawset) override;

    OrbSqlDrawingFile::Private* m_file; // null once the file is gone
};

// ---------------------------------------------------------------------------------------------

struct OrbSqlDrawingFile::Private : public IOrbDrawsetTypes,
                                    public IOrbDrawsets,
                                    public IOrbCodeCatalog,
                                    public IOrbFieldCatalog
{
    OrbSqlDrawingFile* q = nullptr;
    QString path;
    QString name;
    QString connection;
    QSqlDatabase db;
    bool editable = true;
    int orderNum = 0;
    QSet<int> elementTypes;

    std::vector<std::unique_ptr<OrbSqlDrawsetType>> typeStore;
    std::vector<std::unique_ptr<OrbSqlDrawset>> drawsetStore;
    QList<OrbSqlDrawsetType*> types;                         // live types
    QHash<OrbSqlDrawsetType*, QList<OrbSqlDrawset*>> byType; // live drawsets of each live type
    QHash<int, OrbSqlDrawset*> drawsetById;

    std::vector<std::unique_ptr<IOrbCodeEntry>> codeStore;
    std::vector<std::unique_ptr<IOrbFieldEntry>> fieldStore;
    QHash<int, QList<IOrbCodeEntry*>> codesByDrawset;
    QHash<int, QList<IOrbFieldEntry*>> fieldsByDrawset;

    QHash<QString, QSqlQuery*> queries;
    int depth = 0;
    bool batchFailed = false;
    QList<std::function<void()>> undo;
    QSharedPointer<OrbSqlDataStore> store;
    OrbDrawingChangeNotifier notifier{nullptr};

    ~Private() override
    {
        openFiles().remove(path, this);
        if (store)
            store->m_file = nullptr;
        if (depth > 0 && db.isOpen())
            db.rollback(); // an unfinished batch never reaches the disk
        qDeleteAll(queries);
        queries.clear();
        db = QSqlDatabase();
        if (!connection.isEmpty())
            orbschema::closeConnection(connection);
    }

    // IOrbDrawsetTypes
    void getAll(QList<IOrbDrawsetType*>& out, bool) override
    {
        QList<OrbSqlDrawsetType*> sorted = types;
        std::stable_sort(sorted.begin(), sorted.end(), [](OrbSqlDrawsetType* a, OrbSqlDrawsetType* b) {
            return a->m_orderNum != b->m_orderNum ? a->m_orderNum < b->m_orderNum : a->m_id < b->m_id;
        });
        out.clear();
        out.reserve(sorted.size());
        for (OrbSqlDrawsetType* t : sorted)
            out.append(t);
    }

    // IOrbDrawsets
    void getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type) override
    {
        out.clear();
        auto it = byType.find(static_cast<OrbSqlDrawsetType*>(type));
        if (!type || it == byType.end())
            return;
        QList<OrbSqlDrawset*>& list = it.value();
        std::stable_sort(list.begin(), list.end(), [](OrbSqlDrawset* a, OrbSqlDrawset* b) {
            return a->m_orderNum != b->m_orderNum ? a->m_orderNum < b->m_orderNum : a->m_id < b->m_id;
        });
        out.reserve(list.size());
        for (OrbSqlDrawset* s : list)
            out.append(s);
    }

    // IOrbCodeCatalog
    void getByDrawset(QList<IOrbCodeEntry*>& out, IOrbDrawset* drawset) override
    {
        out.clear();
        OrbSqlDrawset* own = ownDrawset(drawset);
        if (!own)
            return;
        auto it = codesByDrawset.find(own->m_id);
        if (it == codesByDrawset.end()) {
            QList<IOrbCodeEntry*> entries;
            if (QSqlQuery* query = prepared(QStringLiteral(
                    "SELECT code, alias, display_name FROM code_catalog WHERE drawset_id = ? ORDER BY id"))) {
                query->bindValue(0, own->m_id);
                if (query->exec()) {
                    while (query->next()) {
                        codeStore.emplace_back(new OrbSqlCodeEntry(query->value(0).toString(),
                                                                   query->value(1).toString(),
                                                                   query->value(2).toString()));
                        entries.append(codeStore.back().get());
                    }
                }
                query->finish();
            }
            it = codesByDrawset.insert(own->m_id, entries);
        }
        out = it.value();
    }

    // IOrbFieldCatalog
    void getByDrawset(QList<IOrbFieldEntry*>& out, IOrbDrawset* drawset) override
    {
        out.clear();
        OrbSqlDrawset* own = ownDrawset(drawset);
        if (!own)
            return;
        auto it = fieldsByDrawset.find(own->m_id);
        if (it == fieldsByDrawset.end()) {
            QList<IOrbFieldEntry*> entries;
            if (QSqlQuery* query = prepared(QStringLiteral(
                    "SELECT field_name, display_name FROM field_catalog WHERE drawset_id = ? ORDER BY id"))) {
                query->bindValue(0, own->m_id);
                if (query->exec()) {
                    while (query->next()) {
                        fieldStore.emplace_back(
                            new OrbSqlFieldEntry(query->value(0).toString(), query->value(1).toString()));
                        entries.append(fieldStore.back().get());
                    }
                }
                query->finish();
            }
            it = fieldsByDrawset.insert(own->m_id, entries);
        }
        out = it.value();
    }

    OrbSqlDrawset* ownDrawset(IOrbDrawset* drawset) const
    {
        if (!drawset)
            return nullptr;
        OrbSqlDrawset* own = drawsetById.value(drawset->id());
        return own == drawset ? own : nullptr;
    }

    QSqlQuery* prepared(const QString& sql)
    {
        auto it = queries.find(sql);
        if (it != queries.end())
            return it.value();
        auto* query = new QSqlQuery(db);
        if (!query->prepare(sql)) {
            qWarning().noquote() << "drawing file" << path << "cannot prepare:" << query->lastError().text();
            delete query;
            return nullptr;
        }
        queries.insert(sql, query);
        return query;
    }

    // Runs one write. A failure inside a batch makes the whole batch roll back at its end.
    bool write(const QString& sql, const QVariantList& values, int* rows = nullptr)
    {
        if (!editable)
            return false;
        QSqlQuery* query = prepared(sql);
        if (!query) {
            batchFailed = depth > 0;
            return false;
        }
        for (int i = 0; i < values.size(); ++i)
            query->bindValue(i, values.at(i));
        if (!query->exec()) {
            qWarning().noquote() << "drawing file" << path << "write failed:" << query->lastError().text();
            batchFailed = depth > 0;
            return false;
        }
        if (rows)
            *rows = query->numRowsAffected();
        query->finish();
        return true;
    }

    void remember(std::function<void()> restore)
    {
        if (depth > 0)
            undo.append(std::move(restore));
    }

    void beginUpdate()
    {
        if (depth++ > 0 || !editable)
            return;
        batchFailed = false;
        undo.clear();
        if (!db.transaction()) {
            qWarning().noquote() << "drawing file" << path << "cannot start a batch:" << db.lastError().text();
            batchFailed = true;
        }
    }

    void endUpdate()
    {
        if (depth <= 0) {
            qWarning().noquote() << "drawing file" << path << "endUpdate without beginUpdate";
            return;
        }
        if (--depth > 0 || !editable)
            return;
        bool ok = !batchFailed;
        if (ok && orbdatafaults::takeCommitFault())
            ok = false;
        if (ok && !db.commit()) {
            qWarning().noquote() << "drawing file" << path << "commit failed:" << db.lastError().text();
            ok = false;
        }
        if (!ok) {
            db.rollback();
            for (int i = undo.size() - 1; i >= 0; --i)
                undo.at(i)();
        }
        undo.clear();
        batchFailed = false;
        if (ok)
            publish();
        else
            notifier.discard();
    }

    void setTypeName(OrbSqlDrawsetType* t, const QString& value)
    {
        if (t->m_removed || t->m_name == value)
            return;
        if (!editable) {
            qWarning().noquote() << "drawing file" << path << "is read-only: rename refused";
            return;
        }
        if (!write(QStringLiteral("UPDATE drawset_type SET name = ? WHERE id = ?"), {value, t->m_id}))
            return;
        remember([t, old = t->m_name] { t->m_name = old; });
        t->m_name = value;
        changed(OrbDrawingChange::Renamed, t);
    }

    void setTypeOrder(OrbSqlDrawsetType* t, int value)
    {
        if (t->m_removed || t->m_orderNum == value)
            return;
        if (!editable) {
            qWarning().noquote() << "drawing file" << path << "is read-only: reorder refused";
            return;
        }
        if (!write(QStringLiteral("UPDATE drawset_type SET order_num = ? WHERE id = ?"), {value, t->m_id}))
            return;
        remember([t, old = t->m_orderNum] { t->m_orderNum = old; });
        t->m_orderNum = value;
        changed(OrbDrawingChange::Reordered, t);
    }

    void setDrawsetName(OrbSqlDrawset* s, const QString& value)
    {
        if (s->m_removed || s->m_name == value)
            return;
        if (!editable) {
            qWarning().noquote() << "drawing file" << path << "is read-only: rename refused";
            return;
        }
        if (!write(QStringLiteral("UPDATE drawset SET name = ? WHERE id = ?"), {value, s->m_id}))
            return;
        remember([s, old = s->m_name] { s->m_name = old; });
        s->m_name = value;
        changed(OrbDrawingChange::Renamed, s->m_type, s);
    }

    void setDrawsetOrder(OrbSqlDrawset* s, int value)
    {
        if (s->m_removed || s->m_orderNum == value)
            return;
        if (!editable) {
            qWarning().noquote() << "drawing file" << path << "is read-only: reorder refused";
            return;
        }
        if (!write(QStringLiteral("UPDATE drawset SET order_num = ? WHERE id = ?"), {value, s->m_id}))
            return;
        remember([s, old = s->m_orderNum] { s->m_orderNum = old; });
        s->m_orderNum = value;
        changed(OrbDrawingChange::Reordered, s->m_type, s);
    }

    const QByteArray& drawing(OrbSqlDrawset* s)
    {
        if (s->m_drawingLoaded || s->m_removed)
            return s->m_drawing;
        s->m_drawingLoaded = true;
        if (QSqlQuery* query = prepared(QStringLiteral("SELECT data FROM drawset_drawing WHERE drawset_id = ?"))) {
            query->bindValue(0, s->m_id);
            if (!query->exec())
                qWarning().noquote() << "drawing file" << path << "cannot read the drawing of drawset" << s->m_id
                                     << ":" << query->lastError().text();
            else if (query->next())
                s->m_drawing = query->value(0).toByteArray();
            query->finish();
        }
        return s->m_drawing;
    }

    // The live type of this file that matches a type of any file by content: the same element
    // type and name; among several, the one with the same id, then the same order number.
    OrbSqlDrawsetType* matchType(IOrbDrawsetType* other)
    {
        if (!other)
            return nullptr;
        auto* own = static_cast<OrbSqlDrawsetType*>(nullptr);
        for (OrbSqlDrawsetType* t : types) {
            if (t == other)
                return t;
        }
        QString otherName;
        other->name(otherName);
        const int otherType = other->elementType();
        const int otherOrder = other->orderNum();
        auto* sqlOther = dynamic_cast<OrbSqlDrawsetType*>(other);
        int best = -1;
        for (OrbSqlDrawsetType* t : types) {
            if (t->m_elementType != otherType || t->m_name != otherName)
                continue;
            const int score = (sqlOther && sqlOther->m_id == t->m_id ? 2 : 0) + (t->m_orderNum == otherOrder ? 1 : 0);
            if (score > best) {
                best = score;
                own = t;
            }
        }
        return own;
    }

    OrbSqlDrawset* matchDrawset(IOrbDrawset* other)
    {
        if (!other)
            return nullptr;
        if (OrbSqlDrawset* own = ownDrawset(other))
            return own;
        OrbSqlDrawsetType* type = matchType(other->drawsetType());
        if (!type)
            return nullptr;
        QString otherName;
        other->name(otherName);
        const int otherId = other->id();
        const int otherOrder = other->orderNum();
        OrbSqlDrawset* found = nullptr;
        int best = -1;
        for (OrbSqlDrawset* s : byType.value(type)) {
            if (s->m_name != otherName)
                continue;
            const int score = (s->m_id == otherId ? 2 : 0) + (s->m_orderNum == otherOrder ? 1 : 0);
            if (score > best) {
                best = score;
                found = s;
            }
        }
        return found;
    }

    bool removeDrawset(IOrbDrawset* other)
    {
        if (!editable || orbdatafaults::takeRemovalFault())
            return false;
        OrbSqlDrawset* s = matchDrawset(other);
        if (!s)
            return false;
        int rows = 0;
        if (!write(QStringLiteral("DELETE FROM drawset WHERE id = ?"), {s->m_id}, &rows) || rows != 1)
            return false;
        detachDrawset(s);
        remember([this, s] { attachDrawset(s); });
        changed(OrbDrawingChange::Removed, s->m_type, s);
        return true;
    }

    bool removeDrawsetType(IOrbDrawsetType* other)
    {
        if (!editable || orbdatafaults::takeRemovalFault())
            return false;
        OrbSqlDrawsetType* t = matchType(other);
        if (!t)
            return false;
        int rows = 0;
        if (!write(QStringLiteral("DELETE FROM drawset_type WHERE id = ?"), {t->m_id}, &rows) || rows != 1)
            return false;
        const QList<OrbSqlDrawset*> children = byType.value(t);
        for (OrbSqlDrawset* s : children)
            detachDrawset(s);
        const int index = types.indexOf(t);
        types.removeAt(index);
        byType.remove(t);
        t->m_removed = true;
        remember([this, t, index, children] {
            t->m_removed = false;
            types.insert(std::min(index, int(types.size())), t);
            byType.insert(t, {});
            for (OrbSqlDrawset* s : children)
                attachDrawset(s);
        });
        changed(OrbDrawingChange::Removed, t);
        return true;
    }

    void detachDrawset(OrbSqlDrawset* s)
    {
        auto it = byType.find(s->m_type);
        if (it != byType.end())
            it.value().removeOne(s);
        drawsetById.remove(s->m_id);
        codesByDrawset.remove(s->m_id);
        fieldsByDrawset.remove(s->m_id);
        s->m_removed = true;
    }

    void attachDrawset(OrbSqlDrawset* s)
    {
        s->m_removed = false;
        byType[s->m_type].append(s);
        drawsetById.insert(s->m_id, s);
    }

    bool load(QString* error);

    // The objects open on each file path in this process: a committed batch of one is read
    // back by the others, so that every view of the file follows it.
    static QMultiHash<QString, Private*>& openFiles()
    {
        static QMultiHash<QString, Private*> files;
        return files;
    }

    void changed(OrbDrawingChange::Kind kind, OrbSqlDrawsetType* type, OrbSqlDrawset* drawset = nullptr)
    {
        notifier.record(kind, type, drawset);
        if (depth == 0)
            publish();
    }

    // Tells this object's observers, then lets the other objects on the same file read back
    // what changed and tell theirs.
    void publish()
    {
        const QList<OrbDrawingChange> changes = notifier.flush();
        if (changes.isEmpty())
            return;
        QList<QPair<qint64, qint64>> ids; // type id, drawset id (0 for a type change)
        QList<OrbDrawingChange::Kind> kinds;
        for (const OrbDrawingChange& c : changes) {
            kinds.append(c.kind);
            ids.append({static_cast<OrbSqlDrawsetType*>(c.type)->m_id,
                        c.drawset ? static_cast<OrbSqlDrawset*>(c.drawset)->m_id : 0});
        }
        const QList<Private*> others = openFiles().values(path);
        for (Private* other : others) {
            if (other != this && openFiles().contains(path, other))
                other->readBack(kinds, ids);
        }
    }

    OrbSqlDrawsetType* typeById(qint64 id) const
    {
        for (const auto& t : typeStore) {
            if (t->m_id == id)
                return t.get();
        }
        return nullptr;
    }

    // Re-reads the rows another writer changed and tells this object's observers, with this
    // object's own types and drawsets.
    void readBack(const QList<OrbDrawingChange::Kind>& kinds, const QList<QPair<qint64, qint64>>& ids)
    {
        // Not through record(): this object's own open batch keeps its pending changes.
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
        notifier.deliver(changes);
    }

    OrbSqlDrawsetType* readBackType(qint64 id)
    {
        OrbSqlDrawsetType* t = typeById(id);
        QSqlQuery* query = prepared(QStringLiteral("SELECT element_type, name, order_num FROM drawset_type WHERE id = ?"));
        if (!query)
            return t;
        query->bindValue(0, id);
        if (!query->exec()) {
            qWarning().noquote() << "drawing file" << path << "cannot read back type" << id << ":" << query->lastError().text();
            return t;
        }
        if (!query->next()) {
            query->finish();
            if (t && !t->m_removed) {
                for (OrbSqlDrawset* s : byType.value(t))
                    detachDrawset(s);
                types.removeAll(t);
                byType.remove(t);
                t->m_removed = true;
            }
            return t;
        }
        if (!t) {
            typeStore.emplace_back(new OrbSqlDrawsetType(this, int(id), query->value(0).toInt(),
                                                         query->value(1).toString(), query->value(2).toInt()));
            t = typeStore.back().get();
            t->m_removed = true;
        } else {
            t->m_name = query->value(1).toString();
            t->m_orderNum = query->value(2).toInt();
        }
        query->finish();
        if (t->m_removed) {
            t->m_removed = false;
            types.append(t);
            byType.insert(t, {});
        }
        return t;
    }

    OrbSqlDrawset* readBackDrawset(qint64 id)
    {
        OrbSqlDrawset* s = nullptr;
        for (const auto& own : drawsetStore) {
            if (own->m_id == id)
                s = own.get();
        }
        QSqlQuery* query = prepared(QStringLiteral(
            "SELECT type_id, name, order_num, visible, key_values FROM drawset WHERE id = ?"));
        if (!query)
            return s;
        query->bindValue(0, id);
        if (!query->exec()) {
            qWarning().noquote() << "drawing file" << path << "cannot read back drawset" << id << ":" << query->lastError().text();
            return s;
        }
        if (!query->next()) {
            query->finish();
            if (s && !s->m_removed)
                detachDrawset(s);
            return s;
        }
        const qint64 typeId = query->value(0).toLongLong();
        const QString name = query->value(1).toString();
        const int order = query->value(2).toInt();
        const bool visible = query->value(3).toInt() != 0;
        const QString keyValues = query->value(4).toString();
        query->finish();
        OrbSqlDrawsetType* t = typeById(typeId);
        if (!t || t->m_removed)
            t = readBackType(typeId);
        if (!t || t->m_removed)
            return s;
        if (!s) {
            drawsetStore.emplace_back(new OrbSqlDrawset(this, int(id), t, name, order, visible, keyValues));
            s = drawsetStore.back().get();
            s->m_removed = true;
        } else {
            if (s->m_type != t && !s->m_removed) {
                detachDrawset(s);
                s->m_type = t;
            }
            s->m_name = name;
            s->m_orderNum = order;
            s->m_visible = visible;
            s->m_keyValues = OrbKeyValueList();
            s->m_keyValues.loadFromString(keyValues, QLatin1Char(';'));
            s->m_drawingLoaded = false;
            s->m_drawing.clear();
        }
        if (s->m_removed)
            attachDrawset(s);
        return s;
    }
};

// ---------------------------------------------------------------------------------------------

void OrbSqlDrawsetType::beginUpdate()
{
    m_file->beginUpdate();
}

void OrbSqlDrawsetType::endUpdate()
{
    m_file->endUpdate();
}

void OrbSqlDrawsetType::setName(const QString& value)
{
    m_file->setTypeName(this, value);
}

void OrbSqlDrawsetType::setOrderNum(int value)
{
    m_file->setTypeOrder(this, value);
}

void OrbSqlDrawset::beginUpdate()
{
    m_file->beginUpdate();
}

void OrbSqlDrawset::endUpdate()
{
    m_file->endUpdate();
}

IOrbDrawingFile* OrbSqlDrawset::drawingFile()
{
    return m_file->q;
}

void OrbSqlDrawset::setOrderNum(int value)
{
    m_file->setDrawsetOrder(this, value);
}

void OrbSqlDrawset::setName(const QString& value)
{
    m_file->setDrawsetName(this, value);
}

const QByteArray& OrbSqlDrawset::vectorDrawingData()
{
    return m_file->drawing(this);
}

void OrbSqlDataStore::filePath(QString& out)
{
    out = m_file ? m_file->path : QString();
}

void OrbSqlDataStore::beginUpdate()
{
    if (m_file)
        m_file->beginUpdate();
}

void OrbSqlDataStore::endUpdate()
{
    if (m_file)
        m_file->endUpdate();
}

bool OrbSqlDataStore::removeDrawsetType(IOrbDrawsetType* type)
{
    return m_file && m_file->removeDrawsetType(type);
}

bool OrbSqlDataStore::removeDrawset(IOrbDrawset* drawset)
{
    return m_file && m_file->removeDrawset(drawset);
}

// ---------------------------------------------------------------------------------------------

bool OrbSqlDrawingFile::Private::load(QString* error)
{
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    QSqlQuery query(db);
    query.setForwardOnly(true);

    QHash<QString, QString> meta;
    if (!query.exec(QStringLiteral("SELECT key, value FROM orb_meta"))) {
        const QString reason = query.lastError().text();
        if (reason.contains(QLatin1String("no such table")))
            return fail(tr("不是图集文件: %1").arg(path));
        return fail(tr("图集文件已损坏: %1 (%2)").arg(path, reason));
    }
    while (query.next())
        meta.insert(query.value(0).toString(), query.value(1).toString());
    if (meta.value(QStringLiteral("format")) != QLatin1String(orbschema::kFormat))
        return fail(tr("不是图集文件: %1").arg(path));
    bool versionOk = false;
    const int version = meta.value(QStringLiteral("schema_version")).toInt(&versionOk);
    if (!versionOk || version < 1)
        return fail(tr("图集文件已损坏: %1 (版本号无效)").arg(path));
    if (version > orbschema::kVersion)
        return fail(tr("图集文件版本 %1 高于本程序支持的版本 %2: %3").arg(version).arg(orbschema::kVersion).arg(path));

    if (QFileInfo(path).size() <= kQuickCheckLimit) {
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()
            || query.value(0).toString() != QLatin1String("ok"))
            return fail(tr("图集文件已损坏: %1").arg(path));
    }

    if (meta.value(QStringLiteral("read_only")) == QLatin1String("1"))
        editable = false;
    orderNum = meta.value(QStringLiteral("order_num")).toInt();
    for (int t : orbschema::parseElementTypes(meta.value(QStringLiteral("element_types"))))
        elementTypes.insert(t);

    if (!query.exec(QStringLiteral("SELECT id, element_type, name, order_num FROM drawset_type")))
        return fail(tr("图集文件已损坏: %1 (%2)").arg(path, query.lastError().text()));
    QHash<int, OrbSqlDrawsetType*> typeById;
    while (query.next()) {
        typeStore.emplace_back(new OrbSqlDrawsetType(this, query.value(0).toInt(), query.value(1).toInt(),
                                                     query.value(2).toString(), query.value(3).toInt()));
        OrbSqlDrawsetType* t = typeStore.back().get();
        types.append(t);
        byType.insert(t, {});
        typeById.insert(t->m_id, t);
    }
    if (query.lastError().isValid())
        return fail(tr("图集文件已损坏: %1 (%2)").arg(path, query.lastError().text()));

    if (!query.exec(QStringLiteral("SELECT id, type_id, name, order_num, visible, key_values FROM drawset")))
        return fail(tr("图集文件已损坏: %1 (%2)").arg(path, query.lastError().text()));
    while (query.next()) {
        OrbSqlDrawsetType* t = typeById.value(query.value(1).toInt());
        if (!t)
            continue; // an orphan row: not shown
        drawsetStore.emplace_back(new OrbSqlDrawset(this, query.value(0).toInt(), t, query.value(2).toString(),
                                                    query.value(3).toInt(), query.value(4).toInt() != 0,
                                                    query.value(5).toString()));
        OrbSqlDrawset* s = drawsetStore.back().get();
        byType[t].append(s);
        drawsetById.insert(s->m_id, s);
    }
    if (query.lastError().isValid())
        return fail(tr("图集文件已损坏: %1 (%2)").arg(path, query.lastError().text()));

    if (editable) {
        // A rollback journal keeps an idle file complete in itself, so it can be copied as is.
        if (query.exec(QStringLiteral("PRAGMA journal_mode")) && query.next()
            && query.value(0).toString().compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
            query.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    }
    return true;
}

OrbSqlDrawingFile::OrbSqlDrawingFile()
    : d(new Private)
{
    d->q = this;
    d->notifier = OrbDrawingChangeNotifier(this);
}

OrbSqlDrawingFile::~OrbSqlDrawingFile() = default;

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
    Private* d = file->d.get();
    d->path = info.absoluteFilePath();
    d->name = info.completeBaseName();
    // A file the process may not write is opened read-only (root writes anything, so tests use
    // the read-only mark or OpenMode::ReadOnly instead).
    d->editable = mode == OpenMode::ReadWrite && info.isWritable();
    QString reason;
    d->db = orbschema::openConnection(d->path, !d->editable, &reason);
    d->connection = d->db.connectionName();
    if (!d->db.isOpen()) {
        if (error)
            *error = tr("无法打开图集文件: %1 (%2)").arg(path, reason);
        return {};
    }
    if (!d->load(error))
        return {};
    d->store.reset(new OrbSqlDataStore(d));
    Private::openFiles().insert(d->path, d);
    return file;
}

void OrbSqlDrawingFile::fileName(QString& out)
{
    out = d->name;
}

void OrbSqlDrawingFile::elementTypes(QSet<int>& out)
{
    out = d->elementTypes;
}

QSharedPointer<IOrbDataStore> OrbSqlDrawingFile::dataStore()
{
    return d->store;
}

IOrbDrawsetTypes* OrbSqlDrawingFile::drawsetTypes()
{
    return d.get();
}

IOrbDrawsets* OrbSqlDrawingFile::drawsets()
{
    return d.get();
}

IOrbCodeCatalog* OrbSqlDrawingFile::codeCatalog()
{
    return d.get();
}

IOrbFieldCatalog* OrbSqlDrawingFile::fieldCatalog()
{
    return d.get();
}

bool OrbSqlDrawingFile::isEditable()
{
    return d->editable;
}

void OrbSqlDrawingFile::addObserver(IOrbDrawingFileObserver* observer)
{
    d->notifier.addObserver(observer);
}

void OrbSqlDrawingFile::removeObserver(IOrbDrawingFileObserver* observer)
{
    d->notifier.removeObserver(observer);
}

QString OrbSqlDrawingFile::filePath() const
{
    return d->path;
}

int OrbSqlDrawingFile::orderNum() const
{
    return d->orderNum;
}

IOrbDrawset* OrbSqlDrawingFile::findDrawset(int id) const
{
    return d->drawsetById.value(id);
}

bool OrbSqlDrawingFile::inUpdate() const
{
    return d->depth > 0;
}

bool OrbSqlDrawingFile::drawsetDefinition(IOrbDrawset* drawset, OrbDrawsetDef& out)
{
    OrbSqlDrawset* s = d->ownDrawset(drawset);
    if (!s)
        return false;
    out = OrbDrawsetDef();
    out.id = s->m_id;
    out.name = s->m_name;
    out.orderNum = s->m_orderNum;
    out.visible = s->m_visible;
    out.keyValues = s->m_keyValues.toString(QLatin1Char(';'));

    QSqlQuery* query = d->prepared(QStringLiteral(
        "SELECT id, code, name, info_code, info_name, category, data_type, decimals, vd_id, read_only, "
        "default_excluded, drawing_info, min_value, max_value, formula, default_value, unit, bar_length, "
        "bar_span FROM drawset_param WHERE drawset_id = ? ORDER BY seq, id"));
    if (!query)
        return false;
    query->bindValue(0, s->m_id);
    if (!query->exec()) {
        qWarning().noquote() << "drawing file" << d->path << "cannot read parameters:" << query->lastError().text();
        return false;
    }
    while (query->next()) {
        OrbParamDef p;
        p.id = query->value(0).toInt();
        p.code = query->value(1).toString();
        p.name = query->value(2).toString();
        p.infoCode = query->value(3).toString();
        p.infoName = query->value(4).toString();
        p.category = OrbParamCategory(qBound(0, query->value(5).toInt(), 3));
        p.dataType = OrbParamDataType(qBound(0, query->value(6).toInt(), 2));
        p.decimals = qBound(0, query->value(7).toInt(), 10);
        p.vdId = query->value(8).toInt();
        p.readOnly = query->value(9).toInt() != 0;
        p.defaultExcluded = query->value(10).toInt() != 0;
        p.drawingInfo = query->value(11).toInt() != 0;
        p.hasMin = !query->value(12).isNull();
        p.minValue = query->value(12).toDouble();
        p.hasMax = !query->value(13).isNull();
        p.maxValue = query->value(13).toDouble();
        p.formula = query->value(14).toString();
        p.defaultValue = query->value(15).toString();
        p.unit = query->value(16).toString();
        p.barLength = query->value(17).toString();
        p.barSpan = query->value(18).toString();
        out.params.append(p);
    }
    query->finish();

    query = d->prepared(QStringLiteral(
        "SELECT name, caption, columns, rows FROM filter_table WHERE drawset_id = ? ORDER BY seq, id"));
    if (!query)
        return false;
    query->bindValue(0, s->m_id);
    if (!query->exec())
        return false;
    while (query->next()) {
        OrbFilterTableDef f;
        f.name = query->value(0).toString();
        f.caption = query->value(1).toString();
        f.columns = query->value(2).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
        const QStringList rows = query->value(3).toString().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& row : rows)
            f.rows.append(row.split(QLatin1Char(',')));
        out.filterTables.append(f);
    }
    query->finish();
    return true;
}

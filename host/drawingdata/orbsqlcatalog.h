#pragma once

#include "drawingdata/iorbcatalog.h"
#include "drawingdata/orbsqlconnection.h"
#include "drawingdata/orbsqldrawset.h"
#include "drawingdata/orbsqldrawsets.h"

#include <QHash>
#include <QSqlQuery>

#include <memory>
#include <vector>

// A catalogue of a drawing file (Interface: the catalogue, Entry: its entry), read per drawset
// on first use with a select whose one parameter is the drawset id. Entries live as long as the
// catalogue.
template <class Interface, class Entry>
class OrbSqlCatalog : public Interface
{
public:
    OrbSqlCatalog(OrbSqlConnection* connection, const OrbSqlDrawsets* drawsets, const QString& select)
        : m_connection(connection), m_drawsets(drawsets), m_select(select)
    {
    }

    void getByDrawset(QList<Entry*>& out, IOrbDrawset* drawset) override
    {
        out.clear();
        OrbSqlDrawset* own = m_drawsets->own(drawset);
        if (!own)
            return;
        auto it = m_byDrawset.find(own->rowId());
        if (it == m_byDrawset.end()) {
            QList<Entry*> entries;
            m_connection->selectById(m_select, own->rowId(), [&](const QSqlQuery& row) {
                m_store.emplace_back(makeEntry(row));
                entries.append(m_store.back().get());
            });
            it = m_byDrawset.insert(own->rowId(), entries);
        }
        out = it.value();
    }

protected:
    // One entry from one row of the select.
    virtual Entry* makeEntry(const QSqlQuery& row) const = 0;

private:
    OrbSqlConnection* m_connection;
    const OrbSqlDrawsets* m_drawsets;
    QString m_select;
    std::vector<std::unique_ptr<Entry>> m_store;
    QHash<qint64, QList<Entry*>> m_byDrawset;
};

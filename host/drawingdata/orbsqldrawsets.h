#pragma once

#include "drawingdata/iorbdrawingfile.h"

#include <QHash>
#include <QList>

#include <memory>
#include <vector>

class OrbSqlDrawset;
class OrbSqlDrawsetType;
class OrbSqlDrawsetTypes;

// The drawsets of a drawing file, by type. Owns every drawset read, removed ones included.
class OrbSqlDrawsets : public IOrbDrawsets
{
public:
    OrbSqlDrawsets();
    ~OrbSqlDrawsets() override;

    void getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type) override;

    // Takes a drawset read from the file; false when its id is taken.
    bool add(std::unique_ptr<OrbSqlDrawset> drawset);
    // The live drawset of that id, or null.
    OrbSqlDrawset* find(qint64 id) const;
    // The drawset of that id, removed or not, or null.
    OrbSqlDrawset* findAny(qint64 id) const;
    // The drawset itself when it is a live drawset of this file, else null.
    OrbSqlDrawset* own(IOrbDrawset* drawset) const;
    // The live drawset of this file that matches a drawset of any file by content: a matching
    // type and the same name; among several, the one with the same id, then the same order number.
    OrbSqlDrawset* match(IOrbDrawset* other, const OrbSqlDrawsetTypes& types) const;
    // The live drawsets of a type, in no particular order.
    QList<OrbSqlDrawset*> ofType(OrbSqlDrawsetType* type) const { return m_byType.value(type); }
    void detach(OrbSqlDrawset* drawset);
    void attach(OrbSqlDrawset* drawset);

private:
    std::vector<std::unique_ptr<OrbSqlDrawset>> m_store;
    QHash<OrbSqlDrawsetType*, QList<OrbSqlDrawset*>> m_byType;
    QHash<qint64, OrbSqlDrawset*> m_byId;
    QHash<qint64, OrbSqlDrawset*> m_anyById; // removed ones too: a change read back finds them at once
};

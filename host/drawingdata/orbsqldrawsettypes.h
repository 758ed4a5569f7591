#pragma once

#include "drawingdata/iorbdrawingfile.h"

#include <QHash>
#include <QList>

#include <memory>
#include <vector>

class OrbSqlDrawsetType;

// The drawset types of a drawing file. Owns every type read, removed ones included.
class OrbSqlDrawsetTypes : public IOrbDrawsetTypes
{
public:
    OrbSqlDrawsetTypes();
    ~OrbSqlDrawsetTypes() override;

    void getAll(QList<IOrbDrawsetType*>& out, bool flag) override;

    // Takes a type read from the file; false when its id is taken.
    bool add(std::unique_ptr<OrbSqlDrawsetType> type);
    // The live type of that id, or null.
    OrbSqlDrawsetType* find(qint64 id) const;
    // The type of that id, removed or not, or null.
    OrbSqlDrawsetType* findAny(qint64 id) const { return m_byId.value(id); }
    // The live type of this file that matches a type of any file by content: the same element
    // type and name; among several, the one with the same id, then the same order number.
    OrbSqlDrawsetType* match(IOrbDrawsetType* other) const;
    // Takes a type out of the live list and returns its position there; attach puts it back.
    int detach(OrbSqlDrawsetType* type);
    void attach(OrbSqlDrawsetType* type, int index);

private:
    std::vector<std::unique_ptr<OrbSqlDrawsetType>> m_store;
    QList<OrbSqlDrawsetType*> m_live;
    QHash<qint64, OrbSqlDrawsetType*> m_byId;
};

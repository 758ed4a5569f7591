#include "drawingdata/orbsqldrawsettypes.h"

#include "drawingdata/orbsqldrawsettype.h"

#include <algorithm>

OrbSqlDrawsetTypes::OrbSqlDrawsetTypes() = default;
OrbSqlDrawsetTypes::~OrbSqlDrawsetTypes() = default;

void OrbSqlDrawsetTypes::getAll(QList<IOrbDrawsetType*>& out, bool)
{
    QList<OrbSqlDrawsetType*> sorted = m_live;
    std::stable_sort(sorted.begin(), sorted.end(), [](OrbSqlDrawsetType* a, OrbSqlDrawsetType* b) {
        return a->orderNum() != b->orderNum() ? a->orderNum() < b->orderNum() : a->rowId() < b->rowId();
    });
    out.clear();
    out.reserve(sorted.size());
    for (OrbSqlDrawsetType* t : sorted)
        out.append(t);
}

bool OrbSqlDrawsetTypes::add(std::unique_ptr<OrbSqlDrawsetType> type)
{
    if (m_byId.contains(type->rowId()))
        return false;
    m_byId.insert(type->rowId(), type.get());
    m_live.append(type.get());
    m_store.push_back(std::move(type));
    return true;
}

OrbSqlDrawsetType* OrbSqlDrawsetTypes::find(qint64 id) const
{
    OrbSqlDrawsetType* t = m_byId.value(id);
    return t && !t->isRemoved() ? t : nullptr;
}

OrbSqlDrawsetType* OrbSqlDrawsetTypes::match(IOrbDrawsetType* other) const
{
    if (!other)
        return nullptr;
    auto* sqlOther = dynamic_cast<OrbSqlDrawsetType*>(other);
    if (sqlOther && find(sqlOther->rowId()) == sqlOther)
        return sqlOther;
    QString otherName;
    other->name(otherName);
    const int otherType = other->elementType();
    const int otherOrder = other->orderNum();
    // The type of the same id wins over every other when it matches at all: no scan over the
    // types for each of the thousands of drawsets an export removes.
    if (sqlOther) {
        OrbSqlDrawsetType* same = find(sqlOther->rowId());
        if (same && same->elementType() == otherType && same->nameText() == otherName)
            return same;
    }
    OrbSqlDrawsetType* found = nullptr;
    int best = -1;
    for (OrbSqlDrawsetType* t : m_live) {
        if (t->elementType() != otherType || t->nameText() != otherName)
            continue;
        const int score = (sqlOther && sqlOther->rowId() == t->rowId() ? 2 : 0) + (t->orderNum() == otherOrder ? 1 : 0);
        if (score > best) {
            best = score;
            found = t;
        }
    }
    return found;
}

int OrbSqlDrawsetTypes::detach(OrbSqlDrawsetType* type)
{
    const int index = m_live.indexOf(type);
    m_live.removeAt(index);
    type->setRemoved(true);
    return index;
}

void OrbSqlDrawsetTypes::attach(OrbSqlDrawsetType* type, int index)
{
    type->setRemoved(false);
    m_live.insert(std::min(index, int(m_live.size())), type);
}

#include "drawingdata/orbsqldrawsets.h"

#include "drawingdata/orbsqldrawset.h"
#include "drawingdata/orbsqldrawsettype.h"
#include "drawingdata/orbsqldrawsettypes.h"

#include <algorithm>

OrbSqlDrawsets::OrbSqlDrawsets() = default;
OrbSqlDrawsets::~OrbSqlDrawsets() = default;

void OrbSqlDrawsets::getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type)
{
    out.clear();
    auto it = m_byType.find(dynamic_cast<OrbSqlDrawsetType*>(type));
    if (!type || it == m_byType.end())
        return;
    QList<OrbSqlDrawset*>& list = it.value();
    std::stable_sort(list.begin(), list.end(), [](OrbSqlDrawset* a, OrbSqlDrawset* b) {
        return a->orderNum() != b->orderNum() ? a->orderNum() < b->orderNum() : a->rowId() < b->rowId();
    });
    out.reserve(list.size());
    for (OrbSqlDrawset* s : list)
        out.append(s);
}

bool OrbSqlDrawsets::add(std::unique_ptr<OrbSqlDrawset> drawset)
{
    if (m_byId.contains(drawset->rowId()))
        return false;
    OrbSqlDrawset* s = drawset.get();
    m_store.push_back(std::move(drawset));
    m_anyById.insert(s->rowId(), s);
    attach(s);
    return true;
}

OrbSqlDrawset* OrbSqlDrawsets::find(qint64 id) const
{
    return m_byId.value(id);
}

OrbSqlDrawset* OrbSqlDrawsets::findAny(qint64 id) const
{
    return m_anyById.value(id);
}

OrbSqlDrawset* OrbSqlDrawsets::own(IOrbDrawset* drawset) const
{
    auto* s = dynamic_cast<OrbSqlDrawset*>(drawset);
    return s && m_byId.value(s->rowId()) == s ? s : nullptr;
}

OrbSqlDrawset* OrbSqlDrawsets::match(IOrbDrawset* other, const OrbSqlDrawsetTypes& types) const
{
    if (!other)
        return nullptr;
    if (OrbSqlDrawset* s = own(other))
        return s;
    OrbSqlDrawsetType* type = types.match(other->drawsetType());
    if (!type)
        return nullptr;
    QString otherName;
    other->name(otherName);
    auto* sqlOther = dynamic_cast<OrbSqlDrawset*>(other);
    const qint64 otherId = sqlOther ? sqlOther->rowId() : other->id();
    const int otherOrder = other->orderNum();
    OrbSqlDrawset* found = nullptr;
    int best = -1;
    for (OrbSqlDrawset* s : m_byType.value(type)) {
        if (s->nameText() != otherName)
            continue;
        const int score = (s->rowId() == otherId ? 2 : 0) + (s->orderNum() == otherOrder ? 1 : 0);
        if (score > best) {
            best = score;
            found = s;
        }
    }
    return found;
}

void OrbSqlDrawsets::detach(OrbSqlDrawset* drawset)
{
    auto it = m_byType.find(drawset->type());
    if (it != m_byType.end())
        it.value().removeOne(drawset);
    m_byId.remove(drawset->rowId());
    drawset->setRemoved(true);
}

void OrbSqlDrawsets::attach(OrbSqlDrawset* drawset)
{
    drawset->setRemoved(false);
    m_byType[drawset->type()].append(drawset);
    m_byId.insert(drawset->rowId(), drawset);
}

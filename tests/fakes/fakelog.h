#pragma once

#include <QStringList>

#include <algorithm>

// The calls that fakes record, in the order they were made: "<object>.<operation>[(<args>)]".
class FakeLog
{
public:
    void add(const QString& call) { m_calls.append(call); }
    void clear() { m_calls.clear(); }
    const QStringList& calls() const { return m_calls; }
    // The recorded calls that start with one of the prefixes, in order.
    QStringList filtered(const QStringList& prefixes) const
    {
        QStringList out;
        for (const QString& c : m_calls)
            if (std::any_of(prefixes.begin(), prefixes.end(), [&c](const QString& p) { return c.startsWith(p); }))
                out.append(c);
        return out;
    }
    QStringList filtered(const QString& prefix) const { return filtered(QStringList{prefix}); }
    int count(const QString& call) const { return m_calls.count(call); }

private:
    QStringList m_calls;
};

// The name of a host type or drawset as calls are logged with it; none for a null object.
template <class Named>
QString nameOf(Named* object, const QString& none = QString())
{
    QString name = none;
    if (object)
        object->name(name);
    return name;
}

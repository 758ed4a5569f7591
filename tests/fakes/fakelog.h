#pragma once

#include <QStringList>

// The calls that fakes record, in the order they were made: "<object>.<operation>[(<args>)]".
class FakeLog
{
public:
    void add(const QString& call) { m_calls.append(call); }
    void clear() { m_calls.clear(); }
    const QStringList& calls() const { return m_calls; }
    // The recorded calls that start with prefix, in order.
    QStringList filtered(const QString& prefix) const
    {
        QStringList out;
        for (const QString& c : m_calls)
            if (c.startsWith(prefix))
                out.append(c);
        return out;
    }
    int count(const QString& call) const { return m_calls.count(call); }

private:
    QStringList m_calls;
};

#include "drawingdata/orbkeyvaluelist.h"

#include <QStringList>

OrbKeyValueList::OrbKeyValueList() = default;
OrbKeyValueList::OrbKeyValueList(const OrbKeyValueList& other) = default;
OrbKeyValueList& OrbKeyValueList::operator=(const OrbKeyValueList& other) = default;
OrbKeyValueList::~OrbKeyValueList() = default;

void OrbKeyValueList::loadFromString(const QString& text, const QChar& separator)
{
    clear();
    const QStringList parts = text.split(separator, Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        const QString key = (eq < 0 ? part : part.left(eq)).trimmed();
        if (key.isEmpty())
            continue;
        const QString value = eq < 0 ? QString() : part.mid(eq + 1).trimmed();
        setValue(key, value);
    }
}

void OrbKeyValueList::setValue(const QString& key, const QVariant& value)
{
    const auto it = m_index.constFind(key);
    if (it != m_index.constEnd()) {
        m_items[it.value()].second = value;
        return;
    }
    m_index.insert(key, m_items.size());
    m_items.append(qMakePair(key, value));
}

QVariant OrbKeyValueList::getValue(const QString& key) const
{
    const auto it = m_index.constFind(key);
    return it != m_index.constEnd() ? m_items.at(it.value()).second : QVariant();
}

int OrbKeyValueList::asInteger(const QString& key, const int& defaultValue) const
{
    const QVariant value = getValue(key);
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int result = value.toString().trimmed().toInt(&ok);
    return ok ? result : defaultValue;
}

bool OrbKeyValueList::isValid() const
{
    return !m_items.isEmpty();
}

int OrbKeyValueList::count() const
{
    return m_items.size();
}

QStringList OrbKeyValueList::keys() const
{
    QStringList result;
    for (const auto& item : m_items)
        result.append(item.first);
    return result;
}

void OrbKeyValueList::clear()
{
    m_items.clear();
    m_index.clear();
}

QString OrbKeyValueList::toString(const QChar& separator) const
{
    QStringList parts;
    for (const auto& item : m_items)
        parts.append(item.first + QLatin1Char('=') + item.second.toString());
    return parts.join(separator);
}

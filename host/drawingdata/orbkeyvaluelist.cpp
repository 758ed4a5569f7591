#include "drawingdata/orbkeyvaluelist.h"

#include <QHash>
#include <QStringList>

OrbKeyValueList::OrbKeyValueList() = default;
OrbKeyValueList::OrbKeyValueList(const OrbKeyValueList& other) = default;
OrbKeyValueList& OrbKeyValueList::operator=(const OrbKeyValueList& other) = default;
OrbKeyValueList::~OrbKeyValueList() = default;

void OrbKeyValueList::loadFromString(const QString& text, const QChar& separator)
{
    // One pass with a position per key, so that a text with many keys loads in linear time.
    QList<QPair<QString, QVariant>> items;
    QHash<QString, int> position;
    const QStringList parts = text.split(separator, Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        const QString key = (eq < 0 ? part : part.left(eq)).trimmed();
        if (key.isEmpty())
            continue;
        const QString value = eq < 0 ? QString() : part.mid(eq + 1).trimmed();
        const auto it = position.constFind(key);
        if (it != position.constEnd()) {
            items[it.value()].second = value;
        } else {
            position.insert(key, items.size());
            items.append(qMakePair(key, QVariant(value)));
        }
    }
    m_items.swap(items);
}

void OrbKeyValueList::setValue(const QString& key, const QVariant& value)
{
    for (auto& item : m_items) {
        if (item.first == key) {
            item.second = value;
            return;
        }
    }
    m_items.append(qMakePair(key, value));
}

QVariant OrbKeyValueList::getValue(const QString& key) const
{
    for (const auto& item : m_items) {
        if (item.first == key)
            return item.second;
    }
    return QVariant();
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
}

QString OrbKeyValueList::toString(const QChar& separator) const
{
    QStringList parts;
    for (const auto& item : m_items)
        parts.append(item.first + QLatin1Char('=') + item.second.toString());
    return parts.join(separator);
}

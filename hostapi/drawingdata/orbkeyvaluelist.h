#pragma once

#include <QChar>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

/// A list of key/value pairs, read from "key=value" items joined by a separator.
/// Keys are unique and compared case-sensitively; setValue on an existing key replaces its value
/// and keeps its position. The library reads drawing info texts and drawset settings with it and
/// builds the settings it passes to the host (table display extension, table provider).
class OrbKeyValueList
{
public:
    /// An empty list.
    OrbKeyValueList();
    /// A copy of other.
    OrbKeyValueList(const OrbKeyValueList& other);
    /// Replaces the content with a copy of other's.
    OrbKeyValueList& operator=(const OrbKeyValueList& other);
    ~OrbKeyValueList();

    /// Replaces the content with the items of text. An item without "=" is a key with an empty value;
    /// empty items are skipped; keys and values are trimmed. The data view reads each drawing info
    /// snapshot this way (separator ";").
    void loadFromString(const QString& text, const QChar& separator);
    /// Sets key to value, appending the key when it is new.
    void setValue(const QString& key, const QVariant& value);
    /// The value of key, or an invalid QVariant when the key is missing.
    QVariant getValue(const QString& key) const;
    /// The value of key as an integer; defaultValue when the key is missing or not an integer.
    int asInteger(const QString& key, const int& defaultValue) const;
    /// False for a list that holds nothing.
    bool isValid() const;

    /// The number of items.
    int count() const;
    /// The keys in order.
    QStringList keys() const;
    /// Removes every item.
    void clear();
    /// The items joined by separator, in order: the inverse of loadFromString.
    QString toString(const QChar& separator) const;

private:
    QList<QPair<QString, QVariant>> m_items;
};

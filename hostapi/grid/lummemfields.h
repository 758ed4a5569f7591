#pragma once

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

class LumMemField;

/// The ordered columns of an in-memory table. Owns its fields.
class LumMemFields
{
public:
    /// No fields.
    LumMemFields();
    virtual ~LumMemFields();
    LumMemFields(const LumMemFields&) = delete;
    LumMemFields& operator=(const LumMemFields&) = delete;

    /// The number of fields.
    int count() const { return m_fields.size(); }
    /// The field at index, or null out of range.
    LumMemField* at(int index) const;
    /// The field of that name (compared ignoring case), or null.
    LumMemField* find(const QString& fieldName) const;
    /// The column of that name (compared ignoring case), or -1.
    int indexOf(const QString& fieldName) const;
    /// The names in column order; the data view shows these columns (less the empty ones).
    QStringList fieldNames() const;
    /// Host side: appends a field; a name already present answers the existing field unchanged.
    LumMemField* add(const QString& fieldName, QMetaType::Type dataType = QMetaType::QString,
                     const QString& displayName = QString());

private:
    QList<LumMemField*> m_fields;
    QHash<QString, int> m_index; // lower-case name -> column
};

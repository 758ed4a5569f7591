#pragma once

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

class LumMemField;

// The ordered columns of an in-memory table. Owns its fields.
class LumMemFields
{
public:
    LumMemFields();
    virtual ~LumMemFields();
    LumMemFields(const LumMemFields&) = delete;
    LumMemFields& operator=(const LumMemFields&) = delete;

    int count() const { return m_fields.size(); }
    LumMemField* at(int index) const;
    // The field of that name (compared ignoring case), or null.
    LumMemField* find(const QString& fieldName) const;
    int indexOf(const QString& fieldName) const;
    QStringList fieldNames() const;
    // Appends a field; a name already present answers the existing field unchanged.
    LumMemField* add(const QString& fieldName, QMetaType::Type dataType = QMetaType::QString,
                     const QString& displayName = QString());

private:
    QList<LumMemField*> m_fields;
    QHash<QString, int> m_index; // lower-case name -> column
};

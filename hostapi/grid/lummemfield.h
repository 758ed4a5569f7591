#pragma once

#include <QMetaType>
#include <QString>

class LumMemFields;

// One column of an in-memory table: its name, a readable caption and the type of its values.
class LumMemField
{
public:
    LumMemField(const QString& fieldName, QMetaType::Type dataType = QMetaType::QString,
                const QString& displayName = QString());
    virtual ~LumMemField();

    QString fieldName() const { return m_fieldName; }
    // The caption shown in headers; empty when the field has none of its own.
    QString displayName() const { return m_displayName; }
    void setDisplayName(const QString& value) { m_displayName = value; }
    QMetaType::Type dataType() const { return m_dataType; }
    // The column of the field in its table, or -1 before it joins one.
    int index() const { return m_index; }

private:
    friend class LumMemFields;
    QString m_fieldName;
    QString m_displayName;
    QMetaType::Type m_dataType;
    int m_index = -1;
};

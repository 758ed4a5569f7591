#pragma once

#include <QMetaType>
#include <QString>

class LumMemFields;

/// One column of an in-memory table: its name, a readable caption and the type of its values.
/// The data view reads the names of a calculated table's fields and sets their captions.
class LumMemField
{
public:
    /// A field outside any table (LumMemFields::add makes them).
    LumMemField(const QString& fieldName, QMetaType::Type dataType = QMetaType::QString,
                const QString& displayName = QString());
    virtual ~LumMemField();

    /// The field's name, as catalogues and processors refer to it.
    QString fieldName() const { return m_fieldName; }
    /// The caption shown in headers; empty when the field has none of its own.
    QString displayName() const { return m_displayName; }
    /// Sets the caption; the data view writes "name\ncaption" from the drawing file's catalogues.
    void setDisplayName(const QString& value) { m_displayName = value; }
    /// Host side: the type of the field's values.
    QMetaType::Type dataType() const { return m_dataType; }
    /// Host side: the column of the field in its table, or -1 before it joins one.
    int index() const { return m_index; }

private:
    friend class LumMemFields;
    QString m_fieldName;
    QString m_displayName;
    QMetaType::Type m_dataType;
    int m_index = -1;
};

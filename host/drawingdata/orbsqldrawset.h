#pragma once

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QByteArray>
#include <QString>

class OrbSqlConnection;
class OrbSqlDrawsetType;

// A drawset row of a drawing file. Its drawing is read on first use. A removed drawset stays
// alive (widgets may still hold it) but ignores writes.
class OrbSqlDrawset : public IOrbDrawset
{
public:
    OrbSqlDrawset(OrbSqlConnection* connection, IOrbDrawingFile* file, qint64 id, OrbSqlDrawsetType* type,
                  const QString& name, int orderNum, bool visible, const QString& keyValues);

    void beginUpdate() override;
    void endUpdate() override;
    IOrbDrawingFile* drawingFile() override { return m_file; }
    // The row id where an int holds it, else -1 (the file itself works with rowId).
    int id() override;
    IOrbDrawsetType* drawsetType() override;
    int orderNum() override { return m_orderNum; }
    void setOrderNum(int value) override;
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override;
    OrbKeyValueList* keyValues() override;
    const QByteArray& vectorDrawingData() override;
    bool isVisible() override { return m_visible; }

    qint64 rowId() const { return m_id; }
    OrbSqlDrawsetType* type() const { return m_type; }
    const QString& nameText() const { return m_name; }
    bool isRemoved() const { return m_removed; }
    void setRemoved(bool removed) { m_removed = removed; }
    void setType(OrbSqlDrawsetType* type) { m_type = type; }
    // Takes the values another writer stored; the drawing is read again on next use.
    void reload(const QString& name, int orderNum, bool visible, const QString& keyValues);

private:
    OrbSqlConnection* m_connection;
    IOrbDrawingFile* m_file;
    qint64 m_id;
    OrbSqlDrawsetType* m_type;
    QString m_name;
    int m_orderNum;
    bool m_visible;
    // The row's text, parsed on first use: listing a file reads every row, few are asked for keys.
    QString m_keyValuesText;
    OrbKeyValueList m_keyValues;
    bool m_keyValuesParsed = false;
    QByteArray m_drawing;
    bool m_drawingLoaded = false;
    bool m_removed = false;
};

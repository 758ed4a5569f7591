#pragma once

#include "drawingdata/orbdrawsetdefinition.h"

#include <QList>
#include <QString>
#include <QVariant>

// Writes drawing files: a new file with its types and drawsets in one transaction. Used by the
// sample-library generator, the benchmarks and tests.
class OrbDrawingFileBuilder
{
public:
    explicit OrbDrawingFileBuilder(const QString& path);
    // Rolls back what was not committed.
    ~OrbDrawingFileBuilder();
    OrbDrawingFileBuilder(const OrbDrawingFileBuilder&) = delete;
    OrbDrawingFileBuilder& operator=(const OrbDrawingFileBuilder&) = delete;

    // Starts a new drawing file at the path (an existing file there is replaced). An empty
    // elementTypes list means the file serves every element type.
    bool create(const QList<int>& elementTypes, int orderNum = 0);
    // The new type's id, or -1.
    qint64 addType(int elementType, const QString& name, int orderNum);
    // The new drawset's id, or -1.
    qint64 addDrawset(qint64 typeId, const OrbDrawsetDef& drawset);
    bool setMeta(const QString& key, const QString& value);
    // Writes everything to disk; the builder is done afterwards.
    bool commit();
    QString errorText() const { return m_error; }

    // Marks an existing drawing file read-only (or editable again) in its own data.
    static bool setReadOnlyMark(const QString& path, bool readOnly);

private:
    bool exec(const QString& sql, const QVariantList& values, QVariant* lastId = nullptr);

    QString m_path;
    QString m_connection;
    bool m_open = false;
    QString m_error;
};

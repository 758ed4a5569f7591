#pragma once

#include "drawingdata/iorbdrawingservice.h"

#include <QList>
#include <QSharedPointer>
#include <QString>

#include <memory>

class OrbServerLibrary;

// The reference drawing service: the drawing files of one folder (every "*.orbdwg" file that
// opens as a drawing file) or of a server library, and the calculated tables of their drawsets.
class OrbDrawingService : public IOrbDrawingService,
                          public IOrbDrawingFileRegistry,
                          public IOrbDrawsetTableProvider
{
public:
    explicit OrbDrawingService(const QString& folder);
    explicit OrbDrawingService(const OrbServerLibrary& library);
    ~OrbDrawingService() override;

    IOrbDrawingFileRegistry* drawingFiles() override { return this; }
    IOrbDrawsetTableProvider* drawsetTableProvider() override { return this; }

    // In display order: the files' own order numbers, then their names.
    void fileNames(QStringList& out) override;
    IOrbDrawingFile* findFile(const QString& name) override;
    void openFile(QSharedPointer<IOrbDrawingFile>& out, const QString& name) override;
    // From the processor that holds the drawset now, or else from the drawset's defaults.
    QSharedPointer<LumMemTable> queryTable(IOrbDrawset* drawset, const QString& tableName,
                                           const OrbKeyValueList& params) override;

    QString folder() const { return m_folder; }
    // Scans the folder (or lists the library) again; files already open stay the same objects.
    void refresh();
    // The files the last scan left out (not a drawing file, damaged, too new), each with the reason.
    QStringList skippedFiles() const { return m_skipped; }

    static constexpr const char* kSuffix = "orbdwg";

private:
    struct Entry
    {
        QString name;
        QString path;
        int orderNum = 0;
        QSharedPointer<IOrbDrawingFile> file;
    };
    QString m_folder;
    std::unique_ptr<OrbServerLibrary> m_library;
    QList<Entry> m_entries;
    QStringList m_skipped;
};

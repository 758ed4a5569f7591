#include "drawingdata/orbdrawingservice.h"

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbformulaprocessor.h"
#include "drawingdata/orbserverlibrary.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "grid/lummemtable.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

OrbDrawingService::OrbDrawingService(const QString& folder)
    : m_folder(folder)
{
    refresh();
}

OrbDrawingService::OrbDrawingService(const OrbServerLibrary& library)
    : m_folder(library.url()), m_library(new OrbServerLibrary(library))
{
    refresh();
}

OrbDrawingService::~OrbDrawingService() = default;

void OrbDrawingService::refresh()
{
    QList<Entry> entries;
    m_skipped.clear();
    QList<QPair<QString, QString>> found; // name, path
    if (m_library) {
        QStringList names;
        QString error;
        if (!m_library->fileNames(names, &error)) {
            qWarning().noquote() << "drawing service:" << error;
            m_skipped.append(error);
        }
        for (const QString& name : names)
            found.append({name, m_library->filePath(name)});
    } else {
        const QFileInfoList infos = QDir(m_folder).entryInfoList(
            {QStringLiteral("*.") + QLatin1String(kSuffix)}, QDir::Files, QDir::Name);
        for (const QFileInfo& info : infos)
            found.append({info.completeBaseName(), info.absoluteFilePath()});
    }
    for (const auto& f : found) {
        Entry entry;
        entry.path = f.second;
        entry.name = f.first;
        for (const Entry& old : m_entries) {
            if (old.path == entry.path)
                entry = old;
        }
        if (!entry.file) {
            QString error;
            auto file = m_library ? OrbSqlDrawingFile::openOnServer(*m_library, entry.name,
                                                                    OrbSqlDrawingFile::OpenMode::ReadWrite, &error)
                                  : OrbSqlDrawingFile::open(entry.path, OrbSqlDrawingFile::OpenMode::ReadWrite, &error);
            if (!file) {
                qWarning().noquote() << "drawing service: skipped" << entry.path << ":" << error;
                m_skipped.append(error);
                continue;
            }
            entry.orderNum = file->orderNum();
            entry.file = file;
        }
        entries.append(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.orderNum != b.orderNum ? a.orderNum < b.orderNum : a.name < b.name;
    });
    m_entries = entries;
}

void OrbDrawingService::fileNames(QStringList& out)
{
    out.clear();
    for (const Entry& e : m_entries)
        out.append(e.name);
}

IOrbDrawingFile* OrbDrawingService::findFile(const QString& name)
{
    for (const Entry& e : m_entries) {
        if (e.name == name)
            return e.file.data();
    }
    return nullptr;
}

void OrbDrawingService::openFile(QSharedPointer<IOrbDrawingFile>& out, const QString& name)
{
    out.reset();
    for (const Entry& e : m_entries) {
        if (e.name == name) {
            out = e.file;
            return;
        }
    }
}

QSharedPointer<LumMemTable> OrbDrawingService::queryTable(IOrbDrawset* drawset, const QString& tableName,
                                                          const OrbKeyValueList& params)
{
    Q_UNUSED(params);
    if (!drawset)
        return {};
    if (OrbFormulaProcessor* processor = OrbFormulaProcessor::findByDrawset(drawset))
        return processor->table(tableName);
    OrbFormulaProcessor scratch;
    scratch.setDrawset(drawset);
    scratch.open();
    scratch.calculate();
    return scratch.table(tableName);
}

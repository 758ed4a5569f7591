#pragma once

#include <QByteArray>
#include <QString>

class IOrbDrawingFile;
class IOrbDrawsetType;
class OrbKeyValueList;

// One drawset of a drawing file: a standard detail with its vector drawing and key/value settings.
// Writes (setOrderNum, setName) are bracketed by beginUpdate/endUpdate.
class IOrbDrawset
{
public:
    virtual ~IOrbDrawset() = default;

    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
    virtual IOrbDrawingFile* drawingFile() = 0;
    virtual int id() = 0;
    virtual IOrbDrawsetType* drawsetType() = 0;
    virtual int orderNum() = 0;
    virtual void setOrderNum(int value) = 0;
    virtual void name(QString& out) = 0;
    virtual void setName(const QString& value) = 0;
    virtual OrbKeyValueList* keyValues() = 0;
    virtual const QByteArray& vectorDrawingData() = 0;
    virtual bool isVisible() = 0;
};

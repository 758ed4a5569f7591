#pragma once

#include <QString>

// A type of drawset, serving one element type. Writes are bracketed by beginUpdate/endUpdate.
class IOrbDrawsetType
{
public:
    virtual ~IOrbDrawsetType() = default;

    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
    virtual int elementType() = 0;
    virtual void name(QString& out) = 0;
    virtual void setName(const QString& value) = 0;
    virtual int orderNum() = 0;
    virtual void setOrderNum(int value) = 0;
};

#pragma once

#include <QString>

/// A type of drawset, serving one element type. The trees show one node per type with its drawsets
/// below it; the host keeps the type alive while it is shown.
class IOrbDrawsetType
{
public:
    virtual ~IOrbDrawsetType() = default;

    /// Opens a batch of writes; every setName and setOrderNum of the drawing tree is bracketed.
    virtual void beginUpdate() = 0;
    /// Closes a batch opened with beginUpdate() and stores the writes.
    virtual void endUpdate() = 0;
    /// The element type the type serves. The drawing tree shows only the types whose element type
    /// is among its visible ones (all when none were given).
    virtual int elementType() = 0;
    /// The type's name: the edit text of its tree node.
    virtual void name(QString& out) = 0;
    /// Renames the type (inside beginUpdate/endUpdate) after the user edited its tree node.
    virtual void setName(const QString& value) = 0;
    /// The position among the file's types; the drawing tree swaps two when a node moves.
    virtual int orderNum() = 0;
    /// Stores a new position (inside beginUpdate/endUpdate).
    virtual void setOrderNum(int value) = 0;
};

#pragma once

#include <QByteArray>
#include <QString>

class IOrbDrawingFile;
class IOrbDrawsetType;
class OrbKeyValueList;

/// One drawset of a drawing file: a standard detail with its vector drawing and key/value settings.
/// Trees, lists and the processor hold raw pointers to it; the host keeps it alive while it is shown.
class IOrbDrawset
{
public:
    virtual ~IOrbDrawset() = default;

    /// Opens a batch of writes. The drawing tree brackets every setName and setOrderNum with
    /// beginUpdate/endUpdate.
    virtual void beginUpdate() = 0;
    /// Closes a batch opened with beginUpdate() and stores the writes.
    virtual void endUpdate() = 0;
    /// The file that holds the drawset; the input dialog selects this file for the processor's
    /// drawset. May be null, which leaves the file choice as it is.
    virtual IOrbDrawingFile* drawingFile() = 0;
    /// The drawset's id; the check tree keeps it on each drawset node for the host to read.
    virtual int id() = 0;
    /// The type the drawset belongs to; the drawing tree finds the drawset's parent node by it.
    virtual IOrbDrawsetType* drawsetType() = 0;
    /// The position among the drawsets of its type. The drawing tree swaps two of them when a node
    /// moves up or down.
    virtual int orderNum() = 0;
    /// Stores a new position (inside beginUpdate/endUpdate).
    virtual void setOrderNum(int value) = 0;
    /// The drawset's name: the edit text of its tree node.
    virtual void name(QString& out) = 0;
    /// Renames the drawset (inside beginUpdate/endUpdate) after the user edited its tree node.
    virtual void setName(const QString& value) = 0;
    /// The drawset's settings, or null for none. The drawing tree's well filter reads the integer
    /// keys "WSJ" (serves sewage wells) and "YSJ" (serves rain-water wells); a missing key counts
    /// as 1.
    virtual OrbKeyValueList* keyValues() = 0;
    /// The drawset's vector drawing as a byte array (empty for an empty drawing). Read each time a
    /// view or the editor form shows the drawset. The reference stays valid while the drawset lives.
    virtual const QByteArray& vectorDrawingData() = 0;
    /// False hides the drawset from the drawing tree, except in the host's automation mode.
    virtual bool isVisible() = 0;
};

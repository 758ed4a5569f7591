#pragma once

class IOrbDrawset;
class IOrbDrawsetType;

/// One change of a drawing file's content, as the file reports it to its observers
/// (IOrbDrawingFileObserver). The library uses it to update the views of that file in place.
struct OrbDrawingChange
{
    /// What happened to the object.
    enum Kind {
        Added,     ///< the object is new in the file and is listed by getAll / getByType
        Removed,   ///< the object is no longer listed; the pointer stays valid while the file lives
        Renamed,   ///< name() answers the new name
        Reordered, ///< orderNum() answers the new order number
    };

    /// What happened.
    Kind kind = Renamed;
    /// The type that changed, or for a drawset change the drawset's type. Never null.
    IOrbDrawsetType* type = nullptr;
    /// The drawset that changed; null when the change concerns the type itself.
    IOrbDrawset* drawset = nullptr;

    /// Same kind and objects.
    bool operator==(const OrbDrawingChange& o) const
    {
        return kind == o.kind && type == o.type && drawset == o.drawset;
    }
};

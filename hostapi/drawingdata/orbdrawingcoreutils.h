#pragma once

#include <QSharedPointer>

class IOrbDrawingService;
class IOrbDrawset;
class OrbDrawingTableDisplayExtension;
class OrbKeyValueList;

/// Helpers of the host's drawing core library.
class OrbDrawingCoreUtils
{
public:
    /// A new table display extension for drawset. The input dialog's table display asks for one
    /// each time it is given a processor with a drawset, and shows its tables on the dialog's right.
    /// settings carry "elementType", the processor's element type. Null when the drawset declares
    /// none (or service or drawset is null): the table display then stays hidden.
    static QSharedPointer<OrbDrawingTableDisplayExtension>
    newTableDisplayExtension(IOrbDrawingService* service, IOrbDrawset* drawset, const OrbKeyValueList& settings);
};

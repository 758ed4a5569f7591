#pragma once

#include <QSharedPointer>

#include <functional>

class IOrbDrawingService;
class IOrbDrawset;
class OrbDrawingTableDisplayExtension;
class OrbKeyValueList;

// Helpers of the host's drawing core library.
class OrbDrawingCoreUtils
{
public:
    // The table display extension of drawset, or null when the drawset declares none (or service
    // or drawset is null). settings carry "elementType", the processor's element type.
    static QSharedPointer<OrbDrawingTableDisplayExtension>
    newTableDisplayExtension(IOrbDrawingService* service, IOrbDrawset* drawset, const OrbKeyValueList& settings);

    // Lets automated runs supply extensions instead of the drawsets' own declarations. An empty
    // factory restores the declarations.
    using TableDisplayExtensionFactory = std::function<QSharedPointer<OrbDrawingTableDisplayExtension>(
        IOrbDrawingService*, IOrbDrawset*, const OrbKeyValueList&)>;
    static void setTableDisplayExtensionFactory(TableDisplayExtensionFactory factory);
};

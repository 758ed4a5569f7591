#pragma once

#include <QSharedPointer>

#include <functional>

class IOrbDrawingService;
class IOrbDrawset;
class OrbDrawingTableDisplayExtension;
class OrbKeyValueList;

// Lets automated runs supply table display extensions instead of the drawsets' own declarations
// (OrbDrawingCoreUtils::newTableDisplayExtension asks the factory first). An empty factory
// restores the declarations.
class OrbTableDisplayExtensionFactory
{
public:
    using Factory = std::function<QSharedPointer<OrbDrawingTableDisplayExtension>(
        IOrbDrawingService*, IOrbDrawset*, const OrbKeyValueList&)>;
    static void set(Factory factory);
    static const Factory& current();
};

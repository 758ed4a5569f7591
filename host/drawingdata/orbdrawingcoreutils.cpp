#include "drawingdata/orbdrawingcoreutils.h"

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "orbdrawingtabledisplayextensionrebar.h"
#include "orbtabledisplayextensionfactory.h"

QSharedPointer<OrbDrawingTableDisplayExtension>
OrbDrawingCoreUtils::newTableDisplayExtension(IOrbDrawingService* service, IOrbDrawset* drawset,
                                              const OrbKeyValueList& settings)
{
    if (const OrbTableDisplayExtensionFactory::Factory& factory = OrbTableDisplayExtensionFactory::current())
        return factory(service, drawset, settings);
    if (!service || !drawset)
        return {};
    const OrbKeyValueList* keys = drawset->keyValues();
    if (!keys)
        return {};
    const QList<OrbDrawingTableDisplayExtensionRebar::Row> rows =
        OrbDrawingTableDisplayExtensionRebar::parseDeclaration(keys->getValue(QStringLiteral("ExtraRebar")).toString());
    if (rows.isEmpty())
        return {};
    return QSharedPointer<OrbDrawingTableDisplayExtension>(new OrbDrawingTableDisplayExtensionRebar(rows));
}

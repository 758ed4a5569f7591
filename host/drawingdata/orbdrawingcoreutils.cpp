#include "drawingdata/orbdrawingcoreutils.h"

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "orbdrawingtabledisplayextensionrebar.h"

namespace {
OrbDrawingCoreUtils::TableDisplayExtensionFactory& factory()
{
    static OrbDrawingCoreUtils::TableDisplayExtensionFactory f;
    return f;
}
} // namespace

QSharedPointer<OrbDrawingTableDisplayExtension>
OrbDrawingCoreUtils::newTableDisplayExtension(IOrbDrawingService* service, IOrbDrawset* drawset,
                                              const OrbKeyValueList& settings)
{
    if (factory())
        return factory()(service, drawset, settings);
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

void OrbDrawingCoreUtils::setTableDisplayExtensionFactory(TableDisplayExtensionFactory f)
{
    factory() = std::move(f);
}

#include "drawingdata/orbtabledisplayextensionfactory.h"

namespace {
OrbTableDisplayExtensionFactory::Factory& factory()
{
    static OrbTableDisplayExtensionFactory::Factory f;
    return f;
}
} // namespace

void OrbTableDisplayExtensionFactory::set(Factory f)
{
    factory() = std::move(f);
}

const OrbTableDisplayExtensionFactory::Factory& OrbTableDisplayExtensionFactory::current()
{
    return factory();
}

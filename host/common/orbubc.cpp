#include "common/orbubc.h"

#include "common/orbubclog.h"

OrbUbc* OrbUbc::instance()
{
    static OrbUbc collector;
    return &collector;
}

void OrbUbc::send(const QString& code, const QString& param)
{
    OrbUbcLog::instance()->record(code, param);
}

#include "common/orbappcmdline.h"

OrbAppCmdLine* OrbAppCmdLine::instance()
{
    static OrbAppCmdLine cmdLine;
    return &cmdLine;
}

void OrbAppCmdLine::parse(const QStringList& arguments)
{
    m_automation = arguments.mid(1).contains(QStringLiteral("--automation"));
}

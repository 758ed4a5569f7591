#include "common/orbfileutils.h"
#include "common/orbfilecopiers.h"
#include "common/orbfilefaults.h"

#include <QHash>

#include <QFile>
#include <QFileInfo>

namespace {
int g_copyFaults = 0;
int g_deleteFaults = 0;

bool takeFault(int& counter)
{
    if (counter <= 0)
        return false;
    --counter;
    return true;
}
} // namespace

namespace orbfilefaults {
void failNext(Op op, int count)
{
    (op == Op::Copy ? g_copyFaults : g_deleteFaults) = count;
}

void reset()
{
    g_copyFaults = 0;
    g_deleteFaults = 0;
}
} // namespace orbfilefaults

namespace orbfilecopiers {
namespace {
QHash<QString, Copier>& copiers()
{
    static QHash<QString, Copier> all;
    return all;
}
} // namespace

void add(const QString& prefix, Copier copier)
{
    copiers().insert(prefix, std::move(copier));
}

Copier find(const QString& source)
{
    for (auto it = copiers().constBegin(); it != copiers().constEnd(); ++it) {
        if (source.startsWith(it.key()))
            return it.value();
    }
    return {};
}
} // namespace orbfilecopiers

bool fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool copyFile(const QString& source, const QString& target, bool overwrite)
{
    if (takeFault(g_copyFaults))
        return false;
    if (const orbfilecopiers::Copier copier = orbfilecopiers::find(source)) {
        if (target.isEmpty() || (QFileInfo::exists(target) && (!overwrite || !QFile::remove(target))))
            return false;
        if (copier(source, target))
            return true;
        QFile::remove(target);
        return false;
    }
    if (!fileExists(source) || target.isEmpty())
        return false;
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return false;
    if (QFileInfo::exists(target)) {
        if (!overwrite || !QFile::remove(target))
            return false;
    }
    if (QFile::copy(source, target))
        return true;
    QFile::remove(target);
    return false;
}

bool deleteFile(const QString& path)
{
    if (takeFault(g_deleteFaults))
        return false;
    if (!QFileInfo::exists(path))
        return true;
    return QFile::remove(path);
}

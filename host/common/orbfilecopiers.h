#pragma once

#include <QString>

#include <functional>

// Copiers for sources that are not local files, such as a drawing file of a server library:
// copyFile hands a source that starts with a registered prefix to its copier, which writes a
// local file at the target.
namespace orbfilecopiers {

using Copier = std::function<bool(const QString& source, const QString& target)>;
// Registers (or replaces) the copier of sources starting with prefix.
void add(const QString& prefix, Copier copier);
// The copier of source, or null when source is a local path.
Copier find(const QString& source);

} // namespace orbfilecopiers

#pragma once

#include <QHash>
#include <QString>

class OrbMemTableViewWidget;

/// Column settings a memory-table view applies each time it lays out its fields: widths by field
/// name (compared ignoring case). Subclasses may override configure to do more. A host may hand
/// one to the data view's table widgets; the library itself passes none.
class OrbMemTableConfigurator
{
public:
    /// No widths set.
    OrbMemTableConfigurator();
    virtual ~OrbMemTableConfigurator();

    /// Host side: the width of the column of that field.
    void setColumnWidth(const QString& fieldName, int width);
    /// Host side: the width set for that field, or -1.
    int columnWidth(const QString& fieldName) const;

    /// Called by the view after it has shown a new set of fields.
    virtual void configure(OrbMemTableViewWidget* view);

private:
    QHash<QString, int> m_widths;
};

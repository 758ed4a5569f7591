#pragma once

#include <QHash>
#include <QString>

class OrbMemTableViewWidget;

// Column settings a memory-table view applies each time it lays out its fields: widths by field
// name (compared ignoring case). Subclasses may override configure to do more.
class OrbMemTableConfigurator
{
public:
    OrbMemTableConfigurator();
    virtual ~OrbMemTableConfigurator();

    void setColumnWidth(const QString& fieldName, int width);
    int columnWidth(const QString& fieldName) const;

    // Called by the view after it has shown a new set of fields.
    virtual void configure(OrbMemTableViewWidget* view);

private:
    QHash<QString, int> m_widths;
};

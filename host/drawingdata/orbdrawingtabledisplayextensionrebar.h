#pragma once

#include "drawingdata/orbdrawingtabledisplayextension.h"

#include <QList>
#include <QPointer>
#include <QString>

class OrbDrawsetProp;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

// The reference extension: a small table of extra rebar rows, one per declared property of the
// processor. The drawset declares it with the key "ExtraRebar" = "code[:default],code[:default]...".
// Edits are validated and saved through the processor's property list; every saved edit (and a
// restore of defaults) asks the drawing for a redraw, since derived values on it may change.
class OrbDrawingTableDisplayExtensionRebar : public OrbDrawingTableDisplayExtension
{
public:
    struct Row
    {
        QString code;
        QString defaultValue;
        bool hasDefault = false;
    };
    // Rows of a declaration; empty codes are skipped.
    static QList<Row> parseDeclaration(const QString& text);

    explicit OrbDrawingTableDisplayExtensionRebar(const QList<Row>& rows, QObject* parent = nullptr);
    ~OrbDrawingTableDisplayExtensionRebar() override;

    void attachTo(QWidget* container) override;
    void cancelEdit() override;
    void saveEdit() override;
    void restoreDefValues() override;

private:
    OrbDrawsetProp* propOf(int row) const;
    void fill();
    void onItemChanged(QTableWidgetItem* item);
    void showMessage(const QString& text);

    QList<Row> m_rows;
    QPointer<QTableWidget> m_table;
    QPointer<QLabel> m_message;
    QMetaObject::Connection m_calcConnection;
    bool m_filling = false;
    bool m_saving = false;
};

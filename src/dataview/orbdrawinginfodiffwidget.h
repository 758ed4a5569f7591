#pragma once

#include "orbdrawingwidgets_export.h"

#include "grid/orbtableview.h"

#include <QString>
#include <QStringList>

class OrbKeyValueList;
class QStandardItemModel;

// The drawing-info values of a drawset, one row per property: code, name, the value of the shown
// snapshot and the value of the snapshot before it. Values that differ are marked light green.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingInfoDiffWidget : public OrbTableView
{
    Q_OBJECT
public:
    explicit OrbDrawingInfoDiffWidget(QWidget* parent = nullptr);
    ~OrbDrawingInfoDiffWidget() override;

    // Appends a row with one non-editable item per text.
    void appendRow(const QStringList& texts);
    // Removes every row; columns and captions stay.
    void clear();
    // Writes the values of current and previous into the value columns and marks the rows whose
    // values differ; a row whose values are equal loses an earlier mark.
    void diffDrawingInfo(const OrbKeyValueList& current, const OrbKeyValueList& previous);
    // The code of the index's row, whatever its column; empty for an invalid index.
    QString getCodeByIndex(const QModelIndex& index);
    // Selects the first row whose code equals code, ignoring case; no match leaves the selection.
    void selectRowByCode(const QString& code);

private:
    void setupModel();
    void setupUi();
    // Widens the columns so that the texts of the rows firstRow..lastRow are shown whole.
    void fitColumns(int firstRow, int lastRow);

    QStandardItemModel* m_model = nullptr;
};

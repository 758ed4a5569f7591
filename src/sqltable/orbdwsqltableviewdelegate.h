#pragma once

#include "orbdrawingwidgets_export.h"

#include "controls/taldefaultitemdelegate.h"

// Delegate of the SQL table view: the editor style of a cell follows the SQL field of its column,
// a check box for boolean fields and a line editor for all others; a field that the database fills
// in itself (an auto-increment or sequence key) is marked read-only. The editor of a numeric field
// accepts numbers only, written with the editor's locale (its decimal point).
class ORBDRAWINGWIDGETS_EXPORT OrbDWSqlTableViewDelegate : public TalDefaultItemDelegate
{
    Q_OBJECT
public:
    // With a parent the view that the delegate is set on owns it; without one the caller does.
    explicit OrbDWSqlTableViewDelegate(QObject* parent = nullptr);
    ~OrbDWSqlTableViewDelegate() override;

    ZEditStyle editStyle(const QModelIndex& index, bool& flag) const override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

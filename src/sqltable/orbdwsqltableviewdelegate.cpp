#include "sqltable/orbdwsqltableviewdelegate.h"

#include "sqltable/orbdwsqltablemodel.h"
#include "sqltable/orbdwsqltablerecord.h"

OrbDWSqlTableViewDelegate::OrbDWSqlTableViewDelegate(QObject* parent)
    : TalDefaultItemDelegate(parent != nullptr, nullptr)
{
}

OrbDWSqlTableViewDelegate::~OrbDWSqlTableViewDelegate() = default;

ZEditStyle OrbDWSqlTableViewDelegate::editStyle(const QModelIndex& index, bool& flag) const
{
    if (index.isValid()) {
        if (const auto* model = qobject_cast<const OrbDWSqlTableModel*>(index.model())) {
            const QSqlField field = orbdwsql::tableField(model, index.column());
            if (field.isAutoValue())
                flag = true;
            return field.type() == QVariant::Bool ? esCheckBox : esLineEdit;
        }
    }
    return VantroDefaultItemDelegate::editStyle(index, flag);
}

#pragma once

#include "orbdrawingwidgets_export.h"

#include <QString>

class QSqlTableModel;

// Saving the pending changes of a manual-submit table model all or nothing.
class ORBDRAWINGWIDGETS_EXPORT OrbDWSqlSubmit
{
public:
    // Submits every pending change of model inside one database transaction and, once it is
    // committed, selects the table again. On any failure (a rejected row, a connection lost before,
    // during or at the commit) the transaction is rolled back, errorText (when given) says what
    // happened, and the model still shows exactly the rows and pending edits, inserts and removals
    // it showed before, so that the user can correct the data and save again. When the save
    // succeeded but the reselect failed, true is returned and errorText says why the rows are gone
    // from the view. Drivers without transactions submit row by row; rows saved before a failure
    // then stay saved.
    static bool submitAll(QSqlTableModel* model, QString* errorText = nullptr);
};

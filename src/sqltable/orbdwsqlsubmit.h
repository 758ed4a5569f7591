#pragma once

#include "orbdrawingwidgets_export.h"

#include <QString>

class QSqlTableModel;

// Saving the pending changes of a manual-submit table model all or nothing.
class ORBDRAWINGWIDGETS_EXPORT OrbDWSqlSubmit
{
public:
    // Submits every pending change of model inside one database transaction. On success the
    // transaction is committed. On failure it is rolled back, errorText (when given) receives the
    // database's message, and the model again holds every edit, insert and removal it held before,
    // so that the user can correct the data and save again. Drivers without transactions submit
    // row by row; rows saved before a failure then stay saved.
    static bool submitAll(QSqlTableModel* model, QString* errorText = nullptr);
};

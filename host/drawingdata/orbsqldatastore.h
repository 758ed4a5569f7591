#pragma once

#include "drawingdata/iorbdatastore.h"

class OrbSqlConnection;
class OrbSqlDrawsets;
class OrbSqlDrawsetTypes;

// The data store of a drawing file. Callers may keep it past the file: once the file is gone
// (forget), it answers with nothing and refuses removals.
class OrbSqlDataStore : public IOrbDataStore, public IOrbDataConnection
{
public:
    OrbSqlDataStore(OrbSqlConnection* connection, OrbSqlDrawsetTypes* types, OrbSqlDrawsets* drawsets);

    IOrbDataConnection* connection() override { return this; }
    void filePath(QString& out) override;
    void beginUpdate() override;
    bool endUpdate() override;
    bool removeDrawsetType(IOrbDrawsetType* type) override;
    bool removeDrawset(IOrbDrawset* drawset) override;

    void forget();

private:
    OrbSqlConnection* m_connection;
    OrbSqlDrawsetTypes* m_types;
    OrbSqlDrawsets* m_drawsets;
};

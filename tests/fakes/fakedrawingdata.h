#pragma once

// Recording fakes of the drawing-data host interfaces. Every fake writes its calls into a shared
// FakeLog under its tag ("type:<name>", "drawset:<name>", "store", "file", ...), so that tests
// assert exactly which host calls a widget made and in which order. Getters that only read
// (name, id, orderNum, ...) are not logged unless noted; writes and brackets always are.

#include "fakelog.h"

#include "drawingdata/iorbcatalog.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingfileobserver.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbdrawsetprop.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QSharedPointer>
#include <functional>
#include <memory>
#include <vector>

class FakeDrawingFile;

// A type or drawset: its name and order number, every write and bracket logged under
// "<kind>:<name>" (the name at the time of the call).
template <class Interface>
class FakeNamed : public Interface
{
public:
    FakeNamed(FakeLog* log, const char* kind, const QString& name, int orderNum)
        : m_log(log), m_kind(QLatin1String(kind)), m_name(name), m_orderNum(orderNum) {}

    void beginUpdate() override { m_log->add(tag() + QStringLiteral(".beginUpdate")); }
    void endUpdate() override { m_log->add(tag() + QStringLiteral(".endUpdate")); }
    void name(QString& out) override { out = m_name; }
    void setName(const QString& value) override
    {
        m_log->add(tag() + QStringLiteral(".setName(%1)").arg(value));
        m_name = value;
    }
    int orderNum() override { return m_orderNum; }
    void setOrderNum(int value) override
    {
        m_log->add(tag() + QStringLiteral(".setOrderNum(%1)").arg(value));
        m_orderNum = value;
    }
    QString tag() const { return m_kind + QLatin1Char(':') + m_name; }

    FakeLog* m_log;
    QString m_kind;
    QString m_name;
    int m_orderNum;
};

class FakeDrawsetType : public FakeNamed<IOrbDrawsetType>
{
public:
    FakeDrawsetType(FakeLog* log, const QString& name, int elementType, int orderNum = 0)
        : FakeNamed(log, "type", name, orderNum), m_elementType(elementType) {}
    int elementType() override { return m_elementType; }
    int m_elementType;
};

class FakeDrawset : public FakeNamed<IOrbDrawset>
{
public:
    FakeDrawset(FakeLog* log, FakeDrawsetType* type, const QString& name, int id, int orderNum = 0)
        : FakeNamed(log, "drawset", name, orderNum), m_type(type), m_id(id) {}

    IOrbDrawingFile* drawingFile() override { return m_file; }
    int id() override { return m_id; }
    IOrbDrawsetType* drawsetType() override { return m_type; }
    OrbKeyValueList* keyValues() override { return &m_keyValues; }
    const QByteArray& vectorDrawingData() override { return m_drawing; }
    bool isVisible() override { return m_visible; }

    IOrbDrawingFile* m_file = nullptr;
    FakeDrawsetType* m_type;
    int m_id;
    bool m_visible = true;
    bool m_removed = false; // no longer listed by getByType
    OrbKeyValueList m_keyValues;
    QByteArray m_drawing;
};

class FakeDataConnection : public IOrbDataConnection
{
public:
    void filePath(QString& out) override { out = m_path; }
    QString m_path;
};

// Logs brackets and removals; every removal succeeds.
class FakeDataStore : public IOrbDataStore
{
public:
    explicit FakeDataStore(FakeLog* log) : m_log(log) {}

    IOrbDataConnection* connection() override { return &m_connection; }
    void beginUpdate() override;
    bool endUpdate() override;
    bool removeDrawsetType(IOrbDrawsetType* type) override;
    bool removeDrawset(IOrbDrawset* drawset) override;

    FakeLog* m_log;
    FakeDataConnection m_connection;
};

// A drawing file held in memory. Types and drawsets are listed in the order they were added
// (tests add them in display order); the file owns every object it hands out.
class FakeDrawingFile : public IOrbDrawingFile,
                        public IOrbDrawsetTypes,
                        public IOrbDrawsets,
                        public IOrbCodeCatalog,
                        public IOrbFieldCatalog
{
public:
    explicit FakeDrawingFile(FakeLog* log, const QString& fileName = QStringLiteral("fake.drw"));
    ~FakeDrawingFile() override;

    FakeDrawsetType* addType(const QString& name, int elementType);
    FakeDrawset* addDrawset(FakeDrawsetType* type, const QString& name);
    // Catalogue entries are the host's plain value rows.
    void addCode(FakeDrawset* drawset, const QString& code, const QString& alias, const QString& displayName);
    void addField(FakeDrawset* drawset, const QString& fieldName, const QString& displayName);

    // IOrbDrawingFile
    void fileName(QString& out) override { out = m_fileName; }
    void elementTypes(QSet<int>& out) override { out = m_elementTypes; }
    QSharedPointer<IOrbDataStore> dataStore() override { return m_store; }
    IOrbDrawsetTypes* drawsetTypes() override { return this; }
    IOrbDrawsets* drawsets() override { return this; }
    IOrbCodeCatalog* codeCatalog() override { return this; }
    IOrbFieldCatalog* fieldCatalog() override { return this; }
    bool isEditable() override { return m_editable; }
    void addObserver(IOrbDrawingFileObserver* observer) override;
    void removeObserver(IOrbDrawingFileObserver* observer) override { m_observers.removeAll(observer); }
    // Tells the registered observers, as a host does after a committed batch.
    void notify(const QList<OrbDrawingChange>& changes);

    // IOrbDrawsetTypes, IOrbDrawsets (logged as "file.getAll" and "file.getByType(<type>)"); both
    // append to out, as the contract says, so a caller that does not clear its list first shows it
    void getAll(QList<IOrbDrawsetType*>& out, bool flag) override;
    void getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type) override;
    // IOrbCodeCatalog, IOrbFieldCatalog
    void getByDrawset(QList<IOrbCodeEntry*>& out, IOrbDrawset* drawset) override;
    void getByDrawset(QList<IOrbFieldEntry*>& out, IOrbDrawset* drawset) override;

    FakeLog* m_log;
    QString m_fileName;
    QSet<int> m_elementTypes;
    bool m_editable = true;
    QSharedPointer<FakeDataStore> m_store;
    std::vector<std::unique_ptr<FakeDrawsetType>> m_types;
    std::vector<std::unique_ptr<FakeDrawset>> m_drawsets;
    QHash<IOrbDrawsetType*, QList<FakeDrawset*>> m_byType; // kept by addDrawset
    QHash<IOrbDrawset*, QList<IOrbCodeEntry*>> m_codes;
    QHash<IOrbDrawset*, QList<IOrbFieldEntry*>> m_fields;
    std::vector<std::unique_ptr<IOrbCodeEntry>> m_codeStore;
    std::vector<std::unique_ptr<IOrbFieldEntry>> m_fieldStore;
    QList<IOrbDrawingFileObserver*> m_observers;
};

// A drawing service over fake files and in-memory tables ("service.queryTable(<drawset>,<name>)").
class FakeDrawingService : public IOrbDrawingService,
                           public IOrbDrawingFileRegistry,
                           public IOrbDrawsetTableProvider
{
public:
    explicit FakeDrawingService(FakeLog* log) : m_log(log) {}

    void addFile(const QSharedPointer<FakeDrawingFile>& file);

    IOrbDrawingFileRegistry* drawingFiles() override { return this; }
    IOrbDrawsetTableProvider* drawsetTableProvider() override { return this; }
    void fileNames(QStringList& out) override;
    IOrbDrawingFile* findFile(const QString& name) override;
    void openFile(QSharedPointer<IOrbDrawingFile>& out, const QString& name) override;
    QSharedPointer<LumMemTable> queryTable(IOrbDrawset* drawset, const QString& tableName,
                                           const OrbKeyValueList& params) override;

    FakeLog* m_log;
    QList<QSharedPointer<FakeDrawingFile>> m_files;
    // Tables answered by queryTable, keyed by drawset and table name; m_tableSource, when set,
    // answers instead (the benchmarks hand out fresh tables on every query).
    QHash<QPair<IOrbDrawset*, QString>, QSharedPointer<LumMemTable>> m_tables;
    std::function<QSharedPointer<LumMemTable>(IOrbDrawset*, const QString&)> m_tableSource;
};

class FakeProp : public OrbDrawsetProp
{
public:
    FakeProp(const QString& code, int vdID, const QString& value = QString());

    int decimals() override { return m_decimals; }
    QString code() override { return m_code; }
    QString infoCode() override { return m_code; }
    QString infoName() override { return m_code; }
    int vdID() override { return m_vdID; }
    QString value(bool) override { return m_value; }
    bool isReadOnly() override { return m_readOnly; }
    bool isDefaultExcluded() override { return m_defaultExcluded; }
    bool isDrawingInfo() override { return m_drawingInfo; }

    int m_decimals = 0;
    QString m_code;
    int m_vdID;
    QString m_value;
    bool m_readOnly = false;
    bool m_defaultExcluded = false;
    bool m_drawingInfo = true;
};

// Properties in insertion order. saveEditorValue is logged as
// "props.saveEditorValue(<code>,<code>...=<value>)" and answers m_saveResult; when it answers
// true the value is written into every listed property.
class FakeProps : public OrbDrawsetProps
{
public:
    explicit FakeProps(FakeLog* log) : m_log(log) {}

    FakeProp* add(const QString& code, int vdID, const QString& value = QString());

    int count() override { return int(m_props.size()); }
    OrbDrawsetProp* at(int index) override;
    OrbDrawsetProp* find(const QString& code) override;
    bool validate(OrbDrawsetProp* prop, const QString& value, QString& message) override;
    bool saveEditorValue(QList<OrbDrawsetProp*> props, const QString& value) override;

    FakeLog* m_log;
    std::vector<std::unique_ptr<FakeProp>> m_props;
    bool m_saveResult = true;
    // validate refuses values listed here with the message "invalid".
    QSet<QString> m_invalidValues;
};

// A processor whose answers are set by the test; every operation is logged as "processor.<op>".
class FakeProcessor : public OrbDrawingInfoProcessor
{
    Q_OBJECT
public:
    explicit FakeProcessor(FakeLog* log, QObject* parent = nullptr);

    long long entType() override;
    long long elementType() override;
    void filterTables(QList<QPair<QString, QString>*>& out) override;
    void displayParams(QMap<QString, QString>& out) override;
    IOrbDrawset* drawset() override { return m_drawset; }
    void setDrawset(IOrbDrawset* drawset) override;
    void open() override;
    void calculate() override;
    void initDefValues(const DefValues& values) override;
    bool restoreDefValues(const DefValues& values) override;
    OrbDrawsetProps* drawsetProps() override { return m_hasProps ? &m_props : nullptr; }
    QString drawingID() override { return m_drawingID; }
    QString toDrawingInfo() override { return m_drawingInfo; }

    FakeLog* m_log;
    long long m_entType = 0;
    long long m_elementType = 0;
    QList<QPair<QString, QString>> m_filterTables;
    QMap<QString, QString> m_displayParams;
    IOrbDrawset* m_drawset = nullptr;
    FakeProps m_props;
    bool m_hasProps = true;
    bool m_restoreResult = true;
    QString m_drawingID = QStringLiteral("DRAWING-1");
    QString m_drawingInfo;
    DefValues m_lastDefValues;
};

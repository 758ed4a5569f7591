#include "fakedrawingdata.h"

#include "drawingdata/orbsqlcodeentry.h"
#include "drawingdata/orbsqlfieldentry.h"

void FakeDataStore::beginUpdate() { m_log->add(QStringLiteral("store.beginUpdate")); }
bool FakeDataStore::endUpdate()
{
    m_log->add(QStringLiteral("store.endUpdate"));
    return true;
}

bool FakeDataStore::removeDrawsetType(IOrbDrawsetType* type)
{
    m_log->add(QStringLiteral("store.removeDrawsetType(%1)").arg(nameOf(type)));
    return true;
}

bool FakeDataStore::removeDrawset(IOrbDrawset* drawset)
{
    m_log->add(QStringLiteral("store.removeDrawset(%1)").arg(nameOf(drawset)));
    return true;
}

FakeDrawingFile::FakeDrawingFile(FakeLog* log, const QString& fileName)
    : m_log(log), m_fileName(fileName), m_store(new FakeDataStore(log))
{
}

FakeDrawingFile::~FakeDrawingFile() = default;

FakeDrawsetType* FakeDrawingFile::addType(const QString& name, int elementType)
{
    m_types.push_back(std::make_unique<FakeDrawsetType>(m_log, name, elementType, int(m_types.size())));
    return m_types.back().get();
}

FakeDrawset* FakeDrawingFile::addDrawset(FakeDrawsetType* type, const QString& name)
{
    const int id = int(m_drawsets.size()) + 1;
    m_drawsets.push_back(std::make_unique<FakeDrawset>(m_log, type, name, id, id));
    m_drawsets.back()->m_file = this;
    m_byType[type].append(m_drawsets.back().get());
    return m_drawsets.back().get();
}

void FakeDrawingFile::addCode(FakeDrawset* drawset, const QString& code, const QString& alias,
                              const QString& displayName)
{
    m_codeStore.push_back(std::make_unique<OrbSqlCodeEntry>(code, alias, displayName));
    m_codes[drawset].append(m_codeStore.back().get());
}

void FakeDrawingFile::addField(FakeDrawset* drawset, const QString& fieldName, const QString& displayName)
{
    m_fieldStore.push_back(std::make_unique<OrbSqlFieldEntry>(fieldName, displayName));
    m_fields[drawset].append(m_fieldStore.back().get());
}

void FakeDrawingFile::getAll(QList<IOrbDrawsetType*>& out, bool flag)
{
    m_log->add(QStringLiteral("file.getAll(%1)").arg(flag ? QStringLiteral("true") : QStringLiteral("false")));
    for (const auto& t : m_types)
        out.append(t.get());
}

void FakeDrawingFile::getByType(QList<IOrbDrawset*>& out, IOrbDrawsetType* type)
{
    m_log->add(QStringLiteral("file.getByType(%1)").arg(nameOf(type)));
    for (FakeDrawset* d : m_byType.value(type))
        if (!d->m_removed)
            out.append(d);
}

void FakeDrawingFile::addObserver(IOrbDrawingFileObserver* observer)
{
    if (!m_observers.contains(observer))
        m_observers.append(observer);
}

void FakeDrawingFile::notify(const QList<OrbDrawingChange>& changes)
{
    const QList<IOrbDrawingFileObserver*> observers = m_observers;
    for (IOrbDrawingFileObserver* observer : observers)
        observer->drawingFileChanged(this, changes);
}

void FakeDrawingFile::getByDrawset(QList<IOrbCodeEntry*>& out, IOrbDrawset* drawset)
{
    out += m_codes.value(drawset);
}

void FakeDrawingFile::getByDrawset(QList<IOrbFieldEntry*>& out, IOrbDrawset* drawset)
{
    out += m_fields.value(drawset);
}

void FakeDrawingService::addFile(const QSharedPointer<FakeDrawingFile>& file)
{
    m_files.append(file);
}

void FakeDrawingService::fileNames(QStringList& out)
{
    out.clear();
    for (const auto& f : m_files)
        out.append(f->m_fileName);
}

IOrbDrawingFile* FakeDrawingService::findFile(const QString& name)
{
    m_log->add(QStringLiteral("service.findFile(%1)").arg(name));
    for (const auto& f : m_files)
        if (f->m_fileName == name)
            return f.data();
    return nullptr;
}

void FakeDrawingService::openFile(QSharedPointer<IOrbDrawingFile>& out, const QString& name)
{
    m_log->add(QStringLiteral("service.openFile(%1)").arg(name));
    out.reset();
    for (const auto& f : m_files)
        if (f->m_fileName == name)
            out = f;
}

QSharedPointer<LumMemTable> FakeDrawingService::queryTable(IOrbDrawset* drawset, const QString& tableName,
                                                           const OrbKeyValueList& params)
{
    Q_UNUSED(params);
    m_log->add(QStringLiteral("service.queryTable(%1,%2)").arg(nameOf(drawset), tableName));
    return m_tableSource ? m_tableSource(drawset, tableName) : m_tables.value(qMakePair(drawset, tableName));
}

FakeProp::FakeProp(const QString& code, int vdID, const QString& value)
    : m_code(code), m_vdID(vdID), m_value(value)
{
}

FakeProp* FakeProps::add(const QString& code, int vdID, const QString& value)
{
    m_props.push_back(std::make_unique<FakeProp>(code, vdID, value));
    return m_props.back().get();
}

OrbDrawsetProp* FakeProps::at(int index)
{
    if (index < 0 || index >= int(m_props.size()))
        return nullptr;
    return m_props[size_t(index)].get();
}

OrbDrawsetProp* FakeProps::find(const QString& code)
{
    for (const auto& p : m_props)
        if (p->m_code == code)
            return p.get();
    return nullptr;
}

bool FakeProps::validate(OrbDrawsetProp* prop, const QString& value, QString& message)
{
    m_log->add(QStringLiteral("props.validate(%1=%2)").arg(prop ? prop->code() : QString(), value));
    if (m_invalidValues.contains(value)) {
        message = QStringLiteral("invalid");
        return false;
    }
    return true;
}

bool FakeProps::saveEditorValue(QList<OrbDrawsetProp*> props, const QString& value)
{
    QStringList codes;
    for (OrbDrawsetProp* p : props)
        codes.append(p ? p->code() : QStringLiteral("null"));
    m_log->add(QStringLiteral("props.saveEditorValue(%1=%2)").arg(codes.join(QLatin1Char(',')), value));
    if (!m_saveResult)
        return false;
    for (OrbDrawsetProp* p : props)
        if (auto* fake = dynamic_cast<FakeProp*>(p))
            fake->m_value = value;
    return true;
}

FakeProcessor::FakeProcessor(FakeLog* log, QObject* parent)
    : OrbDrawingInfoProcessor(parent), m_log(log), m_props(log)
{
}

long long FakeProcessor::entType()
{
    m_log->add(QStringLiteral("processor.entType"));
    return m_entType;
}

long long FakeProcessor::elementType()
{
    m_log->add(QStringLiteral("processor.elementType"));
    return m_elementType;
}

void FakeProcessor::filterTables(QList<QPair<QString, QString>*>& out)
{
    m_log->add(QStringLiteral("processor.filterTables"));
    for (const auto& t : m_filterTables)
        out.append(new QPair<QString, QString>(t));
}

void FakeProcessor::displayParams(QMap<QString, QString>& out)
{
    m_log->add(QStringLiteral("processor.displayParams"));
    out = m_displayParams;
}

void FakeProcessor::setDrawset(IOrbDrawset* drawset)
{
    m_log->add(QStringLiteral("processor.setDrawset(%1)").arg(nameOf(drawset, QStringLiteral("null"))));
    m_drawset = drawset;
}

void FakeProcessor::open() { m_log->add(QStringLiteral("processor.open")); }

void FakeProcessor::calculate()
{
    m_log->add(QStringLiteral("processor.calculate"));
    emit onBeforeCalculate();
    emit onAfterCalculate();
}

void FakeProcessor::initDefValues(const DefValues& values)
{
    m_log->add(QStringLiteral("processor.initDefValues(%1)").arg(values.size()));
    m_lastDefValues = values;
}

bool FakeProcessor::restoreDefValues(const DefValues& values)
{
    m_log->add(QStringLiteral("processor.restoreDefValues(%1)").arg(values.size()));
    m_lastDefValues = values;
    return m_restoreResult;
}

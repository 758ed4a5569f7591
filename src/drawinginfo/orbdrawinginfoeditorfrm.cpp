#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "ui_orbdrawinginfoeditorfrm.h"

#include "drawinginfo/orbdrawinginfoparamsvdeditor.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include "common/lumcoreunittest.h"
#include "common/orbnumberutils.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbdrawsetprop.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QDebug>

#include <cstdint>

namespace {
// QString::fromStdWString, copying plain BMP text directly instead of through the general UCS-4
// converter; anything else (surrogates, code points above U+FFFF) goes to Qt.
QString fromWide(const std::wstring& text)
{
    QString result(int(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<std::uint32_t>(text[i]);
        if (c >= 0xD800 && (c < 0xE000 || c > 0xFFFF))
            return QString::fromStdWString(text);
        out[i] = QChar(ushort(c));
    }
    return result;
}

// The same the other way (QString::toStdWString) into out, whose storage is reused.
void toWide(const QString& text, std::wstring& out)
{
    const int size = text.size();
    out.resize(size_t(size));
    const QChar* in = text.constData();
    for (int i = 0; i < size; ++i) {
        if (in[i].isSurrogate()) {
            out.resize(size_t(text.toWCharArray(&out[0])));
            return;
        }
        out[size_t(i)] = wchar_t(in[i].unicode());
    }
}
} // namespace

OrbDrawingInfoEditorFrm::OrbDrawingInfoEditorFrm(IOrbDrawingService* service, QWidget* parent)
    : QWidget(parent),
      OrbVectorDrawingEditorService_AutoTrans(),
      ui(new Ui::OrbDrawingInfoEditorFrm),
      m_service(service),
      m_editor(nullptr),
      m_processor(nullptr)
{
    ui->setupUi(this);

    m_editor = new OrbDrawingInfoParamsVDEditor(this);

    OrbVectorDrawingUtils::preferFontBeside(m_editor, QStringLiteral("simsun.ttc"));

    // Both a click on an entity and the opening of an in-place editor are reported as a click.
    connect(m_editor, &OrbCustomVectorDrawingEditor::onDrawingItemClick, m_editor,
            [this](ZVDEntity* entity) { emit onDrawingItemClick(entity); });
    connect(m_editor, &OrbCustomVectorDrawingEditor::onAfterOpenEditor, m_editor,
            [this](ZVDText* text) { emit onDrawingItemClick(text); });

    m_editor->setEditorService(static_cast<IVectorDrawingEditorService*>(this), true);
    ui->mainLayout->addWidget(m_editor);
}

OrbDrawingInfoEditorFrm::~OrbDrawingInfoEditorFrm()
{
    // The editor must not call back into a half-destroyed service.
    if (m_editor)
        m_editor->setEditorService(nullptr, false);
    delete ui;
}

void OrbDrawingInfoEditorFrm::setProcessor(OrbDrawingInfoProcessor* processor)
{
    if (processor == m_processor)
        return;
    m_processor = processor;
    prepareViewer();
}

OrbDrawingInfoProcessor* OrbDrawingInfoEditorFrm::processor() const
{
    return m_processor;
}

void OrbDrawingInfoEditorFrm::prepareViewer()
{
    clearVDPropList();
    IOrbDrawset* drawset = m_processor ? m_processor->drawset() : nullptr;
    loadVectorDrawing(drawset ? drawset->vectorDrawingData() : QByteArray());
    if (drawset)
        initVDPropList();
}

void OrbDrawingInfoEditorFrm::initVDPropList()
{
    OrbDrawsetProps* props = m_processor ? m_processor->drawsetProps() : nullptr;
    ZVectorDrawing* drawing = m_editor->vectorDrawing();
    if (!props || !drawing || props->count() < 1)
        return;
    const int count = props->count();
    m_props.reserve(count);
    m_defValues.reserve(count);
    m_boundTexts.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        OrbDrawsetProp* prop = props->at(i);
        if (!prop)
            continue;
        const int id = prop->vdID();
        if (id == -1)
            continue;
        auto* text = dynamic_cast<ZVDText*>(drawing->find(id));
        if (!text)
            continue;
        m_props.append(prop);
        const int k = m_props.size() - 1;
        // Ids usually come in ascending order: the end hint saves the search (a smaller or equal
        // id falls back to the plain insert, so the same entries result).
        m_vdIndex.insert(m_vdIndex.constEnd(), id, k);
        m_vdTexts.insert(m_vdTexts.constEnd(), id, text);
        m_boundTexts.emplace_back(id, text);
        if (!prop->isDefaultExcluded())
            m_defValues.append({prop, fromWide(text->text())});
    }
}

void OrbDrawingInfoEditorFrm::clearVDPropList()
{
    m_editor->closeEditor();
    m_props.clear();
    m_defValues.clear();
    m_vdIndex.clear();
    m_vdTexts.clear();
    m_boundTexts.clear();
}

void OrbDrawingInfoEditorFrm::readPropValues()
{
    const bool bound = m_boundTexts.size() == size_t(m_props.size());
    for (int k = 0; k < m_props.size(); ++k) {
        OrbDrawsetProp* prop = m_props.at(k);
        if (!prop)
            continue;
        const qint64 id = prop->vdID();
        if (id == -1)
            continue;
        // Every property bound to an id was bound to the same text, the one m_vdTexts holds.
        ZVDText* text = bound && m_boundTexts[size_t(k)].first == id ? m_boundTexts[size_t(k)].second
                                                                     : m_vdTexts.value(id, nullptr);
        if (!text)
            continue;
        toWide(prop->value(false), m_textBuffer);
        text->setText(m_textBuffer);
    }
    // Texts do not report their changes to the view.
    m_editor->update();
}

void OrbDrawingInfoEditorFrm::refreshProcessor()
{
    if (!m_processor)
        return;
    m_processor->initDefValues(m_defValues);
    m_processor->open();
    m_processor->calculate();
    m_editor->closeEditor();
    readPropValues();
}

void OrbDrawingInfoEditorFrm::refreshViewer()
{
    m_editor->closeEditor();
    readPropValues();
}

void OrbDrawingInfoEditorFrm::restoreDefValues()
{
    if (!m_processor)
        return;
    if (!m_processor->restoreDefValues(m_defValues))
        return;
    m_editor->closeEditor();
    readPropValues();
}

void OrbDrawingInfoEditorFrm::loadVectorDrawing(const QByteArray& data)
{
    const bool loaded = OrbVectorDrawingUtils::loadData(m_editor->vectorDrawing(), data);
    OrbVectorDrawingUtils::showDamagedNotice(m_editor, !loaded);
    m_editor->reloadParams();
    m_editor->zoomAll();
}

OrbDrawsetProp* OrbDrawingInfoEditorFrm::findProp(const QString& code)
{
    OrbDrawsetProps* props = m_processor ? m_processor->drawsetProps() : nullptr;
    return props ? props->find(code) : nullptr;
}

OrbDrawsetProp* OrbDrawingInfoEditorFrm::findProp(qint64 vdid)
{
    // find() gives the entry inserted last for the id: the property bound last.
    const auto it = m_vdIndex.constFind(vdid);
    if (it == m_vdIndex.constEnd())
        return nullptr;
    const int index = it.value();
    if (index < 0 || index >= m_props.size())
        return nullptr;
    return m_props.at(index);
}

ZVDText* OrbDrawingInfoEditorFrm::findVDText(OrbDrawsetProp* prop)
{
    if (!prop)
        return nullptr;
    const qint64 id = prop->vdID();
    if (id == -1)
        return nullptr;
    return m_vdTexts.value(id, nullptr);
}

OrbDrawsetProp* OrbDrawingInfoEditorFrm::getProp(int index)
{
    return index >= 0 && index < m_props.size() ? m_props.at(index) : nullptr;
}

qint64 OrbDrawingInfoEditorFrm::getPropVDID(OrbDrawsetProp* prop)
{
    return prop ? qint64(prop->vdID()) : -1;
}

bool OrbDrawingInfoEditorFrm::isReadOnlyProp(OrbDrawsetProp* prop)
{
    return prop ? prop->isReadOnly() : false;
}

void OrbDrawingInfoEditorFrm::openEditor(OrbDrawsetProp* prop)
{
    if (!prop)
        return;
    m_editor->openEditor(prop->vdID());
}

bool OrbDrawingInfoEditorFrm::saveEditorValue()
{
    return m_editor->save();
}

void OrbDrawingInfoEditorFrm::zoomAll()
{
    m_editor->zoomAll();
}

ZVectorDrawing* OrbDrawingInfoEditorFrm::vectorDrawing()
{
    return m_editor->vectorDrawing();
}

bool OrbDrawingInfoEditorFrm::canEditorHide(qint64 vdid, const QString& text, QString& out)
{
    OrbDrawsetProp* prop = findProp(vdid);
    if (!prop || prop->isReadOnly())
        return true;
    if (!text.isEmpty()) {
        OrbDrawsetProps* props = m_processor ? m_processor->drawsetProps() : nullptr;
        // Only spaces still count as an entry: their trimmed (empty) form is validated.
        const QString trimmed = text.trimmed();
        if (props && !props->validate(prop, trimmed, out))
            return false;
        out = trimmed;
        return true;
    }
    // A cleared text restores the current value.
    out = prop->value(false);
    return true;
}

qint64 OrbDrawingInfoEditorFrm::getNextParamVDID(qint64 vdid)
{
    const auto it = m_vdIndex.constFind(vdid);
    if (it == m_vdIndex.constEnd())
        return -1;
    const int start = it.value();
    auto editable = [](OrbDrawsetProp* prop) {
        return prop && !prop->isReadOnly() && prop->vdID() != -1;
    };
    for (int i = start + 1; i < m_props.size(); ++i) {
        if (editable(m_props.at(i)))
            return m_props.at(i)->vdID();
    }
    if (start >= 1) {
        for (int i = 0; i < start && i < m_props.size(); ++i) {
            if (editable(m_props.at(i)))
                return m_props.at(i)->vdID();
        }
    }
    return -1;
}

bool OrbDrawingInfoEditorFrm::isParam(qint64 vdid)
{
    return findProp(vdid) != nullptr;
}

void OrbDrawingInfoEditorFrm::queryParamValue(qint64 vdid, QString& value, QString& /*other*/)
{
    ZVDText* text = findVDText(findProp(vdid));
    if (!text)
        return;
    value = QString::fromStdWString(text->text());
    if (value.startsWith(QLatin1Char('@')))
        value.remove(0, 1);
}

bool OrbDrawingInfoEditorFrm::isReadOnly(qint64 vdid)
{
    OrbDrawsetProp* prop = findProp(vdid);
    return prop ? prop->isReadOnly() : true;
}

bool OrbDrawingInfoEditorFrm::adjustEditorValue(qint64 vdid, QString& value)
{
    OrbDrawsetProp* prop = findProp(vdid);
    if (!prop || prop->isReadOnly())
        return false;
    const int decimals = prop->decimals();
    if (decimals < 1)
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return false;
    value = orbstrcommon::doubleToStr(fRound(number, decimals, 1e-12), decimals, false);
    return true;
}

bool OrbDrawingInfoEditorFrm::saveEditorValue(std::vector<qint64>& /*ids*/, qint64 vdid, QString value)
{
    // Every property bound to the edited text gets the value, the one bound last first.
    QList<OrbDrawsetProp*> list;
    const QList<int> indexes = m_vdIndex.values(vdid);
    for (int index : indexes) {
        if (index >= 0 && index < m_props.size() && m_props.at(index))
            list.append(m_props.at(index));
    }
    OrbDrawsetProps* props = m_processor ? m_processor->drawsetProps() : nullptr;
    const bool saved = props ? props->saveEditorValue(list, value) : false;
    recordEdit(list, value);
    if (saved) {
        m_editor->closeEditor();
        readPropValues();
    }
    return saved;
}

void OrbDrawingInfoEditorFrm::recordEdit(const QList<OrbDrawsetProp*>& props, const QString& value)
{
    LumCoreUnitTest* r = LumCoreUnitTest::instance();
    if (!r || r->isTesting() || !r->isActive()
        || !r->isTestCaseMatched(QStringLiteral("Orb_Model_Prop_Edit_Value"), QString())
        || props.isEmpty())
        return;
    QSharedPointer<LumTestCase> current = r->currentTestCase();
    r->startTestCase(QStringLiteral("Orb_Drawing_Set_Edit"), QString(), QString(), QString(), current);
    const QString drawingID = m_processor ? m_processor->drawingID() : QString();
    const QString text = QStringLiteral("%1|%2|%3").arg(drawingID).arg(props.first()->code()).arg(value);
    r->commitTestCase(text.toLocal8Bit(), true, true);
    current.reset();
}

bool OrbDrawingInfoEditorFrm::queryToolTip(qint64 vdid, QString& tip)
{
    OrbDrawsetProp* prop = findProp(vdid);
    if (!prop)
        return false;
    if (!tip.isEmpty())
        tip += QLatin1Char(' ');
    tip += prop->code();
    return !tip.isEmpty();
}

bool OrbDrawingInfoEditorFrm::parserKeyValue(QString text, const QString& key, QString& value)
{
    if (!text.startsWith(key, Qt::CaseSensitive))
        return false;
    const int p = text.indexOf(QLatin1Char('='), 0, Qt::CaseSensitive);
    if (p <= 0)
        return false;
    value = text.mid(p + 1);
    return true;
}

QHash<QString, QString> OrbDrawingInfoEditorFrm::getAttributes(const QString& attr)
{
    // The colon is U+FF1A (full width).
    qDebug() << "OrbDrawingInfoEditorFrm::getAttributes\xEF\xBC\x9A" << attr;

    QHash<QString, QString> result;
    QString code;
    const bool open = parserKeyValue(attr, QStringLiteral("open"), code);
    if (open || parserKeyValue(attr, QStringLiteral("value"), code)) {
        OrbDrawsetProps* props = m_processor ? m_processor->drawsetProps() : nullptr;
        OrbDrawsetProp* prop = props ? props->find(code) : nullptr;
        if (!prop)
            return result;
        QString v;
        QString w;
        static_cast<IVectorDrawingEditorService*>(this)->queryParamValue(prop->vdID(), v, w);
        result[code] = v;
        if (open)
            m_editor->openEditor(prop->vdID());
    } else if (attr.startsWith(QStringLiteral("query"), Qt::CaseSensitive)) {
        for (OrbDrawsetProp* prop : qAsConst(m_props)) {
            ZVDText* text = findVDText(prop);
            if (text)
                result[prop->code()] = QString::fromStdWString(text->text());
        }
    }
    qDebug() << result;
    return result;
}

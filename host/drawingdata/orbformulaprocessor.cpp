#include "drawingdata/orbformulaprocessor.h"

#include "common/orbnumberutils.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "grid/lummemtable.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSignalBlocker>

#include <muParser.h>

#include <cmath>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("OrbDrawingWidgets", text);
}

QList<OrbFormulaProcessor*>& registry()
{
    static QList<OrbFormulaProcessor*> processors;
    return processors;
}

quint64 nextGeneration()
{
    static quint64 generation = 0;
    return ++generation;
}

const QRegularExpression& rebarPattern()
{
    // "C12@200" (bars spread at a spacing), "C8@100/200" (stirrups: dense and normal spacing)
    // or "4C12" (a count of bars); the letter is the grade.
    static const QRegularExpression re(
        QStringLiteral("^(\\d+)?([A-Ea-e])(\\d{1,2})(?:@(\\d+)(?:/(\\d+))?)?$"));
    return re;
}

QString gradeName(QChar letter)
{
    switch (letter.toUpper().toLatin1()) {
    case 'A': return QStringLiteral("HPB300");
    case 'B': return QStringLiteral("HRB335");
    case 'C': return QStringLiteral("HRB400");
    case 'D': return QStringLiteral("RRB400");
    default: return QStringLiteral("HRB500");
    }
}

// Names that stand for functions or constants in a formula, not for property codes.
bool isBuiltin(const QString& name)
{
    static const QSet<QString> names = {
        QStringLiteral("sin"), QStringLiteral("cos"), QStringLiteral("tan"), QStringLiteral("asin"),
        QStringLiteral("acos"), QStringLiteral("atan"), QStringLiteral("sinh"), QStringLiteral("cosh"),
        QStringLiteral("tanh"), QStringLiteral("log2"), QStringLiteral("log10"), QStringLiteral("log"),
        QStringLiteral("ln"), QStringLiteral("exp"), QStringLiteral("sqrt"), QStringLiteral("sign"),
        QStringLiteral("rint"), QStringLiteral("abs"), QStringLiteral("min"), QStringLiteral("max"),
        QStringLiteral("sum"), QStringLiteral("avg"), QStringLiteral("_pi"), QStringLiteral("_e"),
    };
    return names.contains(name);
}

QStringList identifiers(const QString& formula)
{
    static const QRegularExpression re(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*"));
    QStringList out;
    QSet<QString> seen;
    auto it = re.globalMatch(formula);
    while (it.hasNext()) {
        const auto match = it.next();
        // A number such as 1e3 is not a name.
        const int start = match.capturedStart();
        if (start > 0 && (formula.at(start - 1).isDigit() || formula.at(start - 1) == QLatin1Char('.')))
            continue;
        const QString name = match.captured();
        if (!isBuiltin(name) && !seen.contains(name)) {
            seen.insert(name);
            out.append(name);
        }
    }
    return out;
}

QString formatNumber(double value, int decimals)
{
    return orbstrcommon::doubleToStr(fRound(value, decimals, 1e-12), decimals, false);
}

// Every calculated table opens with these two columns; the table's own columns follow.
constexpr int kIdColumn = 0;
constexpr int kDrawsetIdColumn = 1;
constexpr int kFirstDataColumn = 2;

constexpr OrbParamCategory kBarCategory = OrbParamCategory::Bar;
constexpr OrbParamCategory kQuantityCategory = OrbParamCategory::Quantity;
constexpr OrbParamCategory kAttributeCategory = OrbParamCategory::Attribute;

#define ORB_CAPTION(text) QT_TRANSLATE_NOOP("OrbDrawingWidgets", text)
using Cell = OrbFormulaProcessor::TableCell;
using Column = OrbFormulaProcessor::TableColumn;

const QVector<Column> kParamColumns = {
    {"Code", QMetaType::QString, ORB_CAPTION("代码"), Cell::Code},
    {"Name", QMetaType::QString, ORB_CAPTION("名称"), Cell::Name},
    {"Value", QMetaType::QString, ORB_CAPTION("值"), Cell::Value},
    {"Unit", QMetaType::QString, ORB_CAPTION("单位"), Cell::Unit},
    {"InfoCode", QMetaType::QString, ORB_CAPTION("图集信息代码"), Cell::InfoCode},
    {"Formula", QMetaType::QString, ORB_CAPTION("公式"), Cell::Formula},
};
const QVector<Column> kBarColumns = {
    {"BarCode", QMetaType::QString, ORB_CAPTION("钢筋代码"), Cell::Code},
    {"BarName", QMetaType::QString, ORB_CAPTION("钢筋名称"), Cell::Name},
    {"Grade", QMetaType::QString, ORB_CAPTION("级别"), Cell::Grade},
    {"Diameter", QMetaType::Int, ORB_CAPTION("直径"), Cell::Diameter},
    {"Length", QMetaType::Double, ORB_CAPTION("单根长度(mm)"), Cell::Length},
    {"Count", QMetaType::Int, ORB_CAPTION("根数"), Cell::Count},
    {"Weight", QMetaType::Double, ORB_CAPTION("重量(kg)"), Cell::Weight},
};
const QVector<Column> kQuantityColumns = {
    {"Code", QMetaType::QString, ORB_CAPTION("代码"), Cell::Code},
    {"Name", QMetaType::QString, ORB_CAPTION("名称"), Cell::Name},
    {"Quantity", QMetaType::QString, ORB_CAPTION("工程量"), Cell::Value},
    {"Unit", QMetaType::QString, ORB_CAPTION("单位"), Cell::Unit},
    {"Formula", QMetaType::QString, ORB_CAPTION("公式"), Cell::Formula},
};
const QVector<Column> kAttributeColumns = {
    {"Code", QMetaType::QString, ORB_CAPTION("代码"), Cell::Code},
    {"Name", QMetaType::QString, ORB_CAPTION("名称"), Cell::Name},
    {"Value", QMetaType::QString, ORB_CAPTION("值"), Cell::Value},
};
#undef ORB_CAPTION
} // namespace

struct OrbFormulaProcessor::Bar
{
    bool valid = false;
    QString grade;
    int diameter = 0;
    double length = 0;
    int count = 0;
    double weight = 0;
    QString error;
};

// ---------------------------------------------------------------------------------------------

OrbFormulaProp::OrbFormulaProp(const OrbParamDef& definition)
    : m_def(definition)
{
    if (m_def.infoCode.isEmpty())
        m_def.infoCode = m_def.code;
    if (m_def.infoName.isEmpty())
        m_def.infoName = m_def.name;
    m_default = m_def.defaultValue;
}

int OrbFormulaProp::decimals()
{
    return m_def.dataType == OrbParamDataType::Number ? m_def.decimals : 0;
}

QString OrbFormulaProp::code()
{
    return m_def.code;
}

QString OrbFormulaProp::infoCode()
{
    return m_def.infoCode;
}

QString OrbFormulaProp::infoName()
{
    return m_def.infoName;
}

int OrbFormulaProp::vdID()
{
    return m_def.vdId;
}

QString OrbFormulaProp::value(bool flag)
{
    if (flag && !m_value.isEmpty() && !m_def.unit.isEmpty())
        return m_value + m_def.unit;
    return m_value;
}

bool OrbFormulaProp::isReadOnly()
{
    return m_def.readOnly || isDerived();
}

bool OrbFormulaProp::isDefaultExcluded()
{
    return m_def.defaultExcluded;
}

bool OrbFormulaProp::isDrawingInfo()
{
    return m_def.drawingInfo;
}

// ---------------------------------------------------------------------------------------------

OrbFormulaProps::OrbFormulaProps(OrbFormulaProcessor* processor)
    : m_processor(processor)
{
}

OrbFormulaProps::~OrbFormulaProps() = default;

int OrbFormulaProps::count()
{
    return int(m_props.size());
}

OrbDrawsetProp* OrbFormulaProps::at(int index)
{
    return index >= 0 && index < count() ? m_props[size_t(index)].get() : nullptr;
}

OrbFormulaProp* OrbFormulaProps::own(OrbDrawsetProp* prop) const
{
    return m_index.value(prop);
}

OrbFormulaProp* OrbFormulaProps::byCode(const QString& code) const
{
    return m_byCode.value(code);
}

void OrbFormulaProps::reset(const QList<OrbParamDef>& definitions)
{
    m_props.clear();
    m_index.clear();
    m_byCode.clear();
    m_derivedByCode.clear();
    for (const OrbParamDef& def : definitions) {
        m_props.emplace_back(new OrbFormulaProp(def));
        OrbFormulaProp* p = m_props.back().get();
        m_index.insert(p, p);
        if (!m_byCode.contains(def.code))
            m_byCode.insert(def.code, p);
        if (p->isDerived())
            m_derivedByCode[def.code].append(p);
    }
}

OrbDrawsetProp* OrbFormulaProps::find(const QString& code)
{
    if (code.isEmpty())
        return nullptr;
    for (const auto& p : m_props) {
        if (p->m_def.code == code)
            return p.get();
    }
    for (const auto& p : m_props) {
        if (p->m_def.infoCode == code)
            return p.get();
    }
    for (const auto& p : m_props) {
        if (p->m_def.code.compare(code, Qt::CaseInsensitive) == 0
            || p->m_def.infoCode.compare(code, Qt::CaseInsensitive) == 0)
            return p.get();
    }
    return nullptr;
}

bool OrbFormulaProps::validate(OrbDrawsetProp* prop, const QString& value, QString& message)
{
    OrbFormulaProp* p = own(prop);
    if (!p) {
        message = tr("参数不存在");
        return false;
    }
    const OrbParamDef& def = p->m_def;
    if (p->isReadOnly()) {
        message = tr("参数“%1”是只读的，不能修改").arg(def.name);
        return false;
    }
    const QString text = value.trimmed();
    switch (def.dataType) {
    case OrbParamDataType::Text:
        return true;
    case OrbParamDataType::Rebar:
        if (!rebarPattern().match(text).hasMatch()) {
            message = tr("“%1”的钢筋格式不正确，应为 C12@200、C8@100/200 或 4C12 的形式").arg(def.name);
            return false;
        }
        return true;
    case OrbParamDataType::Number:
        break;
    }
    if (text.isEmpty()) {
        message = tr("“%1”不能为空").arg(def.name);
        return false;
    }
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        message = tr("“%1”必须是数字，“%2”不是有效的数字").arg(def.name, text);
        return false;
    }
    const bool below = def.hasMin && number < def.minValue;
    const bool above = def.hasMax && number > def.maxValue;
    if (below || above) {
        const QString lo = orbstrcommon::doubleToStr(def.minValue, def.decimals, true);
        const QString hi = orbstrcommon::doubleToStr(def.maxValue, def.decimals, true);
        if (def.hasMin && def.hasMax)
            message = tr("“%1”的取值范围为 %2 ~ %3").arg(def.name, lo, hi);
        else if (def.hasMin)
            message = tr("“%1”不能小于 %2").arg(def.name, lo);
        else
            message = tr("“%1”不能大于 %2").arg(def.name, hi);
        return false;
    }
    return true;
}

bool OrbFormulaProps::saveEditorValue(QList<OrbDrawsetProp*> props, const QString& value)
{
    if (props.isEmpty())
        return false;
    QList<OrbFormulaProp*> targets;
    for (OrbDrawsetProp* prop : props) {
        QString message;
        if (!validate(prop, value, message)) {
            m_processor->debug(tr("保存失败: %1").arg(message));
            return false;
        }
        targets.append(own(prop));
    }
    const QString text = value.trimmed();
    for (OrbFormulaProp* p : targets) {
        emit m_processor->onBeforeChange(p, text);
        m_processor->applyValue(p, text);
        QVariant v(p->m_value);
        emit m_processor->onAfterChange(p, v);
    }
    m_processor->calculate();
    return true;
}

// ---------------------------------------------------------------------------------------------

OrbFormulaProcessor::OrbFormulaProcessor(QObject* parent)
    : OrbDrawingInfoProcessor(parent)
    , m_props(this)
{
    registry().append(this);
}

OrbFormulaProcessor::~OrbFormulaProcessor()
{
    registry().removeAll(this);
}

OrbFormulaProcessor* OrbFormulaProcessor::findByDrawset(IOrbDrawset* drawset)
{
    OrbFormulaProcessor* best = nullptr;
    if (!drawset)
        return nullptr;
    for (OrbFormulaProcessor* p : registry()) {
        if (p->m_drawset == drawset && (!best || p->m_generation > best->m_generation))
            best = p;
    }
    return best;
}

void OrbFormulaProcessor::filterTables(QList<QPair<QString, QString>*>& out)
{
    for (const OrbFilterTableDef& f : m_filterTables)
        out.append(new QPair<QString, QString>(f.name, f.caption));
}

void OrbFormulaProcessor::displayParams(QMap<QString, QString>& out)
{
    out = m_displayParams;
}

void OrbFormulaProcessor::setDrawingInfo(const QString& text)
{
    OrbKeyValueList list;
    list.loadFromString(text, QLatin1Char(';'));
    m_elementValues.clear();
    for (const QString& key : list.keys())
        m_elementValues.insert(key, list.getValue(key).toString());
}

void OrbFormulaProcessor::setDrawset(IOrbDrawset* drawset)
{
    m_drawset = drawset;
    m_generation = nextGeneration();
    m_props.reset({});
    m_filterTables.clear();
    if (!drawset)
        return;
    auto* file = dynamic_cast<OrbSqlDrawingFile*>(drawset->drawingFile());
    OrbDrawsetDef def;
    QString error;
    if (!file || !file->drawsetDefinition(drawset, def, &error)) {
        debug(error.isEmpty() ? tr("图集 %1 没有参数定义").arg(drawset->id()) : error);
        return;
    }
    m_props.reset(def.params);
    m_filterTables = def.filterTables;
}

void OrbFormulaProcessor::applyValue(OrbFormulaProp* prop, const QString& value)
{
    prop->m_value = value;
    prop->m_hasValue = true;
}

void OrbFormulaProcessor::open()
{
    bool uncalculated = false;
    for (const auto& p : m_props.m_props) {
        uncalculated = uncalculated || (p->isDerived() && !p->m_hasValue);
        if (p->m_hasValue || p->isDerived())
            continue;
        const auto it = m_elementValues.constFind(p->m_def.infoCode);
        QString message;
        if (it != m_elementValues.constEnd() && m_props.validate(p.get(), it.value(), message))
            applyValue(p.get(), it.value().trimmed());
        else
            applyValue(p.get(), p->m_default);
    }
    // Derived values are there from the start, so that a caller that shows values right after
    // open() shows them all; the calculation that reports itself is calculate().
    if (uncalculated) {
        const QSignalBlocker quiet(this);
        calculate();
    }
}

void OrbFormulaProcessor::initDefValues(const DefValues& values)
{
    for (const auto& pair : values) {
        OrbFormulaProp* p = m_props.own(pair.first);
        if (!p || p->isDerived())
            continue;
        QString text = pair.second.trimmed();
        if (text.startsWith(QLatin1Char('@')))
            text.remove(0, 1);
        // A drawing text that is no valid value keeps the stored default.
        QString message;
        if (p->isReadOnly() || m_props.validate(p, text, message))
            p->m_default = text;
        else
            debug(tr("%1: 图面默认值“%2”无效，使用 %3").arg(p->m_def.code, text, p->m_default));
    }
}

bool OrbFormulaProcessor::restoreDefValues(const DefValues& values)
{
    if (m_props.m_props.empty())
        return false;
    initDefValues(values);
    for (const auto& p : m_props.m_props) {
        if (!p->isDerived())
            applyValue(p.get(), p->m_default);
    }
    calculate();
    return true;
}

OrbDrawsetProps* OrbFormulaProcessor::drawsetProps()
{
    return m_drawset ? &m_props : nullptr;
}

QString OrbFormulaProcessor::drawingID()
{
    if (!m_drawset)
        return QString();
    const QVariant id = m_drawset->keyValues() ? m_drawset->keyValues()->getValue(QStringLiteral("DrawingID"))
                                               : QVariant();
    return id.isValid() && !id.toString().isEmpty() ? id.toString() : QString::number(m_drawset->id());
}

QString OrbFormulaProcessor::toDrawingInfo()
{
    QStringList items;
    for (const auto& p : m_props.m_props) {
        if (p->m_def.drawingInfo)
            items.append(p->m_def.infoCode + QLatin1Char('=') + p->m_value);
    }
    return items.join(QLatin1Char(';'));
}

void OrbFormulaProcessor::debug(const QString& text)
{
    emit onOutputDebugInfo(text);
}

bool OrbFormulaProcessor::evaluate(OrbFormulaProp* prop, const QString& formula, double& result, QString& error,
                                   QList<OrbFormulaProp*>* used)
{
    const QStringList names = identifiers(formula);
    std::vector<double> values(size_t(names.size()), 0.0);
    mu::Parser parser;
    try {
        for (int i = 0; i < names.size(); ++i) {
            OrbFormulaProp* source = m_props.byCode(names.at(i));
            if (!source) {
                error = tr("公式“%1”中的代码 %2 不存在").arg(formula, names.at(i));
                return false;
            }
            if (source == prop) {
                error = tr("公式“%1”引用了自身").arg(formula);
                return false;
            }
            bool ok = false;
            values[size_t(i)] = source->m_value.toDouble(&ok);
            if (!ok) {
                error = tr("公式“%1”中的 %2 没有数值").arg(formula, names.at(i));
                return false;
            }
            if (used)
                used->append(source);
            parser.DefineVar(names.at(i).toStdString(), &values[size_t(i)]);
        }
        parser.SetExpr(formula.toStdString());
        result = parser.Eval();
    } catch (const mu::Parser::exception_type& e) {
        error = tr("公式“%1”无法计算: %2").arg(formula, QString::fromStdString(e.GetMsg()));
        return false;
    }
    if (!std::isfinite(result)) {
        error = tr("公式“%1”的结果无效（除数为零）").arg(formula);
        return false;
    }
    return true;
}

// Evaluates a derived property after the derived properties it uses, depth first on a stack of
// our own so that a long chain in a file cannot exhaust the call stack; state: 1 busy, 2 done.
// Each failure is written to the debug output with its reason; false when prop could not be computed.
bool OrbFormulaProcessor::evaluateDerived(OrbFormulaProp* prop, QHash<OrbFormulaProp*, int>& state)
{
    struct Frame
    {
        OrbFormulaProp* prop;
        QList<OrbFormulaProp*> inputs;
        int next = 0;
        QString error;
    };
    std::vector<Frame> stack;
    auto push = [&](OrbFormulaProp* p) {
        state.insert(p, 1);
        stack.push_back({p, derivedInputs(p), 0, QString()});
    };
    push(prop);
    bool ok = false;
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.inputs.size()) {
            OrbFormulaProp* input = top.inputs.at(top.next++);
            const int inputState = state.value(input);
            if (inputState == 1)
                top.error = tr("公式循环引用: %1 与 %2").arg(top.prop->m_def.code, input->m_def.code);
            else if (inputState == 0 && stack.size() >= kMaxFormulaChain)
                top.error = tr("公式链超过 %1 层: %2").arg(kMaxFormulaChain).arg(top.prop->m_def.code);
            else if (inputState == 0)
                push(input);
            continue;
        }
        Frame done = std::move(top);
        stack.pop_back();
        ok = finishDerived(done.prop, done.error);
        state.insert(done.prop, 2);
    }
    return ok;
}

QList<OrbFormulaProp*> OrbFormulaProcessor::derivedInputs(OrbFormulaProp* prop) const
{
    QList<OrbFormulaProp*> inputs;
    for (const QString& name : identifiers(prop->m_def.formula)) {
        for (OrbFormulaProp* p : m_props.m_derivedByCode.value(name)) {
            if (p != prop)
                inputs.append(p);
        }
    }
    return inputs;
}

bool OrbFormulaProcessor::finishDerived(OrbFormulaProp* prop, QString& error)
{
    double result = 0;
    QList<OrbFormulaProp*> used;
    const bool ok = error.isEmpty() && evaluate(prop, prop->m_def.formula, result, error, &used);
    if (!ok) {
        prop->m_value.clear();
        prop->m_hasValue = true;
        debug(tr("%1（%2）无法计算: %3").arg(prop->m_def.code, prop->m_def.name, error));
        return false;
    }
    applyValue(prop, formatNumber(result, prop->m_def.decimals));
    QStringList ids{QString::number(prop->m_def.id)};
    for (OrbFormulaProp* u : used)
        ids.append(QString::number(u->m_def.id));
    debug(QStringLiteral("%1 = %2 = %3").arg(prop->m_def.code, prop->m_def.formula, prop->m_value));
    debug(QStringLiteral("\u0001%1\t%2\t%3\t%4:%5")
              .arg(tr("公式"), QLatin1String(kParamTable), prop->m_def.code, tr("参数"), ids.join(QLatin1Char(';'))));
    return true;
}

OrbFormulaProcessor::Bar OrbFormulaProcessor::barOf(OrbFormulaProp* prop)
{
    Bar bar;
    const auto match = rebarPattern().match(prop->m_value.trimmed());
    if (!match.hasMatch()) {
        bar.error = tr("钢筋“%1”的值“%2”格式不正确").arg(prop->m_def.code, prop->m_value);
        return bar;
    }
    bar.grade = gradeName(match.captured(2).at(0));
    bar.diameter = match.captured(3).toInt();
    QString error;
    if (!prop->m_def.barLength.isEmpty() && !evaluate(prop, prop->m_def.barLength, bar.length, error, nullptr)) {
        bar.error = error;
        return bar;
    }
    if (!match.captured(1).isEmpty()) {
        bar.count = match.captured(1).toInt();
    } else {
        // Dense and normal zones are counted at their mean spacing.
        const int spacing = match.captured(5).isEmpty() ? match.captured(4).toInt()
                                                         : (match.captured(4).toInt() + match.captured(5).toInt()) / 2;
        double span = 0;
        if (spacing <= 0 || prop->m_def.barSpan.isEmpty()
            || !evaluate(prop, prop->m_def.barSpan, span, error, nullptr)) {
            bar.error = error.isEmpty() ? tr("钢筋“%1”缺少间距或分布宽度").arg(prop->m_def.code) : error;
            return bar;
        }
        bar.count = int(std::floor(span / spacing)) + 1;
    }
    // Weight per metre of a round bar: 0.00617 d² kg.
    bar.weight = fRound(0.00617 * bar.diameter * bar.diameter * bar.length / 1000.0 * bar.count, 3, 1e-12);
    bar.valid = true;
    return bar;
}

void OrbFormulaProcessor::calculate()
{
    emit onBeforeCalculate();
    if (!m_drawset) {
        debug(tr("没有图集，不计算"));
        emit onAfterCalculate();
        return;
    }
    QString name;
    m_drawset->name(name);
    debug(tr("开始计算: %1").arg(name));
    QHash<OrbFormulaProp*, int> state;
    int formulas = 0;
    int failures = 0;
    for (const auto& p : m_props.m_props) {
        if (!p->isDerived())
            continue;
        ++formulas;
        if (state.value(p.get()) == 2) {
            failures += p->m_value.isEmpty() ? 1 : 0;
            continue;
        }
        if (!evaluateDerived(p.get(), state))
            ++failures;
    }
    for (const auto& p : m_props.m_props) {
        if (p->m_def.category == OrbParamCategory::Bar) {
            const Bar bar = barOf(p.get());
            if (!bar.valid) {
                debug(bar.error);
                continue;
            }
            debug(tr("%1: %2 直径 %3 长 %4 根数 %5 重 %6 kg")
                      .arg(p->m_def.code, bar.grade)
                      .arg(bar.diameter)
                      .arg(formatNumber(bar.length, 0))
                      .arg(bar.count)
                      .arg(formatNumber(bar.weight, 3)));
            debug(QStringLiteral("\u0001%1\t%2\t%3\t%4:%5")
                      .arg(tr("钢筋"), QLatin1String(kBarTable), p->m_def.code, tr("钢筋"))
                      .arg(p->m_def.id));
        } else if (p->m_def.category == OrbParamCategory::Quantity && !p->m_value.isEmpty()) {
            debug(QStringLiteral("\u0001%1\t%2\t%3\t%4:%5")
                      .arg(tr("工程量"), QLatin1String(kQuantityTable), p->m_def.code, tr("工程量"))
                      .arg(p->m_def.id));
        }
    }
    debug(tr("计算完成: %1 个公式，%2 个无法计算").arg(formulas).arg(failures));
    emit onAfterCalculate();
}

QStringList OrbFormulaProcessor::tableNames() const
{
    QStringList names{QLatin1String(kParamTable), QLatin1String(kBarTable)};
    for (const OrbFilterTableDef& f : m_filterTables)
        names.append(f.name);
    names << QLatin1String(kQuantityTable) << QLatin1String(kAttributeTable);
    return names;
}

QSharedPointer<LumMemTable> OrbFormulaProcessor::table(const QString& tableName)
{
    if (!m_drawset)
        return {};
    if (tableName == QLatin1String(kParamTable))
        return propertyTable(tableName, kParamColumns, nullptr);
    if (tableName == QLatin1String(kBarTable))
        return propertyTable(tableName, kBarColumns, &kBarCategory);
    if (tableName == QLatin1String(kQuantityTable))
        return propertyTable(tableName, kQuantityColumns, &kQuantityCategory);
    if (tableName == QLatin1String(kAttributeTable))
        return propertyTable(tableName, kAttributeColumns, &kAttributeCategory);
    for (const OrbFilterTableDef& filter : m_filterTables) {
        if (filter.name == tableName)
            return filterTable(filter);
    }
    return {};
}

QSharedPointer<LumMemTable> OrbFormulaProcessor::newTable(const QString& tableName) const
{
    QSharedPointer<LumMemTable> t(new LumMemTable(tableName));
    t->fields()->add(QStringLiteral("ID"), QMetaType::Int);
    t->fields()->add(QStringLiteral("DrawSetID"), QMetaType::Int);
    return t;
}

QSharedPointer<LumMemTable> OrbFormulaProcessor::propertyTable(const QString& tableName,
                                                               const QVector<TableColumn>& columns,
                                                               const OrbParamCategory* only)
{
    QSharedPointer<LumMemTable> t = newTable(tableName);
    for (const TableColumn& c : columns)
        t->fields()->add(QLatin1String(c.field), c.type, tr(c.caption));
    const int drawsetId = m_drawset->id();
    for (const auto& p : m_props.m_props) {
        if (only && p->m_def.category != *only)
            continue;
        const Bar bar = p->m_def.category == OrbParamCategory::Bar && only ? barOf(p.get()) : Bar();
        LumMemRecord* r = t->appendRecord();
        r->setValue(kIdColumn, p->m_def.id);
        r->setValue(kDrawsetIdColumn, drawsetId);
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant value = cellValue(p.get(), bar, columns.at(i).cell);
            if (value.isValid())
                r->setValue(kFirstDataColumn + i, value);
        }
    }
    return t;
}

QVariant OrbFormulaProcessor::cellValue(OrbFormulaProp* p, const Bar& bar, TableCell cell) const
{
    switch (cell) {
    case TableCell::Code: return p->m_def.code;
    case TableCell::Name: return p->m_def.name;
    case TableCell::Value: return p->m_value;
    case TableCell::Unit: return p->m_def.unit;
    case TableCell::InfoCode: return p->m_def.infoCode;
    case TableCell::Formula: return p->m_def.formula;
    default: break;
    }
    if (!bar.valid)
        return {};
    switch (cell) {
    case TableCell::Grade: return bar.grade;
    case TableCell::Diameter: return bar.diameter;
    case TableCell::Length: return fRound(bar.length, 0, 1e-12);
    case TableCell::Count: return bar.count;
    case TableCell::Weight: return bar.weight;
    default: return {};
    }
}

QSharedPointer<LumMemTable> OrbFormulaProcessor::filterTable(const OrbFilterTableDef& filter) const
{
    QSharedPointer<LumMemTable> t = newTable(filter.name);
    for (const QString& column : filter.columns)
        t->fields()->add(column, QMetaType::QString);
    const int drawsetId = m_drawset->id();
    int id = 0;
    for (const QStringList& row : filter.rows) {
        LumMemRecord* r = t->appendRecord();
        r->setValue(kIdColumn, ++id);
        r->setValue(kDrawsetIdColumn, drawsetId);
        for (int c = 0; c < filter.columns.size() && c < row.size(); ++c)
            r->setValue(kFirstDataColumn + c, row.at(c));
    }
    return t;
}

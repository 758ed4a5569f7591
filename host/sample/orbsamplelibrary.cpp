#include "sample/orbsamplelibrary.h"

#include "sample/orbdrawingfilebuilder.h"
#include "drawingdata/orbdrawingservice.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cmath>
#include <sstream>

namespace {
// Bump when the generated content changes, so that ensure() rewrites older libraries.
constexpr int kGeneratorVersion = 2;
const char* const kStampName = "sample-library.version";

const QColor kOutline(20, 20, 20);
const QColor kDimension(0, 128, 96);
const QColor kValue(0, 80, 230);
const QColor kGround(110, 90, 60);
const QColor kBar(200, 30, 30);
constexpr double kTextHeight = 90;

enum VdId { vdH = 1, vdD = 2, vdT = 3, vdB = 4, vdDN = 5, vdBar = 6, vdV = 7 };

enum class Shape { Round, Rect };

struct WellSpec
{
    QString name;
    QString keyValues;
    bool visible = true;
    Shape shape = Shape::Round;
    double D = 1000, H = 2500, T = 240, B = 200, DN = 400;
    QString bar = QStringLiteral("C12@200");
    QString material = QStringLiteral("砖砌");
    bool filters = false;
};

double wallVolume(const WellSpec& w)
{
    if (w.shape == Shape::Round)
        return M_PI * (std::pow(w.D / 2 + w.T, 2) - std::pow(w.D / 2, 2)) * w.H / 1e9;
    return (std::pow(w.D + 2 * w.T, 2) - w.D * w.D) * w.H / 1e9;
}

QString number(double v, int decimals = 0)
{
    return QString::number(v, 'f', decimals);
}

// Draws in drawing units (mm), y up, ground at 0.
class Section
{
public:
    explicit Section(ZVectorDrawing* d) : m_d(d) {}

    void line(double x1, double y1, double x2, double y2, const QColor& c = kOutline)
    {
        add(new ZVDLine(m_next++, QPointF(x1, y1), QPointF(x2, y2)), c);
    }
    void rect(double x1, double y1, double x2, double y2, const QColor& c = kOutline)
    {
        add(new ZVDPolyline(m_next++, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, true), c);
    }
    void text(int id, double x, double y, const QString& s, int align, const QColor& c = kOutline,
              double h = kTextHeight)
    {
        add(new ZVDText(id > 0 ? id : m_next++, QPointF(x, y), h, s.toStdWString(), align), c);
    }
    void tick(double x, double y) { line(x - 35, y - 35, x + 35, y + 35, kDimension); }
    // Horizontal dimension: extension marks at x1 and x2, the value text above its middle.
    void hDim(double x1, double x2, double y, int id, const QString& value, const QString& label)
    {
        line(x1 - 60, y, x2 + 60, y, kDimension);
        line(x1, y - 80, x1, y + 80, kDimension);
        line(x2, y - 80, x2, y + 80, kDimension);
        tick(x1, y);
        tick(x2, y);
        const double mid = (x1 + x2) / 2;
        text(id, mid, y + 25, value, Qt::AlignHCenter | Qt::AlignBottom, kValue);
        text(0, mid, y - 25, label, Qt::AlignHCenter | Qt::AlignTop, kDimension, kTextHeight * 0.8);
    }
    // Vertical dimension at x from y1 to y2, the value text beside its middle.
    void vDim(double x, double y1, double y2, int id, const QString& value, const QString& label)
    {
        line(x, y1 + 60, x, y2 - 60, kDimension);
        line(x - 80, y1, x + 80, y1, kDimension);
        line(x - 80, y2, x + 80, y2, kDimension);
        tick(x, y1);
        tick(x, y2);
        const double mid = (y1 + y2) / 2;
        text(0, x + 40, mid + 15, label, Qt::AlignLeft | Qt::AlignBottom, kDimension, kTextHeight * 0.8);
        text(id, x + 40, mid - 15, value, Qt::AlignLeft | Qt::AlignTop, kValue);
    }

private:
    void add(ZVDEntity* e, const QColor& c)
    {
        e->setColor(c);
        m_d->add(e);
    }
    ZVectorDrawing* m_d;
    int m_next = 100; // parameter texts use the ids below
};

QByteArray wellDrawing(const WellSpec& w)
{
    ZVectorDrawing drawing;
    Section s(&drawing);
    const double r = w.D / 2, outer = r + w.T, bottom = -w.H, slab = bottom - w.B;
    const double half = outer + 900;
    // Ground line with hatching, interrupted by the well.
    s.line(-half, 0, -outer - 100, 0, kGround);
    s.line(outer + 100, 0, half, 0, kGround);
    for (double x = -half; x < half; x += 150) {
        if (std::fabs(x) > outer + 150)
            s.line(x, 0, x - 70, -70, kGround);
    }
    // Cover, walls, bottom slab and cushion.
    s.rect(-outer - 100, 0, outer + 100, -100);
    s.rect(-outer, -100, -r, bottom);
    s.rect(r, -100, outer, bottom);
    s.rect(-outer - 100, bottom, outer + 100, slab);
    s.rect(-outer - 200, slab, outer + 200, slab - 100, kGround);
    // Inlet and outlet pipes at the invert.
    for (int side : {-1, 1}) {
        const double x0 = side * outer, x1 = side * half;
        s.line(x0, bottom + 50, x1, bottom + 50, kOutline);
        s.line(x0, bottom + 50 + w.DN, x1, bottom + 50 + w.DN, kOutline);
    }
    // The slab's rebar: a line inside the slab with short stubs.
    s.line(-outer - 60, slab + 50, outer + 60, slab + 50, kBar);
    for (double x = -outer; x <= outer; x += 200)
        s.line(x, slab + 50, x, slab + 90, kBar);

    // Dimensions with their parameter texts, which show the defaults.
    s.vDim(half - 250, 0, bottom, vdH, number(w.H), QStringLiteral("井深 H"));
    s.hDim(-r, r, (-100 + bottom + 50 + w.DN) / 2, vdD, number(w.D),
           w.shape == Shape::Round ? QStringLiteral("内径 D") : QStringLiteral("内宽 D"));
    s.hDim(r, outer, slab - 350, vdT, number(w.T), QStringLiteral("壁厚 T"));
    s.vDim(-outer - 400, bottom, slab, vdB, number(w.B), QStringLiteral("底板 B"));
    s.text(0, -half + 60, bottom + 80 + w.DN, QStringLiteral("DN"), Qt::AlignLeft | Qt::AlignBottom);
    s.text(vdDN, -half + 260, bottom + 80 + w.DN, number(w.DN), Qt::AlignLeft | Qt::AlignBottom, kValue);
    s.text(vdBar, 0, slab + 130, w.bar, Qt::AlignHCenter | Qt::AlignBottom, kValue);
    // The derived volume, shown under the title.
    s.text(0, -200, slab - 700, QStringLiteral("井壁体积 V="), Qt::AlignRight | Qt::AlignBottom);
    s.text(vdV, -180, slab - 700, number(wallVolume(w), 2), Qt::AlignLeft | Qt::AlignBottom, kValue);
    s.text(0, 80, slab - 700, QStringLiteral("m³"), Qt::AlignLeft | Qt::AlignBottom);
    s.text(0, 0, slab - 1000, w.name.section(QLatin1Char(' '), 0, 0) + QStringLiteral(" 剖面图"),
           Qt::AlignHCenter | Qt::AlignBottom, kOutline, 130);

    std::stringstream stream(std::ios::in | std::ios::out | std::ios::binary);
    drawing.saveToStream(&stream, vdsfStream, false);
    const std::string bytes = stream.str();
    return QByteArray(bytes.data(), int(bytes.size()));
}

OrbParamDef param(const QString& code, const QString& name, int vdId, double lo, double hi, double def)
{
    OrbParamDef p = OrbParamDef::number(code, name, vdId, number(def)).range(lo, hi);
    p.unit = QStringLiteral("mm");
    return p;
}

OrbParamDef quantity(const QString& code, const QString& name, const QString& formula, int vdId)
{
    OrbParamDef p = OrbParamDef::derived(code, name, formula, 2, OrbParamCategory::Quantity);
    p.vdId = vdId;
    p.unit = QStringLiteral("m³");
    return p;
}

OrbDrawsetDef wellDrawset(const WellSpec& w, int orderNum)
{
    OrbDrawsetDef d;
    d.name = w.name;
    d.orderNum = orderNum;
    d.visible = w.visible;
    d.keyValues = w.keyValues;
    d.drawing = wellDrawing(w);
    d.params << param(QStringLiteral("H"), QStringLiteral("井深"), vdH, 500, 6000, w.H)
             << param(QStringLiteral("D"), w.shape == Shape::Round ? QStringLiteral("井室内径") : QStringLiteral("井室内宽"),
                      vdD, 400, 3000, w.D)
             << param(QStringLiteral("T"), QStringLiteral("井壁厚"), vdT, 120, 490, w.T)
             << param(QStringLiteral("B"), QStringLiteral("底板厚"), vdB, 100, 500, w.B)
             << param(QStringLiteral("DN"), QStringLiteral("管径"), vdDN, 200, 1500, w.DN);
    d.params[4].infoCode = QStringLiteral("GJ");
    d.params << OrbParamDef::rebar(QStringLiteral("A1"), QStringLiteral("底板钢筋"), w.bar,
                                   QStringLiteral("D+2*T+200-2*40"), QStringLiteral("D+2*T+200"));
    d.params.last().vdId = vdBar;
    const bool round = w.shape == Shape::Round;
    d.params << quantity(QStringLiteral("V"), QStringLiteral("井壁体积"),
                         round ? QStringLiteral("_pi*((D/2+T)^2-(D/2)^2)*H/1e9") : QStringLiteral("((D+2*T)^2-D^2)*H/1e9"),
                         vdV)
             << quantity(QStringLiteral("VB"), QStringLiteral("底板混凝土"),
                         round ? QStringLiteral("_pi*(D/2+T+100)^2*B/1e9") : QStringLiteral("(D+2*T+200)^2*B/1e9"), -1)
             << quantity(QStringLiteral("VW"), QStringLiteral("挖方"),
                         round ? QStringLiteral("_pi*(D/2+T+500)^2*(H+B+100)/1e9")
                               : QStringLiteral("(D+2*T+1000)^2*(H+B+100)/1e9"),
                         -1);
    d.params << OrbParamDef::attribute(QStringLiteral("CZ"), QStringLiteral("材质"), w.material);

    for (const OrbParamDef& p : d.params) {
        const QString info = p.infoCode.isEmpty() ? p.code : p.infoCode;
        d.codes.append({info, p.code.toLower(), p.name});
    }
    d.fields << OrbFieldDef{QStringLiteral("BarCode"), QStringLiteral("钢筋代码")}
             << OrbFieldDef{QStringLiteral("Quantity"), QStringLiteral("工程量")};
    if (w.filters) {
        d.filterTables.append({QStringLiteral("WellSizeFilter"), QStringLiteral("规格筛选"),
                               {QStringLiteral("D"), QStringLiteral("H"), QStringLiteral("T")},
                               {{QStringLiteral("700"), QStringLiteral("1500"), QStringLiteral("240")},
                                {QStringLiteral("1000"), QStringLiteral("2500"), QStringLiteral("240")},
                                {QStringLiteral("1250"), QStringLiteral("3000"), QStringLiteral("370")},
                                {QStringLiteral("1500"), QStringLiteral("4000"), QStringLiteral("370")}}});
        d.filterTables.append({QStringLiteral("PipeFilter"), QStringLiteral("管径筛选"),
                               {QStringLiteral("GJ"), QStringLiteral("D")},
                               {{QStringLiteral("300"), QStringLiteral("700")},
                                {QStringLiteral("400"), QStringLiteral("1000")},
                                {QStringLiteral("600"), QStringLiteral("1250")}}});
    }
    return d;
}

struct TypeSpec
{
    int elementType;
    QString name;
    QList<WellSpec> wells;
};

struct FileSpec
{
    QString name;
    QList<int> elementTypes;
    QList<TypeSpec> types;
};

WellSpec well(const QString& name, const QString& keys, Shape shape = Shape::Round)
{
    WellSpec w;
    w.name = name;
    w.keyValues = keys;
    w.shape = shape;
    return w;
}

QList<FileSpec> library()
{
    const QString sewage = QStringLiteral("WSJ=1;YSJ=0");
    const QString rain = QStringLiteral("WSJ=0;YSJ=1");

    WellSpec roundSewage = well(QStringLiteral("砖砌圆形污水检查井"), sewage + QStringLiteral(";DrawingID=06MS201-3-5"));
    roundSewage.filters = true;
    WellSpec roundRain = well(QStringLiteral("砖砌圆形雨水检查井"), rain + QStringLiteral(";DrawingID=06MS201-3-8"));
    roundRain.D = 1250;
    roundRain.H = 3000;
    roundRain.T = 370;
    WellSpec concrete = well(QStringLiteral("混凝土圆形检查井 {grade}"), QStringLiteral("DrawingID=06MS201-3-21"));
    concrete.material = QStringLiteral("混凝土");
    concrete.T = 200;
    concrete.bar = QStringLiteral("C14@150");
    concrete.filters = true;
    WellSpec retired = well(QStringLiteral("圆形检查井(旧版)"), sewage);
    retired.visible = false;
    WellSpec rectSewage = well(QStringLiteral("砖砌矩形污水检查井"), sewage, Shape::Rect);
    rectSewage.D = 1100;
    WellSpec rectRain = well(QStringLiteral("砖砌矩形雨水检查井"), rain, Shape::Rect);
    rectRain.D = 1500;
    rectRain.H = 3500;
    rectRain.T = 370;
    WellSpec drop = well(QStringLiteral("竖管式跌水井"), QStringLiteral("WSJ=1;YSJ=1"));
    drop.H = 4000;
    drop.DN = 600;

    WellSpec inlet1 = well(QStringLiteral("单箅雨水口"), rain, Shape::Rect);
    inlet1.D = 680;
    inlet1.H = 1000;
    inlet1.DN = 300;
    inlet1.bar = QStringLiteral("4C10");
    inlet1.filters = true;
    WellSpec inlet2 = inlet1;
    inlet2.name = QStringLiteral("双箅雨水口");
    inlet2.D = 1450;
    inlet2.filters = false;
    WellSpec inlet3 = inlet1;
    inlet3.name = QStringLiteral("立箅式雨水口");
    inlet3.H = 1200;
    inlet3.filters = false;

    WellSpec general = well(QStringLiteral("通用圆形检查井"), QString());
    WellSpec generalInlet = inlet1;
    generalInlet.name = QStringLiteral("通用雨水口");
    generalInlet.filters = false;
    WellSpec sump = well(QStringLiteral("集水坑"), QString(), Shape::Rect);
    sump.D = 2000;
    sump.H = 1500;

    return {
        {QStringLiteral("检查井图集"),
         {5020, 5021, 5022},
         {{5020, QStringLiteral("圆形检查井"), {roundSewage, roundRain, concrete, retired}},
          {5021, QStringLiteral("矩形检查井"), {rectSewage, rectRain}},
          {5022, QStringLiteral("跌水井"), {drop}}}},
        {QStringLiteral("雨水口图集"),
         {5030, 5031},
         {{5030, QStringLiteral("平箅雨水口"), {inlet1, inlet2}}, {5031, QStringLiteral("立箅雨水口"), {inlet3}}}},
        {QStringLiteral("通用图集"),
         {},
         {{5020, QStringLiteral("通用检查井"), {general}},
          {5030, QStringLiteral("通用雨水口"), {generalInlet}},
          {5040, QStringLiteral("其他构件"), {sump}}}},
    };
}

QString filePath(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name + QLatin1Char('.') + QLatin1String(OrbDrawingService::kSuffix));
}
} // namespace

QStringList OrbSampleLibrary::fileNames()
{
    QStringList names;
    for (const FileSpec& f : library())
        names.append(f.name);
    return names;
}

bool OrbSampleLibrary::generate(const QString& folder, QString* error)
{
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    int fileOrder = 0;
    for (const FileSpec& f : library()) {
        OrbDrawingFileBuilder b(filePath(folder, f.name));
        bool ok = b.create(f.elementTypes, ++fileOrder);
        int typeOrder = 0;
        for (const TypeSpec& t : f.types) {
            const int typeId = ok ? b.addType(t.elementType, t.name, typeOrder++) : -1;
            ok = typeId > 0;
            int order = 0;
            for (const WellSpec& w : t.wells)
                ok = ok && b.addDrawset(typeId, wellDrawset(w, order++)) > 0;
        }
        if (!ok || !b.commit()) {
            if (error)
                *error = QStringLiteral("cannot write %1: %2").arg(filePath(folder, f.name), b.errorText());
            return false;
        }
    }
    return true;
}

QString OrbSampleLibrary::ensure(const QString& folder, QString* error)
{
    const QString stamp = QDir(folder).filePath(QLatin1String(kStampName));
    bool complete = false;
    {
        QFile f(stamp);
        complete = f.open(QIODevice::ReadOnly) && f.readAll().trimmed().toInt() == kGeneratorVersion;
    }
    for (const QString& name : fileNames())
        complete = complete && QFileInfo(filePath(folder, name)).isFile();
    if (complete)
        return QDir(folder).absolutePath();

    // Build beside the target and move the files in, so that a reader never sees half a library.
    const QString scratch = folder + QStringLiteral(".tmp-") + QUuid::createUuid().toString(QUuid::Id128);
    if (!generate(scratch, error)) {
        QDir(scratch).removeRecursively();
        return QString();
    }
    QDir().mkpath(folder);
    bool ok = true;
    for (const QString& name : fileNames()) {
        const QString target = filePath(folder, name);
        QFile::remove(target);
        ok = ok && QFile::rename(filePath(scratch, name), target);
    }
    QDir(scratch).removeRecursively();
    QFile f(stamp);
    ok = ok && f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(QByteArray::number(kGeneratorVersion)) > 0;
    if (!ok) {
        if (error)
            *error = QStringLiteral("cannot write the sample library into %1").arg(folder);
        return QString();
    }
    return QDir(folder).absolutePath();
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What a drawing file stores about one drawset beyond its name: the parameter definitions the
// processor builds its properties from, the filter tables, and the code and field catalogues.

enum class OrbParamCategory
{
    Param = 0,     // an ordinary parameter (dimension, count, ...)
    Bar = 1,       // a rebar parameter: value like "C12@200" or "4C12"
    Quantity = 2,  // a calculated quantity, listed in the quantity table
    Attribute = 3, // an extended attribute, listed in the attribute table
};

enum class OrbParamDataType
{
    Number = 0,
    Text = 1,
    Rebar = 2,
};

struct OrbParamDef
{
    qint64 id = 0; // assigned by the file
    QString code;
    QString name;
    QString infoCode; // empty: same as code
    QString infoName; // empty: same as name
    OrbParamCategory category = OrbParamCategory::Param;
    OrbParamDataType dataType = OrbParamDataType::Number;
    int decimals = 0;
    int vdId = -1;
    bool readOnly = false;
    bool defaultExcluded = false;
    bool drawingInfo = true;
    bool hasMin = false;
    bool hasMax = false;
    double minValue = 0;
    double maxValue = 0;
    QString formula;      // over other codes; makes the property derived and read-only
    QString defaultValue; // used when the drawing gives none
    QString unit;
    QString barLength;    // rebar: length of one bar in mm, a formula over codes
    QString barSpan;      // rebar: the width the bars are spread over in mm, a formula over codes

    // A parameter with its code, name and default value; the kinds below start from it.
    static OrbParamDef named(const QString& code, const QString& name, const QString& defaultValue = QString())
    {
        OrbParamDef p;
        p.code = code;
        p.name = name;
        p.defaultValue = defaultValue;
        return p;
    }
    // A number the user enters, shown on the drawing at vdId (-1: not shown).
    static OrbParamDef number(const QString& code, const QString& name, int vdId, const QString& defaultValue)
    {
        OrbParamDef p = named(code, name, defaultValue);
        p.vdId = vdId;
        return p;
    }
    // A value calculated from other codes, read-only.
    static OrbParamDef derived(const QString& code, const QString& name, const QString& formula, int decimals,
                               OrbParamCategory category = OrbParamCategory::Param)
    {
        OrbParamDef p = named(code, name);
        p.formula = formula;
        p.decimals = decimals;
        p.category = category;
        return p;
    }
    // A rebar value like "C12@200"; one bar's length and the width the bars spread over are formulas.
    static OrbParamDef rebar(const QString& code, const QString& name, const QString& value,
                             const QString& barLength, const QString& barSpan)
    {
        OrbParamDef p = named(code, name, value);
        p.category = OrbParamCategory::Bar;
        p.dataType = OrbParamDataType::Rebar;
        p.barLength = barLength;
        p.barSpan = barSpan;
        return p;
    }
    // A text listed in the attribute table, not part of the drawing info.
    static OrbParamDef attribute(const QString& code, const QString& name, const QString& value)
    {
        OrbParamDef p = named(code, name, value);
        p.category = OrbParamCategory::Attribute;
        p.dataType = OrbParamDataType::Text;
        p.drawingInfo = false;
        return p;
    }
    // The range a number must lie in.
    OrbParamDef& range(double lo, double hi)
    {
        hasMin = hasMax = true;
        minValue = lo;
        maxValue = hi;
        return *this;
    }
};

struct OrbFilterTableDef
{
    QString name;
    QString caption;
    QStringList columns;    // drawing-info codes
    QList<QStringList> rows; // one value per column
};

struct OrbCodeDef
{
    QString code;
    QString alias;
    QString displayName;
};

struct OrbFieldDef
{
    QString fieldName;
    QString displayName;
};

struct OrbDrawsetDef
{
    qint64 id = 0; // 0: assigned by the file
    QString name;
    int orderNum = 0;
    bool visible = true;
    QString keyValues; // "key=value" items joined by ";"
    QByteArray drawing;
    QList<OrbParamDef> params;
    QList<OrbFilterTableDef> filterTables;
    QList<OrbCodeDef> codes;
    QList<OrbFieldDef> fields;
};

#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVariant>

#include <utility>

class IOrbDrawset;
class OrbDrawsetProp;
class OrbDrawsetProps;

/// Holds one drawset's parameter values (its drawing info) for the element being edited,
/// validates them, recalculates derived values and produces the drawset's tables.
///
/// The host creates the processor and hands it to the input dialog, the editor form, the table
/// display and the data view; none of them owns it. When the user picks another drawset the
/// library calls setDrawset(), then open(), then reads drawsetProps() again.
class OrbDrawingInfoProcessor : public QObject
{
    Q_OBJECT
public:
    /// Defaults read from the drawing: each property with the text its entity shows.
    using DefValues = QList<std::pair<OrbDrawsetProp*, QString>>;

    /// A processor with no drawset.
    explicit OrbDrawingInfoProcessor(QObject* parent = nullptr);
    ~OrbDrawingInfoProcessor() override;

    /// The entity type the input dialog adapts its form to and filters the drawing tree by
    /// (the tree shows only drawset types of this element type).
    virtual long long entType() = 0;
    /// The element type of the element being edited: picks the well filter (5020, 5021 and 5022
    /// are rain-water wells), the usage-event codes and the table display settings. A value
    /// different from entType().
    virtual long long elementType() = 0;
    /// Appends the data view's extra tabs to out: pairs of a table name and a tab caption, in tab
    /// order, allocated with new; the caller deletes them. Read each time the data view is given
    /// a processor.
    virtual void filterTables(QList<QPair<QString, QString>*>& out) = 0;
    /// The display parameters the drawing tree fills "{key}" placeholders in node names with;
    /// read when the input dialog is given the processor.
    virtual void displayParams(QMap<QString, QString>& out) = 0;

    /// The drawset last given to setDrawset(), or null when none.
    virtual IOrbDrawset* drawset() = 0;
    /// Switches the processor to drawset (null for none). The input dialog calls it when the user
    /// picks a drawset node, with the editor form detached.
    virtual void setDrawset(IOrbDrawset* drawset) = 0;
    /// Loads the element's values for the current drawset; called after setDrawset() and when the
    /// input dialog opens.
    virtual void open() = 0;
    /// Recalculates derived values; the editor form calls it after it handed over the defaults.
    virtual void calculate() = 0;
    /// The defaults that the drawing's texts show, handed over each time the editor form loads
    /// a drawing (properties that are isDefaultExcluded() are left out).
    virtual void initDefValues(const DefValues& values) = 0;
    /// Puts the listed properties back to these defaults ("restore defaults" in the input dialog).
    /// True when values were reset; false leaves the drawing as it is.
    virtual bool restoreDefValues(const DefValues& values) = 0;
    /// The processor's properties; null while it has no drawset (the widgets then show no values).
    virtual OrbDrawsetProps* drawsetProps() = 0;
    /// The id of the current drawing, sent with usage events and recorded edit cases; may be empty.
    virtual QString drawingID() = 0;
    /// The current values as "code=value" items joined by ";". The data view stores one such text
    /// per calculation and diffs them.
    virtual QString toDrawingInfo() = 0;

signals:
    /// Emitted before value is written into prop; the data view keeps a snapshot of the values
    /// before the first change.
    void onBeforeChange(OrbDrawsetProp* prop, const QString& value);
    /// Emitted after prop took value; the data view adds a snapshot.
    void onAfterChange(OrbDrawsetProp* prop, QVariant& value);
    /// Emitted before a calculation starts.
    void onBeforeCalculate();
    /// Emitted after a calculation; the data view adds a snapshot and refreshes its tables.
    void onAfterCalculate();
    /// A line of debug output for the data view's output list.
    void onOutputDebugInfo(const QString& text);
};

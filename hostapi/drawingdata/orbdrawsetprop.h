#pragma once

#include <QList>
#include <QString>

/// One property (parameter) of a processor. Properties live as long as the processor's current
/// drawset; the library re-reads them whenever the drawset changes.
class OrbDrawsetProp
{
public:
    virtual ~OrbDrawsetProp() = default;

    /// Decimal places of the value; the editor form rounds typed numbers to it before saving.
    virtual int decimals() = 0;
    /// The property's code: the key of OrbDrawsetProps::find and of the drawing info text.
    virtual QString code() = 0;
    /// The code shown for the property in the drawing-info diff.
    virtual QString infoCode() = 0;
    /// The name shown for the property in the drawing-info diff.
    virtual QString infoName() = 0;
    /// The VD id of the text entity that shows the property on the drawing, or -1 when the
    /// property is not on the drawing (it is then neither shown nor edited there).
    virtual int vdID() = 0;
    /// The current value as text; the library always passes false for flag and writes the answer
    /// into the property's text entity.
    virtual QString value(bool flag) = 0;
    /// True when the user may not edit the value (a derived value): no in-place editor opens.
    virtual bool isReadOnly() = 0;
    /// When true the property takes no default from the drawing text.
    virtual bool isDefaultExcluded() = 0;
    /// True when the property belongs to the drawing info; only those appear in the diff.
    virtual bool isDrawingInfo() = 0;
};

/// The processor's list of properties, in property order.
class OrbDrawsetProps
{
public:
    virtual ~OrbDrawsetProps() = default;

    /// The number of properties.
    virtual int count() = 0;
    /// The property at index (0 <= index < count()); a null answer is skipped.
    virtual OrbDrawsetProp* at(int index) = 0;
    /// The property of that code, or null.
    virtual OrbDrawsetProp* find(const QString& code) = 0;
    /// Whether value is acceptable for prop; called before every save of an edited value. False
    /// with the reason for the user in message, which the in-place editor shows beside itself.
    virtual bool validate(OrbDrawsetProp* prop, const QString& value, QString& message) = 0;
    /// Writes one edited value into every listed property (all properties shown by the edited
    /// text). True means saved; false leaves the editor open.
    virtual bool saveEditorValue(QList<OrbDrawsetProp*> props, const QString& value) = 0;
};

#pragma once

#include <QList>
#include <QString>

// One property (parameter) of a processor.
class OrbDrawsetProp
{
public:
    virtual ~OrbDrawsetProp() = default;

    virtual int decimals() = 0;
    virtual QString code() = 0;
    virtual QString infoCode() = 0;
    virtual QString infoName() = 0;
    // The id of the text entity that shows the property on the drawing, or -1.
    virtual int vdID() = 0;
    virtual QString value(bool flag) = 0;
    virtual bool isReadOnly() = 0;
    // When true the property takes no default from the drawing text.
    virtual bool isDefaultExcluded() = 0;
    virtual bool isDrawingInfo() = 0;
};

// The processor's list of properties, in property order.
class OrbDrawsetProps
{
public:
    virtual ~OrbDrawsetProps() = default;

    virtual int count() = 0;
    virtual OrbDrawsetProp* at(int index) = 0;
    virtual OrbDrawsetProp* find(const QString& code) = 0;
    // False with the reason for the user in message when value is not acceptable for prop.
    virtual bool validate(OrbDrawsetProp* prop, const QString& value, QString& message) = 0;
    // Writes one edited value into every listed property; true means saved.
    virtual bool saveEditorValue(QList<OrbDrawsetProp*> props, const QString& value) = 0;
};

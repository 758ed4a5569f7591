#pragma once

#include "engine/talendatatype.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

/// Through this interface the in-place editor (OrbCustomVectorDrawingEditor) asks its owner about
/// the parameter texts of a drawing. VD ids are qint64 here.
///
/// The library implements it: its drawing info editor form derives from
/// OrbVectorDrawingEditorService_AutoTrans and answers canEditorHide, getNextParamVDID, isParam,
/// queryParamValue, isReadOnly, adjustEditorValue, saveEditorValue and queryToolTip from the
/// processor's properties. The host's editor calls the operations below; the ones the form does
/// not override keep the base answers. A host editor must call them in this way: isParam and
/// isReadOnly before it opens an editor, canEditorHide, then adjustEditorValue, then
/// saveEditorValue when the user confirms.
class IVectorDrawingEditorService
{
public:
    virtual ~IVectorDrawingEditorService() = default;

    /// May the editor on vdid close with text? False keeps it open and puts the reason for the
    /// user into out (the form answers false when the processor's validation refuses the value).
    /// True may put the text to save into out (the form puts the trimmed text, or the current
    /// value when the text was cleared).
    virtual bool canEditorHide(qint64 vdid, const QString& text, QString& out) = 0;
    /// The id of the next editable parameter text after vdid, wrapping round (Tab), or -1.
    virtual qint64 getNextParamVDID(qint64 vdid) = 0;
    /// True when the text vdid shows a parameter; only parameter texts get an editor and their
    /// own colours.
    virtual bool isParam(qint64 vdid) = 0;
    /// The value to put into a new editor on vdid; other is left as it is. value stays unchanged
    /// for a text that is no parameter.
    virtual void queryParamValue(qint64 vdid, QString& value, QString& other) = 0;
    /// Alignment of the editor over vdid (Qt::Alignment flags); the base answers 0, left.
    virtual int queryParamAlign(qint64 vdid) = 0;
    /// The parameter's code; the base answers an empty text.
    virtual QString queryParamCode(qint64 vdid) = 0;
    /// The parameter's name for the user; the base answers an empty text.
    virtual QString queryParamDisplayName(qint64 vdid) = 0;
    /// The parameter's default value; the base answers an empty text.
    virtual QString queryParamDefaultVal(qint64 vdid) = 0;
    /// The parameter's numeric range; false (the base answer) means none.
    virtual bool queryParamValidateRange(qint64 vdid, double& minimum, double& maximum) = 0;
    /// True when vdid may not be edited: no editor opens on it and it is drawn greyed. The form
    /// answers true for texts that show no property.
    virtual bool isReadOnly(qint64 vdid) = 0;
    /// True when vdid is shown as invalid; the base answers false.
    virtual bool isInvalidateParam(qint64 vdid) = 0;
    /// May rewrite value before it is saved; true when it did. The form rounds numbers to the
    /// property's decimals.
    virtual bool adjustEditorValue(qint64 vdid, QString& value) = 0;
    /// Saves the confirmed value of the text vdid; ids is unused by the form. True when saved;
    /// false keeps the editor open. The form writes value into every property shown by vdid and
    /// re-reads all texts.
    virtual bool saveEditorValue(std::vector<qint64>& ids, qint64 vdid, QString value) = 0;
    /// Whether the polygon behind vdid is valid; the base answers true.
    virtual bool validatePoly(qint64 vdid) = 0;
    /// Sets the service's current id; OrbCustomVectorDrawingEditor::setEditorService with flag true
    /// sets it to 0, which the library asks for.
    virtual void setCurID(int id) = 0;
    /// The id set last with setCurID (0 at first).
    virtual int getCurID() = 0;
    /// The message shown for an invalid parameter; the base answers an empty text.
    virtual QString queryParamInvalidMsg(qint64 vdid) = 0;
    /// True when the parameter may be left empty; the base answers false.
    virtual bool queryParamNullEnable(qint64 vdid) = 0;
    /// How the parameter is entered (0: typed text, the base answer).
    virtual int queryParamInputMode(qint64 vdid) = 0;
    /// Choices offered for the parameter; the base answers none.
    virtual QStringList queryParamPickList(qint64 vdid) = 0;
    /// text translated for the user; the base translates through the
    /// "OrbVectorDrawingEditorService" context.
    virtual QString translateText(const QString& text) = 0;
    /// The texts that change with the polygon behind vdid; false (the base answer) for none.
    virtual bool getPolyVDIDChange(qint64 vdid, std::vector<qint64>& ids) = 0;
    /// A hint shown while vdid is edited; the base answers an empty text.
    virtual QString queryParamHitMsg(qint64 vdid) = 0;
    /// Appends the tooltip of vdid to tip; false when there is none. The form adds the
    /// property's code.
    virtual bool queryToolTip(qint64 vdid, QString& tip) = 0;
    /// The data type of the parameter's value; false (the base answer) leaves type as it is.
    virtual bool queryParamDataType(qint64 vdid, TalEnDataType& type) = 0;
};

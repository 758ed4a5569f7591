#pragma once

#include "engine/talendatatype.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

// Through this interface the in-place editor asks its owner about the parameter texts of a drawing.
// VD ids are qint64 here.
class IVectorDrawingEditorService
{
public:
    virtual ~IVectorDrawingEditorService() = default;

    // May the editor close with text? False keeps it open with the reason in out; true may put
    // the text to save into out.
    virtual bool canEditorHide(qint64 vdid, const QString& text, QString& out) = 0;
    // The id to move to after vdid (Tab), or -1.
    virtual qint64 getNextParamVDID(qint64 vdid) = 0;
    virtual bool isParam(qint64 vdid) = 0;
    virtual void queryParamValue(qint64 vdid, QString& value, QString& other) = 0;
    virtual int queryParamAlign(qint64 vdid) = 0;
    virtual QString queryParamCode(qint64 vdid) = 0;
    virtual QString queryParamDisplayName(qint64 vdid) = 0;
    virtual QString queryParamDefaultVal(qint64 vdid) = 0;
    virtual bool queryParamValidateRange(qint64 vdid, double& minimum, double& maximum) = 0;
    virtual bool isReadOnly(qint64 vdid) = 0;
    virtual bool isInvalidateParam(qint64 vdid) = 0;
    // May rewrite value before it is saved (rounding); true when it did.
    virtual bool adjustEditorValue(qint64 vdid, QString& value) = 0;
    virtual bool saveEditorValue(std::vector<qint64>& ids, qint64 vdid, QString value) = 0;
    virtual bool validatePoly(qint64 vdid) = 0;
    virtual void setCurID(int id) = 0;
    virtual int getCurID() = 0;
    virtual QString queryParamInvalidMsg(qint64 vdid) = 0;
    virtual bool queryParamNullEnable(qint64 vdid) = 0;
    virtual int queryParamInputMode(qint64 vdid) = 0;
    virtual QStringList queryParamPickList(qint64 vdid) = 0;
    virtual QString translateText(const QString& text) = 0;
    virtual bool getPolyVDIDChange(qint64 vdid, std::vector<qint64>& ids) = 0;
    virtual QString queryParamHitMsg(qint64 vdid) = 0;
    virtual bool queryToolTip(qint64 vdid, QString& tip) = 0;
    virtual bool queryParamDataType(qint64 vdid, TalEnDataType& type) = 0;
};

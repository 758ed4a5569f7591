#pragma once

#include "engine/ivectordrawingeditorservice.h"

/// A base service with neutral answers: nothing is a parameter, everything is read-only, nothing
/// is saved. translateText translates through the "OrbVectorDrawingEditorService" context.
/// The current id starts at 0. The library's drawing info editor form derives from it and
/// overrides the parameter operations; the others keep these answers.
class OrbVectorDrawingEditorService_AutoTrans : public IVectorDrawingEditorService
{
public:
    /// A service with current id 0.
    OrbVectorDrawingEditorService_AutoTrans();
    ~OrbVectorDrawingEditorService_AutoTrans() override;

    bool canEditorHide(qint64 vdid, const QString& text, QString& out) override;
    qint64 getNextParamVDID(qint64 vdid) override;
    bool isParam(qint64 vdid) override;
    void queryParamValue(qint64 vdid, QString& value, QString& other) override;
    int queryParamAlign(qint64 vdid) override;
    QString queryParamCode(qint64 vdid) override;
    QString queryParamDisplayName(qint64 vdid) override;
    QString queryParamDefaultVal(qint64 vdid) override;
    bool queryParamValidateRange(qint64 vdid, double& minimum, double& maximum) override;
    bool isReadOnly(qint64 vdid) override;
    bool isInvalidateParam(qint64 vdid) override;
    bool adjustEditorValue(qint64 vdid, QString& value) override;
    bool saveEditorValue(std::vector<qint64>& ids, qint64 vdid, QString value) override;
    bool validatePoly(qint64 vdid) override;
    void setCurID(int id) override;
    int getCurID() override;
    QString queryParamInvalidMsg(qint64 vdid) override;
    bool queryParamNullEnable(qint64 vdid) override;
    int queryParamInputMode(qint64 vdid) override;
    QStringList queryParamPickList(qint64 vdid) override;
    QString translateText(const QString& text) override;
    bool getPolyVDIDChange(qint64 vdid, std::vector<qint64>& ids) override;
    QString queryParamHitMsg(qint64 vdid) override;
    bool queryToolTip(qint64 vdid, QString& tip) override;
    bool queryParamDataType(qint64 vdid, TalEnDataType& type) override;

private:
    int m_curID = 0;
};

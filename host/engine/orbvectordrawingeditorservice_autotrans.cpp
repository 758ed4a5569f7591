#include "engine/orbvectordrawingeditorservice_autotrans.h"

#include <QCoreApplication>

OrbVectorDrawingEditorService_AutoTrans::OrbVectorDrawingEditorService_AutoTrans() = default;

OrbVectorDrawingEditorService_AutoTrans::~OrbVectorDrawingEditorService_AutoTrans() = default;

bool OrbVectorDrawingEditorService_AutoTrans::canEditorHide(qint64, const QString& text, QString& out)
{
    out = text;
    return true;
}

qint64 OrbVectorDrawingEditorService_AutoTrans::getNextParamVDID(qint64)
{
    return -1;
}

bool OrbVectorDrawingEditorService_AutoTrans::isParam(qint64)
{
    return false;
}

void OrbVectorDrawingEditorService_AutoTrans::queryParamValue(qint64, QString&, QString&)
{
}

int OrbVectorDrawingEditorService_AutoTrans::queryParamAlign(qint64)
{
    return 0;
}

QString OrbVectorDrawingEditorService_AutoTrans::queryParamCode(qint64)
{
    return QString();
}

QString OrbVectorDrawingEditorService_AutoTrans::queryParamDisplayName(qint64)
{
    return QString();
}

QString OrbVectorDrawingEditorService_AutoTrans::queryParamDefaultVal(qint64)
{
    return QString();
}

bool OrbVectorDrawingEditorService_AutoTrans::queryParamValidateRange(qint64, double&, double&)
{
    return false;
}

bool OrbVectorDrawingEditorService_AutoTrans::isReadOnly(qint64)
{
    return true;
}

bool OrbVectorDrawingEditorService_AutoTrans::isInvalidateParam(qint64)
{
    return false;
}

bool OrbVectorDrawingEditorService_AutoTrans::adjustEditorValue(qint64, QString&)
{
    return false;
}

bool OrbVectorDrawingEditorService_AutoTrans::saveEditorValue(std::vector<qint64>&, qint64, QString)
{
    return false;
}

bool OrbVectorDrawingEditorService_AutoTrans::validatePoly(qint64)
{
    return true;
}

void OrbVectorDrawingEditorService_AutoTrans::setCurID(int id)
{
    m_curID = id;
}

int OrbVectorDrawingEditorService_AutoTrans::getCurID()
{
    return m_curID;
}

QString OrbVectorDrawingEditorService_AutoTrans::queryParamInvalidMsg(qint64)
{
    return QString();
}

bool OrbVectorDrawingEditorService_AutoTrans::queryParamNullEnable(qint64)
{
    return true;
}

int OrbVectorDrawingEditorService_AutoTrans::queryParamInputMode(qint64)
{
    return 0;
}

QStringList OrbVectorDrawingEditorService_AutoTrans::queryParamPickList(qint64)
{
    return QStringList();
}

QString OrbVectorDrawingEditorService_AutoTrans::translateText(const QString& text)
{
    const QByteArray source = text.toUtf8();
    return QCoreApplication::translate("OrbVectorDrawingEditorService", source.constData());
}

bool OrbVectorDrawingEditorService_AutoTrans::getPolyVDIDChange(qint64, std::vector<qint64>& ids)
{
    ids.clear();
    return false;
}

QString OrbVectorDrawingEditorService_AutoTrans::queryParamHitMsg(qint64)
{
    return QString();
}

bool OrbVectorDrawingEditorService_AutoTrans::queryToolTip(qint64, QString&)
{
    return false;
}

bool OrbVectorDrawingEditorService_AutoTrans::queryParamDataType(qint64, TalEnDataType& type)
{
    type = dtString;
    return false;
}

#pragma once

#include "orbdrawingwidgets_export.h"

#include "engine/orbvectordrawingeditorservice_autotrans.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMultiMap>
#include <QString>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class IOrbDrawingService;
class OrbDrawingInfoParamsVDEditor;
class OrbDrawingInfoProcessor;
class OrbDrawsetProp;
class ZVDEntity;
class ZVDText;
class ZVectorDrawing;

// The entity type the form's click signal carries.
using ZVectorDrawingItem = ZVDEntity;

namespace Ui {
class OrbDrawingInfoEditorFrm;
}

// Shows the vector drawing of the processor's drawset, binds the processor's properties to the
// drawing texts that show them, writes their values into those texts, and serves the embedded
// in-place editor: it answers the editor's questions about parameters and saves confirmed edits
// into every property bound to the edited text.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingInfoEditorFrm : public QWidget,
                                                         public OrbVectorDrawingEditorService_AutoTrans
{
    Q_OBJECT
public:
    explicit OrbDrawingInfoEditorFrm(IOrbDrawingService* service, QWidget* parent = nullptr);
    ~OrbDrawingInfoEditorFrm() override;

    // Nothing happens for the current processor; pass null first to reload the same one.
    void setProcessor(OrbDrawingInfoProcessor* processor);
    OrbDrawingInfoProcessor* processor() const;

    void prepareViewer();
    void initVDPropList();
    void clearVDPropList();
    void readPropValues();
    // Hands the drawing's defaults to the processor, opens and calculates it, shows the values.
    void refreshProcessor();
    void refreshViewer();
    void restoreDefValues();
    // Loads data into the drawing; the binding is left as it is.
    void loadVectorDrawing(const QByteArray& data);

    OrbDrawsetProp* findProp(const QString& code);
    // The property bound last to vdid, or null.
    OrbDrawsetProp* findProp(qint64 vdid);
    ZVDText* findVDText(OrbDrawsetProp* prop);
    OrbDrawsetProp* getProp(int index);
    qint64 getPropVDID(OrbDrawsetProp* prop);
    bool isReadOnlyProp(OrbDrawsetProp* prop);
    void openEditor(OrbDrawsetProp* prop);
    // Commits the edit in progress; true when nothing is left open.
    bool saveEditorValue();
    void zoomAll();
    ZVectorDrawing* vectorDrawing();

    // Editor service
    bool canEditorHide(qint64 vdid, const QString& text, QString& out) override;
    qint64 getNextParamVDID(qint64 vdid) override;
    bool isParam(qint64 vdid) override;
    void queryParamValue(qint64 vdid, QString& value, QString& other) override;
    bool isReadOnly(qint64 vdid) override;
    bool adjustEditorValue(qint64 vdid, QString& value) override;
    bool saveEditorValue(std::vector<qint64>& ids, qint64 vdid, QString value) override;
    bool queryToolTip(qint64 vdid, QString& tip) override;

    // Automation queries: "open=<code>", "value=<code>" and "query".
    QHash<QString, QString> getAttributes(const QString& attr);
    // True with everything after the first "=" in value when text starts with key.
    static bool parserKeyValue(QString text, const QString& key, QString& value);

signals:
    void onDrawingItemClick(ZVectorDrawingItem* pItem);

protected:
    Ui::OrbDrawingInfoEditorFrm* ui;
    IOrbDrawingService* m_service;
    OrbDrawingInfoParamsVDEditor* m_editor;
    OrbDrawingInfoProcessor* m_processor;
    QList<OrbDrawsetProp*> m_props;
    QMap<qint64, ZVDText*> m_vdTexts;
    QMultiMap<qint64, int> m_vdIndex;
    QList<std::pair<OrbDrawsetProp*, QString>> m_defValues;
    // Beside m_props, the id and text each property was bound to: the texts are written without a
    // map lookup while the property keeps that id.
    std::vector<std::pair<qint64, ZVDText*>> m_boundTexts;
    std::wstring m_textBuffer; // reused for every written value

private:
    void recordEdit(const QList<OrbDrawsetProp*>& props, const QString& value);
};

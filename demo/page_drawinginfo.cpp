// Demo page: the drawing info editor form on a sample well drawset with the reference processor.
// Parameter texts stand on boxes (editable) or in grey (read-only); click one to edit it in place,
// Enter saves through the processor and the derived volume follows.

#include "demolibrary.h"
#include "demopage.h"

#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawinginfo/orbdrawinginfoparamsvdeditor.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"
#include "engine/zvdentity.h"
#include "sample/orbdrawsetwalk.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {
IOrbDrawset* findDrawset(IOrbDrawingService* service, const QString& wanted)
{
    if (IOrbDrawset* drawset = orbdrawsetwalk::find(service->drawingFiles(), wanted))
        return drawset;
    return orbdrawsetwalk::drawsets(service->drawingFiles()).value(0);
}

class DrawingInfoPage : public QWidget
{
public:
    explicit DrawingInfoPage(const DemoContext& context)
    {
        auto* layout = new QVBoxLayout(this);
        m_caption = new QLabel(this);
        layout->addWidget(m_caption);
        OrbDrawingService* service = demolibrary::service(context);
        m_form = new OrbDrawingInfoEditorFrm(service, this);
        layout->addWidget(m_form, 1);
        resize(1000, 760);

        IOrbDrawset* drawset = service ? findDrawset(service, QStringLiteral("砖砌圆形污水检查井")) : nullptr;
        if (!drawset) {
            m_caption->setText(QStringLiteral("OrbDrawingInfoEditorFrm: no drawset in the sample library"));
            return;
        }
        QString name;
        drawset->name(name);
        m_caption->setText(QStringLiteral("OrbDrawingInfoEditorFrm: %1 (click a blue value to edit it; "
                                          "Enter saves, Tab moves on, Escape cancels)").arg(name));
        m_processor = new OrbFormulaProcessor(this);
        m_processor->setDrawset(drawset);
        m_form->setProcessor(m_processor);
        m_form->refreshProcessor();
        // Once laid out, rest the mouse on the depth text: its highlight and tooltip show.
        QTimer::singleShot(0, this, [this] { hoverDepth(); });
    }

private:
    void hoverDepth()
    {
        auto* editor = m_form->findChild<OrbDrawingInfoParamsVDEditor*>();
        ZVDText* depth = m_form->findVDText(m_form->findProp(QStringLiteral("H")));
        if (!editor || !depth)
            return;
        m_form->zoomAll();
        const QPoint at = editor->entityScreenRect(depth).center();
        QMouseEvent move(QEvent::MouseMove, at, editor->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(editor, &move);
    }

    QLabel* m_caption = nullptr;
    OrbDrawingInfoEditorFrm* m_form = nullptr;
    OrbFormulaProcessor* m_processor = nullptr;
};
} // namespace

ORB_DEMO_PAGE(drawinginfo, QStringLiteral("drawinginfo"), QStringLiteral("Drawing info"), 20,
              [](const DemoContext& context) -> QWidget* { return new DrawingInfoPage(context); });

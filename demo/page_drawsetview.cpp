// Demo page: a sample well drawset's drawing in the read-only drawset view.

#include "demolibrary.h"
#include "demopage.h"

#include "drawingdata/orbdrawingservice.h"
#include "sample/orbdrawsetwalk.h"
#include "vectordrawing/orbdrawsetviewwidget.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const QString kDrawset = QStringLiteral("砖砌圆形污水检查井");

class DrawsetViewPage : public QWidget
{
public:
    explicit DrawsetViewPage(const DemoContext& context)
    {
        auto* layout = new QVBoxLayout(this);
        auto* caption = new QLabel(QStringLiteral("OrbDrawsetViewWidget: %1 (read-only; wheel zooms, "
                                                  "middle button pans, middle double-click fits)")
                                       .arg(kDrawset),
                                   this);
        layout->addWidget(caption);
        auto* view = new OrbDrawsetViewWidget(this);
        view->setupUi();
        layout->addWidget(view, 1);
        // The service outlives the page, and with it the drawset.
        if (OrbDrawingService* service = demolibrary::service(context))
            view->setDrawset(orbdrawsetwalk::find(service->drawingFiles(), kDrawset));
        else
            caption->setText(QStringLiteral("No sample drawing library could be opened."));
        resize(1000, 760);
    }
};
} // namespace

ORB_DEMO_PAGE(drawsetview, QStringLiteral("drawsetview"), QStringLiteral("Drawset view"), 60,
              [](const DemoContext& context) -> QWidget* { return new DrawsetViewPage(context); });

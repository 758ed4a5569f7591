// Demo page: a drawset's drawing in the read-only drawset view.

#include "demopage.h"
#include "demowell.h"

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "vectordrawing/orbdrawsetviewwidget.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
// A drawset that only holds its drawing, standing in for one from a drawing file.
class DemoWellDrawset : public IOrbDrawset
{
public:
    void beginUpdate() override {}
    void endUpdate() override {}
    IOrbDrawingFile* drawingFile() override { return nullptr; }
    int id() override { return 1; }
    IOrbDrawsetType* drawsetType() override { return nullptr; }
    int orderNum() override { return 0; }
    void setOrderNum(int) override {}
    void name(QString& out) override { out = QStringLiteral("检查井"); }
    void setName(const QString&) override {}
    OrbKeyValueList* keyValues() override { return &m_keyValues; }
    const QByteArray& vectorDrawingData() override { return m_drawing; }
    bool isVisible() override { return true; }

    QByteArray m_drawing = demowell::bytes();
    OrbKeyValueList m_keyValues;
};

// Owns the drawset for as long as the page shows it.
class DrawsetViewPage : public QWidget
{
public:
    DrawsetViewPage()
    {
        auto* layout = new QVBoxLayout(this);
        auto* caption = new QLabel(QStringLiteral("OrbDrawsetViewWidget: 检查井 (read-only; wheel zooms, "
                                                  "middle button pans, middle double-click fits)"),
                                   this);
        layout->addWidget(caption);
        m_view = new OrbDrawsetViewWidget(this);
        m_view->setupUi();
        layout->addWidget(m_view, 1);
        m_view->setDrawset(&m_drawset);
        resize(1000, 760);
    }

private:
    DemoWellDrawset m_drawset;
    OrbDrawsetViewWidget* m_view = nullptr;
};
} // namespace

ORB_DEMO_PAGE(drawsetview, QStringLiteral("drawsetview"), QStringLiteral("Drawset view"), 60,
              [](const DemoContext&) -> QWidget* { return new DrawsetViewPage; });

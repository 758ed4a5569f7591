// Data-view navigation lines: each input line is one line of debug output in the drawset data
// view, which shows the tables of a sample drawset; every line is selected, so that a navigation
// line (U+0001, TAB-separated, "prefix:ID;ID" in the fourth field) selects records in a tab.

#include "fuzzsupport.h"

#include "dataview/orbdrawsetdataviewwidget.h"

#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"

#include <QListWidget>

#include <cstdint>
#include <cstdlib>

namespace {
// The output list's operations are protected.
class DataView : public OrbDrawsetDataViewWidget
{
public:
    using OrbDrawsetDataViewWidget::OrbDrawsetDataViewWidget;
    using OrbDrawsetDataViewWidget::doOutputDebugInfo;
    using OrbDrawsetDataViewWidget::outputWindowOnCurrentRowChanged;
};

DataView* g_view = nullptr;
QListWidget* g_output = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    orbfuzz::init(argc, argv);
    auto* processor = new OrbFormulaProcessor;
    processor->setDrawset(orbfuzz::sampleDrawset());
    processor->open();
    processor->calculate();
    g_view = new DataView(&orbfuzz::sampleService());
    g_view->setProcessor(processor);
    g_view->refreshTableData(orbfuzz::sampleDrawset());
    g_output = g_view->findChild<QListWidget*>();
    if (!g_output)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    g_output->clear();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        g_view->doOutputDebugInfo(line);
        g_view->outputWindowOnCurrentRowChanged(g_output->count() - 1);
    }
    g_view->outputWindowOnCurrentRowChanged(-1);
    g_view->outputWindowOnCurrentRowChanged(g_output->count());
    return 0;
}

// Demo page: the drawset data view following the reference processor on the sample library. The
// page opens a drawset with filter tables, shows its tables, then edits a parameter as the input
// dialog would, so the snapshots, the diff marks and the processor's output are filled.

#include "demolibrary.h"
#include "demopage.h"

#include "dataview/orbdrawsetdataviewwidget.h"
#include "inputdialog/orbdrawingsinputfrm.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbdrawsetprop.h"
#include "drawingdata/orbformulaprocessor.h"
#include "sample/orbdrawsetwalk.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {
// The first drawset of the library whose processor names filter tables (else the first drawset).
IOrbDrawset* pickDrawset(OrbDrawingService* service, OrbFormulaProcessor* processor)
{
    const QList<IOrbDrawset*> all = orbdrawsetwalk::drawsets(service->drawingFiles());
    for (IOrbDrawset* drawset : all) {
        processor->setDrawset(drawset);
        QList<QPair<QString, QString>*> filters;
        processor->filterTables(filters);
        const bool hasFilters = !filters.isEmpty();
        qDeleteAll(filters);
        if (hasFilters)
            return drawset;
    }
    return all.value(0);
}

class DataViewPage : public QWidget
{
public:
    explicit DataViewPage(const DemoContext& context)
    {
        OrbDrawingService* service = demolibrary::service(context);
        m_processor = new OrbFormulaProcessor(this);
        auto* layout = new QVBoxLayout(this);

        auto* bar = new QHBoxLayout;
        bar->addWidget(new QLabel(QStringLiteral("参数代码"), this));
        m_code = new QLineEdit(QStringLiteral("H"), this);
        m_code->setMaximumWidth(80);
        bar->addWidget(m_code);
        bar->addWidget(new QLabel(QStringLiteral("值"), this));
        m_value = new QLineEdit(this);
        m_value->setMaximumWidth(100);
        bar->addWidget(m_value);
        auto* save = new QPushButton(QStringLiteral("保存 (as the input dialog does)"), this);
        bar->addWidget(save);
        auto* refresh = new QPushButton(QStringLiteral("refreshTableData"), this);
        bar->addWidget(refresh);
        auto* input = new QPushButton(QStringLiteral("Input dialog"), this);
        bar->addWidget(input);
        m_status = new QLabel(this);
        bar->addWidget(m_status, 1);
        layout->addLayout(bar);

        // The dialog is a window of its own in the host; here it sits inside the page.
        m_view = new OrbDrawsetDataViewWidget(service, this);
        m_view->setWindowFlags(Qt::Widget);
        layout->addWidget(m_view, 1);
        QObject::connect(m_view, &OrbDrawsetDataViewWidget::onPropDoubleClicked, this,
                         [this](OrbDrawsetProp* prop) {
                             m_code->setText(prop->code());
                             m_value->setText(prop->value(false));
                             m_status->setText(QStringLiteral("onPropDoubleClicked: ") + prop->code());
                         });
        QObject::connect(save, &QPushButton::clicked, this, [this]() { saveValue(); });
        QObject::connect(refresh, &QPushButton::clicked, this,
                         [this]() { m_view->refreshTableData(m_drawset); });
        QObject::connect(input, &QPushButton::clicked, this, [this, service]() { openInputDialog(service); });
        // The input dialog may switch the processor to another drawset: the view follows, once
        // the calculation that the switch starts has finished.
        QObject::connect(m_processor, &OrbDrawingInfoProcessor::onAfterCalculate, this, [this]() {
            if (m_processor->drawset() && m_processor->drawset() != m_drawset)
                QTimer::singleShot(0, this, [this]() {
                    m_drawset = m_processor->drawset();
                    m_view->refreshTableData(m_drawset);
                });
        });

        m_drawset = service ? pickDrawset(service, m_processor) : nullptr;
        if (!m_drawset) {
            m_status->setText(QStringLiteral("No sample library: nothing to show."));
            return;
        }
        m_processor->setDrawset(m_drawset);
        m_view->setProcessor(m_processor);
        m_processor->open();
        m_processor->calculate();
        m_view->refreshTableData(m_drawset);

        // One edit, as a person makes it on the drawing: a deeper well.
        if (OrbDrawsetProps* props = m_processor->drawsetProps()) {
            if (OrbDrawsetProp* depth = props->find(QStringLiteral("H"))) {
                const double deeper = depth->value(false).toDouble() + 500;
                m_value->setText(QString::number(deeper));
                saveValue();
            }
        }
        // Follow the first navigation line of the output, as a click on it would.
        if (auto* output = m_view->findChild<QListWidget*>(QStringLiteral("outputList"))) {
            for (int i = 0; i < output->count(); ++i) {
                if (output->item(i)->text().startsWith(QChar(0x0001))
                    && output->item(i)->text().contains(QStringLiteral("DrawSetBar"))) {
                    output->setCurrentRow(i);
                    break;
                }
            }
        }
        resize(1280, 760);
    }

    // The input dialog goes before the processor it holds.
    ~DataViewPage() override { delete m_input; }

private:
    // The input dialog on the same processor, non-modal and beside this page.
    void openInputDialog(OrbDrawingService* service)
    {
        if (!m_input) {
            m_input = new OrbDrawingsInputFrm(service, this);
            m_input->setAttribute(Qt::WA_DeleteOnClose);
            m_input->setModal(false);
            m_input->setProcessor(m_processor);
        }
        const QRect page = window()->frameGeometry();
        m_input->move(page.right() + 8, page.top());
        m_input->show();
        m_input->raise();
    }

    void saveValue()
    {
        OrbDrawsetProps* props = m_processor->drawsetProps();
        OrbDrawsetProp* prop = props ? props->find(m_code->text().trimmed()) : nullptr;
        if (!prop) {
            m_status->setText(QStringLiteral("No parameter ") + m_code->text());
            return;
        }
        QString message;
        if (!props->validate(prop, m_value->text(), message)) {
            m_status->setText(message);
            return;
        }
        m_status->setText(props->saveEditorValue({prop}, m_value->text()) ? QStringLiteral("saved")
                                                                          : QStringLiteral("not saved"));
    }

    OrbFormulaProcessor* m_processor = nullptr;
    OrbDrawsetDataViewWidget* m_view = nullptr;
    IOrbDrawset* m_drawset = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_value = nullptr;
    QLabel* m_status = nullptr;
    QPointer<OrbDrawingsInputFrm> m_input;
};
} // namespace

ORB_DEMO_PAGE(dataview, QStringLiteral("dataview"), QStringLiteral("Data view"), 80,
              [](const DemoContext& context) -> QWidget* { return new DataViewPage(context); });

#include "orbdrawingtabledisplayextensionrebar.h"

#include "drawingdata/orbdrawinginfoprocessor.h"
#include "drawingdata/orbdrawsetprop.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { CodeColumn, NameColumn, ValueColumn, ColumnCount };

// The table, with access to its in-place editor.
class RebarTable : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;

    // Commits (or drops) the value of an open in-place editor and closes it.
    void finishEdit(bool commit)
    {
        if (state() != EditingState)
            return;
        QWidget* editor = indexWidget(currentIndex());
        if (!editor)
            return;
        if (commit)
            commitData(editor);
        closeEditor(editor, commit ? QAbstractItemDelegate::NoHint : QAbstractItemDelegate::RevertModelCache);
    }
};
} // namespace

QList<OrbDrawingTableDisplayExtensionRebar::Row> OrbDrawingTableDisplayExtensionRebar::parseDeclaration(const QString& text)
{
    QList<Row> rows;
    const QStringList items = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& item : items) {
        Row row;
        const int colon = item.indexOf(QLatin1Char(':'));
        row.code = (colon < 0 ? item : item.left(colon)).trimmed();
        if (row.code.isEmpty())
            continue;
        if (colon >= 0) {
            row.hasDefault = true;
            row.defaultValue = item.mid(colon + 1).trimmed();
        }
        rows.append(row);
    }
    return rows;
}

OrbDrawingTableDisplayExtensionRebar::OrbDrawingTableDisplayExtensionRebar(const QList<Row>& rows, QObject* parent)
    : OrbDrawingTableDisplayExtension(parent), m_rows(rows)
{
}

OrbDrawingTableDisplayExtensionRebar::~OrbDrawingTableDisplayExtensionRebar()
{
    disconnect(m_calcConnection);
}

OrbDrawsetProp* OrbDrawingTableDisplayExtensionRebar::propOf(int row) const
{
    OrbDrawingInfoProcessor* p = processor();
    if (!p || row < 0 || row >= m_rows.size())
        return nullptr;
    OrbDrawsetProps* props = p->drawsetProps();
    return props ? props->find(m_rows.at(row).code) : nullptr;
}

void OrbDrawingTableDisplayExtensionRebar::attachTo(QWidget* container)
{
    if (!container)
        return;
    QLayout* layout = container->layout();
    if (!layout) {
        auto* box = new QVBoxLayout(container);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(4);
        layout = box;
    }
    auto* title = new QLabel(QCoreApplication::translate("OrbDrawingTableDisplayExtensionRebar", "附加钢筋"), container);
    title->setObjectName(QStringLiteral("lblExtraRebar"));
    layout->addWidget(title);

    m_table = new RebarTable(0, ColumnCount, container);
    m_table->setObjectName(QStringLiteral("tblExtraRebar"));
    m_table->setHorizontalHeaderLabels({QCoreApplication::translate("OrbDrawingTableDisplayExtensionRebar", "编号"), QCoreApplication::translate("OrbDrawingTableDisplayExtensionRebar", "名称"), QCoreApplication::translate("OrbDrawingTableDisplayExtensionRebar", "值")});
    m_table->verticalHeader()->hide();
    // Code and name as wide as they need; the value takes the rest of the narrow pane.
    m_table->horizontalHeader()->setSectionResizeMode(CodeColumn, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                             | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    layout->addWidget(m_table);

    m_message = new QLabel(container);
    m_message->setObjectName(QStringLiteral("lblExtraRebarMessage"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_message->hide();
    layout->addWidget(m_message);

    QObject::connect(m_table.data(), &QTableWidget::itemChanged, this,
                     [this](QTableWidgetItem* item) { onItemChanged(item); });
    disconnect(m_calcConnection);
    if (processor())
        m_calcConnection = QObject::connect(processor(), &OrbDrawingInfoProcessor::onAfterCalculate, this, [this] {
            if (!m_saving)
                fill();
        });
    fill();
}

void OrbDrawingTableDisplayExtensionRebar::fill()
{
    if (!m_table)
        return;
    m_filling = true;
    m_table->setRowCount(0); // also drops an open editor
    m_table->setRowCount(m_rows.size());
    for (int r = 0; r < m_rows.size(); ++r) {
        OrbDrawsetProp* prop = propOf(r);
        auto* code = new QTableWidgetItem(m_rows.at(r).code);
        code->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        auto* name = new QTableWidgetItem(prop ? prop->infoName() : QString());
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        auto* value = new QTableWidgetItem(prop ? prop->value(false) : QString());
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (prop && !prop->isReadOnly())
            flags |= Qt::ItemIsEditable;
        value->setFlags(flags);
        m_table->setItem(r, CodeColumn, code);
        m_table->setItem(r, NameColumn, name);
        m_table->setItem(r, ValueColumn, value);
    }
    m_filling = false;
}

void OrbDrawingTableDisplayExtensionRebar::showMessage(const QString& text)
{
    if (!m_message)
        return;
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void OrbDrawingTableDisplayExtensionRebar::onItemChanged(QTableWidgetItem* item)
{
    if (m_filling || m_saving || !item || item->column() != ValueColumn)
        return;
    OrbDrawsetProp* prop = propOf(item->row());
    OrbDrawsetProps* props = processor() ? processor()->drawsetProps() : nullptr;
    if (!prop || !props) {
        fill();
        return;
    }
    const QString value = item->text();
    QString message;
    if (!props->validate(prop, value, message)) {
        showMessage(message.isEmpty() ? QCoreApplication::translate("OrbDrawingTableDisplayExtensionRebar", "输入的值无效") : message);
        fill(); // the table shows what the processor holds
        return;
    }
    m_saving = true;
    const bool saved = props->saveEditorValue({prop}, value);
    m_saving = false;
    showMessage(saved ? QString() : QCoreApplication::translate("OrbDrawingTableDisplayExtensionRebar", "保存失败"));
    fill();
    if (saved)
        emit updateView();
}

void OrbDrawingTableDisplayExtensionRebar::cancelEdit()
{
    if (m_table)
        static_cast<RebarTable*>(m_table.data())->finishEdit(false);
}

void OrbDrawingTableDisplayExtensionRebar::saveEdit()
{
    // The committed value is saved through onItemChanged.
    if (m_table)
        static_cast<RebarTable*>(m_table.data())->finishEdit(true);
}

void OrbDrawingTableDisplayExtensionRebar::restoreDefValues()
{
    OrbDrawingInfoProcessor* p = processor();
    OrbDrawsetProps* props = p ? p->drawsetProps() : nullptr;
    if (!props)
        return;
    bool changed = false;
    m_saving = true;
    for (int r = 0; r < m_rows.size(); ++r) {
        OrbDrawsetProp* prop = propOf(r);
        if (!prop || !m_rows.at(r).hasDefault || prop->isReadOnly())
            continue;
        if (prop->value(false) == m_rows.at(r).defaultValue)
            continue;
        changed = props->saveEditorValue({prop}, m_rows.at(r).defaultValue) || changed;
    }
    m_saving = false;
    showMessage(QString());
    fill();
    if (changed)
        emit updateView();
}

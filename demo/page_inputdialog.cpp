// Demo page: the drawings input dialog on the sample library with the reference processor. The
// page walks through the dialog as a user does (pick a file and a drawset, edit values on the
// drawing and in the extra-rebar table, open the rebar guide, reset with confirmation, OK), grabs
// the dialog at each step, and shows the processor's resulting drawing info. A button opens the
// dialog for real.

#include "demolibrary.h"
#include "demopage.h"

#include "controls/orbtipwidget.h"
#include "controls/talmessagebox.h"
#include "controls/talmessageboxanswers.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbdrawsetprop.h"
#include "drawingdata/orbformulaprocessor.h"
#include "drawingdata/orbkeyvaluelist.h"
#include "drawinginfo/orbdrawinginfoeditorfrm.h"
#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"
#include "inputdialog/orbdrawingsinputfrm.h"
#include "sample/orbdrawsetwalk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kFile = QStringLiteral("检查井图集");
const QString kDrawset = QStringLiteral("混凝土圆形检查井 {grade}");

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The folder given with --screenshots, where the step pictures go beside the page's own.
QString screenshotDir(const DemoContext& context)
{
    const int at = context.arguments.indexOf(QStringLiteral("--screenshots"));
    if (at >= 0 && at + 1 < context.arguments.size())
        return context.arguments.at(at + 1);
    for (const QString& a : context.arguments)
        if (a.startsWith(QLatin1String("--screenshots=")))
            return a.mid(14);
    return QString();
}

IOrbDrawset* findDrawset(IOrbDrawingService* service, const QString& fileName, const QString& name)
{
    return orbdrawsetwalk::find(service->drawingFiles()->findFile(fileName), name);
}

// The dialog with its tip (a window of its own) painted where it hangs.
QPixmap grabDialog(OrbDrawingsInputFrm* dialog)
{
    QPixmap shot = dialog->grab();
    auto* tip = dialog->findChild<OrbTipWidget*>();
    if (!tip || !tip->isVisible())
        return shot;
    const QPoint offset = tip->geometry().topLeft() - dialog->geometry().topLeft();
    const QRect all = QRect(QPoint(0, 0), shot.size()).united(QRect(offset, tip->size()));
    QPixmap canvas(all.size());
    canvas.fill(QColor(235, 235, 235));
    QPainter painter(&canvas);
    painter.drawPixmap(-all.topLeft(), shot);
    painter.drawPixmap(offset - all.topLeft(), tip->grab());
    return canvas;
}

// Presses and releases the mouse on button, as a user's click (a click elsewhere also hides a tip).
void clickButton(QAbstractButton* button)
{
    if (!button)
        return;
    const QPoint centre = button->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &release);
    settle();
}

// Types value into the open in-place editor on the drawing and presses Enter.
bool typeOnDrawing(OrbDrawingInfoEditorFrm* editor, OrbDrawsetProp* prop, const QString& value)
{
    if (!prop)
        return false;
    editor->openEditor(prop);
    settle();
    for (QLineEdit* line : editor->findChildren<QLineEdit*>()) {
        if (!line->isVisible())
            continue;
        line->setText(value);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(line, &press);
        settle();
        return true;
    }
    return false;
}

class InputDialogPage : public QWidget
{
public:
    explicit InputDialogPage(const DemoContext& context)
        : m_service(demolibrary::service(context))
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(
            QStringLiteral("OrbDrawingsInputFrm on the sample library with the formula processor. The steps below "
                           "were done through the dialog's own widgets; the text shows what the processor holds "
                           "after OK."),
            this));
        auto* open = new QPushButton(QStringLiteral("打开云图集…"), this);
        open->setObjectName(QStringLiteral("btnOpenInputDialog"));
        layout->addWidget(open, 0, Qt::AlignLeft);
        auto* body = new QHBoxLayout;
        m_steps = new QGridLayout;
        body->addLayout(m_steps, 3);
        m_result = new QPlainTextEdit(this);
        m_result->setReadOnly(true);
        m_result->setMinimumWidth(320);
        body->addWidget(m_result, 1);
        layout->addLayout(body, 1);
        resize(1500, 1000);

        if (!m_service) {
            m_result->setPlainText(QStringLiteral("No drawing library: the sample library could not be written."));
            return;
        }
        m_processor = new OrbFormulaProcessor(this);
        m_processor->setEntType(5020);
        m_processor->setElementType(5020);
        m_processor->setDisplayParams({{QStringLiteral("grade"), QStringLiteral("C30")}});
        // The demo host declares an extra-rebar table for the concrete well.
        if (IOrbDrawset* concrete = findDrawset(m_service, kFile, kDrawset))
            concrete->keyValues()->setValue(QStringLiteral("ExtraRebar"), QStringLiteral("A1:C14@150"));
        walkThrough(screenshotDir(context));
        connect(open, &QPushButton::clicked, this, [this] {
            OrbDrawingsInputFrm dialog(m_service, this);
            dialog.setProcessor(m_processor);
            if (dialog.exec() == QDialog::Accepted)
                showResult(QStringLiteral("OK pressed in the dialog."));
        });
    }

private:
    void step(OrbDrawingsInputFrm* dialog, const QString& name, const QString& caption, const QString& dir)
    {
        settle();
        const QPixmap shot = grabDialog(dialog);
        const int n = m_steps->count() / 2;
        if (!dir.isEmpty())
            shot.save(QDir(dir).filePath(QStringLiteral("inputdialog-%1-%2.png").arg(n + 1).arg(name)));
        auto* title = new QLabel(QStringLiteral("%1. %2").arg(n + 1).arg(caption), this);
        auto* picture = new QLabel(this);
        picture->setPixmap(shot.scaledToWidth(470, Qt::SmoothTransformation));
        m_steps->addWidget(title, (n / 2) * 2, n % 2);
        m_steps->addWidget(picture, (n / 2) * 2 + 1, n % 2);
        m_log << caption;
    }

    void walkThrough(const QString& dir)
    {
        OrbDrawingsInputFrm dialog(m_service, nullptr);
        dialog.setAttribute(Qt::WA_DontShowOnScreen);
        dialog.setProcessor(m_processor); // no drawset yet: the first drawset of the first file
        dialog.show();
        settle();
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("cbbDrawingNames"));
        auto* tree = dialog.findChild<OrbDrawingTreeWidget*>();
        auto* editor = dialog.findChild<OrbDrawingInfoEditorFrm*>();

        // Another file: its first drawset is loaded. Then back, and the concrete well.
        combo->setCurrentIndex(combo->findText(QStringLiteral("通用图集")));
        step(&dialog, QStringLiteral("file"), QStringLiteral("File 通用图集 picked: its first drawset is loaded"), dir);
        combo->setCurrentIndex(combo->findText(kFile));
        IOrbDrawset* concrete = findDrawset(m_service, kFile, kDrawset);
        if (OrbDrawingTreeNode* node = tree->findDrawsetNode(concrete))
            tree->setFocusNode(node);
        step(&dialog, QStringLiteral("picked"), QStringLiteral("File %1, drawset %2 picked in the tree").arg(kFile, kDrawset), dir);

        // Edit on the drawing and in the extra-rebar table; open the rebar guide.
        OrbDrawsetProps* props = m_processor->drawsetProps();
        typeOnDrawing(editor, props ? props->find(QStringLiteral("H")) : nullptr, QStringLiteral("3200"));
        if (auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tblExtraRebar")))
            if (table->rowCount() > 0)
                table->item(0, 2)->setText(QStringLiteral("C16@150"));
        clickButton(dialog.findChild<QPushButton*>(QStringLiteral("btnBarInfo")));
        step(&dialog, QStringLiteral("edited"),
             QStringLiteral("井深 H = 3200 typed on the drawing, 底板钢筋 = C16@150 in the table, rebar guide open"), dir);

        // Reset, answering the confirmation with Yes.
        QString asked;
        TalMessageBoxAnswers::setHook([&asked](QWidget*, const QString&, const QString& text, QMessageBox::StandardButtons,
                                              QMessageBox::StandardButton) {
            asked = text;
            return QMessageBox::Yes;
        });
        clickButton(dialog.findChild<QPushButton*>(QStringLiteral("btnReset")));
        TalMessageBoxAnswers::setHook({});
        step(&dialog, QStringLiteral("reset"), QStringLiteral("恢复默认值, asked \"%1\", answered Yes").arg(asked), dir);

        // A last edit, then OK.
        typeOnDrawing(editor, props ? m_processor->drawsetProps()->find(QStringLiteral("D")) : nullptr, QStringLiteral("1100"));
        step(&dialog, QStringLiteral("beforeok"), QStringLiteral("井室内径 D = 1100 typed, then 确定"), dir);
        clickButton(dialog.findChild<QPushButton*>(QStringLiteral("btnOk")));
        showResult(dialog.result() == QDialog::Accepted ? QStringLiteral("The dialog accepted.")
                                                          : QStringLiteral("The dialog did NOT accept."));
    }

    void showResult(const QString& outcome)
    {
        QString name;
        if (m_processor->drawset())
            m_processor->drawset()->name(name);
        QStringList lines{outcome, QString(), QStringLiteral("Drawset: %1").arg(name),
                          QStringLiteral("Drawing ID: %1").arg(m_processor->drawingID()), QString(),
                          QStringLiteral("Drawing info:")};
        for (const QString& item : m_processor->toDrawingInfo().split(QLatin1Char(';'), Qt::SkipEmptyParts))
            lines << QStringLiteral("  ") + item;
        lines << QString() << QStringLiteral("Steps:");
        for (const QString& s : m_log)
            lines << QStringLiteral("  - ") + s;
        m_result->setPlainText(lines.join(QLatin1Char('\n')));
    }

    IOrbDrawingService* m_service = nullptr;
    OrbFormulaProcessor* m_processor = nullptr;
    QGridLayout* m_steps = nullptr;
    QPlainTextEdit* m_result = nullptr;
    QStringList m_log;
};
} // namespace

ORB_DEMO_PAGE(inputdialog, QStringLiteral("inputdialog"), QStringLiteral("Input dialog"), 30,
              [](const DemoContext& context) -> QWidget* { return new InputDialogPage(context); });

#include "fakeinputdialog.h"

#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbtabledisplayextensionfactory.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QLabel>

FakeTableExtension::FakeTableExtension(FakeLog* log, const QString& name)
    : m_log(log), m_name(name)
{
}

FakeTableExtension::~FakeTableExtension()
{
    m_log->add(QStringLiteral("extension:%1.destroyed").arg(m_name));
}

void FakeTableExtension::attachTo(QWidget* container)
{
    m_log->add(QStringLiteral("extension:%1.attachTo").arg(m_name));
    auto* label = new QLabel(m_name, container);
    label->setObjectName(QStringLiteral("fakeExtensionContent"));
}

void FakeTableExtension::cancelEdit() { m_log->add(QStringLiteral("extension:%1.cancelEdit").arg(m_name)); }
void FakeTableExtension::saveEdit() { m_log->add(QStringLiteral("extension:%1.saveEdit").arg(m_name)); }

void FakeTableExtension::restoreDefValues()
{
    m_log->add(QStringLiteral("extension:%1.restoreDefValues").arg(m_name));
}

FakeExtensionFactory::FakeExtensionFactory(FakeLog* log)
    : m_log(log)
{
    OrbTableDisplayExtensionFactory::set(
        [this](IOrbDrawingService*, IOrbDrawset* drawset, const OrbKeyValueList& settings)
            -> QSharedPointer<OrbDrawingTableDisplayExtension> {
            const QString name = nameOf(drawset, QStringLiteral("null"));
            m_log->add(QStringLiteral("core.newTableDisplayExtension(%1,%2)")
                           .arg(name, settings.getValue(QStringLiteral("elementType")).toString()));
            if (!m_withExtension.contains(drawset))
                return {};
            QSharedPointer<OrbDrawingTableDisplayExtension> ext(new FakeTableExtension(m_log, name));
            m_last = ext;
            return ext;
        });
}

FakeExtensionFactory::~FakeExtensionFactory()
{
    OrbTableDisplayExtensionFactory::set({});
}

FakeQuestionAnswer::FakeQuestionAnswer(FakeLog* log, QMessageBox::StandardButton answer)
    : m_log(log), m_answer(answer)
{
    TalMessageBoxAnswers::setHook([this](QWidget*, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
        m_log->add(QStringLiteral("question(%1|%2|%3|%4)")
                       .arg(title, text, QString::number(int(buttons), 16), QString::number(int(defaultButton), 16)));
        return m_answer;
    });
}

FakeQuestionAnswer::~FakeQuestionAnswer()
{
    TalMessageBoxAnswers::setHook({});
}

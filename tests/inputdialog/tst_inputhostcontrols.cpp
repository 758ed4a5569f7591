// Guards the reference host's controls that the input dialog relies on: the question box must
// answer the button really clicked (and No when dismissed), the answer hook must bypass the box
// entirely, the tip must hang at its button and hide on a click elsewhere but not on its button,
// and usage events must be kept in order and reach the log file.

#include "common/orbubc.h"
#include "common/orbubclog.h"
#include "controls/orbtipwidget.h"
#include "controls/talmessagebox.h"
#include "controls/talmessageboxanswers.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

class TstInputHostControls : public QObject
{
    Q_OBJECT
private slots:
    void questionBox_data();
    void questionBox();
    void questionHook();
    void tipHangsAndHides();
    void usageEvents();
};

void TstInputHostControls::questionBox_data()
{
    QTest::addColumn<int>("press");  // key pressed in the box, or 0 to click the Yes button
    QTest::addColumn<int>("expected");
    QTest::newRow("clicked yes") << 0 << int(QMessageBox::Yes);
    QTest::newRow("escape answers no") << int(Qt::Key_Escape) << int(QMessageBox::No);
}

void TstInputHostControls::questionBox()
{
    QFETCH(int, press);
    QFETCH(int, expected);
    QString seenText;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seenText = box->text();
        if (press)
            QTest::keyClick(box, Qt::Key(press));
        else
            box->button(QMessageBox::Yes)->click();
    });
    const QMessageBox::StandardButton answer = TalMessageBox::question(
        nullptr, QStringLiteral("提示"), QStringLiteral("确认？"), QMessageBox::Yes | QMessageBox::No,
        QMessageBox::NoButton, QString());
    QCOMPARE(int(answer), expected);
    QCOMPARE(seenText, QStringLiteral("确认？"));
}

void TstInputHostControls::questionHook()
{
    QStringList asked;
    TalMessageBoxAnswers::setHook([&](QWidget*, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def) {
        asked << title << text << QString::number(int(buttons), 16) << QString::number(int(def), 16);
        return QMessageBox::No;
    });
    const auto answer = TalMessageBox::question(nullptr, QStringLiteral("t"), QStringLiteral("x"),
                                                QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton, QString());
    TalMessageBoxAnswers::setHook({});
    QCOMPARE(answer, QMessageBox::No);
    QCOMPARE(asked, QStringList({"t", "x", "14000", "0"}));
    QVERIFY(!QApplication::activeModalWidget());
}

void TstInputHostControls::tipHangsAndHides()
{
    QCOMPARE(OrbTipWidget::createTipWidget(nullptr, nullptr, nullptr), nullptr);

    QDialog owner;
    auto* layout = new QVBoxLayout(&owner);
    auto* button = new QPushButton(QStringLiteral("info"), &owner);
    auto* other = new QLineEdit(&owner);
    layout->addWidget(button);
    layout->addWidget(other);
    layout->addStretch();
    owner.resize(300, 400);
    owner.move(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(20, 20));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    auto* content = new QLabel(QStringLiteral("picture"));
    content->resize(120, 80);
    OrbTipWidget* tip = OrbTipWidget::createTipWidget(&owner, button, content);
    QVERIFY(tip);
    tip->addWidgetEventFilter(&owner);
    tip->show();
    QVERIFY(tip->isVisible());
    QCOMPARE(content->parentWidget(), tip);
    QVERIFY(content->width() >= 120 && content->height() >= 80);
    // Hangs under the button, starting at its left edge.
    const QPoint buttonBottom = button->mapToGlobal(QPoint(0, button->height()));
    QCOMPARE(tip->geometry().top(), buttonBottom.y());
    QCOMPARE(tip->geometry().left(), buttonBottom.x());

    // A press on the button is the button's business (it toggles the tip itself).
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(tip->isVisible());
    // A press inside the tip keeps it.
    QTest::mouseClick(content, Qt::LeftButton);
    QVERIFY(tip->isVisible());
    // A press elsewhere in the owner hides it.
    QTest::mouseClick(other, Qt::LeftButton);
    QVERIFY(!tip->isVisible());

    tip->show();
    owner.hide();
    QVERIFY(!tip->isVisible());
}

void TstInputHostControls::usageEvents()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    OrbUbc* ubc = OrbUbc::instance();
    OrbUbcLog* events = OrbUbcLog::instance();
    events->clear();
    QVERIFY(!events->setLogFile(dir.path())); // a folder cannot take the log
    const QString path = dir.filePath(QStringLiteral("ubc.log"));
    QVERIFY(events->setLogFile(path));
    ubc->send(QStringLiteral("410011"));
    ubc->send(QStringLiteral("420016"), QStringLiteral("图集-7"));
    QVERIFY(events->setLogFile(QString()));
    ubc->send(QStringLiteral("410015"));

    QCOMPARE(events->codes(), QStringList({"410011", "420016", "410015"}));
    QCOMPARE(events->events().at(1).param, QStringLiteral("图集-7"));
    QFile log(path);
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).endsWith(QStringLiteral("\t410011\t")));
    QVERIFY(lines.at(1).endsWith(QStringLiteral("\t420016\t图集-7")));
    events->clear();
}

QTEST_MAIN(TstInputHostControls)
#include "tst_inputhostcontrols.moc"

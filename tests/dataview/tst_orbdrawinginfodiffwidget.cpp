// The diff table is what a tester reads to see which drawing-info values a calculation changed:
// a wrong mark (or a stale one) points them at the wrong parameter. The values and their marks
// (the first snapshot, equal and changed values, marks taken off again) are driven through the
// data view's snapshot list (tst_orbdrawsetdataviewwidget snapshotSeries).

#include "dataview/orbdrawinginfodiffwidget.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QtTest>

namespace {
OrbKeyValueList list(const QString& text)
{
    OrbKeyValueList l;
    l.loadFromString(text, QLatin1Char(';'));
    return l;
}
} // namespace

class tst_OrbDrawingInfoDiffWidget : public QObject
{
    Q_OBJECT
private slots:
    // A value cut to "C12@2…" while free space stands beside it hides what the calculation gave.
    void textsShownWhole()
    {
        OrbDrawingInfoDiffWidget w;
        w.appendRow({QStringLiteral("A1"), QStringLiteral("底板钢筋（上层，横向分布筋）"), QString(), QString()});
        w.diffDrawingInfo(list("A1=C12@200/HRB400"), list("A1=C12@150/HRB400"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int margins = 2 * (w.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &w) + 1);
        for (int c = 1; c < 4; ++c) {
            const QModelIndex index = w.model()->index(0, c);
            QVERIFY2(w.visualRect(index).width() >= w.fontMetrics().horizontalAdvance(index.data().toString()) + margins,
                     qPrintable(index.data().toString()));
        }
    }
};

QTEST_MAIN(tst_OrbDrawingInfoDiffWidget)
#include "tst_orbdrawinginfodiffwidget.moc"

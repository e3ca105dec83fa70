// One finder per user: a second instance asks the first to show its window. The same with
// two finder processes is in single_instance_process_test.cpp.

#include "shell/single_instance.h"

#include <QSignalSpy>
#include <QTest>
#include <QUuid>

namespace vistrel {

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondInstanceAsksTheFirstToShowItsWindow() {
        const QString title =
            QStringLiteral("single-instance test ") + QUuid::createUuid().toString();
        SingleInstance first(title);
        QVERIFY(first.becomePrimary());
        QSignalSpy shown(&first, &SingleInstance::showRequested);

        SingleInstance second(title);
        QVERIFY(!second.becomePrimary());
        QVERIFY(second.askPrimaryToShow());
        QVERIFY(shown.wait(5000));
    }

    void withoutAFirstInstanceNobodyAnswers() {
        SingleInstance lone(QStringLiteral("nobody ") + QUuid::createUuid().toString());
        QVERIFY(!lone.askPrimaryToShow());
    }
};

} // namespace vistrel

QTEST_GUILESS_MAIN(vistrel::SingleInstanceTest)
#include "single_instance_test.moc"

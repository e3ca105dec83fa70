// One finder per user: a second start hands over to the first and ends without a window.

#include "shell/single_instance.h"
#include "support/private_network.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
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

    void aSecondFinderEndsAtOnceWithoutAWindow() {
        if (!test::inPrivateNetworkNamespace()) {
            QSKIP("opens sockets: run inside scripts/netns");
        }
        // A home of its own, so that a finder the developer has open does not count.
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(VISTREL_FINDER_PATH), {});
        QVERIFY(first.waitForStarted(5000));
        // The first instance holds its lock once it runs.
        const QDir runtime(home.path());
        QTRY_VERIFY_WITH_TIMEOUT(
            !runtime.entryList({QStringLiteral("vistrel-finder-*.lock")}, QDir::Files).isEmpty(),
            10000);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(VISTREL_FINDER_PATH), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0); // 1 when the first one did not answer
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

} // namespace vistrel

QTEST_GUILESS_MAIN(vistrel::SingleInstanceTest)
#include "single_instance_test.moc"

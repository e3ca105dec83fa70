// One finder per user: a second finder process hands over to the first and ends without a
// window. Runs inside the private network namespace of scripts/netns, since a finder broadcasts
// as soon as it starts.

#include "support/private_network.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace vistrel {

class SingleInstanceProcessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }

    void aSecondFinderEndsAtOnceWithoutAWindow() {
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

QTEST_GUILESS_MAIN(vistrel::SingleInstanceProcessTest)
#include "single_instance_process_test.moc"

// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program, started as a process: it ignores its command line, so options meant for
// Qt change nothing; with an unknown platform named there it would not start at all. And the
// program's end, in a process of its own: its exit status tells Exit from an unhandled error.

#include <start_up.h>

#include <QProcess>
#include <QTest>

#include <cstdlib>

class ProgramStartTest : public QObject
{
    Q_OBJECT

public:
    // A child run of endsWithTheStatusGiven: the program's end, before anything else.
    static void initMain()
    {
        if (qEnvironmentVariableIsSet("KWELT_END_WITH")) {
            kwelt::endProcess(qEnvironmentVariableIntValue("KWELT_END_WITH"));
        }
    }

private slots:
    void ignoresItsCommandLine()
    {
        QProcess program;
        program.setProgram(QStringLiteral(KWELT_PROGRAM));
        if (QSysInfo::kernelType() == QLatin1String("winnt")) {
            // kwelt.exe carries Windows' own platform alone, not the tests' offscreen one.
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("windows"));
            program.setProcessEnvironment(environment);
        }
        program.setArguments({QStringLiteral("-platform"), QStringLiteral("no-such-platform"), QStringLiteral("-style"),
            QStringLiteral("no-such-style")});
        program.start();
        QVERIFY(program.waitForStarted());
        // Still running after a while: it came up on the test's own platform.
        QVERIFY2(!program.waitForFinished(2000), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
    }

    void endsWithTheStatusGiven_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("Exit") << EXIT_SUCCESS;
        QTest::newRow("an unhandled error") << EXIT_FAILURE;
    }

    // A caller, a session manager or a test runner sees a failure as one.
    void endsWithTheStatusGiven()
    {
        QFETCH(int, status);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KWELT_END_WITH"), QString::number(status));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), status);
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "program_start_test.moc"

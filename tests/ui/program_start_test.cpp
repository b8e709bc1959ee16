// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program, started as a process: it ignores its command line, so options meant for
// Qt change nothing; with an unknown platform named there it would not start at all.

#include <QProcess>
#include <QTest>

class ProgramStartTest : public QObject
{
    Q_OBJECT

private slots:
    void ignoresItsCommandLine()
    {
        QProcess program;
        program.setProgram(QStringLiteral(KWELT_PROGRAM));
        program.setArguments({QStringLiteral("-platform"), QStringLiteral("no-such-platform"), QStringLiteral("-style"),
            QStringLiteral("no-such-style")});
        program.start();
        QVERIFY(program.waitForStarted());
        // Still running after a while: it came up on the test's own platform.
        QVERIFY2(!program.waitForFinished(2000), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "program_start_test.moc"

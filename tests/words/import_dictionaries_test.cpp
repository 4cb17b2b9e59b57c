// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the dictionary import (which words, which sense, the hint, the
// balance by length) are checked by the importer's own Python tests; this runs
// them with the rest of the suite.

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class ImportDictionariesTest : public QObject
{
    Q_OBJECT
private slots:
    void importRulesHold();
};

void ImportDictionariesTest::importRulesHold()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1")); // keep the source tree clean
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(python, {QStringLiteral("-m"), QStringLiteral("unittest"), QStringLiteral("discover"), QStringLiteral("-s"),
                       QStringLiteral(SPLITWICK_SOURCE_DIR "/tools/import_dictionaries"), QStringLiteral("-p"),
                       QStringLiteral("test_*.py")});
    QVERIFY(run.waitForFinished(120000));
    const QByteArray output = run.readAll();
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, output.constData());
    QVERIFY2(output.contains("OK"), output.constData());
}

QTEST_APPLESS_MAIN(ImportDictionariesTest)
#include "import_dictionaries_test.moc"

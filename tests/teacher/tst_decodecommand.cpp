// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/reportblocks.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// tesilka-ucitel --decode, run as a teacher runs it from a terminal without a display.
class DecodeCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void printsReportsAsCsvAndBadBlocksWithTheirLine();
    void unreadableFileAndUnknownOption();

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Run run(const QStringList &arguments) const;
    QString write(const QString &name, const QByteArray &contents) const;
    QTemporaryDir dir_;
};

DecodeCommandTest::Run DecodeCommandTest::run(const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESILKA_TEACHER_PROGRAM), arguments);
    if (!process.waitForFinished(30000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString DecodeCommandTest::write(const QString &name, const QByteArray &contents) const
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(contents);
    }
    return path;
}

void DecodeCommandTest::printsReportsAsCsvAndBadBlocksWithTheirLine()
{
    const QString block =
        pupilReportBlock(QStringLiteral("Jana Dvořáková; 8.B"), QStringLiteral("8.B"), 2, 1);
    const QString good = write(QStringLiteral("dobra.txt"), block.toUtf8());
    const Run clean = run({QStringLiteral("--decode"), good});
    QCOMPARE(clean.exitCode, 0);
    QCOMPARE(clean.err, QString());
    const QStringList lines = clean.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QStringLiteral("Soubor;Řádek;Student;Třída;Od;Do;Odpovědí;Dobře;Špatně;"
                                         "Úspěšnost %"));
    // A ";" inside the name is quoted; the share has a decimal comma.
    QCOMPARE(lines.at(1), good + QStringLiteral(";1;\"Jana Dvořáková; 8.B\";8.B;7.12.2026 9:55;"
                                                "7.12.2026 10:20;3;2;1;66,67"));

    const QString mixed = write(QStringLiteral("posta.txt"),
                                (QStringLiteral("Ahoj\n\n") + damagedBlock(block)).toUtf8());
    const Run bad = run({QStringLiteral("--decode"), good, mixed});
    QCOMPARE(bad.exitCode, 1);
    QCOMPARE(bad.out.count(QStringLiteral("\r\n")), 2);
    QVERIFY2(bad.err.startsWith(mixed + QStringLiteral(":3: ")), qPrintable(bad.err));
}

void DecodeCommandTest::unreadableFileAndUnknownOption()
{
    const Run missing = run({QStringLiteral("--decode"), dir_.filePath(QStringLiteral("nic.eml"))});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY2(missing.err.contains(QStringLiteral("soubor nelze přečíst")), qPrintable(missing.err));
    const Run unknown = run({QStringLiteral("--decod")});
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.err.contains(QStringLiteral("--help")));
    const Run help = run({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Použití: tesilka-ucitel")));
}

QTEST_GUILESS_MAIN(DecodeCommandTest)
#include "tst_decodecommand.moc"

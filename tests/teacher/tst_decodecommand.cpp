// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"
#include "support/reportblocks.h"
#include "teacher/decodecommand.h"
#include "teacher/files/csvwriter.h"
#include "teacher/reportformat.h"

#include <QBuffer>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// tesilka-ucitel --decode, --store and the exports, run as a teacher runs them from a terminal
// without a display.
class DecodeCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void printsReportsAsCsvAndBadBlocksWithTheirLine();
    void writesAsItReadsTheSameAsWholeReadings();
    void datesAsQtWritesThem();
    void unreadableFileAndUnknownOption();
    void readsMailboxesFoldersAndStandardInput();
    void storesMailReportsOnceWithTheirPupils();
    void exportsSummaryAndOnePupil();

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
        bool bom = false; // the output began with UTF-8's byte order mark
    };
    Run run(const QStringList &arguments, const QByteArray &input = {}) const;
    QString write(const QString &name, const QByteArray &contents) const;
    QString schoolDatabase(const QString &name) const;
    QString mailWithReports() const;
    QTemporaryDir dir_;
};

DecodeCommandTest::Run DecodeCommandTest::run(const QStringList &arguments,
                                              const QByteArray &input) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESILKA_TEACHER_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        return {};
    }
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(out), QString::fromUtf8(process.readAllStandardError()),
            out.startsWith("\xEF\xBB\xBF")};
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
    // With the BOM, as the window exports, so that a spreadsheet reads the Czech letters.
    QVERIFY(clean.bom);
    QCOMPARE(lines.at(0), QStringLiteral("Soubor;E-mail;Řádek;Student;Třída;Od;Do;Odpovědí;"
                                         "Dobře;Špatně;Úspěšnost %"));
    // A ";" inside the name is quoted; the share has a decimal comma.
    QCOMPARE(lines.at(1), good + QStringLiteral(";;1;\"Jana Dvořáková; 8.B\";8.B;7.12.2026 9:55;"
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
    QCOMPARE(missing.err,
             dir_.filePath(QStringLiteral("nic.eml")) + QStringLiteral(": soubor neexistuje\n"));
    const Run unknown = run({QStringLiteral("--decod")});
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.err.contains(QStringLiteral("--help")));
    const Run help = run({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Použití: tesilka-ucitel")));
}

namespace {
QString blockEndingAt(const QDateTime &end, const QString &name)
{
    SharedState state;
    state.reportName = name;
    state.reportClass = QStringLiteral("8.B");
    state.correctCount = 1;
    state.wrongCount = 1;
    state.reportStart = end.addSecs(-600);
    SequenceSource random({0.3F});
    ReportEncoder encoder(random);
    encoder.beginReportBlock();
    encoder.encodeReportText(
        buildTeacherReport(state, end, QLocale(QLocale::Czech, QLocale::CzechRepublic)));
    return encoder.reportBlockText();
}
} // namespace

void DecodeCommandTest::readsMailboxesFoldersAndStandardInput()
{
    const QString block = pupilReportBlock(QStringLiteral("Jana"), QStringLiteral("8.B"), 2, 1);
    const QString later =
        blockEndingAt(QDateTime::currentDateTime().addDays(3), QStringLiteral("Petr"));
    const QString quoted = QStringLiteral("> ") +
                           QString(block).replace(QStringLiteral("\r\n"), QStringLiteral("\r\n> "));
    // Jana's block in base64, then quoted twice in a reply beside a damaged block on line 3 of
    // that mail and a report that ends three days from now.
    const QByteArray mbox = "From jana@example.org Mon Dec  7 10:25:00 2026\n"
                            "Content-Type: text/plain\nContent-Transfer-Encoding: base64\n\n" +
                            block.toLatin1().toBase64() +
                            "\n\nFrom petr@example.org Mon Dec  7 11:00:00 2026\n"
                            "Subject: Re: vysledky\n\nAhoj\n\n" +
                            damagedBlock(block).toLatin1() + "\n" + quoted.toLatin1() + "\n\n" +
                            quoted.toLatin1() + "\n\n" + later.toLatin1() + "\n";
    const QString file = write(QStringLiteral("posta"), mbox);
    const Run decoded = run({QStringLiteral("--decode"), file});
    QCOMPARE(decoded.exitCode, 1);
    const QStringList lines = decoded.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.at(1).startsWith(file + QStringLiteral(";1;1;Jana;")), qPrintable(lines.at(1)));
    QVERIFY2(lines.at(2).startsWith(file + QStringLiteral(";2;")), qPrintable(lines.at(2)));
    const QStringList err = decoded.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(err.size(), 2);
    QVERIFY2(err.at(0).startsWith(file + QStringLiteral(": e-mail 2, ř. 3: Poškozená")),
             qPrintable(err.at(0)));
    QVERIFY2(err.at(1).startsWith(file + QStringLiteral(": e-mail 2, ř. ")) &&
                 err.at(1).contains(QStringLiteral("je v budoucnosti")),
             qPrintable(err.at(1)));

    // The same from standard input, and stored from there, the report of the future too.
    const Run piped = run({QStringLiteral("--decode"), QStringLiteral("-")}, mbox);
    // "-" is standard input's name; like any field starting so, it is kept as text.
    QCOMPARE(piped.out.count(QStringLiteral("\r\n'-;")), 2);
    const QString database = schoolDatabase(QStringLiteral("posta.db"));
    const Run stored = run(
        {QStringLiteral("--store"), QStringLiteral("-"), QStringLiteral("--database"), database},
        mbox);
    QCOMPARE(stored.exitCode, 1);
    QVERIFY2(stored.out.contains(QStringLiteral("nových zpráv 2, už uložených 0")),
             qPrintable(stored.out));

    // A Maildir folder, given as its cur: the message file is named, the one to open.
    QDir folder(dir_.filePath(QStringLiteral("Maildir")));
    QVERIFY(folder.mkpath(QStringLiteral("cur")) && folder.mkpath(QStringLiteral("new")));
    const QString message = write(QStringLiteral("Maildir/new/1733565600.M1P2.ucitel"),
                                  mbox.mid(mbox.indexOf('\n') + 1));
    const Run maildir = run({QStringLiteral("--decode"), folder.filePath(QStringLiteral("cur"))});
    QCOMPARE(maildir.exitCode, 0);
    QVERIFY2(maildir.out.contains(QStringLiteral("\r\n") + message + QStringLiteral(";1;1;Jana;")),
             qPrintable(maildir.out));
    const Run notMail = run({QStringLiteral("--decode"), dir_.path()});
    QCOMPARE(notMail.exitCode, 2);
    QVERIFY2(notMail.err.contains(QStringLiteral("Maildir")), qPrintable(notMail.err));
}

// A class list with namesakes in two classes and pupils who never practised.
QString DecodeCommandTest::schoolDatabase(const QString &name) const
{
    const QString path = dir_.filePath(name);
    const auto database = TeacherDatabase::create(DatabaseLocation::sqliteFile(path), false);
    for (const auto &[surname, className] :
         {std::pair{"Novák Jan", "8.B"}, {"Svobodová", "8.B"}, {"Malý", "8.B"}, {"Malý", "9.A"}}) {
        database->addPupil(QString::fromUtf8(surname), QString::fromUtf8(className));
    }
    return path;
}

// Jan Novák's report with his names the other way round and the class in lower case, one of a
// pupil not on the list, and a damaged block on line 3 of the file.
QString DecodeCommandTest::mailWithReports() const
{
    const QString stranger =
        pupilReportBlock(QStringLiteral("Petr Cizí"), QStringLiteral("8.B"), 1, 3, 12, 8);
    return write(QStringLiteral("zpravy.txt"),
                 (QStringLiteral("Dobrý den,\n\n") +
                  damagedBlock(pupilReportBlock(QStringLiteral("Eva Nová"), QStringLiteral("8.B"),
                                                1, 1, 40)) +
                  QStringLiteral("\n\n") +
                  pupilReportBlock(QStringLiteral("Jan Novák"), QStringLiteral("8b"), 2, 1) +
                  QStringLiteral("\n\n") + stranger)
                     .toUtf8());
}

void DecodeCommandTest::storesMailReportsOnceWithTheirPupils()
{
    const QString database = schoolDatabase(QStringLiteral("ulozit.db"));
    const QString mail = mailWithReports();
    const QStringList store{QStringLiteral("--store"), mail, QStringLiteral("--database"),
                            database};
    // The good reports are stored; the bad block makes the exit code 1 and names its line.
    const Run first = run(store);
    QCOMPARE(first.exitCode, 1);
    QVERIFY2(first.out.contains(QStringLiteral("nových zpráv 2, už uložených 0, přiřazených "
                                               "žákovi 1, nepřiřazených 1, odmítnutých vadných "
                                               "bloků 1.")),
             qPrintable(first.out));
    QVERIFY2(first.err.startsWith(mail + QStringLiteral(":3: ")), qPrintable(first.err));
    const Run again = run(store);
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.out.contains(QStringLiteral("nových zpráv 0, už uložených 2,")),
             qPrintable(again.out));

    const Run missing =
        run({QStringLiteral("--store"), mail, dir_.filePath(QStringLiteral("neni.eml")),
             QStringLiteral("--database"), database});
    QCOMPARE(missing.exitCode, 2);
    QCOMPARE(missing.out, QString());
    const Run noDatabase = run({QStringLiteral("--store"), mail, QStringLiteral("--database"),
                                dir_.filePath(QStringLiteral("neni.db"))});
    QCOMPARE(noDatabase.exitCode, 1);
    QVERIFY2(noDatabase.err.contains(QStringLiteral("Nic nebylo uloženo.")),
             qPrintable(noDatabase.err));
}

void DecodeCommandTest::exportsSummaryAndOnePupil()
{
    const QString database = schoolDatabase(QStringLiteral("export.db"));
    QCOMPARE(
        run({QStringLiteral("--store"), mailWithReports(), QStringLiteral("--database"), database})
            .exitCode,
        1);
    const auto exported = [&](QStringList arguments, Run *result = nullptr) {
        const QString out = dir_.filePath(QStringLiteral("export.csv"));
        QFile::remove(out);
        arguments << out << QStringLiteral("--database") << database;
        const Run done = run(arguments);
        if (result != nullptr) {
            *result = done;
        }
        QFile file(out);
        return file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll().mid(3))
                         .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
                   : QStringList();
    };

    // Every pupil of the list, those without a run too, and the class's reports of nobody's.
    const QStringList summary = exported(
        {QStringLiteral("--threshold"), QStringLiteral("70"), QStringLiteral("--export-summary")});
    QCOMPARE(summary,
             QStringList({QStringLiteral("Žák;Třída;Běhy;Odpovědi;Správně;Chybně;Úspěšnost (%);"
                                         "První běh;Poslední běh;Pod hranicí;Poznámka"),
                          QStringLiteral("Malý;8.B;0;0;0;0;;;;;bez běhu"),
                          QStringLiteral("Novák Jan;8.B;1;3;2;1;66,67;7.12.2026;7.12.2026;ano;"),
                          QStringLiteral("Svobodová;8.B;0;0;0;0;;;;;bez běhu"),
                          QStringLiteral("(nepřiřazené zprávy);8.B;1;4;1;3;25,00;8.12.2026;"
                                         "8.12.2026;;nepřiřazené"),
                          QStringLiteral("Malý;9.A;0;0;0;0;;;;;bez běhu")}));

    // A pupil unique across classes needs no class; his rows only, not the stranger's of 8.B.
    const QStringList pupil = exported({QStringLiteral("--pupil"), QStringLiteral("Novák Jan"),
                                        QStringLiteral("--export-results")});
    QCOMPARE(pupil.size(), 2);
    QVERIFY2(pupil.at(1).contains(QStringLiteral(";Novák Jan;8.B;3;2;1;")),
             qPrintable(pupil.at(1)));

    Run refused;
    QVERIFY(exported({QStringLiteral("--pupil"), QStringLiteral("Malý"),
                      QStringLiteral("--export-results")},
                     &refused)
                .isEmpty());
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("8.B, 9.A")), qPrintable(refused.err));
    for (const char *kind : {"--export-results", "--export-summary"}) {
        QVERIFY(
            exported({QStringLiteral("--class"), QStringLiteral("8.C"), QString::fromUtf8(kind)},
                     &refused)
                .isEmpty());
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("„8.C“ v databázi není")),
                 qPrintable(refused.err));
    }
    exported(
        {QStringLiteral("--source"), QStringLiteral("posta"), QStringLiteral("--export-results")},
        &refused);
    QCOMPARE(refused.exitCode, 2);
}

// --decode writes each report as its message is read; what it writes must be what the
// reading of whole files (readMailSource(), as the window reads them) gives, line for line.
void DecodeCommandTest::writesAsItReadsTheSameAsWholeReadings()
{
    QByteArray mbox;
    QString previous;
    for (int i = 0; i < 40; ++i) {
        QString block =
            pupilReportBlock(QStringLiteral("Žák; \"%1\"").arg(i),
                             QStringLiteral("=%1.A").arg(i % 3), i % 5, i % 4, i, 1 + i % 28);
        if (i % 7 == 3) {
            block = damagedBlock(block);
        }
        QString body = QStringLiteral("Dobrý den,\n\n") + block;
        if (i % 9 == 8) {
            body +=
                QStringLiteral("\n\n> ") + QString(previous).replace(u'\n', QStringLiteral("\n> "));
        }
        previous = block;
        mbox += "From zak@skola.example Mon Dec  7 10:20:00 2026\nSubject: zprava\n\n" +
                body.toUtf8() + "\n\n";
    }
    const QStringList files{write(QStringLiteral("posta.mbox"), mbox),
                            write(QStringLiteral("prazdna.txt"), "nic"),
                            dir_.filePath(QStringLiteral("chybi.txt")),
                            write(QStringLiteral("jedna.eml"), previous.toUtf8())};

    QByteArray expectedErr;
    const auto errLine = [&](const QString &text) { expectedErr += (text + u'\n').toUtf8(); };
    CsvWriter csv;
    csv.addRow(
        QStringList{QStringLiteral("Soubor"), QStringLiteral("E-mail"), QStringLiteral("Řádek")} +
        reportColumnTitles());
    int expectedStatus = 0;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &file : files) {
        const QString shown = QDir::toNativeSeparators(file);
        const MailReading reading = readCommandLineSource(file);
        if (!reading.error.isEmpty()) {
            errLine(shown + QStringLiteral(": ") + reading.error);
            expectedStatus = 2;
            continue;
        }
        if (reading.reports.isEmpty()) {
            errLine(shown + QStringLiteral(": v souboru není žádná zpráva"));
            expectedStatus = qMax(expectedStatus, 1);
        }
        for (const FoundReport &found : reading.reports) {
            if (!found.report.isOk()) {
                errLine(commandLinePlace(reading, shown, found) + QStringLiteral(": ") +
                        found.report.reason);
                expectedStatus = qMax(expectedStatus, 1);
                continue;
            }
            const bool numbered = reading.kind != MailSourceReader::Kind::Message;
            csv.addRow(QStringList{shown, numbered ? QString::number(found.message) : QString(),
                                   QString::number(found.report.firstLine)} +
                       reportFields(found.report));
            if (endsInTheFuture(found.report, now)) {
                errLine(commandLinePlace(reading, shown, found) +
                        QStringLiteral(": upozornění: konec práce (Do) %1 je v budoucnosti")
                            .arg(reportFields(found.report).value(3)));
            }
        }
    }

    QBuffer out;
    QBuffer err;
    QVERIFY(out.open(QIODevice::WriteOnly));
    QVERIFY(err.open(QIODevice::WriteOnly));
    QCOMPARE(runDecodeCommand(files, out, err), expectedStatus);
    QCOMPARE(QString::fromUtf8(err.data()), QString::fromUtf8(expectedErr));
    QCOMPARE(out.data(), csv.toUtf8WithBom());
    QVERIFY(out.data().count('\n') > 20);
    QVERIFY(expectedErr.contains("Poškozená skupina"));
}

// The report's times are put together by hand: the same text as Qt's format.
void DecodeCommandTest::datesAsQtWritesThem()
{
    for (const QDate &day : {QDate(2026, 12, 7), QDate(2026, 1, 31), QDate(999, 10, 1),
                             QDate(1, 1, 1), QDate(9999, 12, 31), QDate(-5, 3, 3)}) {
        for (const QTime &time : {QTime(0, 0), QTime(9, 5), QTime(10, 59), QTime(23, 30)}) {
            const QDateTime moment(day, time);
            QCOMPARE(reportDateText(moment), moment.toString(QStringLiteral("d.M.yyyy H:mm")));
        }
    }
    QCOMPARE(reportDateText(QDateTime()), QString());
}

QTEST_GUILESS_MAIN(DecodeCommandTest)
#include "tst_decodecommand.moc"

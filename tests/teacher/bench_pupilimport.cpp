// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/teacherdatabase.h"
#include "support/modaldriver.h"
#include "teacher/classlistimportdialog.h"

#include <QTemporaryDir>
#include <QTest>

// A class list of ten thousand pupils: guessed, parsed and previewed, then imported into a
// new SQLite file (created inside the measurement, so that every pass imports all rows).
class PupilImportBench : public QObject
{
    Q_OBJECT

private slots:
    void previewAndImportTenThousandPupils();
};

void PupilImportBench::previewAndImportTenThousandPupils()
{
    constexpr int pupils = 10000;
    QString csv = QStringLiteral("Příjmení;Třída\r\n");
    for (int i = 0; i < pupils; ++i) {
        csv += QStringLiteral("Dvořáček-Šťastný %1;%2.%3\r\n")
                   .arg(i)
                   .arg(1 + i % 9)
                   .arg(QChar(u'A' + i % 4));
    }
    const QByteArray data = csv.toUtf8();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    int pass = 0;
    PupilImportResult result;
    QBENCHMARK
    {
        const auto database = TeacherDatabase::create(
            DatabaseLocation::sqliteFile(dir.filePath(QStringLiteral("%1.db").arg(pass++))), false);
        ClassListImportDialog preview(data, QStringLiteral("trida.csv"), *database);
        preview.show();
        QCoreApplication::processEvents();
        result = database->importPupils(preview.rowsToImport());
    }
    QCOMPARE(result.added, pupils);
}

QTEST_MAIN(PupilImportBench)
#include "bench_pupilimport.moc"

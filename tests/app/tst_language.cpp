// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

// Which language the programs choose from the machine's settings, and what installing it
// gives: the programs' texts, Qt's own (with what Debian's catalogues lack) and the numbers.
class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheFirstLanguageSpoken_data();
    void choosesTheFirstLanguageSpoken();
    void installedLanguageSpeaks_data();
    void installedLanguageSpeaks();
};

void LanguageTest::choosesTheFirstLanguageSpoken_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Slovak machine") << QStringList{"sk-SK"} << "sk_SK"
                                    << "sk_SK";
    QTest::newRow("British English keeps its region") << QStringList{"en-GB"} << "en_GB"
                                                      << "en_GB";
    QTest::newRow("German: Czech") << QStringList{"de-DE", "de"} << "de_DE"
                                   << "cs_CZ";
    QTest::newRow("German, then Slovak") << QStringList{"de-DE", "sk"} << "de_DE"
                                         << "sk_SK";
    QTest::newRow("English texts on Czech regional settings") << QStringList{"en-US"} << "cs_CZ"
                                                              << "en_US";
    QTest::newRow("C locale") << QStringList{"C"} << "C"
                              << "cs_CZ";
    QTest::newRow("nothing") << QStringList{} << "C"
                             << "cs_CZ";
}

void LanguageTest::choosesTheFirstLanguageSpoken()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, system);
    QFETCH(QString, chosen);
    QCOMPARE(interfaceLocale(wanted, QLocale(system)).name(), chosen);
}

void LanguageTest::installedLanguageSpeaks_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("welcome");
    QTest::addColumn<QString>("closeButton");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("decimalPoint");
    QTest::newRow("cs") << "cs_CZ"
                        << "Vítejte"
                        << "Zavřít"
                        << "Složka"
                        << ",";
    QTest::newRow("sk") << "sk_SK"
                        << "Vitajte"
                        << "Zavrieť"
                        << "Priečinok"
                        << ",";
    QTest::newRow("en") << "en_US"
                        << "Welcome"
                        << "Close"
                        << "Folder"
                        << ".";
}

void LanguageTest::installedLanguageSpeaks()
{
    QFETCH(QString, language);
    QFETCH(QString, welcome);
    QFETCH(QString, closeButton);
    QFETCH(QString, folder);
    QFETCH(QString, decimalPoint);
    for (QTranslator *old : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    installTranslations(*QCoreApplication::instance(), QLocale(language),
                        {QStringLiteral("tesilka")});
    QCOMPARE(QCoreApplication::translate("WelcomeWindow", "Vítejte"), welcome);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), closeButton);
    QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), folder);
    QCOMPARE(QString(QLocale().decimalPoint()), decimalPoint);
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedstate.h"
#include "results/reportencoder.h"
#include "signin/welcomewindow.h"
#include "support/modaldriver.h"
#include "support/sequencesource.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>
#include <utility>

class WelcomeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutDatabaseOnlyEmail();
    void withDatabaseServerModeAndSwitching();
    void profilesInCzechOrderNoneChosen();
    void okWithoutProfileOnlyBeeps();
    void serverSignInKeepsFieldsIntact_data();
    void serverSignInKeepsFieldsIntact();
    void emailSignIn_data();
    void emailSignIn();
    void brokenDatabaseWarnsAndFallsBack();
    void cancelAboutCloseBoxAndEsc();
    void accessKeysReachTheirFields();

private:
    // A real SQLite school database whose table Zaci holds these rows.
    QString makeDatabase(const QList<std::pair<QString, QString>> &rows);

    QTemporaryDir dir_;
    int databases_ = 0;
    // A message box nobody expected would otherwise wait for a click until the test times out.
    QTimer watchdog_;
};

namespace {

struct Fixture
{
    explicit Fixture(const QString &databasePath) : window(state, encoder, databasePath) {}

    template <typename Widget> Widget *get(const char *name)
    {
        auto *widget = window.findChild<Widget *>(QLatin1String(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }

    void clickOk() { QTest::mouseClick(get<QPushButton>("Command1"), Qt::LeftButton); }

    // conn0, conn1, lblUsers, Users, lblJm, Jm, lblTr, Tr
    QList<bool> enabled()
    {
        return {get<QWidget>("conn0")->isEnabled(),    get<QWidget>("conn1")->isEnabled(),
                get<QWidget>("lblUsers")->isEnabled(), get<QWidget>("Users")->isEnabled(),
                get<QWidget>("lblJm")->isEnabled(),    get<QWidget>("Jm")->isEnabled(),
                get<QWidget>("lblTr")->isEnabled(),    get<QWidget>("Tr")->isEnabled()};
    }

    QStringList entries()
    {
        QStringList texts;
        auto *users = get<QComboBox>("Users");
        for (int i = 0; i < users->count(); ++i) {
            texts.append(users->itemText(i));
        }
        return texts;
    }

    SharedState state;
    SequenceSource random{{0.25F}};
    ReportEncoder encoder{random};
    WelcomeWindow window;
};

const QList<bool> serverState{true, true, true, true, false, false, false, false};
const QList<bool> emailWithDatabase{true, true, false, false, true, true, true, true};
const QList<bool> emailOnly{false, true, false, false, true, true, true, true};

} // namespace

void WelcomeWindowTest::init()
{
    QVERIFY(dir_.isValid());
    watchdog_.disconnect();
    connect(&watchdog_, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            qFatal("unexpected modal window %s", qPrintable(modal->objectName()));
        }
    });
    watchdog_.start(10000);
}

void WelcomeWindowTest::cleanup()
{
    watchdog_.stop();
}

QString WelcomeWindowTest::makeDatabase(const QList<std::pair<QString, QString>> &rows)
{
    const QString path = dir_.filePath(QStringLiteral("skola%1.db").arg(++databases_));
    const QString connectionName = QStringLiteral("setup%1").arg(databases_);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open()) {
            qFatal("cannot create %s", qPrintable(path));
        }
        QSqlQuery query(db);
        for (const char *table :
             {R"(CREATE TABLE "Zaci" ("Prijmeni" TEXT, "Trida" TEXT))",
              R"(CREATE TABLE "Prehled " ("Prijmeni" TEXT, "Trida" TEXT, "Spravne" INTEGER,)"
              R"( "Chybne" INTEGER, "CasStrt" TEXT, "CasEnd" TEXT, "Datum" TEXT,)"
              R"( "Prihlasenjako" TEXT, "TypTesil" INTEGER))"}) {
            if (!query.exec(QString::fromUtf8(table))) {
                qFatal("%s", qPrintable(query.lastError().text()));
            }
        }
        query.prepare(QStringLiteral(R"(INSERT INTO "Zaci" ("Prijmeni", "Trida") VALUES (?, ?))"));
        for (const auto &[surname, className] : rows) {
            query.addBindValue(surname);
            query.addBindValue(className);
            if (!query.exec()) {
                qFatal("%s", qPrintable(query.lastError().text()));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return path;
}

void WelcomeWindowTest::withoutDatabaseOnlyEmail()
{
    Fixture f(dir_.filePath(QStringLiteral("chybi.db")));
    f.state.correctCount = 4;
    QCOMPARE(f.window.objectName(), QStringLiteral("Welcome"));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Vítejte"));
    QVERIFY(!f.window.schoolServerOffered());
    QVERIFY(f.get<QRadioButton>("conn1")->isChecked());
    QVERIFY(!f.get<QRadioButton>("conn0")->isChecked());
    QCOMPARE(f.enabled(), emailOnly);
    QCOMPARE(f.get<QComboBox>("Users")->count(), 0);
    // Only a present database starts the counters afresh.
    QCOMPARE(f.state.correctCount, 4);
}

void WelcomeWindowTest::withDatabaseServerModeAndSwitching()
{
    Fixture f(makeDatabase({{QStringLiteral("Novák"), QStringLiteral("3A")}}));
    QVERIFY(f.window.schoolServerOffered());
    QVERIFY(f.get<QRadioButton>("conn0")->isChecked());
    QCOMPARE(f.enabled(), serverState);
    QCOMPARE(f.state.correctCount, 0);
    QCOMPARE(f.state.wrongCount, 0);

    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QTest::mouseClick(f.get<QRadioButton>("conn1"), Qt::LeftButton);
    QCOMPARE(f.enabled(), emailWithDatabase);
    QTest::keyClicks(f.get<QLineEdit>("Jm"), QStringLiteral("Eva"));
    f.get<QComboBox>("Users")->setCurrentIndex(0);

    // Back to the profile: nothing typed or chosen is lost.
    QTest::mouseClick(f.get<QRadioButton>("conn0"), Qt::LeftButton);
    QCOMPARE(f.enabled(), serverState);
    QCOMPARE(f.get<QLineEdit>("Jm")->text(), QStringLiteral("Eva"));
    QTest::mouseClick(f.get<QRadioButton>("conn1"), Qt::LeftButton);
    QCOMPARE(f.get<QComboBox>("Users")->currentIndex(), 0);
}

void WelcomeWindowTest::profilesInCzechOrderNoneChosen()
{
    const QStringList surnames = {QStringLiteral("Šťastný"), QStringLiteral("Horák"),
                                  QStringLiteral("Chalupa"), QStringLiteral("Čermák"),
                                  QStringLiteral("Ivanov"),  QStringLiteral("Cibulka"),
                                  QStringLiteral("Sýkora"),  QStringLiteral("Dvořák")};
    QList<std::pair<QString, QString>> rows;
    for (const QString &surname : surnames) {
        rows.append({surname, QStringLiteral("7B")});
    }
    Fixture f(makeDatabase(rows));
    QCOMPARE(f.entries(),
             QStringList({QStringLiteral("Cibulka; 7B"), QStringLiteral("Čermák; 7B"),
                          QStringLiteral("Dvořák; 7B"), QStringLiteral("Horák; 7B"),
                          QStringLiteral("Chalupa; 7B"), QStringLiteral("Ivanov; 7B"),
                          QStringLiteral("Sýkora; 7B"), QStringLiteral("Šťastný; 7B")}));
    auto *users = f.get<QComboBox>("Users");
    QCOMPARE(users->currentIndex(), -1);
    QVERIFY(users->currentText().isEmpty());
    QVERIFY(!users->isEditable());
}

void WelcomeWindowTest::okWithoutProfileOnlyBeeps()
{
    Fixture f(makeDatabase({{QStringLiteral("Novák"), QStringLiteral("3A")}}));
    f.state.emailMode = true;
    f.state.pupilSurname = QStringLiteral("dřív");
    f.state.pupilClass = QStringLiteral("1A");
    f.state.runStart = QTime(7, 30);
    f.state.reportName = QStringLiteral("Eva");
    f.state.correctCount = 2;
    const SharedState before = f.state;
    QSignalSpy beeped(&f.window, &WelcomeWindow::beeped);
    QSignalSpy signedIn(&f.window, &WelcomeWindow::signedIn);

    f.clickOk();
    QCOMPARE(beeped.count(), 1);
    QCOMPARE(signedIn.count(), 0);
    QCOMPARE(f.state.emailMode, false);
    QCOMPARE(f.state.pupilSurname, before.pupilSurname);
    QCOMPARE(f.state.pupilClass, before.pupilClass);
    QCOMPARE(f.state.runStart, before.runStart);
    QCOMPARE(f.state.reportName, before.reportName);
    QCOMPARE(f.state.correctCount, 2);
    QCOMPARE(f.random.draws(), 0);
    QCOMPARE(f.enabled(), serverState);
    QCOMPARE(f.get<QComboBox>("Users")->currentIndex(), -1);
}

void WelcomeWindowTest::serverSignInKeepsFieldsIntact_data()
{
    QTest::addColumn<QString>("surname");
    QTest::addColumn<QString>("className");
    QTest::newRow("plain") << QStringLiteral("Novák") << QStringLiteral("3A");
    QTest::newRow("semicolon in surname") << QStringLiteral("Nová;k") << QStringLiteral("3A");
    QTest::newRow("semicolons in class") << QStringLiteral("Dvořák") << QStringLiteral("4; B;C");
    QTest::newRow("blanks kept as stored") << QStringLiteral("Malá ") << QStringLiteral("  2C ");
}

void WelcomeWindowTest::serverSignInKeepsFieldsIntact()
{
    QFETCH(QString, surname);
    QFETCH(QString, className);
    Fixture f(makeDatabase({{QStringLiteral("Adam"), QStringLiteral("1A")},
                            {surname, className},
                            {QStringLiteral("Zíka"), QStringLiteral("9C")}}));
    f.state.emailMode = true;
    QSignalSpy signedIn(&f.window, &WelcomeWindow::signedIn);
    auto *users = f.get<QComboBox>("Users");
    const int index = users->findText(surname + QStringLiteral("; ") + className);
    QVERIFY(index >= 0);
    users->setCurrentIndex(index);

    const QTime before = QTime::currentTime();
    f.clickOk();
    QCOMPARE(signedIn.count(), 1);
    QCOMPARE(f.state.emailMode, false);
    QCOMPARE(f.state.pupilSurname, surname);
    QCOMPARE(f.state.pupilClass, className);
    QVERIFY(f.state.runStart.isValid());
    QVERIFY(qAbs(before.msecsTo(f.state.runStart)) < 5000);
    QVERIFY(f.state.reportName.isEmpty());
    QVERIFY(!f.state.reportStart.isValid());
    QCOMPARE(f.random.draws(), 0);
}

void WelcomeWindowTest::emailSignIn_data()
{
    QTest::addColumn<bool>("withDatabase");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("typedClass");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::newRow("no database") << false << QStringLiteral("Jiří Šebek") << QStringLiteral("8.A")
                                 << QStringLiteral("Jiří Šebek") << QStringLiteral("8.A");
    QTest::newRow("empty fields") << false << QString() << QString() << QString() << QString();
    QTest::newRow("chosen over a database")
        << true << QString(60, u'x') << QStringLiteral("ABCDEFGHIJKL") << QString(50, u'x')
        << QStringLiteral("ABCDEFGHIJ");
}

void WelcomeWindowTest::emailSignIn()
{
    QFETCH(bool, withDatabase);
    QFETCH(QString, typedName);
    QFETCH(QString, typedClass);
    QFETCH(QString, name);
    QFETCH(QString, className);
    Fixture f(withDatabase ? makeDatabase({{QStringLiteral("Novák"), QStringLiteral("3A")}})
                           : dir_.filePath(QStringLiteral("chybi.db")));
    f.state.pupilSurname = QStringLiteral("beze změny");
    QSignalSpy signedIn(&f.window, &WelcomeWindow::signedIn);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    if (withDatabase) {
        QTest::mouseClick(f.get<QRadioButton>("conn1"), Qt::LeftButton);
    }
    typeText(f.get<QLineEdit>("Jm"), typedName);
    typeText(f.get<QLineEdit>("Tr"), typedClass);

    const QDateTime before = QDateTime::currentDateTime();
    // Enter in a text box presses the default button.
    QTest::keyClick(f.get<QLineEdit>("Tr"), Qt::Key_Return);
    QCOMPARE(signedIn.count(), 1);
    QCOMPARE(f.state.emailMode, true);
    QCOMPARE(f.state.reportName, name);
    QCOMPARE(f.state.reportClass, className);
    QVERIFY(qAbs(before.msecsTo(f.state.reportStart)) < 5000);
    QCOMPARE(f.state.reportStart.date(), QDate::currentDate());
    QCOMPARE(f.state.pupilSurname, QStringLiteral("beze změny"));
    // The report encoder has started its block: marker and the drawn byte.
    QCOMPARE(f.random.draws(), 1);
    QCOMPARE(f.encoder.reportBlockText(), QStringLiteral("4b 40 "));
}

void WelcomeWindowTest::brokenDatabaseWarnsAndFallsBack()
{
    const QString path = dir_.filePath(QStringLiteral("rozbita.db"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
    }
    QString shown;
    ModalDriver driver;
    driver.then(QStringLiteral("databaseWarning"), [&shown](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        QVERIFY(box != nullptr);
        QCOMPARE(box->icon(), QMessageBox::Warning);
        shown = box->text();
        pressKey(window, Qt::Key_Return);
    });
    driver.start();

    std::optional<Fixture> f;
    f.emplace(path);
    QVERIFY(driver.finished());
    QVERIFY2(shown.contains(u"rozbita.db"), qPrintable(shown));
    QVERIFY(!f->window.schoolServerOffered());
    QVERIFY(f->get<QRadioButton>("conn1")->isChecked());
    QCOMPARE(f->enabled(), emailOnly);
}

void WelcomeWindowTest::cancelAboutCloseBoxAndEsc()
{
    Fixture f(dir_.filePath(QStringLiteral("chybi.db")));
    QSignalSpy cancel(&f.window, &WelcomeWindow::cancelRequested);
    QSignalSpy about(&f.window, &WelcomeWindow::aboutRequested);
    QSignalSpy signedIn(&f.window, &WelcomeWindow::signedIn);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));

    QTest::keyClick(f.get<QLineEdit>("Jm"), Qt::Key_Escape);
    QVERIFY(f.window.isVisible());
    QCOMPARE(cancel.count(), 0);

    QTest::mouseClick(f.get<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(about.count(), 1);
    QVERIFY(f.window.isVisible());

    QTest::mouseClick(f.get<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(cancel.count(), 1);
    // The close box asks the same and leaves the ending to the caller.
    f.window.close();
    QCOMPARE(cancel.count(), 2);
    QVERIFY(f.window.isVisible());
    QCOMPARE(signedIn.count(), 0);
}

void WelcomeWindowTest::accessKeysReachTheirFields()
{
    Fixture f(makeDatabase({{QStringLiteral("Novák"), QStringLiteral("3A")}}));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QCOMPARE(f.window.focusWidget(), f.get<QWidget>("conn0"));

    QTest::keyClick(&f.window, Qt::Key_V, Qt::AltModifier);
    QCOMPARE(f.window.focusWidget(), f.get<QWidget>("Users"));
    // An access key presses its option button as a visible click, a moment later.
    QTest::keyClick(&f.window, Qt::Key_G, Qt::AltModifier);
    QTRY_VERIFY(f.get<QRadioButton>("conn1")->isChecked());
    QCOMPARE(f.enabled(), emailWithDatabase);
    QTest::keyClick(&f.window, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(f.window.focusWidget(), f.get<QWidget>("Tr"));
    QTest::keyClick(&f.window, Qt::Key_J, Qt::AltModifier);
    QCOMPARE(f.window.focusWidget(), f.get<QWidget>("Jm"));

    // Tab runs through the name, the class and the buttons in the order of the layout.
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(f.window.focusWidget(), Qt::Key_Tab);
        order.append(f.window.focusWidget()->objectName());
    }
    QCOMPARE(order, QStringList({QStringLiteral("Tr"), QStringLiteral("Command3"),
                                 QStringLiteral("Command1"), QStringLiteral("Command2")}));
}

QTEST_MAIN(WelcomeWindowTest)
#include "tst_welcomewindow.moc"

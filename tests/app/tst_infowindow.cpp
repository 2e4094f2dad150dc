// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/infowindow.h"

#include "support/modaldriver.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

class InfoWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTitleDedicationAndAddress();
    void enterClosesEscDoesNot();
    void mailLinkAsksEveryTime();

public slots:
    void openMail(const QUrl &url) { mailRequests_.append(url); }

private:
    QList<QUrl> mailRequests_;
};

void InfoWindowTest::showsTitleDedicationAndAddress()
{
    InfoWindow info;
    QCOMPARE(info.objectName(), QStringLiteral("info"));
    QCOMPARE(info.windowTitle(), QStringLiteral("Informace"));
    QVERIFY(!info.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    auto *title = info.findChild<QLabel *>(QStringLiteral("Label2"));
    QCOMPARE(title->text(), QStringLiteral("Tesilka"));
    QVERIFY(title->font().underline());
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QVERIFY(info.findChild<QLabel *>(QStringLiteral("Label7"))->text().startsWith(u"verze 3.0\n"));

    auto *dedication = info.findChild<QLabel *>(QStringLiteral("Label3"));
    QVERIFY(dedication->text().contains(u"Tento program je určen žákům"));
    QVERIFY(dedication->text().contains(u"Mnoho správně spočítaných rovnic Vám přeje"));
    // The whole dedication fits its place, signature included.
    QVERIFY(dedication->heightForWidth(dedication->width()) <= dedication->height());
    auto *invitation = info.findChild<QLabel *>(QStringLiteral("Label4"));
    QVERIFY(invitation->heightForWidth(invitation->width()) <= invitation->height());

    auto *link = info.findChild<QLabel *>(QStringLiteral("Label6"));
    QCOMPARE(link->text(), InfoWindow::contactAddress());
    QVERIFY(link->text().contains(u'@'));
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->sizeHint().width() <= link->width());
    QVERIFY(link->geometry().right() < info.width());

    auto *ok = info.findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(ok->isDefault());
}

void InfoWindowTest::enterClosesEscDoesNot()
{
    InfoWindow info;
    bool openAfterEsc = false;
    ModalDriver driver;
    driver.then(QStringLiteral("info"), [&openAfterEsc](QWidget *window) {
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Command1"));
        pressKey(window, Qt::Key_Escape);
        QTest::qWait(50);
        openAfterEsc = window->isVisible();
        pressKey(window, Qt::Key_Return);
    });
    driver.start();
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, &info, [&info] { info.done(-1); });
    watchdog.start(10000);

    QCOMPARE(info.exec(), int(QDialog::Accepted));
    QVERIFY(driver.finished());
    QVERIFY(openAfterEsc);
}

void InfoWindowTest::mailLinkAsksEveryTime()
{
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "openMail");
    InfoWindow info;
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    auto *link = info.findChild<QLabel *>(QStringLiteral("Label6"));

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    // The text around the link is no link.
    auto *invitation = info.findChild<QLabel *>(QStringLiteral("Label4"));
    QTest::mouseClick(invitation, Qt::LeftButton, {}, invitation->rect().center());

    const QUrl expected(QStringLiteral("mailto:") + InfoWindow::contactAddress());
    QCOMPARE(mailRequests_, QList<QUrl>({expected, expected}));
    QCOMPARE(expected.path(), InfoWindow::contactAddress());
    QVERIFY(info.isVisible());
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

QTEST_MAIN(InfoWindowTest)
#include "tst_infowindow.moc"

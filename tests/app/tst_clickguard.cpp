// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clickguard.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class ClickGuardTest : public QObject
{
    Q_OBJECT

private slots:
    void clickRightAfterOpeningIsIgnoredKeysAreNot();
};

void ClickGuardTest::clickRightAfterOpeningIsIgnoredKeysAreNot()
{
    ClickGuard guard;
    qApp->installEventFilter(&guard);
    QDialog window;
    auto *button = new QPushButton(QStringLiteral("&Ano"), &window);
    QSignalSpy clicked(button, &QPushButton::clicked);

    // the second click of a double-click that opened the window
    window.show();
    QTest::mouseDClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 0);
    // a key press at once is the pupil's own
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);

    // once the interval has passed, a click counts
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);

    // shown again (the window back after a modal one closed): held back again
    window.hide();
    window.show();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
    qApp->removeEventFilter(&guard);
}

QTEST_MAIN(ClickGuardTest)
#include "tst_clickguard.moc"

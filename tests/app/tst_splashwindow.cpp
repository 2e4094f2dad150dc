// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splashwindow.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class SplashWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTitlePictureAndVersion();
    void handsOverAfterFiveSeconds();
    void keyHandsOverOnce_data();
    void keyHandsOverOnce();
    void keyWithoutCharacterWaits();
    void clickOnFrameMarginHandsOver();
    void clickOnPictureOrLabelsDoesNothing();
    void closingFromOutsideStillHandsOver();
};

namespace {

QTimer *handOverTimer(SplashWindow &splash)
{
    return splash.findChild<QTimer *>(QStringLiteral("Timer1"));
}

// Shown with the timer shortened, so that a late tick would be seen within the test.
void showWithShortTimer(SplashWindow &splash)
{
    handOverTimer(splash)->setInterval(60);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
}

} // namespace

void SplashWindowTest::showsTitlePictureAndVersion()
{
    SplashWindow splash;
    QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.size(), QSize(431, 465));

    auto *picture = splash.findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->parentWidget()->objectName(), QStringLiteral("Frame1"));
    const QImage image = picture->pixmap().toImage();
    QCOMPARE(image.size(), QSize(400, 300));
    QCOMPARE(picture->size(), QSize(400, 300));
    // A drawn board, not an empty box: many shades, mostly the green of solder mask.
    QSet<QRgb> colours;
    int greenish = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            colours.insert(c);
            greenish += qGreen(c) > qRed(c) + 20 && qGreen(c) > qBlue(c) + 20 ? 1 : 0;
        }
    }
    QVERIFY2(colours.size() > 150, qPrintable(QString::number(colours.size())));
    QVERIFY(greenish > image.width() * image.height() / 4 / 3);

    auto *title = splash.findChild<QLabel *>(QStringLiteral("lblProductName"));
    QVERIFY(title != nullptr);
    QCOMPARE(title->text(), QStringLiteral("Tesilka na Ohmův zákon"));
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().pointSizeF(), 32.25);
    // The title wraps to two lines, not three.
    const int lines = title->heightForWidth(title->width()) / title->fontMetrics().lineSpacing();
    QCOMPARE(lines, 2);
    QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("Label2"))->text(),
             QStringLiteral("verze 3.0"));
    QVERIFY(splash.findChild<QLabel *>(QStringLiteral("Label1"))->text().contains(u"Tesilka"));
}

void SplashWindowTest::handsOverAfterFiveSeconds()
{
    SplashWindow splash;
    QTimer *timer = handOverTimer(splash);
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(!timer->isActive());

    QSignalSpy handOver(&splash, &SplashWindow::handOver);
    QElapsedTimer clock;
    clock.start();
    splash.show();
    QVERIFY(timer->isActive());
    QTest::qWait(1000);
    QCOMPARE(handOver.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(handOver.count(), 1, 8000);
    QVERIFY(clock.elapsed() >= 4900);
    QVERIFY(splash.hasHandedOver());
}

void SplashWindowTest::keyHandsOverOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("letter") << int(Qt::Key_A);
}

void SplashWindowTest::keyHandsOverOnce()
{
    QFETCH(int, key);
    SplashWindow splash;
    QSignalSpy handOver(&splash, &SplashWindow::handOver);
    showWithShortTimer(splash);

    QTest::keyClick(&splash, static_cast<Qt::Key>(key));
    QCOMPARE(handOver.count(), 1);
    // Neither a second key nor the timer asks again, and Esc or Enter did not close the window
    // on their own: removing it is the caller's part.
    QTest::keyClick(&splash, Qt::Key_B);
    QTest::qWait(200);
    QCOMPARE(handOver.count(), 1);
    QVERIFY(splash.isVisible());
}

void SplashWindowTest::keyWithoutCharacterWaits()
{
    SplashWindow splash;
    QSignalSpy handOver(&splash, &SplashWindow::handOver);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTest::keyClick(&splash, Qt::Key_Shift);
    QTest::keyClick(&splash, Qt::Key_F5);
    QCOMPARE(handOver.count(), 0);
    QVERIFY(handOverTimer(splash)->isActive());
}

void SplashWindowTest::clickOnFrameMarginHandsOver()
{
    SplashWindow splash;
    QSignalSpy handOver(&splash, &SplashWindow::handOver);
    showWithShortTimer(splash);
    auto *frame = splash.findChild<QGroupBox *>(QStringLiteral("Frame1"));
    QVERIFY(frame != nullptr);

    // Outside the frame, on the window's own border: nothing.
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(3, 200));
    QCOMPARE(handOver.count(), 0);

    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(3, 200));
    QCOMPARE(handOver.count(), 1);
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(3, 250));
    QTest::qWait(200);
    QCOMPARE(handOver.count(), 1);
}

void SplashWindowTest::clickOnPictureOrLabelsDoesNothing()
{
    SplashWindow splash;
    QSignalSpy handOver(&splash, &SplashWindow::handOver);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    for (const char *name : {"Image1", "lblProductName", "Label2", "Label1"}) {
        auto *label = splash.findChild<QLabel *>(QLatin1String(name));
        QVERIFY(label != nullptr);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(handOver.count(), 0);
    }
    QVERIFY(handOverTimer(splash)->isActive());
}

void SplashWindowTest::closingFromOutsideStillHandsOver()
{
    SplashWindow splash;
    QSignalSpy handOver(&splash, &SplashWindow::handOver);
    showWithShortTimer(splash);
    splash.close();
    QCOMPARE(handOver.count(), 1);
    QVERIFY(splash.isVisible());
    QTest::qWait(200);
    QCOMPARE(handOver.count(), 1);
}

QTEST_MAIN(SplashWindowTest)
#include "tst_splashwindow.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/progresschart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ProgressChart", text);
}

// A week is named by its Monday, as in the table beside the chart.
QString periodLabel(const QDate &day)
{
    return day.toString(QStringLiteral("d. M."));
}

} // namespace

QChart *buildProgressChart(const QList<ProgressPoint> &points, ProgressPeriod period,
                           const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setTheme(QChart::ChartThemeLight);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setBackgroundRoundness(0);

    auto *answers = new QBarSet(tr("Odpovědi"));
    answers->setBrush(QBrush(QColor(150, 150, 150), Qt::BDiagPattern));
    answers->setPen(QPen(Qt::black, 1));
    auto *bars = new QBarSeries;
    bars->append(answers);
    bars->setBarWidth(0.6);

    auto *success = new QLineSeries;
    success->setName(tr("Úspěšnost (%)"));
    success->setPen(QPen(Qt::black, 3));
    success->setPointsVisible(true);
    success->setMarkerSize(9);

    QStringList categories;
    qint64 most = 0;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const ProgressPoint &point = points.at(i);
        categories << periodLabel(point.period);
        answers->append(static_cast<qreal>(point.answers));
        most = std::max(most, point.answers);
        const double percent = successPercent(point.right, point.answers);
        if (percent >= 0) {
            success->append(static_cast<qreal>(i), percent);
        }
    }
    chart->addSeries(bars);
    chart->addSeries(success);

    auto *axisX = new QBarCategoryAxis;
    axisX->append(categories);
    axisX->setTitleText(period == ProgressPeriod::Week ? tr("týden od") : tr("den"));
    if (categories.size() > 6) {
        axisX->setLabelsAngle(-90);
    }
    chart->addAxis(axisX, Qt::AlignBottom);
    bars->attachAxis(axisX);
    success->attachAxis(axisX);

    auto *axisPercent = new QValueAxis;
    axisPercent->setRange(0, 100);
    axisPercent->setTickCount(6);
    axisPercent->setLabelFormat(QStringLiteral("%d"));
    axisPercent->setTitleText(tr("úspěšnost (%)"));
    chart->addAxis(axisPercent, Qt::AlignLeft);
    success->attachAxis(axisPercent);

    auto *axisAnswers = new QValueAxis;
    axisAnswers->setRange(0, static_cast<qreal>(std::max<qint64>(most, 1)) * 1.1);
    axisAnswers->setLabelFormat(QStringLiteral("%d"));
    axisAnswers->applyNiceNumbers();
    axisAnswers->setTitleText(tr("odpovědi"));
    chart->addAxis(axisAnswers, Qt::AlignRight);
    bars->attachAxis(axisAnswers);

    for (QAbstractAxis *axis : chart->axes()) {
        axis->setGridLineColor(QColor(210, 210, 210));
        axis->setLabelsColor(Qt::black);
        axis->setTitleBrush(Qt::black);
    }
    return chart;
}

QImage renderProgressChart(const QList<ProgressPoint> &points, ProgressPeriod period,
                           const QString &title, QSize size)
{
    // Laid out at the size of the page's picture and drawn at twice its resolution: the texts
    // keep the size they have on the screen, and print sharp.
    constexpr int scale = 2;
    QGraphicsScene scene;
    QChart *chart = buildProgressChart(points, period, title);
    scene.addItem(chart);
    const QRectF area(QPointF(0, 0), size);
    chart->setGeometry(area);
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, QRectF(QPointF(0, 0), size * scale), area);
    }
    return image;
}

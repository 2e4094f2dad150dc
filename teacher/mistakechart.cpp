// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/mistakechart.h"

#include "teacher/mistakemodels.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(MistakeChart)
};

// A week's point in its middle, Thursday noon.
double middleOf(const QDate &monday)
{
    return static_cast<double>(QDateTime(monday.addDays(3), QTime(12, 0)).toMSecsSinceEpoch());
}

struct Look
{
    int kind;
    Qt::PenStyle dash;
    QScatterSeries::MarkerShape shape;
    QColor colour;
};

// The named kinds first, the unnamed ones last and lightest.
const Look looks[mistakeKindCount] = {
    {1, Qt::SolidLine, QScatterSeries::MarkerShapeCircle, QColor(0, 0, 0)},
    {2, Qt::DashLine, QScatterSeries::MarkerShapeRectangle, QColor(60, 60, 60)},
    {3, Qt::DotLine, QScatterSeries::MarkerShapeTriangle, QColor(0, 0, 0)},
    {4, Qt::DashDotLine, QScatterSeries::MarkerShapeStar, QColor(90, 90, 90)},
    {0, Qt::DashDotDotLine, QScatterSeries::MarkerShapeRotatedRectangle, QColor(140, 140, 140)},
};

} // namespace

QChart *buildMistakeChart(const QList<MistakeWeek> &weeks, const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setTheme(QChart::ChartThemeLight);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignRight);
    // Each kind's dash pattern in the legend, not a square of a grey like another's.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // A little smaller than the axes: the longest name fits beside a chart of a page's width.
    QFont legendFont = chart->legend()->font();
    legendFont.setPointSizeF(legendFont.pointSizeF() * 0.85);
    chart->legend()->setFont(legendFont);
    chart->setBackgroundRoundness(0);

    auto *axisTime = new QDateTimeAxis;
    axisTime->setFormat(QStringLiteral("d. M."));
    axisTime->setTitleText(Texts::tr("týden od pondělí"));
    const QDate first = weeks.isEmpty() ? QDate::currentDate() : weeks.constFirst().monday;
    const QDate last = weeks.isEmpty() ? first : weeks.constLast().monday;
    axisTime->setRange(QDateTime(first, QTime(12, 0)), QDateTime(last.addDays(7), QTime(12, 0)));
    axisTime->setTickCount(std::clamp(static_cast<int>(first.daysTo(last) / 7) + 2, 2, 9));
    chart->addAxis(axisTime, Qt::AlignBottom);

    auto *axisShare = new QValueAxis;
    axisShare->setLabelFormat(QStringLiteral("%d"));
    axisShare->setTitleText(Texts::tr("% odpovědí"));
    chart->addAxis(axisShare, Qt::AlignLeft);

    double most = 0;
    for (const Look &look : looks) {
        auto *line = new QLineSeries;
        auto *points = new QScatterSeries;
        line->setName(mistakeKindText(look.kind));
        QPen pen(look.colour, 2, look.dash);
        line->setPen(pen);
        points->setMarkerShape(look.shape);
        points->setMarkerSize(10);
        points->setColor(look.colour);
        points->setBorderColor(look.colour);
        for (const MistakeWeek &week : weeks) {
            if (week.answers <= 0) {
                continue;
            }
            const double share = 100.0 * static_cast<double>(week.wrongByKind.at(look.kind)) /
                                 static_cast<double>(week.answers);
            line->append(middleOf(week.monday), share);
            points->append(middleOf(week.monday), share);
            most = std::max(most, share);
        }
        chart->addSeries(line);
        chart->addSeries(points);
        for (QAbstractSeries *series :
             {static_cast<QAbstractSeries *>(line), static_cast<QAbstractSeries *>(points)}) {
            series->attachAxis(axisTime);
            series->attachAxis(axisShare);
        }
        // The legend shows the line's pattern; its point shape is the same in the chart.
        for (QLegendMarker *marker : chart->legend()->markers(points)) {
            marker->setVisible(false);
        }
    }
    axisShare->setRange(0, std::max(10.0, std::ceil(most / 10) * 10));
    axisShare->setTickCount(std::min(11, static_cast<int>(axisShare->max() / 10) + 1));

    for (QAbstractAxis *axis : chart->axes()) {
        axis->setGridLineColor(QColor(210, 210, 210));
        axis->setLabelsColor(Qt::black);
        axis->setTitleBrush(Qt::black);
    }
    return chart;
}

QImage renderMistakeChart(const QList<MistakeWeek> &weeks, const QString &title, QSize size)
{
    constexpr int scale = 2;
    QGraphicsScene scene;
    QChart *chart = buildMistakeChart(weeks, title);
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

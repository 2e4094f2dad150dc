// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/progresschart.h"

#include <QAreaSeries>
#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(ProgressChart)
};

constexpr double dayMs = 24.0 * 60 * 60 * 1000;

// Noon, so that a change to or from summer time never moves a point or a date into another day.
double noonOf(const QDate &day)
{
    return static_cast<double>(QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch());
}

// Where the dates stand under the chart: equally spaced ticks `step` days apart, from `first`.
struct TimeScale
{
    QDate first;
    int step = 1;
    int intervals = 1;
    bool shortDates = true; // "30. 12.", the years in the title; else "30. 12. 2026"
    QString years;

    [[nodiscard]] QDate last() const
    {
        return first.addDays(static_cast<qint64>(intervals) * step);
    }
};

// The first and last day the axis must show: a day's date stands under its bar, with a free
// day on either side; a week's Monday where the week begins, its bar between that Monday and
// the next.
std::pair<QDate, QDate> shownDays(const QList<ProgressPoint> &points, bool weeks)
{
    const QDate first = points.isEmpty() ? QDate::currentDate() : points.first().period;
    const QDate last = points.isEmpty() ? first : points.last().period;
    return {weeks ? first.addDays(1 - first.dayOfWeek()) : first.addDays(-1),
            weeks ? last.addDays(8 - last.dayOfWeek()) : last.addDays(1)};
}

// At most `most` intervals between the dates: a day, two days, or whole weeks from a Monday
// (only weeks for a chart of weeks), the fewest that cover the days.
TimeScale timeScale(const std::pair<QDate, QDate> &days, bool weeks, int most)
{
    auto [from, to] = days;
    TimeScale scale;
    scale.shortDates = from.daysTo(to) <= 366 && to.year() - from.year() <= 1;
    const auto fits = [&](int step) {
        const QDate start = step % 7 == 0 ? from.addDays(1 - from.dayOfWeek()) : from;
        return (start.daysTo(to) + step - 1) / step <= most;
    };
    int step = weeks ? 7 : fits(1) ? 1 : fits(2) ? 2 : 7;
    while (!fits(step)) {
        step += 7;
    }
    if (step % 7 == 0) {
        from = from.addDays(1 - from.dayOfWeek());
    }
    scale.first = from;
    scale.step = step;
    scale.intervals = static_cast<int>(std::max<qint64>(1, (from.daysTo(to) + step - 1) / step));
    if (scale.shortDates) {
        const int lastYear = scale.last().year();
        scale.years = from.year() == lastYear
                          ? QString::number(lastYear)
                          : QStringLiteral("%1–%2").arg(from.year()).arg(lastYear);
    }
    return scale;
}

// "30. 12." fits ten times under a chart of the page printed, "30. 12. 2026" six times; on the
// screen as many as the chart's width has room for.
constexpr int shortDatesAtMost = 10;
constexpr int longDatesAtMost = 6;

void showScale(QDateTimeAxis *axis, const TimeScale &scale, bool weeks)
{
    axis->setFormat(scale.shortDates ? QStringLiteral("d. M.") : QStringLiteral("d. M. yyyy"));
    axis->setTickCount(scale.intervals + 1);
    axis->setRange(QDateTime(scale.first, QTime(12, 0)), QDateTime(scale.last(), QTime(12, 0)));
    const QString unit = weeks ? Texts::tr("týden od") : Texts::tr("den");
    axis->setTitleText(scale.years.isEmpty() ? unit : Texts::tr("%1 (%2)").arg(unit, scale.years));
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

    const bool weeks = period == ProgressPeriod::Week;
    const int length = weeks ? 7 : 1;
    // A day's bar and point around its noon; a week's between its Monday's noon and the next.
    const auto middle = [&](const QDate &day) { return noonOf(day) + (weeks ? 3.5 * dayMs : 0.0); };
    const double halfBar = 0.35 * length * dayMs;

    // The bars as one hatched area: up, across and down again for each period, along the
    // bottom between them.
    auto *outline = new QLineSeries;
    qint64 mostAnswers = 0;
    for (const ProgressPoint &point : points) {
        const double centre = middle(point.period);
        const auto answers = static_cast<qreal>(point.answers);
        outline->append(centre - halfBar, 0);
        outline->append(centre - halfBar, answers);
        outline->append(centre + halfBar, answers);
        outline->append(centre + halfBar, 0);
        mostAnswers = std::max(mostAnswers, point.answers);
    }
    auto *bars = new QAreaSeries(outline);
    outline->setParent(bars);
    bars->setName(Texts::tr("Odpovědi"));
    bars->setBrush(QBrush(QColor(150, 150, 150), Qt::BDiagPattern));
    bars->setPen(QPen(Qt::black, 1));
    chart->addSeries(bars);

    // Success as a line through the periods one after another, broken where one is missing
    // or had no answers.
    QList<QLineSeries *> lines;
    QDate previous;
    for (const ProgressPoint &point : points) {
        const double percent = successPercent(point.right, point.answers);
        if (percent < 0) {
            previous = QDate();
            continue;
        }
        if (lines.isEmpty() || !previous.isValid() || previous.addDays(length) != point.period) {
            lines.append(new QLineSeries);
        }
        lines.last()->append(middle(point.period), percent);
        previous = point.period;
    }
    if (lines.isEmpty()) {
        lines.append(new QLineSeries);
    }
    for (QLineSeries *line : lines) {
        line->setName(Texts::tr("Úspěšnost (%)"));
        line->setPen(QPen(Qt::black, 3));
        line->setPointsVisible(true);
        line->setMarkerSize(9);
        chart->addSeries(line);
    }
    // One entry in the legend for the pieces of the line.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        for (QLegendMarker *marker : chart->legend()->markers(lines.at(i))) {
            marker->setVisible(false);
        }
    }

    const std::pair<QDate, QDate> days = shownDays(points, weeks);
    const TimeScale scale = timeScale(days, weeks, shortDatesAtMost);
    auto *axisTime = new QDateTimeAxis;
    showScale(axisTime, scale.shortDates ? scale : timeScale(days, weeks, longDatesAtMost), weeks);
    chart->addAxis(axisTime, Qt::AlignBottom);
    bars->attachAxis(axisTime);

    auto *axisPercent = new QValueAxis;
    axisPercent->setRange(0, 100);
    axisPercent->setTickCount(6);
    axisPercent->setLabelFormat(QStringLiteral("%d"));
    axisPercent->setTitleText(Texts::tr("úspěšnost (%)"));
    chart->addAxis(axisPercent, Qt::AlignLeft);

    auto *axisAnswers = new QValueAxis;
    axisAnswers->setRange(0, static_cast<qreal>(std::max<qint64>(mostAnswers, 1)) * 1.1);
    axisAnswers->setLabelFormat(QStringLiteral("%d"));
    axisAnswers->applyNiceNumbers();
    axisAnswers->setTitleText(Texts::tr("odpovědi"));
    chart->addAxis(axisAnswers, Qt::AlignRight);
    bars->attachAxis(axisAnswers);
    for (QLineSeries *line : lines) {
        line->attachAxis(axisTime);
        line->attachAxis(axisPercent);
    }

    for (QAbstractAxis *axis : chart->axes()) {
        axis->setGridLineColor(QColor(210, 210, 210));
        axis->setLabelsColor(Qt::black);
        axis->setTitleBrush(Qt::black);
    }

    // Laid out: as many dates as the width has room for, and points no bigger than a period's
    // room, so that a whole school's year by days is still a line.
    QObject::connect(
        chart, &QChart::plotAreaChanged, axisTime, [axisTime, lines, days, weeks](QRectF area) {
            const QFontMetricsF metrics(axisTime->labelsFont());
            const bool shortDates = axisTime->format() == QStringLiteral("d. M.");
            const qreal label = metrics.horizontalAdvance(
                shortDates ? QStringLiteral("30. 12.") : QStringLiteral("30. 12. 2026"));
            const int most =
                std::clamp(static_cast<int>(area.width() / (1.35 * label)), 2, shortDates ? 12 : 8);
            const TimeScale fitted = timeScale(days, weeks, most);
            if (axisTime->tickCount() != fitted.intervals + 1 ||
                axisTime->min().date() != fitted.first) {
                showScale(axisTime, fitted, weeks);
            }
            const qreal room =
                area.width() * (weeks ? 7 : 1) /
                static_cast<qreal>(std::max<qint64>(1, fitted.first.daysTo(fitted.last())));
            const qreal marker = std::clamp(0.7 * room, 4.0, 9.0);
            for (QLineSeries *line : lines) {
                line->setMarkerSize(marker);
                line->setPen(QPen(Qt::black, marker >= 7 ? 3 : 2));
            }
        });
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultfilterbar.h"

#include "teacher/czechdateedit.h"
#include "teacher/messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// The pupil box's entry for the reports that belong to nobody yet.
const QString unassignedEntry = QStringLiteral("*nepřiřazené*");

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    return label;
}

} // namespace

ResultFilterBar::ResultFilterBar(QWidget *parent)
    : QWidget(parent), today_(QDate::currentDate()), class_(new QComboBox(this)),
      pupil_(new QComboBox(this)), period_(new QComboBox(this)), from_(new CzechDateEdit(this)),
      to_(new CzechDateEdit(this)), source_(new QComboBox(this)), rangeNote_(new QLabel(this))
{
    setObjectName(QStringLiteral("resultFilter"));
    class_->setObjectName(QStringLiteral("filterClass"));
    pupil_->setObjectName(QStringLiteral("filterPupil"));
    period_->setObjectName(QStringLiteral("filterPeriod"));
    from_->setObjectName(QStringLiteral("filterFrom"));
    to_->setObjectName(QStringLiteral("filterTo"));
    source_->setObjectName(QStringLiteral("filterSource"));
    pupil_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    pupil_->setMinimumContentsLength(14);
    class_->setMinimumContentsLength(6);

    period_->addItem(tr("vše"), static_cast<int>(DatePeriod::All));
    period_->addItem(tr("dnes"), static_cast<int>(DatePeriod::Today));
    period_->addItem(tr("tento týden"), static_cast<int>(DatePeriod::ThisWeek));
    period_->addItem(tr("tento měsíc"), static_cast<int>(DatePeriod::ThisMonth));
    period_->addItem(tr("tento školní rok"), static_cast<int>(DatePeriod::SchoolYear));
    period_->addItem(tr("vlastní"), static_cast<int>(DatePeriod::Range));
    for (QDateEdit *edit : {from_, to_}) {
        edit->setDate(today_);
    }
    source_->addItem(tr("škola i e-mail"), static_cast<int>(ResultFilter::Sources::Both));
    source_->addItem(tr("jen škola"), static_cast<int>(ResultFilter::Sources::School));
    source_->addItem(tr("jen e-mail"), static_cast<int>(ResultFilter::Sources::Mail));

    rangeNote_->setObjectName(QStringLiteral("filterRangeNote"));
    rangeNote_->setText(tr("Období je prázdné: „Od“ je po „Do“."));
    // Bold as well as dark red: it reads on a grey screen too.
    QPalette notePalette = rangeNote_->palette();
    notePalette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    rangeNote_->setPalette(notePalette);
    QFont noteFont = rangeNote_->font();
    noteFont.setBold(true);
    rangeNote_->setFont(noteFont);
    rangeNote_->setVisible(false);

    // The pupil's key is his first letter, "Ž" (key 6 of the Czech keyboard): the "k" belongs to
    // the tab "Výsledky". The note goes on a line of its own under the bar, so that the bar is no
    // wider for it on a small screen.
    auto *line = new QHBoxLayout;
    line->addWidget(labelFor(tr("&Třída:"), class_, this));
    line->addWidget(class_);
    line->addWidget(labelFor(tr("&Žák:"), pupil_, this));
    line->addWidget(pupil_);
    line->addWidget(labelFor(tr("Obdo&bí:"), period_, this));
    line->addWidget(period_);
    fromLabel_ = labelFor(tr("&Od:"), from_, this);
    toLabel_ = labelFor(tr("&Do:"), to_, this);
    line->addWidget(fromLabel_);
    line->addWidget(from_);
    line->addWidget(toLabel_);
    line->addWidget(to_);
    line->addWidget(labelFor(tr("Zd&roj:"), source_, this));
    line->addWidget(source_);
    line->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(line);
    layout->addWidget(rangeNote_);

    connect(class_, &QComboBox::currentIndexChanged, this, [this] {
        fillPupils();
        announce();
    });
    connect(pupil_, &QComboBox::currentIndexChanged, this, &ResultFilterBar::announce);
    connect(period_, &QComboBox::currentIndexChanged, this, &ResultFilterBar::periodChosen);
    connect(from_, &QDateEdit::dateChanged, this, &ResultFilterBar::announce);
    connect(to_, &QDateEdit::dateChanged, this, &ResultFilterBar::announce);
    connect(source_, &QComboBox::currentIndexChanged, this, &ResultFilterBar::announce);
    setDatabase(nullptr);
    periodChosen();
}

void ResultFilterBar::setToday(const QDate &today)
{
    today_ = today;
    periodChosen();
}

void ResultFilterBar::setDatabase(const ResultsDatabase *database)
{
    database_ = database;
    listsStale_ = true;
    if (database_ == nullptr || isVisible()) {
        fillLists();
    }
}

void ResultFilterBar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (listsStale_) {
        const ResultFilter before = filter();
        fillLists();
        // A choice that is gone (a class emptied meanwhile) falls back to "všechny": the page
        // must show what the bar now says.
        const ResultFilter after = filter();
        if (after.className != before.className || after.surname != before.surname ||
            after.unassigned != before.unassigned) {
            announce();
        }
    }
}

void ResultFilterBar::fillLists()
{
    listsStale_ = false;
    const QString chosen = class_->currentData().toString();
    // A copy shares the lists' data; a failed reading leaves them empty, said once.
    lists_ = {};
    if (database_ != nullptr) {
        try {
            lists_ = database_->filterLists();
        } catch (const DatabaseError &error) {
            showWarning(this, QString::fromStdString(error.what()));
        }
    }
    {
        // Refilled without a signal: each one would fill the pupils again.
        const QSignalBlocker blocker(class_);
        class_->clear();
        class_->addItem(tr("všechny"), QString());
        for (const QString &name : std::as_const(lists_.classes)) {
            class_->addItem(name, name);
        }
        class_->setCurrentIndex(qMax(0, class_->findData(chosen)));
    }
    fillPupils();
}

void ResultFilterBar::fillPupils()
{
    const QVariant chosen = pupil_->currentData();
    const QSignalBlocker blocker(pupil_);
    pupil_->clear();
    pupil_->addItem(tr("všichni"), QVariant());
    pupil_->addItem(tr("nepřiřazené zprávy"), unassignedEntry);
    const QString className = class_->currentData().toString();
    for (const auto &[surname, pupilClass] : std::as_const(lists_.pupils)) {
        if (className.isEmpty() || pupilClass == className) {
            pupil_->addItem(tr("%1 (%2)").arg(surname, pupilClass),
                            QStringList{surname, pupilClass});
        }
    }
    pupil_->setCurrentIndex(qMax(0, pupil_->findData(chosen)));
}

void ResultFilterBar::periodChosen()
{
    const auto chosen = period();
    const bool own = chosen == DatePeriod::Range;
    from_->setEnabled(own);
    to_->setEnabled(own);
    if (!own) {
        const auto [first, last] = datePeriodRange(chosen, today_);
        const bool wasQuiet = quiet_;
        quiet_ = true;
        from_->setDate(first.isValid() ? first : today_);
        to_->setDate(last.isValid() ? last : today_);
        quiet_ = wasQuiet;
    }
    // "vše" has no days to show, nor their titles.
    for (QWidget *shown : {static_cast<QWidget *>(from_), static_cast<QWidget *>(to_),
                           static_cast<QWidget *>(fromLabel_), static_cast<QWidget *>(toLabel_)}) {
        shown->setVisible(chosen != DatePeriod::All);
    }
    announce();
}

DatePeriod ResultFilterBar::period() const
{
    return static_cast<DatePeriod>(period_->currentData().toInt());
}

ResultFilter ResultFilterBar::filter() const
{
    ResultFilter filter;
    const QStringList pupil = pupil_->currentData().toStringList();
    if (pupil_->currentData() == unassignedEntry) {
        filter.unassigned = true;
        filter.className = class_->currentData().toString();
    } else if (pupil.size() == 2) {
        filter.surname = pupil.at(0);
        filter.className = pupil.at(1);
    } else {
        filter.className = class_->currentData().toString();
    }
    if (period() != DatePeriod::All) {
        filter.from = from_->date();
        filter.to = to_->date();
    }
    filter.sources = static_cast<ResultFilter::Sources>(source_->currentData().toInt());
    return filter;
}

void ResultFilterBar::setFilter(const ResultFilter &filter, DatePeriod period)
{
    if (listsStale_) {
        fillLists();
    }
    const bool wasQuiet = quiet_;
    quiet_ = true;
    {
        const QSignalBlocker blocker(class_);
        class_->setCurrentIndex(qMax(0, class_->findData(filter.className)));
    }
    fillPupils();
    pupil_->setCurrentIndex(
        filter.unassigned ? pupil_->findData(unassignedEntry)
        : filter.surname.isEmpty()
            ? 0
            : qMax(0, pupil_->findData(QStringList{filter.surname, filter.className})));
    period_->setCurrentIndex(qMax(0, period_->findData(static_cast<int>(period))));
    if (filter.from.isValid()) {
        from_->setDate(filter.from);
    }
    if (filter.to.isValid()) {
        to_->setDate(filter.to);
    }
    source_->setCurrentIndex(qMax(0, source_->findData(static_cast<int>(filter.sources))));
    quiet_ = wasQuiet;
    updateRangeNote();
}

void ResultFilterBar::updateRangeNote()
{
    rangeNote_->setVisible(period() == DatePeriod::Range && from_->date() > to_->date());
}

void ResultFilterBar::announce()
{
    updateRangeNote();
    if (!quiet_) {
        emit filterChanged(filter(), period());
    }
}

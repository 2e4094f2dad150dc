// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultfilterbar.h"

#include "teacher/messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

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
      pupil_(new QComboBox(this)), period_(new QComboBox(this)), from_(new QDateEdit(this)),
      to_(new QDateEdit(this)), source_(new QComboBox(this))
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
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("d. M. yyyy"));
        edit->setDate(today_);
    }
    source_->addItem(tr("škola i e-mail"), static_cast<int>(ResultFilter::Sources::Both));
    source_->addItem(tr("jen škola"), static_cast<int>(ResultFilter::Sources::School));
    source_->addItem(tr("jen e-mail"), static_cast<int>(ResultFilter::Sources::Mail));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(labelFor(tr("&Třída:"), class_, this));
    layout->addWidget(class_);
    layout->addWidget(labelFor(tr("Žák:"), pupil_, this));
    layout->addWidget(pupil_);
    layout->addWidget(labelFor(tr("Obdo&bí:"), period_, this));
    layout->addWidget(period_);
    layout->addWidget(labelFor(tr("O&d:"), from_, this));
    layout->addWidget(from_);
    layout->addWidget(labelFor(tr("Do:"), to_, this));
    layout->addWidget(to_);
    layout->addWidget(labelFor(tr("Zd&roj:"), source_, this));
    layout->addWidget(source_);
    layout->addStretch();

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
    const bool wasQuiet = quiet_;
    quiet_ = true;
    const QString chosen = class_->currentData().toString();
    class_->clear();
    class_->addItem(tr("všechny"), QString());
    if (database_ != nullptr) {
        try {
            for (const QString &name : database_->classes()) {
                class_->addItem(name, name);
            }
        } catch (const DatabaseError &error) {
            showWarning(this, QString::fromStdString(error.what()));
        }
    }
    class_->setCurrentIndex(qMax(0, class_->findData(chosen)));
    fillPupils();
    quiet_ = wasQuiet;
}

void ResultFilterBar::fillPupils()
{
    const bool wasQuiet = quiet_;
    quiet_ = true;
    const QVariant chosen = pupil_->currentData();
    pupil_->clear();
    pupil_->addItem(tr("všichni"), QVariant());
    pupil_->addItem(tr("nepřiřazené zprávy"), unassignedEntry);
    if (database_ != nullptr) {
        try {
            for (const auto &[surname, className] :
                 database_->pupils(class_->currentData().toString())) {
                pupil_->addItem(tr("%1 (%2)").arg(surname, className),
                                QStringList{surname, className});
            }
        } catch (const DatabaseError &error) {
            showWarning(this, QString::fromStdString(error.what()));
        }
    }
    pupil_->setCurrentIndex(qMax(0, pupil_->findData(chosen)));
    quiet_ = wasQuiet;
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
        from_->setVisible(chosen != DatePeriod::All);
        to_->setVisible(chosen != DatePeriod::All);
        quiet_ = wasQuiet;
    } else {
        from_->setVisible(true);
        to_->setVisible(true);
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
    const bool wasQuiet = quiet_;
    quiet_ = true;
    class_->setCurrentIndex(qMax(0, class_->findData(filter.className)));
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
}

void ResultFilterBar::announce()
{
    if (!quiet_) {
        emit filterChanged(filter(), period());
    }
}

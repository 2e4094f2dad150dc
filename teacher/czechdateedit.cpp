// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/czechdateedit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

const QRegularExpression &wholeDate()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,2})\.\s*(\d{1,2})\.\s*(\d{4})\s*$)"));
    return pattern;
}

} // namespace

QDate czechDateFromText(const QString &text)
{
    const QRegularExpressionMatch match = wholeDate().match(text);
    if (!match.hasMatch()) {
        return {};
    }
    return {match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt()};
}

bool isCzechDateBeginning(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{1,2}(\.\s*(\d{1,2}(\.\s*\d{0,4})?)?)?)?$)"));
    return pattern.match(text).hasMatch();
}

CzechDateEdit::CzechDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("d. M. yyyy"));
    setCalendarPopup(true);
}

QValidator::State CzechDateEdit::validate(QString &input, int &pos) const
{
    // The sections' own reading first: it keeps the field's idea of its sections up to date.
    QString copy = input;
    int copyPos = pos;
    const QValidator::State sections = QDateEdit::validate(copy, copyPos);
    const QDate typed = czechDateFromText(input);
    if (typed.isValid()) {
        return typed >= minimumDate() && typed <= maximumDate() ? QValidator::Acceptable
                                                                : QValidator::Intermediate;
    }
    if (isCzechDateBeginning(input)) {
        return QValidator::Intermediate;
    }
    if (sections != QValidator::Invalid) {
        input = copy;
        pos = copyPos;
    }
    return sections;
}

QDateTime CzechDateEdit::dateTimeFromText(const QString &text) const
{
    const QDate typed = czechDateFromText(text);
    if (!typed.isValid()) {
        // Not a whole date: the field keeps the one it had.
        const QDateTime sections = QDateEdit::dateTimeFromText(text);
        return sections.isValid() ? sections : dateTime();
    }
    QDateTime moment = dateTime();
    moment.setDate(typed);
    return moment;
}

void CzechDateEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool plainKey = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    const QChar typed = plainKey && text.size() == 1 ? text.at(0) : QChar();
    const bool erasing =
        plainKey && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete);
    const bool opening = event->key() == Qt::Key_F4 ||
                         (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier);
    if (opening && calendarPopup() && !isReadOnly()) {
        if (typing_) {
            typing_ = false;
            interpretText();
        }
        openCalendar();
        event->accept();
        return;
    }
    if (typed == u',') {
        // The Czech keypad's decimal key gives a comma: a date typed there has commas.
        QKeyEvent dot(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."),
                      event->isAutoRepeat(), static_cast<quint16>(event->count()));
        keyPressEvent(&dot);
        event->setAccepted(dot.isAccepted());
        return;
    }
    if (typed.isDigit() || typed == u'.' || typed == u' ' || (typing_ && erasing)) {
        if (!typing_) {
            typing_ = true;
            lineEdit()->selectAll();
        }
        // Past the date edit's handling of sections, straight to the text.
        QAbstractSpinBox::keyPressEvent(event); // NOLINT(bugprone-parent-virtual-call)
        return;
    }
    if (typing_ && typed.isPrint()) {
        // A stray letter while typing: nothing to add to a date, nothing to end.
        event->accept();
        return;
    }
    if (typing_) {
        typing_ = false;
        interpretText();
    }
    QDateEdit::keyPressEvent(event);
}

void CzechDateEdit::openCalendar()
{
    // The date edit opens its calendar only for a click on its arrow: the click it is given.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.subControls = QStyle::SC_All;
    const QPoint arrow =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this)
            .center();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(arrow), mapToGlobal(QPointF(arrow)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QDateEdit::mousePressEvent(&click);
}

void CzechDateEdit::focusOutEvent(QFocusEvent *event)
{
    typing_ = false;
    QDateEdit::focusOutEvent(event);
}

bool CzechDateEdit::focusNextPrevChild(bool next)
{
    return QAbstractSpinBox::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateEdit>
#include <QString>

// A day as Czech teachers type it: "1. 9. 2026", "1.9.2026", "01.09.2026" (day, month, a
// four-digit year, a blank after a dot or not); an invalid date for anything else.
QDate czechDateFromText(const QString &text);
// Whether typing more can still make a date of `text` ("1. 9.", "01.0").
bool isCzechDateBeginning(const QString &text);

// A date field shown as "1. 9. 2026" that takes a typed date whole: the first key typed
// replaces the date, the text is read when it is complete (or on Enter, or when the field is
// left), and an incomplete one gives the previous date back. The sections of the text remain
// for the arrow keys; Tab leaves the field instead of walking through them; F4 or Alt+Down
// opens the calendar, as they open a list.
class CzechDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    explicit CzechDateEdit(QWidget *parent = nullptr);

    QValidator::State validate(QString &input, int &pos) const override;

protected:
    [[nodiscard]] QDateTime dateTimeFromText(const QString &text) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void openCalendar();

    // The teacher is typing a date: the keys go to the text, not to the sections.
    bool typing_ = false;
};

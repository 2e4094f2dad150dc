// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <string_view>
#include <utility>

// CSV that a Czech spreadsheet opens as it is: ";" between fields, fields holding ";", '"' or
// a line break quoted with inner '"' doubled, CR LF line ends, UTF-8 with a BOM.
class CsvWriter
{
public:
    // Each field goes through spreadsheetText(): a row of texts that no spreadsheet runs.
    void addRow(const QStringList &fields);
    [[nodiscard]] QByteArray toUtf8WithBom() const;

private:
    QString text_;
};

// The lines csvLine() makes, appended as UTF-8 field by field to a buffer the caller writes
// out: a file of a million rows without a QString per field.
class CsvBytes
{
public:
    explicit CsvBytes(QByteArray &out) : out_(out) {}
    // A text made safe from formulas, as spreadsheetText() makes it.
    void text(std::string_view utf8);
    // A field as it stands (a number, a date, a word of the program's own).
    void plain(std::string_view utf8);
    void number(qint64 value);
    void endLine();

private:
    void append(std::string_view utf8, bool neutralise);
    QByteArray &out_;
    bool lineStart_ = true;
};

// One line of such a file, with its CR LF.
QString csvLine(const QStringList &fields);
// A text as a spreadsheet should show it: a field that begins with "=", "+", "-", "@", a tab or
// a carriage return would be taken for a formula (a pupil may type such a name), so it gets a
// leading apostrophe and stays text.
QString spreadsheetText(const QString &text);

// The pupils as a class list: the header "Příjmení;Třída", then one row per pupil.
QByteArray writeClassListCsv(const QList<std::pair<QString, QString>> &surnameClassRows);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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

// One line of such a file, with its CR LF.
QString csvLine(const QStringList &fields);
// A text as a spreadsheet should show it: a field that begins with "=", "+", "-", "@", a tab or
// a carriage return would be taken for a formula (a pupil may type such a name), so it gets a
// leading apostrophe and stays text.
QString spreadsheetText(const QString &text);

// The pupils as a class list: the header "Příjmení;Třída", then one row per pupil.
QByteArray writeClassListCsv(const QList<std::pair<QString, QString>> &surnameClassRows);

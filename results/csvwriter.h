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
    void addRow(const QStringList &fields);
    [[nodiscard]] QByteArray toUtf8WithBom() const;

private:
    QString text_;
};

// The pupils as a class list: the header "Příjmení;Třída", then one row per pupil.
QByteArray writeClassListCsv(const QList<std::pair<QString, QString>> &surnameClassRows);

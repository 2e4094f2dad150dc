// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class QAbstractItemModel;
class QPrinter;

// A table model as an HTML table for a printed page: the texts the teacher sees, marked rows
// in bold.
QString tableHtml(const QAbstractItemModel &model);
// Prints HTML (with an optional picture named "chart" in it) onto the printer's pages.
void printHtml(QPrinter &printer, const QString &html, const QImage &chart = {});
// A heading and a line of what the page covers, escaped for HTML.
QString pageHeadHtml(const QString &title, const QString &subtitle);

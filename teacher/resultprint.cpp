// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/resultprint.h"

#include <QAbstractItemModel>
#include <QFont>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

QString tableHtml(const QAbstractItemModel &model)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (int column = 0; column < model.columnCount(); ++column) {
        html += QStringLiteral("<th>%1</th>")
                    .arg(model.headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
    for (int row = 0; row < model.rowCount(); ++row) {
        const bool bold = model.data(model.index(row, 0), Qt::FontRole).value<QFont>().bold();
        html += QStringLiteral("<tr>");
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            const bool right =
                (model.data(index, Qt::TextAlignmentRole).toInt() & Qt::AlignRight) != 0;
            QString text = model.data(index, Qt::DisplayRole).toString().toHtmlEscaped();
            // Names, "7. 12. 2026" and "66,67 %" are not broken across lines: the titles are.
            text.replace(u' ', QStringLiteral("&nbsp;"));
            if (bold) {
                text = QStringLiteral("<b>%1</b>").arg(text);
            }
            html += QStringLiteral("<td%1>%2</td>")
                        .arg(right ? QStringLiteral(" align=\"right\"") : QString(), text);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString pageHeadHtml(const QString &title, const QString &subtitle)
{
    return QStringLiteral("<h2>%1</h2><p>%2</p>")
        .arg(title.toHtmlEscaped(), subtitle.toHtmlEscaped());
}

void printHtml(QPrinter &printer, const QString &html, const QImage &chart)
{
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    document.setDefaultFont(font);
    if (!chart.isNull()) {
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart")),
                             QVariant(chart));
    }
    document.setHtml(html);
    document.print(&printer);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include "database/sqlstatements.h"

// Returns the first failure's text, empty on success.
inline QString runSqlFile(const QSqlDatabase &db, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot read ") + fileName;
    }
    for (const QString &statement : splitSqlStatements(QString::fromUtf8(file.readAll()))) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            return statement + QStringLiteral(": ") + query.lastError().text();
        }
    }
    return {};
}

// A plain connection for setting up and inspecting a test database; removed when it goes.
class ScratchConnection
{
public:
    explicit ScratchConnection(const QString &path, const QString &name = QStringLiteral("scratch"))
        : name_(name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ScratchConnection(const ScratchConnection &) = delete;
    ScratchConnection &operator=(const ScratchConnection &) = delete;
    ~ScratchConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }

    [[nodiscard]] QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

    // Runs a statement; false (with a warning naming it) when it fails.
    bool run(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery query(db());
        return execute(query, sql, values);
    }

    // The first column of the first row, or an invalid QVariant.
    QVariant scalar(const QString &sql, const QVariantList &values = {}) const
    {
        QSqlQuery query(db());
        return execute(query, sql, values) && query.next() ? query.value(0) : QVariant();
    }

private:
    static bool execute(QSqlQuery &query, const QString &sql, const QVariantList &values)
    {
        if (!query.prepare(sql)) {
            qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
            return false;
        }
        for (const QVariant &value : values) {
            query.addBindValue(value);
        }
        if (!query.exec()) {
            qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
            return false;
        }
        return true;
    }

    QString name_;
};

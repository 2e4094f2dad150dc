// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/postgresqlerror.h"

#include "database/sqliteerror.h" // quotedName

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>

#include <libpq-fe.h>

#include <memory>
#include <vector>

namespace {

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(SchoolDatabase)
};

// A server that does not answer within this time counts as unreachable.
constexpr auto connectTimeoutSeconds = "5";

using Options = std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)>;

Options parsed(const QString &connection, QString *error)
{
    char *message = nullptr;
    Options options(PQconninfoParse(connection.toUtf8().constData(), &message), &PQconninfoFree);
    if (message != nullptr) {
        if (error != nullptr) {
            *error = QString::fromUtf8(message).trimmed();
        }
        PQfreemem(message);
    }
    return options;
}

// Why a connection cannot be made, found by trying again with libpq itself.
QString connectionCause(const QString &connection)
{
    const PostgresqlParameters parameters = postgresqlParameters(connection);
    switch (PQpingParams(parameters.keywords.data(), parameters.values.data(), 0)) {
    case PQPING_NO_RESPONSE:
        return Texts::tr("server neodpovídá (není spuštěný, nebo k němu nevede spojení)");
    case PQPING_REJECT:
        return Texts::tr("server teď nepřijímá spojení (spouští se, nebo se vypíná)");
    case PQPING_NO_ATTEMPT:
        return Texts::tr("adresa serveru není platná");
    case PQPING_OK:
        break;
    }
    const std::unique_ptr<PGconn, decltype(&PQfinish)> probe(
        PQconnectdbParams(parameters.keywords.data(), parameters.values.data(), 0), &PQfinish);
    if (PQstatus(probe.get()) == CONNECTION_OK) {
        return Texts::tr("spojení se serverem se přerušilo");
    }
    // A full server answers a login with "too many clients" or "connection slots are
    // reserved" (SQLSTATE 53300), which libpq hands over as text only; it is no wrong password.
    const QString refusal = QString::fromUtf8(PQerrorMessage(probe.get()));
    static const QRegularExpression full(
        QStringLiteral("too many (clients|connections)|connection slots are reserved|53300|"
                       "příliš mnoho|sloty pro spojení"),
        QRegularExpression::CaseInsensitiveOption);
    if (full.match(refusal).hasMatch()) {
        return Texts::tr("server je přetížený, zkuste to za chvíli");
    }
    if (PQconnectionNeedsPassword(probe.get()) != 0) {
        return Texts::tr("server žádá heslo, ale pro tohoto uživatele žádné uložené není "
                         "(soubor ~/.pgpass)");
    }
    if (PQconnectionUsedPassword(probe.get()) != 0) {
        return Texts::tr("server odmítl přihlášení: chybné jméno nebo heslo");
    }
    return Texts::tr("server odmítl přihlášení (neznámý uživatel nebo databáze, nebo přístup "
                     "odtud není povolen)");
}

// The first name in quotes in the server's message ("relation "Zaci" does not exist").
QString quotedNameIn(const QString &text)
{
    static const QRegularExpression name(QStringLiteral(R"(["„“]([^"„“]+)["“”])"));
    const QRegularExpressionMatch match = name.match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

PostgresqlParameters
postgresqlParameters(const QString &connection, const QString &serverOptions,
                     const std::vector<std::pair<QByteArray, QByteArray>> &defaults)
{
    PostgresqlParameters parameters;
    const Options options = parsed(connection, nullptr);
    std::vector<std::pair<QByteArray, QByteArray>> missing = defaults;
    missing.emplace_back("connect_timeout", connectTimeoutSeconds);
    bool withServerOptions = serverOptions.isEmpty();
    if (options) {
        for (const PQconninfoOption *option = options.get(); option->keyword != nullptr; ++option) {
            const bool extra = !withServerOptions && qstrcmp(option->keyword, "options") == 0;
            if (option->val == nullptr && !extra) {
                continue;
            }
            std::erase_if(missing, [&](const auto &given) {
                return given.first == QByteArrayView(option->keyword);
            });
            parameters.storage.emplace_back(option->keyword);
            QByteArray value(option->val != nullptr ? option->val : "");
            if (extra) {
                value = (value + ' ' + serverOptions.toUtf8()).trimmed();
                withServerOptions = true;
            }
            parameters.storage.push_back(value);
        }
    }
    for (const auto &[keyword, value] : missing) {
        parameters.storage.push_back(keyword);
        parameters.storage.push_back(value);
    }
    for (std::size_t i = 0; i + 1 < parameters.storage.size(); i += 2) {
        parameters.keywords.push_back(parameters.storage[i].constData());
        parameters.values.push_back(parameters.storage[i + 1].constData());
    }
    parameters.keywords.push_back(nullptr);
    parameters.values.push_back(nullptr);
    return parameters;
}

QString postgresqlCause(const QSqlError &error, const QString &connection)
{
    const QString state = error.nativeErrorCode();
    const QString text = error.databaseText();
    if (state.size() != 5 || error.type() == QSqlError::ConnectionError) {
        return connectionCause(connection);
    }
    if (state == QLatin1String("42501")) {
        return Texts::tr(
            "uživatel, pod kterým se program k serveru připojil, k tomu nemá oprávnění");
    }
    if (state == QLatin1String("42P01")) {
        // The functions name it with its schema: "public.Prehled ".
        QString table = quotedNameIn(text);
        if (table.startsWith(QLatin1String("public."))) {
            table.remove(0, 7);
        }
        return table.isEmpty() ? Texts::tr("chybí v ní tabulka")
                               : Texts::tr("chybí v ní tabulka %1").arg(quotedName(table));
    }
    if (state == QLatin1String("42703")) {
        QString field = quotedNameIn(text);
        if (field.isEmpty()) {
            // "column Zaci.Trida does not exist": the field's name follows the table's.
            static const QRegularExpression qualified(QStringLiteral(R"(\b\w+\.(\w+))"));
            field = qualified.match(text).captured(1);
        }
        return field.isEmpty() ? Texts::tr("chybí v ní pole")
                               : Texts::tr("chybí v ní pole %1").arg(quotedName(field));
    }
    if (state == QLatin1String("42883")) {
        return Texts::tr("chybí v ní funkce pro zápis nebo součty žáků (správce serveru ji doplní "
                         "souborem schema-postgresql.sql)");
    }
    if (state == QLatin1String("3D000")) {
        return Texts::tr("databáze na serveru neexistuje");
    }
    if (state == QLatin1String("22003")) {
        return Texts::tr("součet výsledků je větší, než program dokáže zpracovat");
    }
    if (state == QLatin1String("25006")) {
        return Texts::tr("databáze je na serveru jen pro čtení");
    }
    if (state == QLatin1String("40001") || state == QLatin1String("40P01")) {
        return Texts::tr("souběžný zápis z jiného počítače, zkuste to znovu");
    }
    if (state.startsWith(QLatin1String("28"))) {
        return Texts::tr("server odmítl přihlášení: chybné jméno nebo heslo");
    }
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P"))) {
        return Texts::tr("spojení se serverem se přerušilo");
    }
    if (state == QLatin1String("53300")) {
        return Texts::tr("server je přetížený, zkuste to za chvíli");
    }
    if (state.startsWith(QLatin1String("53"))) {
        return Texts::tr("server je přetížený nebo mu došlo místo");
    }
    // The pupils' checked append refused the run (schema-postgresql.sql names the classes).
    if (state == QLatin1String("TS001")) {
        return Texts::tr(
            "server výsledek odmítl: žák s tímto příjmením a třídou není v seznamu žáků");
    }
    if (state == QLatin1String("TS002")) {
        return Texts::tr("server výsledek odmítl: neznámý druh cvičení");
    }
    if (state == QLatin1String("TS003")) {
        return Texts::tr("server výsledek odmítl: tolik odpovědí se za dobu cvičení nedá stihnout");
    }
    if (state == QLatin1String("TS004")) {
        return Texts::tr("server výsledek odmítl: datum nebo čas běhu není platný");
    }
    if (state == QLatin1String("TS005")) {
        return Texts::tr("server výsledek odmítl: hodiny tohoto počítače neukazují stejný čas jako "
                         "server");
    }
    if (state == QLatin1String("TS006")) {
        return Texts::tr("server výsledek odmítl: jméno uživatele počítače je příliš dlouhé");
    }
    if (state == QLatin1String("TS007")) {
        return Texts::tr("server výsledek odmítl: záznam jednotlivých odpovědí neodpovídá výsledku "
                         "cvičení");
    }
    if (state == QLatin1String("23514")) {
        return Texts::tr("server odmítl hodnotu, která v tabulce nemůže být");
    }
    if (state == QLatin1String("57014")) {
        return Texts::tr("server příkaz přerušil, protože trval příliš dlouho");
    }
    if (state == QLatin1String("55P03")) {
        return Texts::tr("tabulku na serveru drží zamčenou jiné spojení, zkuste to za chvíli");
    }
    return Texts::tr("server ohlásil chybu");
}

QString postgresqlConnectOptions(const QString &connection, QString &error)
{
    const Options options = parsed(connection, &error);
    if (!options) {
        if (error.isEmpty()) {
            error = QStringLiteral("?");
        }
        return {};
    }
    QStringList pairs;
    bool timeout = false;
    for (const PQconninfoOption *option = options.get(); option->keyword != nullptr; ++option) {
        if (option->val == nullptr) {
            continue;
        }
        const QString keyword = QString::fromUtf8(option->keyword);
        QString value = QString::fromUtf8(option->val);
        if (value.contains(u';')) {
            // Qt's driver takes ";" between options: such a value would be cut.
            error = Texts::tr("hodnota %1 obsahuje středník").arg(quotedName(keyword));
            return {};
        }
        timeout = timeout || keyword == QLatin1String("connect_timeout");
        value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
        pairs.append(keyword + QStringLiteral("='") + value + u'\'');
    }
    if (!timeout) {
        pairs.append(QStringLiteral("connect_timeout=") + QLatin1String(connectTimeoutSeconds));
    }
    return pairs.join(u';');
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/mailtext.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace {
// A message nested deeper than this is garbage or an attack, not a pupil's mail.
constexpr int deepestPart = 12;

// Header fields of which at least one marks a file as a message rather than plain text.
const QList<QByteArray> messageFields{"mime-version", "content-type", "from",       "to",
                                      "subject",      "date",         "message-id", "received",
                                      "return-path",  "delivered-to", "reply-to"};

struct Entity
{
    QHash<QByteArray, QByteArray> fields; // lowercase name -> unfolded value
    QByteArray body;
    bool hasHeader = false;
};

struct ContentType
{
    QByteArray type = "text/plain";
    QHash<QByteArray, QByteArray> parameters; // lowercase name -> value without quotes
};

qsizetype lineEnd(QByteArrayView data, qsizetype from, qsizetype &next)
{
    const qsizetype lf = data.indexOf('\n', from);
    if (lf < 0) {
        next = data.size();
        return data.size();
    }
    next = lf + 1;
    return lf > from && data.at(lf - 1) == '\r' ? lf - 1 : lf;
}

bool isFieldName(QByteArrayView name)
{
    return !name.isEmpty() &&
           std::ranges::all_of(name, [](char c) { return c > ' ' && c <= '~' && c != ':'; });
}

// Header lines up to the first empty line, unfolded; the rest is the body. Without a header
// field on its first line the whole data is body.
Entity parseEntity(QByteArrayView data)
{
    Entity entity;
    qsizetype pos = 0;
    QByteArray current;
    const auto keep = [&] {
        const qsizetype colon = current.indexOf(':');
        if (colon > 0) {
            entity.fields.insert(current.left(colon).trimmed().toLower(),
                                 current.mid(colon + 1).trimmed());
        }
        current.clear();
    };
    while (pos < data.size()) {
        qsizetype next = 0;
        const qsizetype end = lineEnd(data, pos, next);
        const QByteArrayView line = data.sliced(pos, end - pos);
        if (line.isEmpty()) {
            keep();
            entity.body = data.sliced(next).toByteArray();
            return entity;
        }
        if (line.front() == ' ' || line.front() == '\t') {
            if (!entity.hasHeader && current.isEmpty()) {
                break;
            }
            current += ' ' + line.trimmed().toByteArray();
        } else {
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0 || !isFieldName(line.first(colon))) {
                break;
            }
            keep();
            current = line.toByteArray();
            entity.hasHeader = true;
        }
        pos = next;
    }
    if (pos >= data.size() && entity.hasHeader) {
        keep();
        return entity; // header only, no body
    }
    // Not a header: the data is all body.
    Entity plain;
    plain.body = data.toByteArray();
    return plain;
}

ContentType parseContentType(const QByteArray &value)
{
    ContentType result;
    const QList<QByteArray> pieces = value.split(';');
    if (!pieces.isEmpty() && !pieces.front().trimmed().isEmpty()) {
        result.type = pieces.front().trimmed().toLower();
    }
    // Parameter values may be quoted and then contain ";": scan them rather than split.
    qsizetype pos = value.indexOf(';');
    while (pos >= 0 && pos < value.size()) {
        ++pos;
        const qsizetype equals = value.indexOf('=', pos);
        if (equals < 0) {
            break;
        }
        const QByteArray name = value.mid(pos, equals - pos).trimmed().toLower();
        qsizetype at = equals + 1;
        while (at < value.size() && (value.at(at) == ' ' || value.at(at) == '\t')) {
            ++at;
        }
        QByteArray parameter;
        if (at < value.size() && value.at(at) == '"') {
            ++at;
            while (at < value.size() && value.at(at) != '"') {
                if (value.at(at) == '\\' && at + 1 < value.size()) {
                    ++at;
                }
                parameter += value.at(at);
                ++at;
            }
            pos = value.indexOf(';', at);
        } else {
            const qsizetype semicolon = value.indexOf(';', at);
            parameter = value.mid(at, semicolon < 0 ? -1 : semicolon - at).trimmed();
            pos = semicolon;
        }
        result.parameters.insert(name, parameter);
    }
    return result;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

QByteArray fromQuotedPrintable(QByteArrayView data)
{
    QByteArray out;
    out.reserve(data.size());
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (c != '=') {
            out += c;
            continue;
        }
        // A soft line break: "=" at the end of a line, perhaps with blanks a relay added.
        qsizetype j = i + 1;
        while (j < data.size() && (data.at(j) == ' ' || data.at(j) == '\t')) {
            ++j;
        }
        if (j < data.size() && (data.at(j) == '\n' || data.at(j) == '\r')) {
            i = (data.at(j) == '\r' && j + 1 < data.size() && data.at(j + 1) == '\n') ? j + 1 : j;
            continue;
        }
        if (j >= data.size()) {
            break;
        }
        const int high = i + 2 < data.size() ? hexDigit(data.at(i + 1)) : -1;
        const int low = high >= 0 ? hexDigit(data.at(i + 2)) : -1;
        if (low < 0) {
            out += c; // a stray "=" stays as it stood
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

QString decodeWith(const char *name, QByteArrayView bytes, bool *failed = nullptr)
{
    QStringDecoder decoder(name);
    QString text = decoder.decode(bytes);
    if (failed != nullptr) {
        *failed = decoder.hasError();
    }
    return text;
}

// Text without a declared charset: a BOM or valid UTF-8 says UTF-8, anything else is taken
// for the Windows code page of Czech systems.
QString decodeUndeclared(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return decodeWith("UTF-8", bytes.sliced(3));
    }
    if (bytes.startsWith("\xFF\xFE")) {
        return decodeWith("UTF-16LE", bytes.sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        return decodeWith("UTF-16BE", bytes.sliced(2));
    }
    bool failed = false;
    QString text = decodeWith("UTF-8", bytes, &failed);
    return failed ? decodeWith("windows-1250", bytes) : text;
}

QString decodeCharset(const QByteArray &charset, QByteArrayView bytes)
{
    const QByteArray name = charset.trimmed().toLower();
    if (name.isEmpty() || name == "us-ascii" || name == "ascii") {
        return decodeUndeclared(bytes);
    }
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid()) {
        return decodeUndeclared(bytes);
    }
    return decoder.decode(bytes);
}

QByteArray decodeTransfer(const Entity &entity)
{
    const QByteArray encoding =
        entity.fields.value("content-transfer-encoding").trimmed().toLower();
    if (encoding == "quoted-printable") {
        return fromQuotedPrintable(entity.body);
    }
    if (encoding == "base64") {
        return QByteArray::fromBase64(entity.body); // skips line breaks and other noise
    }
    return entity.body;
}

QString htmlToText(const QString &html)
{
    static const QRegularExpression hidden(QStringLiteral("<(style|script|head)\\b.*?</\\1\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression breaks(QStringLiteral("<(br|/p|/div|/tr|/li|/h\\d)\\b[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression sourceBreaks(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression numeric(QStringLiteral("&#(x[0-9a-fA-F]+|[0-9]+);"));
    QString text = html;
    text.remove(hidden);
    text.replace(sourceBreaks, QStringLiteral(" ")); // HTML breaks lines only where it says so
    text.replace(breaks, QStringLiteral("\n"));
    text.remove(tags);
    QString out;
    qsizetype last = 0;
    auto it = numeric.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        out += QStringView(text).sliced(last, match.capturedStart() - last);
        const QString digits = match.captured(1);
        bool ok = false;
        const uint code =
            digits.startsWith(u'x') ? digits.mid(1).toUInt(&ok, 16) : digits.toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const auto character = static_cast<char32_t>(code);
            out += QString::fromUcs4(&character, 1);
        }
        last = match.capturedEnd();
    }
    out += QStringView(text).sliced(last);
    out.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}

QList<QByteArrayView> multipartParts(QByteArrayView body, const QByteArray &boundary)
{
    QList<QByteArrayView> parts;
    const QByteArray delimiter = "--" + boundary;
    qsizetype partStart = -1;
    qsizetype pos = 0;
    while (pos < body.size()) {
        qsizetype next = 0;
        const qsizetype end = lineEnd(body, pos, next);
        const QByteArrayView line = body.sliced(pos, end - pos).trimmed();
        if (line.startsWith(delimiter)) {
            const bool closing = line.sliced(delimiter.size()).startsWith("--");
            if (line.size() == delimiter.size() || closing) {
                if (partStart >= 0) {
                    // The line break before a delimiter belongs to the delimiter.
                    qsizetype partEnd = pos;
                    if (partEnd > partStart && body.at(partEnd - 1) == '\n') {
                        --partEnd;
                    }
                    if (partEnd > partStart && body.at(partEnd - 1) == '\r') {
                        --partEnd;
                    }
                    parts.append(body.sliced(partStart, partEnd - partStart));
                }
                if (closing) {
                    return parts;
                }
                partStart = next;
            }
        }
        pos = next;
    }
    if (partStart >= 0 && partStart < body.size()) {
        parts.append(body.sliced(partStart)); // a message cut before its closing delimiter
    }
    return parts;
}

// What an attachment is by the name it was sent with: some mail programs send every file as
// application/octet-stream.
enum class NamedAs
{
    Other,
    Text,
    Html,
    Message
};

NamedAs attachmentName(const Entity &entity)
{
    for (const QByteArray &field :
         {QByteArray("content-disposition"), QByteArray("content-type")}) {
        const ContentType parsed = parseContentType(entity.fields.value(field));
        for (const QByteArray &name : {QByteArray("filename"), QByteArray("name")}) {
            const QByteArray file = parsed.parameters.value(name).toLower();
            if (file.endsWith(".txt")) {
                return NamedAs::Text;
            }
            if (file.endsWith(".htm") || file.endsWith(".html")) {
                return NamedAs::Html;
            }
            if (file.endsWith(".eml")) {
                return NamedAs::Message;
            }
        }
    }
    return NamedAs::Other;
}

// Every text of the message in order: plain and HTML parts alike (the plain form of a
// multipart/alternative may be a stub while the HTML form holds the block), text and HTML
// attachments, forwarded messages. A block found twice in them is one report for the caller.
void collect(const Entity &entity, QStringList &out, int depth)
{
    if (depth > deepestPart) {
        return;
    }
    const ContentType contentType = parseContentType(entity.fields.value("content-type"));
    const QByteArray &type = contentType.type;
    if (type.startsWith("multipart/")) {
        const QByteArray boundary = contentType.parameters.value("boundary");
        if (boundary.isEmpty()) {
            out.append(decodeUndeclared(entity.body));
            return;
        }
        for (const QByteArrayView part : multipartParts(entity.body, boundary)) {
            collect(parseEntity(part), out, depth + 1);
        }
        return;
    }
    const NamedAs named = attachmentName(entity);
    if (type == "message/rfc822" || type == "message/global" || named == NamedAs::Message) {
        collect(parseEntity(decodeTransfer(entity)), out, depth + 1);
        return;
    }
    const QByteArray charset = contentType.parameters.value("charset");
    if (type == "text/html" || named == NamedAs::Html) {
        out.append(htmlToText(decodeCharset(charset, decodeTransfer(entity))));
    } else if (type.startsWith("text/") || named == NamedAs::Text) {
        out.append(decodeCharset(charset, decodeTransfer(entity)));
    }
}

bool looksLikeMessage(const Entity &entity)
{
    return entity.hasHeader && std::ranges::any_of(messageFields, [&](const QByteArray &field) {
               return entity.fields.contains(field);
           });
}
} // namespace

QString readableMailText(const QByteArray &raw)
{
    QByteArrayView data(raw);
    // A message saved from a mailbox file may still carry its "From " separator line.
    if (data.startsWith("From ")) {
        const qsizetype lf = data.indexOf('\n');
        data = lf < 0 ? QByteArrayView() : data.sliced(lf + 1);
    }
    const Entity entity = parseEntity(data);
    if (!looksLikeMessage(entity)) {
        return decodeUndeclared(raw);
    }
    QStringList texts;
    collect(entity, texts, 0);
    return texts.join(QStringLiteral("\n\n"));
}

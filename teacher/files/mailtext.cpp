// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/mailtext.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {
// Header fields of which at least one marks a file as a message rather than plain text.
const QList<QByteArray> messageFields{"mime-version", "content-type", "from",       "to",
                                      "subject",      "date",         "message-id", "received",
                                      "return-path",  "delivered-to", "reply-to"};

// A header's fields or a content type's parameters, by lowercase name; a name given again
// takes the new value. A mailbox asks this for every message: its half a dozen names are
// looked through in a row, cheaper than hashing them; a header of many gets a hash table.
class NamedValues
{
public:
    void insert(const QByteArray &name, const QByteArray &value)
    {
        if (const qsizetype at = find(name); at >= 0) {
            values_[static_cast<std::size_t>(at)].second = value;
            return;
        }
        values_.emplace_back(name, value);
        if (!index_.isEmpty() || values_.size() > fewNames) {
            if (index_.isEmpty()) {
                for (std::size_t i = 0; i < values_.size(); ++i) {
                    index_.insert(values_[i].first, static_cast<qsizetype>(i));
                }
            }
            index_.insert(name, static_cast<qsizetype>(values_.size() - 1));
        }
    }
    [[nodiscard]] QByteArray value(QByteArrayView name) const
    {
        const qsizetype at = find(name);
        return at < 0 ? QByteArray() : values_[static_cast<std::size_t>(at)].second;
    }
    [[nodiscard]] bool contains(QByteArrayView name) const { return find(name) >= 0; }

private:
    static constexpr std::size_t fewNames = 16;

    [[nodiscard]] qsizetype find(QByteArrayView name) const
    {
        if (!index_.isEmpty()) {
            return index_.value(name.toByteArray(), -1);
        }
        for (std::size_t i = 0; i < values_.size(); ++i) {
            if (values_[i].first == name) {
                return static_cast<qsizetype>(i);
            }
        }
        return -1;
    }

    std::vector<std::pair<QByteArray, QByteArray>> values_;
    QHash<QByteArray, qsizetype> index_;
};

// A part's body is a view into the message or into the decoded bytes of the forwarded message
// that holds it (`owner`): a part is never copied, only decoded.
struct Entity
{
    NamedValues fields; // lowercase name -> unfolded value
    QByteArrayView body;
    std::shared_ptr<const QByteArray> owner;
    bool hasHeader = false;
};

struct ContentType
{
    QByteArray type = "text/plain";
    NamedValues parameters; // lowercase name -> value without quotes
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
            // Trimmed as views: one copy of the name and one of the value, no others.
            const QByteArrayView field(current);
            entity.fields.insert(field.first(colon).trimmed().toByteArray().toLower(),
                                 field.sliced(colon + 1).trimmed().toByteArray());
        }
        current.resize(0); // its room is kept for the next field
    };
    while (pos < data.size()) {
        qsizetype next = 0;
        const qsizetype end = lineEnd(data, pos, next);
        const QByteArrayView line = data.sliced(pos, end - pos);
        if (line.isEmpty()) {
            keep();
            entity.body = data.sliced(next);
            return entity;
        }
        if (line.front() == ' ' || line.front() == '\t') {
            if (!entity.hasHeader && current.isEmpty()) {
                break;
            }
            current += ' ';
            current += line.trimmed();
        } else {
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0 || !isFieldName(line.first(colon))) {
                break;
            }
            keep();
            current.append(line);
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
    plain.body = data;
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
    // The label of nearly every part: by its encoding rather than looked up by name.
    const bool utf8 = name == "utf-8" || name == "utf8";
    QStringDecoder decoder =
        utf8 ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder(name.constData());
    if (!decoder.isValid()) {
        return decodeUndeclared(bytes);
    }
    // A label that does not fit the bytes is a mail program's mistake: the bytes are read as
    // if unlabelled. Eight-bit text read as UTF-16 or UTF-32 decodes without an error into
    // nonsense, so those are trusted only with a BOM or the zero bytes their Latin letters have.
    if (name.startsWith("utf-16") || name.startsWith("utf-32") || name.startsWith("ucs-")) {
        const qsizetype unit = name.startsWith("utf-16") || name == "ucs-2" ? 2 : 4;
        const bool bom = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
                         bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4));
        if (bytes.size() % unit != 0 || (!bom && !bytes.contains('\0'))) {
            return decodeUndeclared(bytes);
        }
    }
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? decodeUndeclared(bytes) : text;
}

QByteArray decodeTransfer(const Entity &entity)
{
    const QByteArray encoding =
        entity.fields.value("content-transfer-encoding").trimmed().toLower();
    if (encoding == "quoted-printable") {
        return fromQuotedPrintable(entity.body);
    }
    if (encoding == "base64") {
        // skips line breaks and other noise
        return QByteArray::fromBase64(
            QByteArray::fromRawData(entity.body.data(), entity.body.size()));
    }
    return QByteArray::fromRawData(entity.body.data(), entity.body.size()); // read at once
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The tag name after a "<": "/p" for a closing tag, lowercase.
QString tagName(QStringView html, qsizetype afterBracket)
{
    qsizetype end = afterBracket;
    if (end < html.size() && html.at(end) == u'/') {
        ++end;
    }
    while (end < html.size() && isWordChar(html.at(end))) {
        ++end;
    }
    return html.sliced(afterBracket, end - afterBracket).toString().toLower();
}

bool isBreakTag(const QString &name)
{
    static const QStringList breaking{QStringLiteral("br"), QStringLiteral("/p"),
                                      QStringLiteral("/div"), QStringLiteral("/tr"),
                                      QStringLiteral("/li")};
    return breaking.contains(name) ||
           (name.size() == 3 && name.startsWith(QLatin1String("/h")) && name.at(2).isDigit());
}

// The HTML as text, in one pass: a style, script or head element is left out whole, a tag
// that breaks a line gives a line break, other tags nothing, and the source's own line breaks
// are blanks. An element never closed, or a "<" with no ">" after it, is kept as text; each
// is found out once, so unclosed tags cost no more than the bytes they are made of.
QString htmlToText(const QString &html)
{
    static const QRegularExpression numeric(QStringLiteral("&#(x[0-9a-fA-F]+|[0-9]+);"));
    const QStringView source(html);
    QString text;
    text.reserve(html.size());
    QSet<QString> unclosed;     // hidden elements with no closing tag from here on
    qsizetype lastBracket = -2; // where the last ">" searched for was, or -1: none further on
    qsizetype pos = 0;
    while (pos < source.size()) {
        const QChar c = source.at(pos);
        if (c == u'\r' || c == u'\n') {
            while (pos < source.size() && (source.at(pos) == u'\r' || source.at(pos) == u'\n')) {
                ++pos;
            }
            text += u' '; // HTML breaks lines only where it says so
            continue;
        }
        if (c != u'<') {
            text += c;
            ++pos;
            continue;
        }
        const QString name = tagName(source, pos + 1);
        if ((name == QLatin1String("style") || name == QLatin1String("script") ||
             name == QLatin1String("head")) &&
            !unclosed.contains(name)) {
            const QString closing = QStringLiteral("</") + name;
            qsizetype at = pos + 1 + name.size();
            qsizetype after = -1;
            while ((at = source.indexOf(closing, at, Qt::CaseInsensitive)) >= 0) {
                qsizetype end = at + closing.size();
                while (end < source.size() && source.at(end).isSpace()) {
                    ++end;
                }
                if (end < source.size() && source.at(end) == u'>') {
                    after = end + 1;
                    break;
                }
                at += closing.size();
            }
            if (after >= 0) {
                pos = after;
                continue;
            }
            unclosed.insert(name);
        }
        if (lastBracket != -1 && lastBracket <= pos) {
            lastBracket = source.indexOf(u'>', pos + 1);
        }
        if (lastBracket < 0) {
            text += c; // no tag: a "<" in the text
            ++pos;
            continue;
        }
        if (isBreakTag(name)) {
            text += u'\n';
        }
        pos = lastBracket + 1;
    }
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

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(MailText)
};

// What the teacher is told of a part too large to read: its file name, else its type.
QString partName(const Entity &entity, const QByteArray &type)
{
    for (const QByteArray &field :
         {QByteArray("content-disposition"), QByteArray("content-type")}) {
        const ContentType parsed = parseContentType(entity.fields.value(field));
        for (const QByteArray &name : {QByteArray("filename"), QByteArray("name")}) {
            if (const QByteArray file = parsed.parameters.value(name); !file.isEmpty()) {
                return Texts::tr("„%1“").arg(QString::fromUtf8(file));
            }
        }
    }
    return QString::fromLatin1(type);
}

QString tooLarge(const QString &name, qsizetype bytes)
{
    return Texts::tr(
               "část zprávy %1 má %2 MB, víc než %3 MB, které program přečte: nebyla přečtena")
        .arg(name)
        .arg((bytes + (1 << 20) - 1) >> 20)
        .arg(mailPartLimit >> 20);
}

// Every text of the message in order: plain and HTML parts alike (the plain form of a
// multipart/alternative may be a stub while the HTML form holds the block), text and HTML
// attachments, forwarded messages. A block found twice in them is one report for the caller.
// Parts are taken from a stack rather than by recursion, so that no depth of nesting runs out
// of stack; what bounds the work is the number of parts and the bytes looked through. Each
// text is handed to `visit` and let go before the next is decoded, so that memory holds the
// message and one text, not all of them.
MailTextReading collect(Entity message, const std::function<bool(const QString &)> &visit,
                        qsizetype byteBudget)
{
    constexpr int mostParts = 10000;
    MailTextReading reading;
    std::vector<Entity> pending;
    pending.push_back(std::move(message));
    int parts = 0;
    const auto give = [&](const QString &text) {
        if (!visit(text)) {
            reading.stopped = true;
        }
    };
    while (!pending.empty() && !reading.stopped) {
        const Entity entity = std::move(pending.back());
        pending.pop_back();
        byteBudget -= entity.body.size();
        if (++parts > mostParts || byteBudget < 0) {
            reading.cutShort = true;
            return reading;
        }
        const ContentType contentType = parseContentType(entity.fields.value("content-type"));
        const QByteArray &type = contentType.type;
        if (type.startsWith("multipart/")) {
            const QByteArray boundary = contentType.parameters.value("boundary");
            if (boundary.isEmpty()) {
                if (entity.body.size() > mailPartLimit) {
                    reading.refusedParts.append(
                        tooLarge(partName(entity, type), entity.body.size()));
                } else {
                    give(decodeUndeclared(entity.body));
                }
                continue;
            }
            const QList<QByteArrayView> children = multipartParts(entity.body, boundary);
            // Pushed last to first: the first part is read first.
            for (auto it = children.crbegin(); it != children.crend(); ++it) {
                Entity child = parseEntity(*it);
                child.owner = entity.owner;
                pending.push_back(std::move(child));
            }
            continue;
        }
        const NamedAs named = attachmentName(entity);
        const bool forwarded =
            type == "message/rfc822" || type == "message/global" || named == NamedAs::Message;
        const bool html = type == "text/html" || named == NamedAs::Html;
        const bool text = type.startsWith("text/") || named == NamedAs::Text;
        if (!forwarded && !html && !text) {
            continue; // a photo or a document: never decoded, whatever its size
        }
        // Decoding a gigabyte of base64 would take gigabytes: a part larger than any pupil's
        // mail is refused and said so.
        if (entity.body.size() > mailPartLimit) {
            reading.refusedParts.append(tooLarge(partName(entity, type), entity.body.size()));
            continue;
        }
        if (forwarded) {
            QByteArray decoded = decodeTransfer(entity);
            if (decoded.constData() == entity.body.data()) {
                // Sent as it is: a view of the same bytes, kept by the same owner.
                Entity inner = parseEntity(entity.body);
                inner.owner = entity.owner;
                pending.push_back(std::move(inner));
            } else {
                auto owned = std::make_shared<const QByteArray>(std::move(decoded));
                Entity inner = parseEntity(*owned);
                inner.owner = std::move(owned);
                pending.push_back(std::move(inner));
            }
            continue;
        }
        const QByteArray charset = contentType.parameters.value("charset");
        if (html) {
            give(htmlToText(decodeCharset(charset, decodeTransfer(entity))));
        } else {
            give(decodeCharset(charset, decodeTransfer(entity)));
        }
    }
    return reading;
}

bool looksLikeMessage(const Entity &entity)
{
    return entity.hasHeader && std::ranges::any_of(messageFields, [&](const QByteArray &field) {
               return entity.fields.contains(field);
           });
}
} // namespace

MailTextReading visitMailTexts(const QByteArray &raw,
                               const std::function<bool(const QString &)> &visit)
{
    QByteArrayView data(raw);
    // A message saved from a mailbox file may still carry its "From " separator line.
    if (data.startsWith("From ")) {
        const qsizetype lf = data.indexOf('\n');
        data = lf < 0 ? QByteArrayView() : data.sliced(lf + 1);
    }
    Entity entity = parseEntity(data);
    if (!looksLikeMessage(entity)) {
        MailTextReading reading;
        if (raw.size() > mailPartLimit) {
            reading.refusedParts.append(tooLarge(Texts::tr("text"), raw.size()));
        } else {
            reading.stopped = !visit(decodeUndeclared(raw));
        }
        return reading;
    }
    // Nesting makes each level look through the bytes of the levels inside it again: a pupil's
    // mail stays far below this, a message built to stall the reading does not.
    constexpr qsizetype leastBudget = qsizetype(64) << 20;
    return collect(std::move(entity), visit, qMax(leastBudget, 8 * raw.size()));
}

QString readableMailText(const QByteArray &raw, bool *cutShort)
{
    QStringList texts;
    const MailTextReading reading = visitMailTexts(raw, [&](const QString &text) {
        texts.append(text);
        return true;
    });
    if (cutShort != nullptr) {
        *cutShort = reading.cutShort;
    }
    return texts.join(QStringLiteral("\n\n"));
}

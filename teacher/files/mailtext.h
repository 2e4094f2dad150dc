// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The readable text of a file a teacher opens: an e-mail message (.eml, MIME: multipart,
// text parts in quoted-printable or base64, charset UTF-8, Windows-1250 or ISO-8859-2) or plain
// text (.txt: UTF-8 with or without a BOM, else Windows-1250). Every text of the message is
// there, joined with a blank line: plain and HTML parts (HTML as text) of every alternative,
// text and HTML attachments, forwarded messages (message/rfc822, an attached .eml). Garbage
// gives the best text that can be made of it. A message nested so deep that reading it all
// would take unbounded work gives the texts found before the bound and sets `cutShort`.
QString readableMailText(const QByteArray &raw, bool *cutShort = nullptr);

// The largest part of a message that is decoded (as sent, before base64 or quoted-printable is
// undone): a pupil's mail is a few kilobytes, a larger text is refused rather than decoded
// into gigabytes.
constexpr qsizetype mailPartLimit = qsizetype(50) << 20;

struct MailTextReading
{
    bool cutShort = false;    // see readableMailText
    bool stopped = false;     // the visitor asked to stop
    QStringList refusedParts; // Czech, one line per part larger than mailPartLimit
};

// The texts of readableMailText one at a time, each let go before the next is decoded: memory
// holds the message and one of its texts. `visit` returns false to stop.
MailTextReading visitMailTexts(const QByteArray &raw,
                               const std::function<bool(const QString &)> &visit);

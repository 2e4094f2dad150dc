// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The readable text of a file a teacher opens: an e-mail message (.eml, MIME: multipart,
// text parts in quoted-printable or base64, charset UTF-8, Windows-1250 or ISO-8859-2) or plain
// text (.txt: UTF-8 with or without a BOM, else Windows-1250). Every text of the message is
// there, joined with a blank line: plain and HTML parts (HTML as text) of every alternative,
// text and HTML attachments, forwarded messages (message/rfc822, an attached .eml). Garbage
// gives the best text that can be made of it. A message nested so deep that reading it all
// would take unbounded work gives the texts found before the bound and sets `cutShort`.
QString readableMailText(const QByteArray &raw, bool *cutShort = nullptr);

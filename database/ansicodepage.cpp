// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/ansicodepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr char codePage[] = "windows-1250";
constexpr char unrepresentable = '?';

// Qt's ICU-backed encoder writes the control character SUB (0x1A) for a character it cannot
// map, and nothing at all for some (U+FEFF, U+200B); neither may reach the report as if it
// were the pupil's text.
char encodeOne(QStringView character)
{
    QStringEncoder encoder(codePage);
    const QByteArray bytes = encoder.encode(character);
    if (encoder.hasError() || bytes.size() != 1) {
        return unrepresentable;
    }
    return bytes.front();
}
} // namespace

QByteArray toAnsiBytes(QStringView text)
{
    QStringEncoder whole(codePage);
    QByteArray bytes = whole.encode(text);
    if (!whole.hasError() && bytes.size() == text.size()) {
        return bytes;
    }
    // Something did not map: go character by character so that only that one becomes "?".
    bytes.clear();
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            length = 2;
        }
        bytes.append(encodeOne(text.sliced(i, length)));
        i += length - 1;
    }
    return bytes;
}

QString fromAnsiBytes(QByteArrayView bytes)
{
    QStringDecoder decoder(codePage);
    return decoder.decode(bytes);
}

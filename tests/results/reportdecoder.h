#pragma once

#include "results/reportkey.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cstdint>

// Reads a teacher report block back, as the teacher's tool does, and checks its layout on the
// way: two lowercase hex digits and a blank per group, CR LF after every tenth group of a line,
// the marker first.
struct DecodedReport
{
    bool valid = false;
    QString problem; // why the block is not valid
    std::uint8_t salt = 0;
    QByteArray masked; // the data bytes as they stand in the block
    QByteArray codes;  // the Windows-1250 codes of the report
    QString text;      // the report
};

inline DecodedReport decodeReportBlock(const QString &block)
{
    DecodedReport result;
    const auto hexValue = [](QChar c) -> int {
        if (c >= u'0' && c <= u'9') {
            return c.unicode() - u'0';
        }
        if (c >= u'a' && c <= u'f') {
            return c.unicode() - u'a' + 10;
        }
        return -1;
    };
    QByteArray groups;
    qsizetype pos = 0;
    while (pos < block.size()) {
        if (pos + 3 > block.size()) {
            result.problem = QStringLiteral("truncated group at %1").arg(pos);
            return result;
        }
        const int high = hexValue(block.at(pos));
        const int low = hexValue(block.at(pos + 1));
        if (high < 0 || low < 0 || block.at(pos + 2) != u' ') {
            result.problem = QStringLiteral("malformed group at %1").arg(pos);
            return result;
        }
        groups.append(static_cast<char>(high * 16 + low));
        pos += 3;
        if (groups.size() % reportGroupsPerLine == 0) {
            if (block.mid(pos, 2) != QStringLiteral("\r\n")) {
                result.problem = QStringLiteral("missing CR LF after group %1").arg(groups.size());
                return result;
            }
            pos += 2;
        }
    }
    if (groups.size() < 2 || static_cast<std::uint8_t>(groups.at(0)) != reportMarkerByte) {
        result.problem = QStringLiteral("no marker and random byte");
        return result;
    }
    result.salt = static_cast<std::uint8_t>(groups.at(1));
    result.masked = groups.mid(2);
    for (qsizetype n = 0; n < result.masked.size(); ++n) {
        const auto byte = static_cast<std::uint8_t>(result.masked.at(n));
        result.codes.append(static_cast<char>(byte ^ result.salt ^ reportKeyBytes[n % 32]));
    }
    QStringDecoder decoder("windows-1250");
    result.text = decoder.decode(result.codes);
    result.valid = true;
    return result;
}

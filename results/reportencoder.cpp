// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/reportencoder.h"

#include "app/uniformsource.h"
#include "database/ansicodepage.h"
#include "results/reportkey.h"

#include <algorithm>

namespace {
constexpr char digitCharacters[] = "0123456789abcdef";
} // namespace

ReportEncoder::ReportEncoder(UniformSource &random) : random_(random)
{
    // The tables are constants: filling them here already means that a block begun without
    // initReportEncoder (a school-server run that falls back to the report) is still readable.
    reportKey_ = reportKeyBytes;
    std::copy_n(digitCharacters, hexDigits_.size(), hexDigits_.begin());
}

void ReportEncoder::initReportEncoder()
{
    reportKey_ = reportKeyBytes;
    std::copy_n(digitCharacters, hexDigits_.size(), hexDigits_.begin());
    beginReportBlock();
}

void ReportEncoder::beginReportBlock()
{
    reportText_.clear();
    keyIndex_ = 0;
    const int drawn = static_cast<int>(static_cast<double>(random_.next()) * 256.0);
    saltByte_ = static_cast<std::uint8_t>(std::clamp(drawn, 0, 255));
    reportText_ += byteToHex(reportMarkerByte) + u' ';
    reportText_ += byteToHex(saltByte_) + u' ';
    groupsOnLine_ = 2;
}

void ReportEncoder::encodeReportText(const QString &text)
{
    const QByteArray codes = toAnsiBytes(text);
    for (const char code : codes) {
        const auto c = static_cast<std::uint8_t>(code);
        appendGroup(static_cast<std::uint8_t>(c ^ saltByte_ ^ reportKey_[keyIndex_]));
        keyIndex_ = static_cast<std::uint8_t>((keyIndex_ + 1) % reportKey_.size());
    }
}

QString ReportEncoder::reportBlockText() const
{
    return reportText_;
}

QString ReportEncoder::byteToHex(std::uint8_t byte) const
{
    QString hex;
    hex += QLatin1Char(static_cast<char>(hexDigits_[byte / 16]));
    hex += QLatin1Char(static_cast<char>(hexDigits_[byte % 16]));
    return hex;
}

void ReportEncoder::appendGroup(std::uint8_t byte)
{
    reportText_ += byteToHex(byte) + u' ';
    ++groupsOnLine_;
    if (groupsOnLine_ >= reportGroupsPerLine) {
        reportText_ += QStringLiteral("\r\n");
        groupsOnLine_ = 0;
    }
}

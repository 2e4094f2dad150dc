// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

class UniformSource;

// Turns the teacher report into a block of two-digit hex groups: a marker, a random byte,
// then every character's Windows-1250 code masked with that byte and the report key.
class ReportEncoder
{
public:
    explicit ReportEncoder(UniformSource &random);

    void initReportEncoder();
    void beginReportBlock();
    void encodeReportText(const QString &text);
    [[nodiscard]] QString reportBlockText() const;

    [[nodiscard]] QString byteToHex(std::uint8_t byte) const;
    [[nodiscard]] std::uint8_t saltByte() const { return saltByte_; }

private:
    void appendGroup(std::uint8_t byte);

    UniformSource &random_;
    std::array<std::uint8_t, 32> reportKey_{};
    std::array<std::uint8_t, 16> hexDigits_{};
    QString reportText_;
    std::uint8_t keyIndex_ = 0;
    std::uint8_t saltByte_ = 0;
    std::uint8_t groupsOnLine_ = 0;
};

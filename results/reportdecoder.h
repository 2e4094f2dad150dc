// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <cstdint>

// One teacher report read back from the block a pupil sent, checked rather than trusted.
struct DecodedReport
{
    enum class Status
    {
        Ok,
        DamagedGroup,
        WrongMarker,
        NotAReport,
        InconsistentCounts
    };
    Status status = Status::NotAReport;
    QString reason;         // Czech, for the teacher, when status != Ok
    QString originalText;   // the block as it stood in the message, quote marks and all
    QString canonicalBlock; // the block as the pupil's program lays it out: the same for the
                            // same block however a mail program mangled it
    QString text;           // the decoded report text; empty if it cannot be decoded
    QString student;
    QString className;
    QDateTime from, to; // local time
    int answers = 0, correct = 0, wrong = 0;
    double successPercent = 0; // correct / answers * 100; 0 without answers
    int firstLine = 0;         // 1-based line of the input where the block starts

    // What the block holds, for checks of the pupil's encoder.
    std::uint8_t salt = 0;
    QByteArray masked; // the data bytes as they stand in the block
    QByteArray codes;  // the Windows-1250 codes they stand for
    // The block as given is exactly the pupil's layout (lowercase groups, one blank after each,
    // CR LF after every tenth, nothing else), with sound groups behind the marker and random
    // byte. Set by decodeReportBlock only.
    bool isCanonicalLayout = false;

    [[nodiscard]] bool isOk() const { return status == Status::Ok; }
};

// One block; blanks, line breaks, "> " quote marks and uppercase digits are tolerated, any
// other word in it is a damaged group.
DecodedReport decodeReportBlock(const QString &block);
// Every block in arbitrary text (a whole e-mail), in order. Prose around and between blocks is
// skipped; a run of groups that looks like a block but is not a good report is returned with
// its reason. Text still in quoted-printable (a message's source saved as it was sent) is
// read as well, its lines counted as they stand in `text`.
QList<DecodedReport> findReportBlocks(const QString &text);

// The blocks seen so far in one text or file: a block quoted twice in one reply, or sent again
// in a later mail of the same mailbox, is one report, not two rows.
class BlockRepeats
{
public:
    // True when this block was seen before; remembers it otherwise.
    bool isRepeat(const DecodedReport &report);

private:
    QSet<QByteArray> seen_; // a digest of each canonical block, not the block itself
    QCryptographicHash hash_{QCryptographicHash::Sha1};
    QByteArray latin1_;
};

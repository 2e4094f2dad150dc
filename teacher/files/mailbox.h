// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/reportdecoder.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QIODevice;

// One message of what a teacher opened, as its file holds it.
struct MailMessage
{
    int number = 0;    // 1-based, in the order the mailbox holds them
    QString path;      // a Maildir message's own file; else the file that was opened
    qint64 offset = 0; // where the message begins in that file
    QByteArray raw;
};

// Reads what a teacher opens message by message, never a whole mailbox at once:
// - an mbox file (a mail program's exported or local folder): messages begin at a "From " line
//   at the start of the file or after a blank line, ">From " lines lose one ">" as mboxrd
//   writes them; read in chunks, so memory holds one message, not the file;
// - a Maildir folder (its messages are the files of cur/ and new/), given as the folder itself
//   or as its cur or new;
// - any other file (.eml, .txt): one message.
// Files are opened read-only and never locked: the folder of a running mail program can be read.
class MailSourceReader
{
public:
    enum class Kind
    {
        Message,
        Mbox,
        Maildir
    };

    // Reads `chunkSize` bytes of an mbox at a time.
    explicit MailSourceReader(qint64 chunkSize = 4 * 1024 * 1024);
    ~MailSourceReader();
    MailSourceReader(const MailSourceReader &) = delete;
    MailSourceReader &operator=(const MailSourceReader &) = delete;

    // False with the Czech reason in error() when the path cannot be read.
    bool open(const QString &path);
    // A device open for reading (standard input): an mbox or one message. Not owned.
    bool open(QIODevice *device, const QString &name);

    [[nodiscard]] Kind kind() const { return kind_; }
    // The file, or the Maildir's own folder (not its cur or new), or the device's name.
    [[nodiscard]] QString path() const { return path_; }
    // The next message; false at the end, or when reading failed (error() then says why).
    bool next(MailMessage &message);
    // Czech, for the teacher; empty while all goes well.
    [[nodiscard]] QString error() const { return error_; }
    // Maildir message files that vanished or could not be read while the folder was read.
    [[nodiscard]] int unreadableMessages() const { return unreadable_; }
    // For a progress bar: bytes read so far and in all (-1 when not known, as for a pipe).
    [[nodiscard]] qint64 bytesRead() const;
    [[nodiscard]] qint64 totalBytes() const { return total_; }

    // Whether this data begins an mbox file.
    [[nodiscard]] static bool isMboxStart(QByteArrayView data);

private:
    bool openDevice(QIODevice *device, const QString &name);
    bool readMore();
    bool nextFromMbox(MailMessage &message);
    bool nextFromMaildir(MailMessage &message);
    void fail(const QString &reason);

    qint64 chunkSize_;
    Kind kind_ = Kind::Message;
    QString path_;
    std::unique_ptr<QIODevice> ownDevice_;
    QIODevice *device_ = nullptr;
    QByteArray buffer_;
    qsizetype pos_ = 0;      // where the next message begins in buffer_
    qint64 bufferStart_ = 0; // the device's offset of buffer_[0]
    bool atEnd_ = false;
    bool done_ = false;
    int number_ = 0;
    qint64 total_ = -1;
    qint64 maildirRead_ = 0;
    QStringList maildirFiles_;
    qsizetype maildirNext_ = 0;
    int unreadable_ = 0;
    QString error_;
};

// One block found in a mailbox, and in which of its messages.
struct FoundReport
{
    DecodedReport report;
    int message = 0;     // 1-based
    QString messagePath; // see MailMessage::path
};

// What one file or folder gave.
struct MailReading
{
    MailSourceReader::Kind kind = MailSourceReader::Kind::Message;
    QString path; // see MailSourceReader::path
    int messages = 0;
    QList<FoundReport> reports; // each block once, in the order of the mailbox
    int good = 0;
    int refused = 0;  // bad blocks
    int repeated = 0; // blocks left out as seen before in the same file or folder
    int unreadableMessages = 0;
    // Czech, one line per message read only in part ("e-mail 3: zpráva je vnořená příliš
    // hluboko"; a lone message without its number): its blocks may be missing.
    QStringList messageProblems;
    QString error; // Czech: why it could not be read, or why reading stopped early
    bool cancelled = false;
};

// Reads every message of `path` (see MailSourceReader) and the blocks in all its texts.
// `progress` is told the bytes read and in all after each message; when it returns false the
// reading stops and nothing is kept (cancelled).
MailReading readMailSource(const QString &path,
                           const std::function<bool(qint64, qint64)> &progress = {});
// The same for a device open for reading, such as standard input.
MailReading readMailSource(QIODevice *device, const QString &name,
                           const std::function<bool(qint64, qint64)> &progress = {});

// As readMailSource(), but each report goes to `found` as soon as its message is read, with the
// reading so far (its kind and path), instead of into `reports`: the memory of one message
// whatever the mailbox's size.
using FoundReportSink = std::function<void(const MailReading &, FoundReport &&)>;
MailReading streamMailSource(const QString &path, const FoundReportSink &found);
MailReading streamMailSource(QIODevice *device, const QString &name, const FoundReportSink &found);

// The Czech reason why the file or folder at `path` cannot be read, as short as a teacher
// needs it ("soubor neexistuje"); empty when nothing is known to be wrong with it.
QString mailSourceProblem(const QString &path);

// A good report whose end (Do) is later than `now` by more than a pupil's clock may be fast:
// to be pointed out to the teacher, and still stored when asked.
bool endsInTheFuture(const DecodedReport &report,
                     const QDateTime &now = QDateTime::currentDateTime());

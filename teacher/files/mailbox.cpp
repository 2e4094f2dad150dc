// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/files/mailbox.h"

#include "results/localclock.h"
#include "teacher/files/mailtext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {
// A pupil's clock a few minutes fast is no reason for a warning.
constexpr qint64 clockToleranceSeconds = 5 * 60;
// "\nFrom ": where a search for the next message must start again after more data came.
constexpr qsizetype separatorLookBack = 6;

class Texts
{
    Q_DECLARE_TR_FUNCTIONS(MailSource)
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "From sender Tue Dec  8 10:20:00 2026": every mail program writes the time there. Requiring
// it keeps a line of a letter that happens to begin with "From " from cutting a message in two
// when a program did not escape it.
bool isSeparatorLine(QByteArrayView line)
{
    if (!line.startsWith("From ") || line.size() < 6 || line.at(5) == ' ' || line.at(5) == '\r' ||
        line.at(5) == '\n') {
        return false;
    }
    for (qsizetype i = 6; i + 1 < line.size(); ++i) {
        if (line.at(i) == ':' && isDigit(line.at(i - 1)) && isDigit(line.at(i + 1))) {
            return true;
        }
    }
    return false;
}

// mboxrd: a line of the message that began with ">*From " was written with one ">" more.
// Undone in place: the text only gets shorter.
void unescapeFromLines(QByteArray &raw)
{
    if (!raw.contains(">From ")) {
        return;
    }
    char *const data = raw.data();
    qsizetype out = 0;
    qsizetype lineStart = 0;
    while (lineStart < raw.size()) {
        const qsizetype lf = raw.indexOf('\n', lineStart);
        const qsizetype lineEnd = lf < 0 ? raw.size() : lf + 1;
        const QByteArrayView line(data + lineStart, lineEnd - lineStart);
        qsizetype marks = 0;
        while (marks < line.size() && line.at(marks) == '>') {
            ++marks;
        }
        const qsizetype skip = marks > 0 && line.sliced(marks).startsWith("From ") ? 1 : 0;
        const qsizetype length = line.size() - skip;
        std::memmove(data + out, data + lineStart + skip, static_cast<std::size_t>(length));
        out += length;
        lineStart = lineEnd;
    }
    raw.truncate(out);
}

// The Maildir that `path` is (a folder with cur/ or new/) or is part of (its cur, new or tmp);
// empty for any other folder.
QString maildirRoot(const QString &path)
{
    const QDir dir(path);
    const auto isMaildir = [](const QDir &root) {
        return QFileInfo(root.filePath(QStringLiteral("cur"))).isDir() ||
               QFileInfo(root.filePath(QStringLiteral("new"))).isDir();
    };
    if (isMaildir(dir)) {
        return dir.absolutePath();
    }
    const QString name = dir.dirName();
    if (name == QLatin1String("cur") || name == QLatin1String("new") ||
        name == QLatin1String("tmp")) {
        QDir parent = dir;
        if (parent.cdUp() && isMaildir(parent)) {
            return parent.absolutePath();
        }
    }
    return {};
}

// A running mail program moves a new message from new/ to cur/ and adds its flags to the name
// ("…:2,S"): where the message of `path` went, or empty.
QString movedMaildirFile(const QString &root, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const QString unique = name.left(name.indexOf(u':'));
    if (unique.isEmpty()) {
        return {};
    }
    const QDir cur(QDir(root).filePath(QStringLiteral("cur")));
    for (const QString &candidate : cur.entryList(QDir::Files, QDir::Name)) {
        if (candidate == unique || candidate.startsWith(unique + u':')) {
            return cur.filePath(candidate);
        }
    }
    return {};
}
} // namespace

MailSourceReader::MailSourceReader(qint64 chunkSize) : chunkSize_(std::max<qint64>(1, chunkSize)) {}
MailSourceReader::~MailSourceReader() = default;

bool MailSourceReader::isMboxStart(QByteArrayView data)
{
    const qsizetype lf = data.indexOf('\n');
    return isSeparatorLine(lf < 0 ? data : data.first(lf));
}

void MailSourceReader::fail(const QString &reason)
{
    error_ = reason;
    done_ = true;
}

bool MailSourceReader::open(const QString &path)
{
    path_ = path;
    const QString problem = mailSourceProblem(path);
    if (!problem.isEmpty()) {
        fail(problem);
        return false;
    }
    if (QFileInfo(path).isDir()) {
        kind_ = Kind::Maildir;
        path_ = maildirRoot(path);
        QFileInfoList files;
        for (const char *sub : {"cur", "new"}) {
            const QDir dir(QDir(path_).filePath(QString::fromLatin1(sub)));
            for (const QFileInfo &file : dir.entryInfoList(QDir::Files, QDir::Name)) {
                // Dot files are a mail program's own, not messages.
                if (!file.fileName().startsWith(u'.')) {
                    files.append(file);
                }
            }
        }
        // A message's name begins with the time it came: in name order, as they came.
        std::sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
            return a.fileName() < b.fileName();
        });
        total_ = 0;
        for (const QFileInfo &file : files) {
            maildirFiles_.append(file.filePath());
            total_ += file.size();
        }
        return true;
    }
    auto file = std::make_unique<QFile>(path);
    // Read-only and without a lock: a mail program may have the folder open and write to it.
    if (!file->open(QIODevice::ReadOnly)) {
        fail(Texts::tr("soubor nelze otevřít"));
        return false;
    }
    total_ = file->size();
    ownDevice_ = std::move(file);
    return openDevice(ownDevice_.get(), path);
}

bool MailSourceReader::open(QIODevice *device, const QString &name)
{
    path_ = name;
    total_ = device->isSequential() ? -1 : device->size();
    return openDevice(device, name);
}

bool MailSourceReader::openDevice(QIODevice *device, const QString &name)
{
    device_ = device;
    path_ = name;
    // Enough of the start to tell an mbox from a message; a pipe may give it in pieces.
    while (!atEnd_ && buffer_.size() < 4096) {
        if (!readMore()) {
            return false;
        }
    }
    // Blank lines before the first "From " line are left by some programs that export.
    qsizetype lead = 0;
    while (lead < buffer_.size() && (buffer_.at(lead) == '\r' || buffer_.at(lead) == '\n')) {
        ++lead;
    }
    if (isMboxStart(QByteArrayView(buffer_).sliced(lead))) {
        kind_ = Kind::Mbox;
        pos_ = lead;
    }
    return true;
}

bool MailSourceReader::readMore()
{
    if (pos_ > 0) {
        // Moved down by hand: removing from the front only moves the start of the data, and the
        // buffer then grows into fresh memory at every chunk instead of reusing its own.
        const qsizetype kept = buffer_.size() - pos_;
        if (kept > 0) {
            std::memmove(buffer_.data(), buffer_.constData() + pos_, static_cast<size_t>(kept));
        }
        buffer_.truncate(kept);
        bufferStart_ += pos_;
        pos_ = 0;
        // After one very large message the buffer need not stay that large.
        if (buffer_.capacity() > 4 * chunkSize_ && buffer_.size() < chunkSize_) {
            buffer_.squeeze();
        }
    }
    const qsizetype old = buffer_.size();
    buffer_.resize(old + chunkSize_);
    const qint64 got = device_->read(buffer_.data() + old, chunkSize_);
    if (got < 0) {
        buffer_.resize(old);
        fail(Texts::tr("čtení souboru selhalo"));
        return false;
    }
    buffer_.resize(old + got);
    if (got == 0) {
        atEnd_ = true;
    }
    return true;
}

qint64 MailSourceReader::bytesRead() const
{
    return kind_ == Kind::Maildir ? maildirRead_ : bufferStart_ + pos_;
}

bool MailSourceReader::next(MailMessage &message)
{
    if (done_) {
        return false;
    }
    switch (kind_) {
    case Kind::Maildir:
        return nextFromMaildir(message);
    case Kind::Mbox:
        return nextFromMbox(message);
    case Kind::Message:
        break;
    }
    while (!atEnd_) {
        if (!readMore()) {
            return false;
        }
    }
    message.number = ++number_;
    message.path = path_;
    message.offset = 0;
    message.raw = std::move(buffer_);
    buffer_.clear();
    pos_ = 0;
    bufferStart_ = message.raw.size();
    done_ = true;
    return true;
}

bool MailSourceReader::nextFromMbox(MailMessage &message)
{
    while (pos_ >= buffer_.size()) {
        if (atEnd_) {
            done_ = true;
            return false;
        }
        if (!readMore()) {
            return false;
        }
    }
    // pos_ stands at the "From " line of this message; the next such line after a blank line
    // ends it.
    qsizetype searchFrom = pos_ + 1;
    qsizetype end = -1;
    for (;;) {
        qsizetype resume = searchFrom;
        for (qsizetype at = searchFrom;;) {
            const qsizetype hit = buffer_.indexOf("\nFrom ", at);
            if (hit < 0) {
                resume = std::max(searchFrom, buffer_.size() - separatorLookBack);
                break;
            }
            const qsizetype lineStart = hit + 1;
            const qsizetype lineEnd = buffer_.indexOf('\n', lineStart);
            if (lineEnd < 0 && !atEnd_) {
                resume = hit; // the line is not all here yet
                break;
            }
            const bool afterBlankLine =
                hit >= 1 &&
                (buffer_.at(hit - 1) == '\n' ||
                 (hit >= 2 && buffer_.at(hit - 1) == '\r' && buffer_.at(hit - 2) == '\n'));
            const QByteArrayView line = QByteArrayView(buffer_).sliced(
                lineStart, (lineEnd < 0 ? buffer_.size() : lineEnd) - lineStart);
            if (afterBlankLine && isSeparatorLine(line)) {
                end = lineStart;
                break;
            }
            at = lineStart;
        }
        if (end >= 0) {
            break;
        }
        if (atEnd_) {
            end = buffer_.size();
            break;
        }
        const qsizetype shift = pos_;
        if (!readMore()) {
            return false;
        }
        searchFrom = resume - shift;
    }

    const qsizetype firstLineEnd = buffer_.indexOf('\n', pos_);
    const qsizetype bodyStart = firstLineEnd < 0 || firstLineEnd >= end ? end : firstLineEnd + 1;
    qsizetype bodyEnd = end;
    // The blank line before the next "From " belongs to the mbox, not to the message.
    if (end < buffer_.size()) {
        if (bodyEnd > bodyStart && buffer_.at(bodyEnd - 1) == '\n') {
            --bodyEnd;
        }
        if (bodyEnd > bodyStart && buffer_.at(bodyEnd - 1) == '\r') {
            --bodyEnd;
        }
    }
    message.number = ++number_;
    message.path = path_;
    message.offset = bufferStart_ + pos_;
    if (bodyEnd - bodyStart > chunkSize_) {
        // A message larger than a chunk is most of the buffer: the buffer becomes the message,
        // trimmed in place, and the little after it is kept, so that it is never held twice.
        QByteArray rest = buffer_.sliced(end);
        message.raw = std::move(buffer_);
        message.raw.truncate(bodyEnd);
        message.raw.remove(0, bodyStart);
        buffer_ = std::move(rest);
        bufferStart_ += end;
        pos_ = 0;
    } else {
        message.raw = buffer_.mid(bodyStart, bodyEnd - bodyStart);
        pos_ = end;
    }
    unescapeFromLines(message.raw);
    return true;
}

bool MailSourceReader::nextFromMaildir(MailMessage &message)
{
    while (maildirNext_ < maildirFiles_.size()) {
        const QString listed = maildirFiles_.at(maildirNext_++);
        QFile file(listed);
        bool opened = file.open(QIODevice::ReadOnly);
        if (!opened) {
            const QString moved = movedMaildirFile(path_, listed);
            if (!moved.isEmpty()) {
                file.setFileName(moved);
                opened = file.open(QIODevice::ReadOnly);
            }
        }
        if (!opened) {
            ++unreadable_;
            continue;
        }
        QByteArray raw = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            ++unreadable_;
            continue;
        }
        maildirRead_ += raw.size();
        message.number = ++number_;
        message.path = file.fileName();
        message.offset = 0;
        message.raw = std::move(raw);
        return true;
    }
    done_ = true;
    return false;
}

namespace {
MailReading readAll(MailSourceReader &reader, bool opened,
                    const std::function<bool(qint64, qint64)> &progress,
                    const FoundReportSink &sink = {})
{
    MailReading result;
    result.kind = reader.kind();
    result.path = reader.path();
    if (!opened) {
        result.error = reader.error();
        return result;
    }
    BlockRepeats repeats;
    MailMessage message;
    bool cancelled = false;
    const auto stillWanted = [&] {
        cancelled = cancelled || (progress && !progress(reader.bytesRead(), reader.totalBytes()));
        return !cancelled;
    };
    while (reader.next(message)) {
        ++result.messages;
        const auto problem = [&](const QString &text) {
            result.messageProblems.append(
                reader.kind() == MailSourceReader::Kind::Message
                    ? text
                    : Texts::tr("e-mail %1: %2").arg(QString::number(message.number), text));
        };
        // Lines are counted as if the texts stood one after another, a blank line between.
        int lineOffset = 0;
        const MailTextReading texts = visitMailTexts(message.raw, [&](const QString &text) {
            if (!stillWanted()) {
                return false;
            }
            for (DecodedReport &report : findReportBlocks(text)) {
                if (repeats.isRepeat(report)) {
                    ++result.repeated;
                    continue;
                }
                report.firstLine += lineOffset;
                (report.isOk() ? result.good : result.refused) += 1;
                if (sink) {
                    sink(result, {std::move(report), message.number, message.path});
                } else {
                    result.reports.append({std::move(report), message.number, message.path});
                }
            }
            lineOffset += static_cast<int>(text.count(u'\n')) + 2;
            return stillWanted();
        });
        if (texts.cutShort) {
            problem(Texts::tr("zpráva je vnořená příliš hluboko"));
        }
        for (const QString &refused : texts.refusedParts) {
            problem(refused);
        }
        message.raw.clear();
        if (cancelled || !stillWanted()) {
            MailReading stopped;
            stopped.kind = result.kind;
            stopped.path = result.path;
            stopped.cancelled = true;
            return stopped;
        }
    }
    result.error = reader.error();
    result.unreadableMessages = reader.unreadableMessages();
    return result;
}
} // namespace

MailReading readMailSource(const QString &path, const std::function<bool(qint64, qint64)> &progress)
{
    MailSourceReader reader;
    const bool opened = reader.open(path);
    return readAll(reader, opened, progress);
}

MailReading readMailSource(QIODevice *device, const QString &name,
                           const std::function<bool(qint64, qint64)> &progress)
{
    MailSourceReader reader;
    const bool opened = reader.open(device, name);
    return readAll(reader, opened, progress);
}

MailReading streamMailSource(const QString &path, const FoundReportSink &found)
{
    MailSourceReader reader;
    const bool opened = reader.open(path);
    return readAll(reader, opened, {}, found);
}

MailReading streamMailSource(QIODevice *device, const QString &name, const FoundReportSink &found)
{
    MailSourceReader reader;
    const bool opened = reader.open(device, name);
    return readAll(reader, opened, {}, found);
}

QString mailSourceProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return info.isSymLink() ? Texts::tr("soubor neexistuje (odkaz nikam nevede)")
                                : Texts::tr("soubor neexistuje");
    }
    if (info.isDir()) {
        const QString root = maildirRoot(path);
        if (root.isEmpty()) {
            return Texts::tr("složka není pošta ve formátu Maildir (chybí v ní složky cur a new)");
        }
        if (!QFileInfo(root).isReadable() || !QFileInfo(root).isExecutable()) {
            return Texts::tr("složku nelze číst (nemáte oprávnění)");
        }
        return {};
    }
    if (!info.isReadable()) {
        return Texts::tr("soubor nelze číst (nemáte oprávnění)");
    }
    return {};
}

bool endsInTheFuture(const DecodedReport &report, const QDateTime &now)
{
    // Counted from the fields of both times: Qt's own comparison asks the C library each time.
    return report.isOk() && localMSecsTo(now, report.to) > clockToleranceSeconds * 1000;
}

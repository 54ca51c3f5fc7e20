#include "data/DataFiles.h"

#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

enum class LineRead { Line, End, TooLong };

// "A line may hold at most 4095 bytes" is read as: the 4096-byte buffer holds the line, its
// line end (one LF in text mode) and the terminating NUL, so at most 4094 bytes of content.
constexpr int kMaxLineContent = kLineBufferSize - 2;

// Reads one line as a text-mode reader with a 4096-byte buffer would: the line end
// (CRLF or LF) is not part of the content, and a line that does not fit the buffer
// together with its line end is too long.
LineRead readLine(QIODevice& file, QByteArray& content, QByteArray& raw)
{
    char buffer[kLineBufferSize + 1];
    const qint64 n = file.readLine(buffer, sizeof buffer);
    if (n <= 0)
        return LineRead::End;
    raw = QByteArray(buffer, n);
    content = raw;
    if (content.endsWith('\n')) {
        content.chop(1);
        if (content.endsWith('\r'))
            content.chop(1);
    }
    return content.size() > kMaxLineContent ? LineRead::TooLong : LineRead::Line;
}

// Splits at "," skipping empty fields, as a tokenizer that treats runs of the separator as one.
void fillRow(Table& table, int row, const QString& line)
{
    int column = 0;
    for (const QString& field : line.split(u',', Qt::SkipEmptyParts)) {
        if (column >= table.colCount())
            break;
        table.setCell(column++, row, field);
    }
}

QString pathOf(const QString& dir, const QString& name)
{
    return QDir(dir).filePath(name);
}

// What an atomic save puts between a data file's name and the random part of its temporary
// file's name: a mark no one gives a copy of their own, so that the start-up can remove the
// leftovers of a killed save without doubt.
const QString kTemporaryMark = QStringLiteral(".~rotandesk-save-");

// Replaces the file at path (the file its links lead to, when it is a link) with bytes: they are
// written and synced to a temporary file beside it, which then takes the file's name in one step.
// The file itself is never opened for writing, so a failure at any moment leaves it whole; name
// is what a failure reports.
std::optional<FileError> replaceFile(const QString& path, const QString& name, const QByteArray& bytes)
{
    const std::optional<QString> target = linkedFile(path);
    if (!target)
        return FileError { FileError::Kind::Create, name, qt_error_string(ELOOP) };
    const QFileInfo existing(*target);
    if (existing.exists() && !existing.isFile())
        return FileError { FileError::Kind::Create, name, qt_error_string(existing.isDir() ? EISDIR : EINVAL) };
    QTemporaryFile temporary(*target + kTemporaryMark + QStringLiteral("XXXXXX"));
    if (!temporary.open())
        return FileError { FileError::Kind::Create, name, temporary.errorString() };
    temporary.setPermissions(existing.exists()
            ? existing.permissions()
            : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // A short write (disk full, size limit) shows in the count or at the flush; the sync makes
    // the bytes durable before the name moves to them.
    if (temporary.write(bytes) != bytes.size() || !temporary.flush() || ::fsync(temporary.handle()) != 0)
        return FileError { FileError::Kind::Write, name, temporary.errorString() };
    temporary.close();
    if (::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(*target).constData()) != 0)
        return FileError { FileError::Kind::Write, name, qt_error_string(errno) };
    temporary.setAutoRemove(false);
    return std::nullopt;
}

std::optional<FileError> copyToBackup(const QString& path, const QString& name)
{
    // A dangling link has no file to back up; QFileInfo follows the link to tell.
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return FileError { FileError::Kind::Write, name, source.errorString() };
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return FileError { FileError::Kind::Write, name, source.errorString() };
    return replaceFile(path + QStringLiteral(".bak"), backupFileName(name), bytes);
}

} // namespace

QString backupFileName(const QString& name)
{
    return name + QStringLiteral(".bak");
}

QString recoveryFileName(const QString& name)
{
    return name + QStringLiteral(".recover");
}

std::optional<FileError> ensureFile(const QString& dir, const QString& name)
{
    const QString path = pathOf(dir, name);
    if (QFile::exists(path))
        return std::nullopt;
    // Appending creates a missing file without ever truncating one that appeared meanwhile,
    // and follows a link whose target is missing, so a failure names the real cause.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const QFileInfo info(path);
        const QString link = info.isSymLink() ? QStringLiteral(" → ") + info.symLinkTarget() : QString();
        return FileError { FileError::Kind::Create, name + link, file.errorString() };
    }
    return std::nullopt;
}

std::optional<QString> linkedFile(const QString& path)
{
    // As many links as the system follows before it gives up (ELOOP).
    constexpr int kMaxLinks = 40;
    QString file = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        const QFileInfo info(file);
        if (!info.isSymLink())
            return file;
        file = info.symLinkTarget(); // absolute, a relative link read from the link's own folder
    }
    return std::nullopt;
}

void removeLinkedFile(const QString& path)
{
    if (const std::optional<QString> file = linkedFile(path))
        QFile::remove(*file);
}

void removeStaleTemporaries(const QString& dir, const QStringList& names)
{
    // Only names with the mark of our own saves: a copy the user named like a data file
    // ("zelrotandata.zel.backup", "… .202405") is theirs. Temporaries of the program's earlier
    // versions, named like such copies, are left alone. A save through a link leaves its
    // temporary beside the file the link leads to.
    QHash<QString, QSet<QString>> prefixesByFolder;
    for (const QString& name : names) {
        for (const QString& own : { name, backupFileName(name), recoveryFileName(name) }) {
            const QString path = pathOf(dir, own);
            for (const QString& file : { path, linkedFile(path).value_or(path) }) {
                const QFileInfo info(file);
                prefixesByFolder[info.absolutePath()].insert(info.fileName() + kTemporaryMark);
            }
        }
    }
    static const QRegularExpression random(QStringLiteral("^[A-Za-z0-9]{6}$"));
    for (auto folder = prefixesByFolder.cbegin(); folder != prefixesByFolder.cend(); ++folder) {
        const QDir directory(folder.key());
        for (const QString& entry : directory.entryList(QDir::Files | QDir::Hidden | QDir::System))
            for (const QString& prefix : folder.value())
                if (entry.startsWith(prefix) && random.match(entry.mid(prefix.size())).hasMatch())
                    QFile::remove(directory.filePath(entry));
    }
}

LoadResult loadTableFile(const QString& dir, const QString& name, Table& table, LoadLimit limit)
{
    LoadResult result;
    if (auto error = ensureFile(dir, name)) {
        result.error = error;
        return result;
    }
    QFile file(pathOf(dir, name));
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = FileError { FileError::Kind::Open, name, file.errorString() };
        return result;
    }
    return readTable(file, table, limit);
}

LoadResult readTable(QIODevice& file, Table& table, LoadLimit limit)
{
    LoadResult result;
    QByteArray taken;
    QByteArray content;
    QByteArray raw;
    bool stoppedEarly = false;
    int row = 0;
    for (; row < table.rowCount(); ++row) {
        const LineRead read = readLine(file, content, raw);
        if (read == LineRead::End)
            break;
        if (read == LineRead::TooLong) {
            stoppedEarly = true;
            break;
        }
        fillRow(table, row, cp932::decode(content));
        // The saver writes every cell with its comma, so a row read from a line with missing
        // fields comes out longer than it came in. A row whose saved line would not fit the
        // buffer is not taken, so that whatever is saved can be read back whole.
        if (!table.cell(0, row).isEmpty() && serializeRow(table, row).size() > kMaxLineContent) {
            table.clearRow(row);
            stoppedEarly = true;
            break;
        }
        taken += raw;
    }
    if (row == table.rowCount() && !stoppedEarly && readLine(file, content, raw) != LineRead::End) {
        stoppedEarly = true;
        result.capacityExceeded = limit == LoadLimit::CapacityFlag;
    }
    result.takenCompletely = !stoppedEarly && serializeTable(table) == taken;
    return result;
}

QByteArray serializeRow(const Table& table, int row)
{
    QString text;
    for (int c = 0; c < table.colCount(); ++c) {
        text += table.cell(c, row);
        text += u',';
    }
    return cp932::encode(text);
}

QByteArray serializeTable(const Table& table)
{
    QByteArray bytes;
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.cell(0, r).isEmpty())
            continue;
        bytes += serializeRow(table, r);
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<FileError> saveTableFile(const QString& dir, const QString& name, const Table& table, bool keepBackup)
{
    return saveFile(dir, name, serializeTable(table), keepBackup);
}

std::optional<FileError> saveFile(const QString& dir, const QString& name, const QByteArray& bytes, bool keepBackup)
{
    const QString path = pathOf(dir, name);
    if (keepBackup) {
        if (auto error = copyToBackup(path, name))
            return error;
    }
    return replaceFile(path, name, bytes);
}

#include "data/Journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

void Journal::loaded(const QString& name, const QByteArray& bytes)
{
    loaded_.insert(name, bytes);
}

std::optional<FileError> Journal::record(const QString& dir, const QList<FileBytes>& files)
{
    std::optional<FileError> first;
    for (const FileBytes& file : files) {
        if (leftAlone_.contains(file.name)) // a journal of this table would replace a file the user may need
            continue;
        if (const auto known = loaded_.constFind(file.name); known != loaded_.cend() && *known == file.bytes) {
            remove(dir, file.name); // back to what was loaded: nothing to recover
            continue;
        }
        if (const auto known = written_.constFind(file.name); known != written_.cend() && *known == file.bytes)
            continue;
        if (auto error = saveFile(dir, recoveryFileName(file.name), file.bytes, false)) {
            if (!first)
                first = error;
            continue;
        }
        written_.insert(file.name, file.bytes);
    }
    return first;
}

void Journal::leaveAlone(const QString& name)
{
    leftAlone_.insert(name);
}

void Journal::remove(const QString& dir, const QString& name)
{
    if (written_.remove(name) > 0)
        removeLinkedFile(QDir(dir).filePath(recoveryFileName(name)));
}

void Journal::saved(const QString& dir, const QString& name)
{
    written_.remove(name);
    if (!leftAlone_.contains(name))
        removeLinkedFile(QDir(dir).filePath(recoveryFileName(name)));
}

RecoveryScan scanRecoveryFiles(const QString& dir, const QList<PersistedFile>& files)
{
    RecoveryScan scan;
    const QDir directory(dir);
    for (const PersistedFile& file : files) {
        const QFileInfo data(directory.filePath(file.name));
        if (data.exists() && (!scan.lastClose.isValid() || data.lastModified() > scan.lastClose))
            scan.lastClose = data.lastModified();
        const QFileInfo recovery(directory.filePath(recoveryFileName(file.name)));
        if (!recovery.exists())
            continue;
        // File times of the same second cannot tell which was written first, and a normal close
        // writes its data file after the last journal: only a later second means a later write.
        if (data.exists() && recovery.lastModified().toSecsSinceEpoch() <= data.lastModified().toSecsSinceEpoch())
            continue;
        QFile in(recovery.filePath());
        QByteArray bytes;
        if (in.open(QIODevice::ReadOnly))
            bytes = in.readAll();
        if (!in.isOpen() || in.error() != QFileDevice::NoError) {
            scan.unreadable.append(file);
            continue;
        }
        QFile current(data.filePath());
        const QByteArray saved = data.exists() && current.open(QIODevice::ReadOnly) ? current.readAll() : QByteArray();
        if (current.isOpen() && saved == bytes)
            continue;
        scan.newer.append(
            { file, recovery.lastModified(), data.exists() ? data.lastModified() : QDateTime(), bytes, saved });
    }
    return scan;
}

std::optional<FileError> restoreRecovery(const QString& dir, const Recovery& recovery)
{
    if (auto error = saveFile(dir, recovery.file.name, recovery.bytes, true))
        return error;
    removeLinkedFile(QDir(dir).filePath(recoveryFileName(recovery.file.name)));
    return std::nullopt;
}

std::optional<FileError> setRecoveryAside(const QString& dir, const Recovery& recovery)
{
    const QString name = recoveryFileName(recovery.file.name);
    // A recovery file that is a link stays one: the file it leads to is set aside beside itself.
    const std::optional<QString> path = linkedFile(QDir(dir).filePath(name));
    if (!path)
        return FileError { FileError::Kind::Write, name, qt_error_string(ELOOP) };
    const QString stem = *path + recovery.written.toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + QStringLiteral("-%1").arg(n);
    // QFile::rename() refuses to replace an existing file.
    QFile file(*path);
    if (!file.rename(aside))
        return FileError { FileError::Kind::Write, name, file.errorString() };
    return std::nullopt;
}

#include "data/Unitdata.h"

#include "platform/Numbers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <algorithm>

namespace {

// A file beside the two data files: how the data holder takes its bytes in and gives them out,
// how its problems are told, and what a recovery file of it brings back.
struct Extension {
    QString name;
    QString label;
    QByteArray (*serialize)(const TFormData&);
    // Takes the file's bytes into the holder and returns the lines not taken.
    QList<RejectedLine> (*read)(TFormData&, const QByteArray&);
    QString (*rejectedLinesMessage)(const QList<RejectedLine>&);
    QString (*openFailureMessage)(const FileError&);
    // What the recovered bytes hold that the saved ones do not, in the user's words.
    QString (*recoveryContent)(const QByteArray& saved, const QByteArray& recovered);
};

// How many keys two maps of one file's content disagree on: present in one only, or different.
template <typename Map> int differingKeys(const Map& a, const Map& b)
{
    int n = 0;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        n += !b.contains(it.key()) || b.value(it.key()) != it.value() ? 1 : 0;
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        n += a.contains(it.key()) ? 0 : 1;
    return n;
}

QHash<QString, QList<QByteArray>> employeeLines(const QByteArray& bytes)
{
    Table table { 44, kMaxEmployees };
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    readTable(buffer, table, LoadLimit::IgnoreExtraRows);
    QHash<QString, QList<QByteArray>> lines;
    for (int row = 0; row < table.rowCount(); ++row)
        if (!table.cell(0, row).isEmpty())
            lines[table.cell(0, row)].append(serializeRow(table, row));
    return lines;
}

QHash<QPair<QString, QDate>, DayEntry> changeEntries(const QByteArray& bytes)
{
    QHash<QPair<QString, QDate>, DayEntry> entries;
    for (const DayChange& c : changefile::read(bytes).changes.list())
        entries.insert({ c.name, c.date }, c.entry);
    return entries;
}

QHash<QPair<QString, QDate>, requests::Wish> wishes(const QByteArray& bytes)
{
    QHash<QPair<QString, QDate>, requests::Wish> out;
    for (const requests::Request& r : requestfile::read(bytes).requests.list())
        out.insert({ r.name, r.date }, r.wish);
    return out;
}

const std::vector<Extension>& extensions()
{
    static const std::vector<Extension> files {
        { TFormData::kChangeFile, QStringLiteral("勤務変更"),
            [](const TFormData& data) { return changefile::serialize(data.dayChanges, data.StringGrid1); },
            [](TFormData& data, const QByteArray& bytes) {
                changefile::ReadResult read = changefile::read(bytes);
                data.dayChanges = std::move(read.changes);
                return read.rejected;
            },
            changefile::rejectedLinesMessage, changefile::openFailureMessage,
            [](const QByteArray& saved, const QByteArray& recovered) {
                return QStringLiteral("勤務変更 %1 件")
                    .arg(differingKeys(changeEntries(saved), changeEntries(recovered)));
            } },
        { TFormData::kTargetFile, QStringLiteral("必要人数"),
            [](const TFormData& data) { return targetfile::serialize(data.staffTargets); },
            [](TFormData& data, const QByteArray& bytes) {
                targetfile::ReadResult read = targetfile::read(bytes);
                data.staffTargets = std::move(read.table);
                return read.rejected;
            },
            targetfile::rejectedLinesMessage, targetfile::openFailureMessage,
            [](const QByteArray&, const QByteArray&) { return QStringLiteral("必要人数の設定"); } },
        { TFormData::kLabourFile, QStringLiteral("労務設定"),
            [](const TFormData& data) { return labourfile::serialize(data.labourSettings); },
            [](TFormData& data, const QByteArray& bytes) {
                labourfile::ReadResult read = labourfile::read(bytes);
                data.labourSettings = std::move(read.settings);
                return read.rejected;
            },
            labourfile::rejectedLinesMessage, labourfile::openFailureMessage,
            [](const QByteArray&, const QByteArray&) { return QStringLiteral("労務設定の変更"); } },
        { TFormData::kRequestFile, QStringLiteral("希望"),
            [](const TFormData& data) { return requestfile::serialize(data.staffRequests, data.StringGrid1); },
            [](TFormData& data, const QByteArray& bytes) {
                requestfile::ReadResult read = requestfile::read(bytes);
                data.staffRequests = std::move(read.requests);
                return read.rejected;
            },
            requestfile::rejectedLinesMessage, requestfile::openFailureMessage,
            [](const QByteArray& saved, const QByteArray& recovered) {
                return QStringLiteral("希望 %1 件").arg(differingKeys(wishes(saved), wishes(recovered)));
            } },
        { TFormData::kPatternFile, QStringLiteral("勤務パターン"),
            [](const TFormData& data) { return patternfile::serialize(data.shiftPatterns); },
            [](TFormData& data, const QByteArray& bytes) {
                patternfile::ReadResult read = patternfile::read(bytes);
                data.shiftPatterns = std::move(read.patterns);
                return read.rejected;
            },
            patternfile::rejectedLinesMessage, patternfile::openFailureMessage,
            [](const QByteArray&, const QByteArray&) { return QStringLiteral("勤務パターンの設定"); } },
        { TFormData::kHistoryFile, QStringLiteral("過去の勤務"),
            [](const TFormData& data) { return historyfile::serialize(data.keptSchedule); },
            [](TFormData& data, const QByteArray& bytes) {
                historyfile::ReadResult read = historyfile::read(bytes);
                data.keptSchedule = std::move(read.kept);
                return read.rejected;
            },
            historyfile::rejectedLinesMessage, historyfile::openFailureMessage,
            [](const QByteArray&, const QByteArray&) { return QStringLiteral("過去の勤務の記録"); } },
        { TFormData::kPublishedFile, QStringLiteral("確定日"),
            [](const TFormData& data) { return publishedfile::serialize(data.publishedUntil); },
            [](TFormData& data, const QByteArray& bytes) {
                publishedfile::ReadResult read = publishedfile::read(bytes);
                data.publishedUntil = read.until;
                return read.rejected;
            },
            publishedfile::rejectedLinesMessage, publishedfile::openFailureMessage,
            [](const QByteArray&, const QByteArray&) { return QStringLiteral("確定日の設定"); } },
    };
    return files;
}

const Extension* extensionNamed(const QString& name)
{
    const auto& files = extensions();
    const auto it = std::find_if(files.begin(), files.end(), [&name](const Extension& e) { return e.name == name; });
    return it != files.end() ? &*it : nullptr;
}

} // namespace

int TFormData::employeeCount() const
{
    int n = 0;
    for (int r = 0; r < kMaxEmployees; ++r)
        n += StringGrid1.cell(0, r).isEmpty() ? 0 : 1;
    return n;
}

int TFormData::periodLength() const
{
    return numbers::parseInt(StringGrid2.cell(6, 0)).value_or(0);
}

int TFormData::weekdayBlock(int code)
{
    return ((code + 5) % 7 + 7) % 7;
}

TFormData::Loaded TFormData::loadedFrom(const LoadResult& result)
{
    if (result.error)
        return Loaded::No;
    return result.takenCompletely ? Loaded::Completely : Loaded::Partly;
}

void TFormData::setLoaded(const QString& name, Loaded loaded, const QByteArray& bytes)
{
    loaded_.insert(name, loaded);
    if (loaded != Loaded::No)
        journal_.loaded(name, bytes);
}

std::optional<FileError> TFormData::loadMaster(const QString& dir, bool& capacityExceeded)
{
    const LoadResult result = loadTableFile(dir, kMasterFile, StringGrid1, LoadLimit::CapacityFlag);
    capacityExceeded = result.capacityExceeded;
    setLoaded(kMasterFile, loadedFrom(result), serializeTable(StringGrid1));
    return result.error;
}

std::optional<FileError> TFormData::loadSchedule(const QString& dir)
{
    const LoadResult result = loadTableFile(dir, kScheduleFile, StringGrid2, LoadLimit::IgnoreExtraRows);
    setLoaded(kScheduleFile, loadedFrom(result), serializeTable(StringGrid2));
    return result.error;
}

TFormData::FileLoad TFormData::loadExtension(const QString& dir, const QString& name)
{
    const Extension* extension = extensionNamed(name);
    if (!extension)
        return { name, FileError { FileError::Kind::Open, name, QString() }, {}, QString() };
    extension->read(*this, QByteArray()); // nothing until the file is read
    QFile file(QDir(dir).filePath(name));
    if (!file.exists()) {
        setLoaded(name, Loaded::Missing, QByteArray());
        return { name, std::nullopt, {}, QString() };
    }
    const auto unreadable = [this, extension, &file, &name]() -> FileLoad {
        setLoaded(name, Loaded::No, QByteArray());
        const FileError error { FileError::Kind::Open, name, file.errorString() };
        return { name, error, {}, extension->openFailureMessage(error) };
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    const QList<RejectedLine> rejected = extension->read(*this, bytes);
    const QByteArray taken = extension->serialize(*this);
    setLoaded(name, rejected.isEmpty() && taken == bytes ? Loaded::Completely : Loaded::Partly, taken);
    return { name, std::nullopt, rejected, rejected.isEmpty() ? QString() : extension->rejectedLinesMessage(rejected) };
}

QList<TFormData::FileLoad> TFormData::loadExtensions(const QString& dir)
{
    QList<FileLoad> loads;
    for (const Extension& extension : extensions())
        loads.append(loadExtension(dir, extension.name));
    return loads;
}

bool TFormData::isLoaded(const QString& name) const
{
    return loadedState(name) != Loaded::No;
}

std::vector<TFormData::Persisted> TFormData::persisted() const
{
    std::vector<Persisted> files {
        { { kMasterFile, QStringLiteral("従業員マスタ") }, serializeTable(StringGrid1), loadedState(kMasterFile) },
        { { kScheduleFile, QStringLiteral("勤務期間") }, serializeTable(StringGrid2), loadedState(kScheduleFile) },
    };
    for (const Extension& extension : extensions())
        files.push_back(
            { { extension.name, extension.label }, extension.serialize(*this), loadedState(extension.name) });
    return files;
}

std::optional<FileError> TFormData::saveAll(const QString& dir)
{
    for (const Persisted& p : persisted()) {
        if (p.loaded == Loaded::No)
            continue;
        // A file not taken whole keeps its bytes in the backup; so does a file beside the data
        // files that appeared since start-up.
        if (p.written())
            if (auto error = saveFile(dir, p.file.name, p.bytes, p.loaded != Loaded::Completely))
                return error;
        journal_.saved(dir, p.file.name);
    }
    return std::nullopt;
}

QList<PersistedFile> TFormData::persistedFiles() const
{
    QList<PersistedFile> files;
    for (const Persisted& p : persisted())
        files.append(p.file);
    return files;
}

QString TFormData::recoveryContent(const Recovery& recovery)
{
    if (recovery.file.name == kMasterFile) {
        const int n = differingKeys(employeeLines(recovery.saved), employeeLines(recovery.bytes));
        return QStringLiteral("従業員 %1 名の登録・変更").arg(n);
    }
    if (recovery.file.name == kScheduleFile)
        return QStringLiteral("勤務期間の登録");
    if (const Extension* extension = extensionNamed(recovery.file.name))
        return extension->recoveryContent(recovery.saved, recovery.bytes);
    return recovery.file.label;
}

std::optional<FileError> TFormData::writeJournal(const QString& dir)
{
    QList<FileBytes> loaded;
    for (const Persisted& p : persisted())
        if (p.loaded != Loaded::No)
            loaded.append({ p.file.name, p.bytes });
    return journal_.record(dir, loaded);
}

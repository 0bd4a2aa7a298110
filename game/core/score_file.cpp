#include "score_file.h"

#include <sys/file.h>
#include <QFile>
#include <QLockFile>
#include <chrono>

#include "file_lock.h"
#include "file_lookup.h"
#include "file_system.h"
#include "score_time.h"

namespace {

// Writing a table takes milliseconds; a game that holds the lock longer has stopped, and QLockFile takes its
// lock over once the holder is gone or the lock is this old.
constexpr std::chrono::milliseconds kLockWait(5000);
constexpr int kStaleLockMs = 10000;

// The lock beside the table. In a folder that refuses new files (a shared program folder whose score file alone
// is writable) no lock file can be made there; the table is then rewritten in place, never renamed, so a lock
// on the table file itself holds as well.
class TableLock {
public:
    explicit TableLock(const std::string& tablePath)
        : m_lockFile(QString::fromStdString(tablePath) + QStringLiteral(".lock")),
          m_table(QString::fromStdString(tablePath))
    {
        m_lockFile.setStaleLockTime(kStaleLockMs);
        if (lockWithin(m_lockFile, kLockWait)) {
            m_held = true;
        } else if (m_lockFile.error() == QLockFile::PermissionError && m_table.open(QIODevice::ReadOnly)) {
            m_held = flock(m_table.handle(), LOCK_EX) == 0;
        }
    }
    ~TableLock()
    {
        if (m_table.isOpen())
            flock(m_table.handle(), LOCK_UN);
    }
    // Another game holds the table and did not let go in time.
    bool busy() const { return !m_held && m_lockFile.error() == QLockFile::LockFailedError; }

private:
    QLockFile m_lockFile;
    QFile m_table;
    bool m_held = false;
};

}  // namespace

StoredEntry enterStoredHighScore(const ScoreFilePlace& place, HighScoreRow row)
{
    makeFolders(place.path.substr(0, place.path.rfind('/')));
    const TableLock lock(place.path);
    StoredEntry entry{readScoreFile(place).value_or(StoredHighScores{}).table, std::nullopt};
    if (const std::optional<int> rank = findHighScorePlace(entry.table, timeValue(row.time)))
        insertHighScore(entry.table, *rank, std::move(row));
    if (lock.busy()) {
        entry.failure = "Cannot write \"" + place.path + "\": another game holds its table and did not let go.";
        return entry;
    }
    // Where no lock could be made at all, the write is still tried: it says best why the table cannot be stored.
    entry.failure = writeHighScoreFile(place.path, entry.table);
    return entry;
}

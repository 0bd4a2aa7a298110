#include "file_lock.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kLockPoll(1);

}  // namespace

// QLockFile's own wait sleeps 100 ms and then ever longer; a program waiting behind one that writes many
// times in a row could miss every short gap between them and give up. Trying often keeps the wait fair.
bool lockWithin(QLockFile& lock, std::chrono::milliseconds wait)
{
    const QDeadlineTimer deadline(wait);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(kLockPoll);
    }
    return true;
}

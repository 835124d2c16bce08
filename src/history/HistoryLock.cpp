// SPDX-License-Identifier: MIT
// The history's lock file, with flock(2): a lock belongs to the open file, so
// two histories in one process exclude each other as two programs do.
#include "HistoryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

THistoryLock::THistoryLock(const QString& databaseFile)
    : fileName_(databaseFile + QStringLiteral(".lock")) {}

THistoryLock::~THistoryLock() {
    if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

bool THistoryLock::TryFor(int operation, int waitMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::flock(fd_, operation | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return false;
        if (waited.elapsed() >= waitMs) return false;
        QThread::msleep(10);
    }
}

bool THistoryLock::Take(int waitMs) {
    if (fd_ < 0) {
        fd_ = ::open(QFile::encodeName(fileName_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) return false;
    }
    // A copy opening the database holds the lock alone for a moment; copies
    // that have it open hold it shared for as long as they run. So: alone
    // if no one holds it now, else shared beside the running copies, once
    // an opening one is done.
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        mode_ = TMode::Alone;
        return true;
    }
    if (TryFor(LOCK_SH, waitMs)) {
        mode_ = TMode::Shared;
        return true;
    }
    return false;
}

void THistoryLock::Share() {
    if (mode_ == TMode::Alone && ::flock(fd_, LOCK_SH) == 0) mode_ = TMode::Shared;
}

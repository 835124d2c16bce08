// SPDX-License-Identifier: MIT
// THistoryLock: the lock file beside the history that lets several copies of
// the game share one database. Every copy holds it shared while it has the
// database open; a copy that opens, creates or checks the database first
// tries to hold it alone. Only a copy that holds it alone may create the
// schema from nothing or move a damaged file aside, so no file is moved
// while another copy has it open or is still creating it.
#pragma once

#include <QString>

class THistoryLock {
  public:
    explicit THistoryLock(const QString& databaseFile);
    ~THistoryLock();  // lets go
    THistoryLock(const THistoryLock&) = delete;
    THistoryLock& operator=(const THistoryLock&) = delete;

    // Holds the lock alone if no other copy holds it; else shares it with
    // the copies that have the database open, waiting up to `waitMs` for
    // one that holds it alone. False when neither could be had.
    bool Take(int waitMs);
    bool Alone() const { return mode_ == TMode::Alone; }
    bool Held() const { return mode_ != TMode::None; }
    // From alone to shared, once opening is done.
    void Share();

  private:
    enum class TMode { None, Shared, Alone };
    bool TryFor(int operation, int waitMs);

    QString fileName_;
    int fd_ = -1;
    TMode mode_ = TMode::None;
};

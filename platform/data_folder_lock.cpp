#include "platform/data_folder_lock.h"

#include <QFile>
#include <QString>

#include "core/data_files.h"
#include "core/safe_file.h"

namespace tavix {

const char kDataFolderLockFile[] = ".tavix-data.lock";

DataFolderLock::DataFolderLock(const std::string& folder)
    : path_(JoinPath(folder, kDataFolderLockFile)),
      lock_(std::make_unique<QLockFile>(QFile::decodeName(path_.c_str()))) {
    // A lock is never stale by its age, only when the program that holds it is gone.
    lock_->setStaleLockTime(0);
}

DataFolderLock::Outcome DataFolderLock::TryHold() {
    if (lock_->tryLock(0)) return Outcome::Held;
    switch (lock_->error()) {
        case QLockFile::LockFailedError:
            return Outcome::InUse;
        case QLockFile::PermissionError:
            problem_ = "the folder is not writable, so no lock file can be made there";
            break;
        default:
            problem_ = "the lock file " + path_ + " could not be made";
            break;
    }
    return Outcome::Unavailable;
}

std::string DataFolderLock::Holder() const {
    qint64 pid = 0;
    QString host, program;
    if (!lock_->getLockInfo(&pid, &host, &program)) return "another program";
    std::string holder = "process " + std::to_string(pid);
    if (!host.isEmpty()) holder += " on " + host.toStdString();
    return holder;
}

bool HoldDataFolder(DataFolderLock& lock, const std::string& folder, Dialogs& dialogs, NBA& nba) {
    switch (lock.TryHold()) {
        case DataFolderLock::Outcome::Held:
            for (const char* name : {kStatisticsFile, kNamesFile}) RemoveSaveLeftovers(folder, name);
            return true;
        case DataFolderLock::Outcome::Unavailable:
            // Saves will fail there anyway and say why; the lock cannot help.
            return true;
        case DataFolderLock::Outcome::InUse:
            break;
    }
    const std::string holder = lock.Holder();
    const std::string question = "The data folder " + folder + " is in use by another Tavix (" + holder +
                                 ").\r\n\r\nOpen it read-only? You can look at everything, but this Tavix "
                                 "will save no statistics, names or settings, so the other one's are "
                                 "not undone.\r\n\r\nNo ends this Tavix.";
    if (dialogs.Show(question, "Tavix", Buttons::YesNo, Icon::Question) != Answer::Yes) return false;
    nba.readOnly = "another Tavix (" + holder + ") has the data folder " + folder +
                   " open, and this one opened it read-only";
    return true;
}

}  // namespace tavix

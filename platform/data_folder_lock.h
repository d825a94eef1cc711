#pragma once
// One Tavix at a time saves into a data folder: the first to open it holds a lock file there, and
// a second one learns who holds it and may only read the folder. Otherwise each would save its
// own figures over the other's without a word.

#include <QLockFile>
#include <memory>
#include <string>

#include "core/dialogs.h"
#include "core/league.h"

namespace tavix {

class DataFolderLock {
  public:
    explicit DataFolderLock(const std::string& folder);

    enum class Outcome { Held, InUse, Unavailable };
    // Takes the lock when no living program holds it (a lock left by a program that ended without
    // letting go is taken over).
    Outcome TryHold();
    // Who holds the folder, for the message: "process 4242 on desk".
    std::string Holder() const;
    // Why the lock could not be taken when TryHold said Unavailable.
    std::string Problem() const { return problem_; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::unique_ptr<QLockFile> lock_;
    std::string problem_;
};

// Holds `folder` for this program, or asks whether to open it read-only while another Tavix holds
// it; then every save of this run is refused with the reason in `nba.readOnly`. False when the user
// would rather not start. Once held, what killed saves left in the folder is removed.
bool HoldDataFolder(DataFolderLock& lock, const std::string& folder, Dialogs& dialogs, NBA& nba);

// The lock file's name in the data folder.
extern const char kDataFolderLockFile[];

}  // namespace tavix

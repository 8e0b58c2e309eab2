#pragma once
// The temporary files and folders the program writes beside a file before
// renaming them into place (the project save, every export). One naming rule
// for all of them, so that the program recognises what a killed run left
// behind:
//
//     .NAME.orvane-tmp-XXXXXX      beside NAME (hidden; XXXXXX from mkstemp/mkdtemp)
//
// Whoever writes in one holds an advisory lock (flock) on it, the file or the
// folder itself, until it is renamed or removed. (Earlier versions named them
// NAME.tmp-XXXXXX and .NAME.tmp-XXXXXX; a user's own "NAME.tmp-backup" looks
// the same, so those are left alone.)

#include <string>

namespace orvane {

// A stale temporary has not changed for this long and nobody holds its lock.
inline constexpr int kStaleTempSeconds = 60;

// The mkstemp/mkdtemp pattern of a temporary for `target`, in target's folder.
std::string TempPattern(const std::string& target);

// True when `entry` (a name, no folder) is a temporary of the file named
// `targetName` (no folder) under the rule above.
bool IsTempOf(const std::string& entry, const std::string& targetName);

// Removes the stale temporaries of target from its folder: files and folders
// under the naming rule that are older than kStaleTempSeconds and unlocked.
// Links are never followed. Returns how many were removed; never fails (what
// cannot be removed stays).
int RemoveStaleTemps(const std::string& target);

// A temporary folder beside a target, locked while this object lives and
// removed with everything in it when it goes.
class TempFolder {
public:
    explicit TempFolder(const std::string& target);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Empty when the folder could not be made (errno says why).
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int lockFd_ = -1;
};

}  // namespace orvane

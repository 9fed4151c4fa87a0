#pragma once
// The process's registry of open learning-statistics files: every learning
// interface opened on one file (same device and inode, whatever the path)
// shares one StatsFile.
//
// Lock order: the registry's lock, then a file's.  Handles from DoOpen are
// let go through DoRelease, under the registry's lock, so that a file whose
// last handle goes is unregistered before DoOpen can find it again.
#include <memory>
#include <vector>

#include "engine/compiled/learning_stats_file.h"
#include "engine/foundation/dictionary.h"

class Dictionary_EX_70Compiled_LearningInterface_Helper::StatsFileManager {
public:
    // The one registry, made on the first call and never destroyed.
    static StatsFileManager* Get();

    // The registered file that is the file at path, or a newly opened one.
    // Open errors are thrown (see StatsFile).
    QJShared<StatsFile> DoOpen(char const* path);
    // The dictionary is not needed to open its file; accepted for callers
    // that have one.
    QJShared<StatsFile> DoOpen(char const* path, Dictionary_EX* dictionary);
    // Drops the handle; the last one saves, closes and unregisters its file.
    void DoRelease(std::unique_ptr<QJShared<StatsFile>> handle);

    // Called by StatsFile itself on opening and destruction.
    void AddMe(StatsFile* file);
    void RemoveMe(StatsFile* file);

private:
    StatsFileManager() = default;

    std::vector<StatsFile*> fFiles;
    mutable CorvanCriticalSection fLock;
};

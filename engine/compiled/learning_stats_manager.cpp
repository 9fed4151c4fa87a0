#include "engine/compiled/learning_stats_manager.h"

#include <sys/stat.h>

#include <algorithm>

using Helper = Dictionary_EX_70Compiled_LearningInterface_Helper;
using StatsFileManager = Helper::StatsFileManager;
using StatsFile = Helper::StatsFile;

StatsFileManager* StatsFileManager::Get() {
    // Never destroyed: files may be released from other static destructors.
    static StatsFileManager* const instance = new StatsFileManager;
    return instance;
}

QJShared<StatsFile> StatsFileManager::DoOpen(char const* path) {
    AutoCriticalSection lock(fLock);
    struct stat status;
    if (path != nullptr && stat(path, &status) == 0) {
        for (StatsFile* file : fFiles) {
            if (file->IsSameFile(status.st_dev, status.st_ino)) return QJShared<StatsFile>(file);
        }
    }
    return QJShared<StatsFile>(new StatsFile(path));
}

QJShared<StatsFile> StatsFileManager::DoOpen(char const* path, Dictionary_EX* /*dictionary*/) { return DoOpen(path); }

void StatsFileManager::DoRelease(std::unique_ptr<QJShared<StatsFile>> handle) {
    AutoCriticalSection lock(fLock);
    handle.reset();
}

void StatsFileManager::AddMe(StatsFile* file) {
    AutoCriticalSection lock(fLock);
    if (std::find(fFiles.begin(), fFiles.end(), file) == fFiles.end()) fFiles.push_back(file);
}

void StatsFileManager::RemoveMe(StatsFile* file) {
    AutoCriticalSection lock(fLock);
    fFiles.erase(std::remove(fFiles.begin(), fFiles.end(), file), fFiles.end());
}

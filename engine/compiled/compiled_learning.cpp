#include "engine/compiled/compiled_learning.h"

#include <utility>

#include "engine/compiled/learning_stats_manager.h"
#include "engine/foundation/module_init.h"

namespace {

ModuleCounters const sModuleCounters;

}  // namespace

using Helper = Dictionary_EX_70Compiled_LearningInterface_Helper;

Helper::Dictionary_EX_70Compiled_LearningInterface_Helper() = default;

Helper::~Dictionary_EX_70Compiled_LearningInterface_Helper() { ReleaseFile(); }

void Helper::ReleaseFile() {
    if (fFile) StatsFileManager::Get()->DoRelease(std::move(fFile));
}

Helper::StatsFile* Helper::File() const { return fFile ? fFile->GetRep() : nullptr; }

bool Helper::IsReadOnly() {
    AutoCriticalSection lock(fLock);
    StatsFile* const file = File();
    return file == nullptr || file->IsReadOnly();
}

void Helper::DeleteAllStats() {
    AutoCriticalSection lock(fLock);
    if (StatsFile* const file = File()) file->DeleteAllEntries();
}

void Helper::FlushAllStats() {
    AutoCriticalSection lock(fLock);
    if (StatsFile* const file = File()) file->SaveToFile();
}

bool Helper::GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const {
    AutoCriticalSection lock(fLock);
    StatsFile* const file = File();
    return file != nullptr && file->GetLearningValue(finePOS, paraphrase, value);
}

void Helper::ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
    AutoCriticalSection lock(fLock);
    if (StatsFile* const file = File()) file->ClearLearningValue(finePOS, paraphrase);
}

void Helper::SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value) {
    AutoCriticalSection lock(fLock);
    if (StatsFile* const file = File()) file->SetLearningValue(finePOS, paraphrase, value);
}

bool Helper::IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const {
    AutoCriticalSection lock(fLock);
    StatsFile* const file = File();
    return file != nullptr && file->IsRecorded(finePOS, paraphrase);
}

bool Helper::GetUseLearning() const { return fFile != nullptr; }

void Helper::SetUseLearning(char const* path) { SetUseLearning(path, nullptr); }

void Helper::SetUseLearning(char const* path, Dictionary_EX* dictionary) {
    AutoCriticalSection lock(fLock);
    ReleaseFile();
    if (path == nullptr) return;
    StatsFileManager* const manager = StatsFileManager::Get();
    fFile.reset(
        new QJShared<StatsFile>(dictionary != nullptr ? manager->DoOpen(path, dictionary) : manager->DoOpen(path)));
}

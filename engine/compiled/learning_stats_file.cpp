#include "engine/compiled/learning_stats_file.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "engine/compiled/learning_stats_manager.h"
#include "engine/compiled/learning_stats_text.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_access.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/module_init.h"
#include "engine/foundation/warning.h"
#include "platform/files/file_system.h"

namespace {

ModuleCounters const sModuleCounters;

}  // namespace

using StatsFile = Dictionary_EX_70Compiled_LearningInterface_Helper::StatsFile;

namespace {

// Room kept ahead while the file's text is built.
constexpr std::size_t kExportReserve = 10240;

// Open errors that leave reading possible.
bool WritingRefused(int error) { return error == EACCES || error == EROFS; }

}  // namespace

StatsFile::StatsFile(char const* path) : fPath(path != nullptr ? path : "") {
    AutoCriticalSection lock(fCriticalSection);
    Open();
    try {
        LoadFromFile();
    } catch (...) {
        Close();
        throw;
    }
    StatsFileManager::Get()->AddMe(this);
}

StatsFile::~StatsFile() {
    StatsFileManager::Get()->RemoveMe(this);
    AutoCriticalSection lock(fCriticalSection);
    try {
        SaveToFile();
    } catch (FileException const& e) {
        PWarning("learning statistics: the values could not be saved", fPath.c_str(), e.Message(), __LINE__);
    }
    Close();
}

void StatsFile::Open() {
    FFSSpec const spec(fPath.c_str());
    fFile = FOpenAndCreateIfNotThere(spec, "rb+");
    if (fFile == nullptr) {
        if (!WritingRefused(errno)) FileException::ThrowLastError(fPath.c_str());
        fFile = FOpenExisting(spec, "rb", false, false, false);
        if (fFile == nullptr) FileException::ThrowLastError(fPath.c_str());
        fReadOnly = true;
    }
    FileStatus status;
    if (Files().Status(fileno(fFile), &status) != 0) {
        int const error = errno;
        Close();
        errno = error;
        FileException::ThrowLastError(fPath.c_str());
    }
    fDevice = status.device;
    fInode = status.inode;
}

void StatsFile::Close() {
    if (fFile == nullptr) return;
    if (std::fclose(fFile) != 0)
        PWarning("learning statistics: the file could not be closed", fPath.c_str(), std::strerror(errno), __LINE__);
    fFile = nullptr;
}

void StatsFile::LoadFromFile() {
    AutoCriticalSection lock(fCriticalSection);
    long const size = FileSize(fFile, fPath.c_str());
    std::string text(static_cast<std::size_t>(size), '\0');
    if (std::fseek(fFile, 0, SEEK_SET) != 0) throw FileSeekError(fPath.c_str(), errno);
    if (std::fread(text.data(), 1, text.size(), fFile) != text.size()) throw FileReadError(fPath.c_str(), errno);
    fLoading = true;
    for (LearningStatsLine const& line : ParseLearningStatsText(text))
        SaveThisEntry(line.key.headwordKey, line.key.featuresKey, line.key.paraphraseKey, line.value);
    fLoading = false;
}

void StatsFile::SaveToFile() {
    AutoCriticalSection lock(fCriticalSection);
    if (fReadOnly) return;
    std::string const text = ExportAllEntries();
    if (std::fseek(fFile, 0, SEEK_SET) != 0) throw FileSeekError(fPath.c_str(), errno);
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), fFile) != text.size())
        throw FileWriteError(fPath.c_str(), errno);
    if (std::fflush(fFile) != 0) throw FileFlushError(fPath.c_str(), errno);
    // Bytes of a longer earlier save would otherwise come back on loading.
    if (Files().Truncate(fileno(fFile), text.size()) != 0) throw FileWriteError(fPath.c_str(), errno);
}

void StatsFile::SaveThisEntry(std::wstring const& key1, std::wstring const& key2, std::wstring const& key3,
                              float value) {
    if (key1.empty() || key2.empty() || key3.empty()) return;
    SaveEntry(Key{key1, key2, key3}, value);
}

std::string StatsFile::ExportEntry(Key const& key, float value) const { return FormatLearningStatsLine(key, value); }

std::string StatsFile::ExportAllEntries() const {
    AutoCriticalSection lock(fCriticalSection);
    std::string text;
    text.reserve(kExportReserve);
    std::size_t unwritable = 0;
    for (auto const& [key, value] : fValues) {
        std::string const line = ExportEntry(key, value);
        if (line.empty()) ++unwritable;
        text += line;
    }
    if (unwritable != 0)
        PWarning("learning statistics: values whose keys have no Shift-JIS form are not saved", fPath.c_str(),
                 std::to_string(unwritable).c_str(), __LINE__);
    return text;
}

void StatsFile::SaveEntry(Key const& key, float value) {
    AutoCriticalSection lock(fCriticalSection);
    if (fLoading || !fReadOnly) fValues.insert_or_assign(key, value);
}

void StatsFile::SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value) {
    AutoCriticalSection lock(fCriticalSection);
    if (!fReadOnly) fValues.insert_or_assign(Key::Make(finePOS, paraphrase), value);
}

void StatsFile::ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
    AutoCriticalSection lock(fCriticalSection);
    if (!fReadOnly) fValues.erase(Key::Make(finePOS, paraphrase));
}

void StatsFile::DeleteAllEntries() {
    AutoCriticalSection lock(fCriticalSection);
    if (!fReadOnly) fValues.clear();
}

bool StatsFile::IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const {
    AutoCriticalSection lock(fCriticalSection);
    return fValues.count(Key::Make(finePOS, paraphrase)) != 0;
}

bool StatsFile::GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const {
    AutoCriticalSection lock(fCriticalSection);
    auto const found = fValues.find(Key::Make(finePOS, paraphrase));
    if (found == fValues.end()) return false;
    if (value != nullptr) *value = found->second;
    return true;
}

StatsFile::ValueMap StatsFile::GetAllEntries() const {
    AutoCriticalSection lock(fCriticalSection);
    return fValues;
}

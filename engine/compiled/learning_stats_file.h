#pragma once
// One learning-statistics file held in memory as a sorted map of learning
// values, shared by every learning interface opened on it.  Changes stay in
// memory until SaveToFile, which rewrites the whole file.  Open it through
// StatsFileManager::DoOpen, which makes every user of a file share one
// object.
#include <sys/types.h>

#include <cstdio>
#include <map>
#include <string>

#include "engine/compiled/compiled_learning.h"
#include "engine/compiled/learning_stats_key.h"

class Dictionary_EX_70Compiled_LearningInterface_Helper::StatsFile : public QJSharedRep {
public:
    using Key = Dict70CompiledLearningDataKey;
    using ValueMap = std::map<Key, float, Key::Key_MapSorter>;

    // Opens the file at path read-write, creating it when missing, or
    // read-only when writing is refused (EACCES, EROFS); loads it and
    // registers with the manager.  Any other failure throws a FileException
    // and registers nothing.
    explicit StatsFile(char const* path);
    // Saves and closes the file and unregisters it; errors are logged through
    // PWarning, never thrown.
    ~StatsFile() override;

    StatsFile(StatsFile const&) = delete;
    StatsFile& operator=(StatsFile const&) = delete;

    std::string const& GetPath() const { return fPath; }
    bool IsReadOnly() const { return fReadOnly; }
    // Same device and inode as the file opened.
    bool IsSameFile(dev_t device, ino_t inode) const { return device == fDevice && inode == fInode; }

    // The changes are refused (nothing happens) on a read-only file.
    void SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value);
    void ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase);
    void DeleteAllEntries();
    bool IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const;
    // True and *value when recorded; *value is untouched otherwise.
    bool GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const;

    // Rewrites the file with the map's lines and cuts it to their length;
    // nothing on a read-only file.  File errors are thrown.
    void SaveToFile();
    // Adds the file's well-formed lines to the map.
    void LoadFromFile();

    // Records a loaded value when all three keys are non-empty.
    virtual void SaveThisEntry(std::wstring const& key1, std::wstring const& key2, std::wstring const& key3,
                               float value);
    // The file line of one value; "" when its key cannot be written whole.
    virtual std::string ExportEntry(Key const& key, float value) const;
    // The lines of every value in key order.
    virtual std::string ExportAllEntries() const;
    // Overwrites or inserts, while loading or when the file is writable.
    virtual void SaveEntry(Key const& key, float value);

    // A copy of the values, for inspection.
    ValueMap GetAllEntries() const;

private:
    void Open();
    void Close();

    FILE* fFile = nullptr;
    std::string fPath;
    bool fReadOnly = false;
    bool fLoading = false;
    dev_t fDevice = 0;
    ino_t fInode = 0;
    ValueMap fValues;
};

// The facade's dictionaries: opening compiled and user dictionaries by path,
// removing them all, and clearing what was learnt of a word.
#include <cstdio>

#include "engine/compiled/open_compiled_dictionary.h"
#include "engine/compiled/rewriting_dictionary.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_access.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/startup_init.h"
#include "engine/pipeline/translation_globals.h"
#include "engine/userdict/ud35_dictionary.h"
#include "platform/files/file_system.h"

namespace {

// The files of the dictionaries added through the facade.  A file is added
// once: a second writable opening of a user dictionary would keep two block
// maps over one file, and a second copy of any dictionary would find every
// entry twice under two numbers.
struct AddedFile {
    dev_t device;
    ino_t inode;
};
std::vector<AddedFile> sAddedFiles;

AddedFile IdentityOf(int fd) {
    FileStatus status;
    if (Files().Status(fd, &status) != 0) return {0, 0};
    return {status.device, status.inode};
}

bool AlreadyAdded(AddedFile const& file) {
    if (file.inode == 0) return false;  // a file that cannot be told apart
    for (AddedFile const& added : sAddedFiles)
        if (added.device == file.device && added.inode == file.inode) return true;
    return false;
}

unsigned short UserDictionaryCount() {
    unsigned short count = 0;
    for (Dictionary_EX const& dictionary : dictsVector()) {
        unsigned short const id = dictionary.GetID();
        if (id >= kMinUserDictionaryID && id <= kMaxUserDictionaryID) ++count;
    }
    return count;
}

}  // namespace

void CorvanIF::RemoveAllDict() {
    dictsVector().clear();
    fDictPaths.clear();
    haveSD = false;
    gOptions().fDictionaries.clear();
    sAddedFiles.clear();
}

bool CorvanIF::IsSystemDict() const { return haveSD; }

unsigned short CorvanIF::AddSysDict(std::string const& path) { return AddCompiledDict(path, nullptr, true); }

unsigned short CorvanIF::AddSysDict(std::string const& path, std::string const& learningPath) {
    return AddCompiledDict(path, learningPath.c_str(), true);
}

unsigned short CorvanIF::AddTechDict(std::string const& path) { return AddCompiledDict(path, nullptr, false); }

unsigned short CorvanIF::AddTechDict(std::string const& path, std::string const& learningPath) {
    return AddCompiledDict(path, learningPath.c_str(), false);
}

unsigned short CorvanIF::AddCompiledDict(std::string const& path, char const* learningPath, bool system) {
    int fd = -1;
    try {
        fd = OpenReadOnly(FFSSpec(path.c_str()));
        AddedFile const identity = IdentityOf(fd);
        if (AlreadyAdded(identity)) {
            Files().Close(fd);
            return 0;
        }
        // The dictionary takes the descriptor, also when opening fails.
        int const taken = fd;
        fd = -1;
        Dictionary_EX dictionary = OpenCompiledDictionaryInAppropriateFormat(taken);
        unsigned short const id = dictionary.GetID();
        if (auto* learning = dictionary.GetDictionaryLearningInterface(false))
            learning->SetUseLearning(learningPath != nullptr && *learningPath != '\0' ? learningPath : nullptr);
        dictsVector().push_back(dictionary);
        fDictPaths.push_back(path);
        sAddedFiles.push_back(identity);
        if (system) haveSD = true;
        gOptions().fDictionaries = dictsVector();
        return id;
    } catch (...) {
        if (fd >= 0) Files().Close(fd);
        return 0;
    }
}

int CorvanIF::AddUserDict(std::string const& path, bool writable) {
    FILE* file = nullptr;
    try {
        FFSSpec const spec(path.c_str());
        if (writable) file = FOpenExisting(spec, "r+", false, false, false);
        if (file == nullptr) {
            writable = false;
            file = FOpenExisting(spec, "r", false, false, false);
        }
        if (file == nullptr) return -1;
        AddedFile const identity = IdentityOf(fileno(file));
        if (AlreadyAdded(identity)) {
            std::fclose(file);
            return -1;
        }
        Dictionary_EJ_35UserDict dictionary(file, writable);
        file = nullptr;  // the dictionary owns it now
        unsigned short const id = static_cast<unsigned short>(kMinUserDictionaryID + UserDictionaryCount());
        dictionary.SetID(id);
        dictionary.SetUseDictionaryLearningInterface(writable);
        dictsVector().push_back(dictionary);
        fDictPaths.push_back(path);
        sAddedFiles.push_back(identity);
        gOptions().fDictionaries = dictsVector();
        return id;
    } catch (...) {
        if (file != nullptr) std::fclose(file);
        return 0;
    }
}

void CorvanIF::ClearLearning(std::string word) {
    for (Dictionary_EX const& dictionary : dictsVector()) {
        try {
            auto* learning = dictionary.GetDictionaryLearningInterface(true);
            if (learning == nullptr) continue;
            RewritingDictionary_EX rewriting(dictionary);
            for (ForwardIterator<Entry_EX> entry = rewriting.Lookup(word, nullptr); !entry.IsAtEnd(); ++entry) {
                for (ForwardIterator<FinePOS_EX> fine = (*entry).GetFinePOSIterator(); !fine.IsAtEnd(); ++fine) {
                    for (ForwardIterator<Paraphrase_EX> para = (*fine).GetParaphraseIterator(); !para.IsAtEnd(); ++para)
                        learning->ClearLearningValue(*fine, *para);
                }
            }
        } catch (...) {
            // This dictionary is passed over; the others still get cleared.
        }
    }
}

#pragma once
// The translation engine behind one object: dictionaries, user options,
// translation, judging, alternates, post-edit data and learning.  Options and
// open dictionaries live in process-wide state (gOptions, dictsVector); each
// translation call builds fresh source, sink, progress and post-edit objects
// and runs one translator to completion on the caller's thread.  Every
// failure is answered by result (false, 0 or -1); nothing thrown inside
// reaches the caller.
//
// Option values cross this interface as the facade's 1-based choices (see
// each setter); the getters answer in the same terms.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/pipeline/alt_trans_info.h"
#include "engine/pipeline/memory_translation.h"
#include "engine/pipeline/post_edit.h"
#include "engine/pipeline/scan_if.h"

class CorvanIF {
public:
    // Clears the dictionaries of earlier facades and stops no run.
    CorvanIF();
    virtual ~CorvanIF();
    CorvanIF(CorvanIF const&) = delete;
    CorvanIF& operator=(CorvanIF const&) = delete;

    virtual unsigned long GetCritical() const { return fCritical; }
    virtual unsigned long Error() const { return fError; }
    // Every option at the facade's default; the dictionaries stay.
    virtual void SetDefault();
    // The twelve getters' / setters' values, in the order they are declared below.
    virtual void GetObject(int* out) const;
    virtual void SetObject(int const* in);

    // Each returns the dictionary's number; 0 when it cannot be opened as one
    // or the file is already added.
    virtual unsigned short AddSysDict(std::string const& path);
    virtual unsigned short AddSysDict(std::string const& path, std::string const& learningPath);
    virtual unsigned short AddTechDict(std::string const& path);
    virtual unsigned short AddTechDict(std::string const& path, std::string const& learningPath);
    // Writable when asked and the file allows it, else read-only.  The
    // number (10000 for the first user dictionary, 10001 for the next...);
    // -1 when the file cannot be opened or is already added; 0 when it is no
    // user dictionary.
    virtual int AddUserDict(std::string const& path, bool writable);
    virtual std::vector<std::string> GetDictVector() const { return fDictPaths; }
    virtual void RemoveAllDict();
    virtual bool IsSystemDict() const;
    virtual bool CloseAllLearningFile() { return true; }
    virtual void SetFixedType(bool fixed);

    // 0..100, clamped.
    virtual void SetTranslationSpeed(int speed);
    // 1 plain, 2 polite, anything else written.
    virtual void SetTranslationStyle(int style);
    // 2 and 3 choose the second and third reading of "they"; anything else all.
    virtual void SetTranslationThey(int they);
    virtual void SetTranslationProper(int proper);      // 1, 3, anything else 2
    virtual void SetTranslationNumeric(int numeric);    // 1 full-width, 2 half-width, else unchanged
    virtual void SetTranslationThe(int the);            // 2 off, anything else on
    virtual void SetTranslationYou(int you);            // 1 off, anything else on
    virtual void SetTranslationDocument(int document);  // 1 on
    virtual void SetTranslationDialog(int dialog);      // 1 on
    virtual void SetTranslationStrength(int strength);  // 1, 3, anything else 2
    virtual void SetTranslationPOS(int pos);            // 1 on
    virtual void SetUserDictPreferred(int preferred);   // 1 on
    virtual int GetTranslationSpeed() const;
    virtual int GetTranslationStyle() const;
    virtual int GetTranslationThey() const;
    virtual int GetTranslationProper() const;
    virtual int GetTranslationNumeric() const;
    virtual int GetTranslationThe() const;
    virtual int GetTranslationYou() const;
    virtual int GetTranslationDocument() const;
    virtual int GetTranslationDialog() const;
    virtual int GetTranslationStrength() const;
    virtual int GetTranslationPOS() const;
    virtual int GetUserDictPreferred() const;

    // Translates the whole Shift-JIS text; false when it was stopped or failed.
    virtual bool Translation(std::string* text);
    virtual bool Translation(char const* text, short length);
    // Appends one record per sentence of the Shift-JIS text, in order, each
    // its span in bytes; the vector owns them.  False, with nothing appended,
    // when the text could not be judged to its end.
    virtual bool JudgeTranslate(std::string* text, std::vector<ScanIF*>* sentences);
    // The running translation stops at its next token.
    virtual void StopTranslation();
    // The translated text, once ("" afterwards and before any translation).
    virtual void GetSink(std::string& out, short* unused);
    // One record per source word of the last sentence; none before a translation.
    virtual void GetPostInfo(std::vector<PostIF>& out, std::string source, std::string target);
    // The user chose alternative n (0-based, in the order of info's list) for
    // the word a translated as b: its learning value is bumped as the
    // learning strength says.  A choice outside the list, or one the
    // dictionaries no longer list the same way, records nothing.
    virtual void DoLearning(PostIF& info, std::string a, std::string b, int n);
    // Clears what was learnt of every reading of the word, dictionary by
    // dictionary; a dictionary that fails is passed over.
    virtual void ClearLearning(std::string word);
    virtual bool IsSink() const { return fSinkReady; }
    virtual int GetRatio() const;
    virtual void ClearRatio();
    // Alternative translations of the first sentence of the text over the
    // selected characters (selStart 0xFFFF: none), at most maxAlternates;
    // they stay until the next translation call.
    virtual bool AlternateTranslate(std::string* text, short selStart, short selEnd, unsigned short maxAlternates);
    virtual unsigned long GetNumberAlternate() const { return fAltInfo != nullptr ? fAltInfo->Count() : 0; }
    virtual void GetSinkAlternate(std::string& out, unsigned long i);
    virtual void GetAlternatePostInfo(std::vector<PostIF>& out, unsigned long i);

    // The post-edit record of the last translation (null before one).
    CPostEdit const* GetPostEdit() const { return fPostEdit.get(); }

private:
    bool TranslateBytes(char const* text, std::size_t length);
    unsigned short AddCompiledDict(std::string const& path, char const* learningPath, bool system);
    void ReleaseRunObjects();

    static uint32_t mCritical;

    uint32_t fCritical;
    std::unique_ptr<MemoryTranslationSource> fSource;
    std::unique_ptr<MemoryTranslationSink> fSink;
    std::unique_ptr<SimpleTranslationProgress> fProgress;
    std::unique_ptr<CPostEdit> fPostEdit;
    std::unique_ptr<AltTransInfo> fAltInfo;
    bool fSinkReady = false;
    std::vector<std::string> fDictPaths;
    uint32_t fError = 0;
};

#pragma once
// The in-memory ends of a facade translation: the source that holds the
// caller's Shift-JIS text, the sink that collects the translated text, and
// the progress record the terminal stage reports to.
#include <cstdint>
#include <string>

class MemoryTranslationSource {
public:
    MemoryTranslationSource() = default;
    virtual ~MemoryTranslationSource() = default;

    // The length bytes at text become the text to translate.
    virtual void SpecifySourceText(int length, char const* text);
    // Hands out the whole text once (Shift-JIS as it is); later calls hand
    // out "".  False for a null out.
    virtual bool ReadCharacters(std::string* out);
    // Nothing calls it; the full text.
    virtual std::string ReferSourceText();
    virtual unsigned long GetLength() const { return fFullText.size(); }
    // Copies count bytes from the 1-based position; what lies outside the
    // text is not copied.  The bytes copied.
    virtual unsigned long CopyOut(unsigned long position, unsigned long count, char* dest) const;

private:
    std::string fWorkingText;
    std::string fFullText;
};

class MemoryTranslationSink {
public:
    MemoryTranslationSink() = default;
    virtual ~MemoryTranslationSink() = default;

    virtual void SetCritical(unsigned long id);
    // Appends the text and tells the host; false on failure.
    virtual bool WriteCharacters(std::string text);
    // The collected text, then emptied; false and "" when there is none.
    virtual bool ReferTranslatedText(std::string& out);
    virtual std::string ReferTranslatedText();
    // The source size of the last sentence written, in bytes, saturated to
    // the 16-bit range.
    virtual void MemoryTranslateSourceSize(long bytes);
    virtual short GetTranslatrSourceSize() const { return fSourceSize; }

private:
    unsigned long fCritical = 0;
    std::string fText;
    short fSourceSize = 0;
};

// Counts characters both ways, so that the ratio reaches 100 whatever the
// width of the text.
class SimpleTranslationProgress {
public:
    SimpleTranslationProgress() = default;
    virtual ~SimpleTranslationProgress() = default;

    // -1: no fixed interval, a notice after every sentence.
    virtual void get_NotificationFrequency(float* out) const { *out = -1.0f; }
    virtual void NoteBytesProcessed(int processed);
    virtual bool Done(bool) { return true; }
    virtual void SetTotalSize(int total);
    // processed / total x 100, truncated; 0 without a total.
    virtual int GetRatio() const;

    int GetProcessed() const { return fProcessed; }

private:
    int32_t fTotal = 0;
    int32_t fProcessed = 0;
};

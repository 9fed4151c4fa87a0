// The facade's life and its translation calls.
#include "engine/pipeline/corvan_if.h"

#include <limits>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/pipeline/alternate_learning.h"
#include "engine/pipeline/judge_translator.h"
#include "engine/pipeline/qwalt_translator.h"
#include "engine/pipeline/qwejb_translator.h"
#include "engine/pipeline/startup_init.h"
#include "engine/pipeline/translation_globals.h"
#include "engine/pipeline/translation_host_hooks.h"

uint32_t CorvanIF::mCritical = 0;

CorvanIF::CorvanIF() : fCritical(++mCritical) {
    gStop = 1;
    // A new facade starts with no dictionary, also in the options a
    // translation copies, so that none of an earlier facade stays in use.
    RemoveAllDict();
}

CorvanIF::~CorvanIF() { RemoveAllDict(); }

void CorvanIF::ReleaseRunObjects() {
    fSource.reset();
    fSink.reset();
    fProgress.reset();
    fPostEdit.reset();
    fAltInfo.reset();
}

bool CorvanIF::Translation(std::string* text) {
    if (text == nullptr) return false;
    return TranslateBytes(text->data(), text->size());
}

bool CorvanIF::Translation(char const* text, short length) {
    if (length < 0 || (text == nullptr && length > 0)) return false;
    return TranslateBytes(text, static_cast<std::size_t>(length));
}

bool CorvanIF::TranslateBytes(char const* text, std::size_t length) {
    fSinkReady = false;
    try {
        ReleaseRunObjects();
        // The source and the progress count in int: a longer text would be
        // cut short and still answer true.
        if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())) return false;
        fSource = std::make_unique<MemoryTranslationSource>();
        fSink = std::make_unique<MemoryTranslationSink>();
        fProgress = std::make_unique<SimpleTranslationProgress>();
        fPostEdit = std::make_unique<CPostEdit>(&gOptions());
        fSource->SpecifySourceText(static_cast<int>(length), text);
        fSink->SetCritical(fCritical);
        // Progress counts characters, as the terminal reports them.
        fProgress->SetTotalSize(static_cast<int>(DecodeSJISLenient(text, length).size()));

        QWEJBTranslator translator(fSource.get(), fSink.get(), fProgress.get(), gOptions(), fPostEdit.get());
        qwcCOMTranslatorBuilt(translator);
        gStop = 0;
        translator.TranslateAll();
        translator.Terminate();
        fSinkReady = true;
        return true;
    } catch (...) {
        return false;
    }
}

bool CorvanIF::JudgeTranslate(std::string* text, std::vector<ScanIF*>* sentences) {
    if (text == nullptr || sentences == nullptr) return false;
    std::size_t const before = sentences->size();
    try {
        // The records count bytes in 32 bits.
        if (text->size() <= std::numeric_limits<uint32_t>::max()) {
            ZRJudgeTranslator judge(*text, sentences, gOptions());
            judge.TranslateAll();
            if (!judge.Failed()) return true;
        }
    } catch (...) {
    }
    // Records that cover only part of the text are no answer: those of this
    // call go, what the caller held stays.
    for (std::size_t i = before; i < sentences->size(); ++i) delete (*sentences)[i];
    sentences->resize(before);
    return false;
}

void CorvanIF::StopTranslation() { gStop = 1; }

void CorvanIF::GetSink(std::string& out, short* /*unused*/) {
    out = fSink != nullptr ? fSink->ReferTranslatedText() : std::string();
}

void CorvanIF::GetPostInfo(std::vector<PostIF>& out, std::string source, std::string target) {
    if (fPostEdit == nullptr) return;
    std::size_t const before = out.size();
    try {
        fPostEdit->GetPostInfo(out, source, target);
    } catch (...) {
        // What the caller held stays; no half of the records is added.
        out.erase(out.begin() + static_cast<std::ptrdiff_t>(before), out.end());
    }
}

void CorvanIF::DoLearning(PostIF& info, std::string a, std::string b, int n) {
    try {
        ZRAlternateLearning(&gOptions()).DoLearning(info, a, b, n);
    } catch (...) {
        // Nothing was learnt; the caller hears of no error here.
    }
}

int CorvanIF::GetRatio() const { return fProgress != nullptr ? fProgress->GetRatio() : 0; }

void CorvanIF::ClearRatio() {
    if (fProgress != nullptr) fProgress->SetTotalSize(0);
}

bool CorvanIF::AlternateTranslate(std::string* text, short selStart, short selEnd, unsigned short maxAlternates) {
    fSinkReady = false;
    try {
        ReleaseRunObjects();
        if (text == nullptr) return false;
        if (text->size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return false;
        fSource = std::make_unique<MemoryTranslationSource>();
        fSink = std::make_unique<MemoryTranslationSink>();
        fProgress = std::make_unique<SimpleTranslationProgress>();
        fAltInfo = std::make_unique<AltTransInfo>();
        // The selection counts characters; an end past the text is its last.
        long const length = static_cast<long>(DecodeSJISLenient(text->data(), text->size()).size());
        if (selStart < 0) selStart = 0;
        if (selEnd < 0 || selEnd >= length) selEnd = static_cast<short>(length - 1);
        fSource->SpecifySourceText(static_cast<int>(text->size()), text->data());
        fSink->SetCritical(fCritical);
        fProgress->SetTotalSize(static_cast<int>(length));

        QWAltTranslator translator(fSource.get(), fSink.get(), fProgress.get(), gOptions(), selStart, selEnd,
                                   maxAlternates, fAltInfo.get());
        gStop = 0;
        translator.TranslateAll();
        fSinkReady = true;
        return true;
    } catch (...) {
        return false;
    }
}

void CorvanIF::GetSinkAlternate(std::string& out, unsigned long i) {
    AltTransSentence const* sentence = fAltInfo != nullptr ? fAltInfo->GetSentence(i) : nullptr;
    out = sentence != nullptr ? sentence->GetTranslation() : std::string();
}

void CorvanIF::GetAlternatePostInfo(std::vector<PostIF>& out, unsigned long i) {
    out.clear();
    AltTransSentence const* sentence = fAltInfo != nullptr ? fAltInfo->GetSentence(i) : nullptr;
    if (sentence == nullptr || sentence->GetPostEdit() == nullptr) return;
    try {
        sentence->GetPostEdit()->GetPostInfo(out, sentence->GetSource(), sentence->GetTranslation());
    } catch (...) {
        out.clear();
    }
}

#include "engine/pipeline/lex_tokenizer.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/scanner.h"

namespace {

using T = EnglishTokens;

// Separator to SingleCloseQuote, Colon, and Minus to Plus carry text to scan;
// every other type is a mark that passes the scanner by.
bool IsScannedType(TokenTypeID type) {
    return (type >= T::kSeparator && type <= T::kSingleCloseQuote) || type == T::kColon ||
           (type >= 32 && type <= T::kPlus);
}

constexpr wchar_t kTokenBreakChar = 0x0001;

// Each refill reads at least this many characters (or to the end of input)
// and at least as many as are waiting, so that a long match is rescanned a
// logarithmic number of times, not once per upstream token.
constexpr std::size_t kLeastRefill = 256;

// Copies text into buffer; U+0001 becomes a space, so that only a TokenBreak
// puts one into the scanner's input.
void CopyText(wchar_t const* text, std::size_t n, wchar_t* buffer) {
    for (std::size_t i = 0; i < n; ++i) buffer[i] = text[i] == kTokenBreakChar ? L' ' : text[i];
}

}  // namespace

LexTokenizer::LexTokenizer(Producer* upstream, TokenCreator* creator, TokenStringDatabase* strings,
                           CompoundTokenDatabase* compounds)
    : Filter(upstream, creator, strings), fCompoundTokens(compounds) {}

void LexTokenizer::SetUpstreamProducer(Producer* upstream) {
    Filter::SetUpstreamProducer(upstream);
    Restart();
}

void LexTokenizer::Restart() {
    fOutputQueue.clear();
    fInputPosition = fOutputPosition = 0;
    fPendingText.clear();
    fNonLexQueue.clear();
    fSubstQueue.clear();
    fBuffer.clear();
    fScanStart = 0;
    fUpstreamEnded = false;
}

Token LexTokenizer::Produce() {
    while (fOutputQueue.empty()) {
        if (QueueNonLexTokens(fOutputPosition)) break;
        Token token;
        wchar_t const* text;
        unsigned long length;
        CreateToken(&token, &text, &length);
        TokenTypeID const type = TokenTypeOf(token);
        if (type == T::kTokenBreak) continue;
        if (type == kEOFTokenType) {
            // Marks that stood past the last text still leave, before EOF.
            QueueNonLexTokens(static_cast<unsigned long>(-1));
            fOutputQueue.push_back(token);
            break;
        }
        QueueNonLexTokens(fOutputPosition);
        if (length > 0) {
            fTokenStringDatabase->Insert(token, text, length);
            fOutputPosition += length;
        }
        AddSubstTokensFor(token, fOutputPosition);
        fOutputQueue.push_back(token);
    }
    Token const token = fOutputQueue.front();
    fOutputQueue.pop_front();
    return token;
}

void LexTokenizer::CreateToken(Token* token, wchar_t const** text, unsigned long* length) {
    if (fTokenCreator == nullptr || fTokenStringDatabase == nullptr)
        throw std::logic_error("tokenizer used before it was linked into a chain");
    for (;;) {
        lex::Match match;
        wchar_t const* const front = fBuffer.data() + fScanStart;
        switch (lex::ScanToken(front, fBuffer.size() - fScanStart, fUpstreamEnded, &match)) {
            case lex::ScanStatus::kToken:
                *token = NewToken(fTokenCreator, match.type);
                *text = front;
                *length = match.length;
                fScanStart += match.length;
                return;
            case lex::ScanStatus::kEnd:
                *token = NewToken(fTokenCreator, kEOFTokenType);
                *text = nullptr;
                *length = 0;
                return;
            case lex::ScanStatus::kNeedMore:
                Fill();
                break;
        }
    }
}

bool LexTokenizer::Fill() {
    // Drop what was scanned once it is the larger part of the buffer.
    if (fScanStart > 0 && fScanStart * 2 >= fBuffer.size()) {
        fBuffer.erase(0, fScanStart);
        fScanStart = 0;
    }
    std::size_t const wanted = std::max(kLeastRefill, fBuffer.size() - fScanStart);
    std::size_t added = 0;
    // Read into a buffer of its own: most reads bring one character, and
    // growing the scan buffer by a whole read each time would clear it.
    fReadBuffer.resize(kMaxRead);
    while (added < wanted && !fUpstreamEnded) {
        int const n = LexerInput(fReadBuffer.data(), kMaxRead);
        if (n < 0) LexerError("input in flex scanner failed");
        fBuffer.append(fReadBuffer.data(), static_cast<std::size_t>(n));
        added += static_cast<std::size_t>(n);
    }
    return added > 0;
}

int LexTokenizer::LexerInput(wchar_t* buffer, int maxSize) {
    if (maxSize <= 0) return 0;
    std::size_t const room = static_cast<std::size_t>(maxSize);
    if (!fPendingText.empty()) {
        std::size_t const n = std::min(room, fPendingText.size());
        CopyText(fPendingText.data(), n, buffer);
        fPendingText.erase(0, n);
        fInputPosition += n;
        return static_cast<int>(n);
    }
    while (!fUpstreamEnded) {
        Token const token = ConsumeToken();
        TokenTypeID const type = TokenTypeOf(token);
        if (type == kEOFTokenType) {
            // Upstream is never pulled again: a source may not expect it.
            fUpstreamEnded = true;
            break;
        }
        if (type == T::kTokenBreak) {
            buffer[0] = kTokenBreakChar;
            return 1;
        }
        if (!IsScannedType(type)) {
            SaveNonLexToken(token, fInputPosition);
            continue;
        }
        wchar_t const* text = nullptr;
        unsigned long length = 0;
        if (!fTokenStringDatabase->Find(token, &text) || !fTokenStringDatabase->FindLength(token, &length) ||
            length == 0)
            continue;
        std::vector<Token> parts;
        if (fCompoundTokens != nullptr && fCompoundTokens->Find(token, &parts)) SaveSubstToken(token, fInputPosition);
        std::size_t const n = std::min<std::size_t>(room, length);
        CopyText(text, n, buffer);
        fPendingText.assign(text + n, length - n);
        fInputPosition += n;
        return static_cast<int>(n);
    }
    return 0;
}

void LexTokenizer::LexerError(char const* message) {
    std::fprintf(stderr, "%s\n", message);
    throw std::runtime_error(message);
}

void LexTokenizer::SaveNonLexToken(Token token, unsigned long position) { fNonLexQueue.emplace_back(position, token); }

void LexTokenizer::SaveSubstToken(Token token, unsigned long position) { fSubstQueue.emplace_back(position, token); }

bool LexTokenizer::QueueNonLexTokens(unsigned long position) {
    bool moved = false;
    while (!fNonLexQueue.empty() && fNonLexQueue.front().first <= position) {
        fOutputQueue.push_back(fNonLexQueue.front().second);
        fNonLexQueue.pop_front();
        moved = true;
    }
    return moved;
}

bool LexTokenizer::AddSubstTokensFor(Token token, unsigned long end) {
    if (fCompoundTokens == nullptr || fSubstQueue.empty()) return false;
    std::wstring text;
    if (!fTokenStringDatabase->Find(token, &text)) return false;
    unsigned long const start = end - text.size();
    unsigned long cursor = start;
    std::vector<Token> pieces;
    // A Word for the token's own text from the cursor up to position.
    auto const wordUpTo = [&](unsigned long position) {
        Token const word = NewToken(fTokenCreator, T::kWord);
        fTokenStringDatabase->Insert(word, text.data() + (cursor - start), position - cursor);
        pieces.push_back(word);
        cursor = position;
    };
    bool took = false;
    while (!fSubstQueue.empty() && fSubstQueue.front().first < end) {
        auto const [position, substitute] = fSubstQueue.front();
        fSubstQueue.pop_front();
        took = true;
        if (cursor < position) wordUpTo(position);
        std::vector<Token> parts;
        fCompoundTokens->Find(substitute, &parts);
        pieces.insert(pieces.end(), parts.begin(), parts.end());
        unsigned long substituteLength = 0;
        fTokenStringDatabase->FindLength(substitute, &substituteLength);
        cursor += substituteLength;
    }
    if (!took) return false;
    if (cursor < end) wordUpTo(end);
    fCompoundTokens->Add(token, pieces);
    return true;
}

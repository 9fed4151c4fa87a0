// The word-sense association expert's scoring: find the node's word among
// the targets, and for the translation its reading has, look for that
// translation's associates around it.
#include "engine/parse/word_sense_expert.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/compiled/suffix_pattern.h"
#include "engine/foundation/atom_databases.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/parse/analysis_settings.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/semantic_match.h"
#include "engine/parse/sentence.h"
#include "engine/parse/word_sense_tables.h"

double gSWANProportionAt10 = 0.5;
double gProportionOverMax = 1.0;

namespace {

constexpr char kSemanticAssociate[] = "zxjSWANSEM";
constexpr std::size_t kMaxTranslationBytes = 1000;

char const* StringAt(uint32_t offset) { return offset < kWSANStringBytes ? kWSANStrings + offset : ""; }

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
bool IsAlnum(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool IsWordChar(char c) { return IsAlnum(c) || c == '_' || c == '.'; }

bool EndsWith(std::string const& word, char const* tail) {
    std::size_t const n = std::strlen(tail);
    return word.size() >= n && word.compare(word.size() - n, n, tail) == 0;
}

// The reading's cooked translation without its braces, double-byte
// characters kept whole (a trail byte may look like a brace).
std::string TranslationOfView(EXPERT_VIEW const& view) {
    std::string const cooked = view.paraphrase.Get().GetParaphrase().GetCookedTranslation();
    std::string plain;
    for (std::size_t i = 0; i < cooked.size() && i < kMaxTranslationBytes;) {
        unsigned char const c = static_cast<unsigned char>(cooked[i]);
        if (IsSJISLeadByte(c) && i + 1 < cooked.size()) {
            plain.append(cooked, i, 2);
            i += 2;
            continue;
        }
        if (c != '{' && c != '}') plain += cooked[i];
        ++i;
    }
    return plain;
}

struct Tally {
    double total = 0;
    double max = 0;

    void Add(int distance, double weight) {
        double const v = ScoreFunction(distance, weight);
        total += v;
        max = std::max(max, v);
        if (gbTrackSWAN) std::printf("   Distance %d, unadjusted %.3f, this %.3f\n", distance, weight, v);
    }
};

bool TokensMatchAt(std::vector<std::string> const& tokens, std::vector<std::string> const& words, std::size_t at) {
    if (at + tokens.size() > words.size()) return false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!MatchIncludingInflections(tokens[i], words[at + i])) return false;
    }
    return true;
}

void HandleWSANTextAssociate(Tally& tally, std::vector<std::string> const& tokens, double weight,
                             WSAN_SENTENCE_INFO const& info, int firstWord, int endWord) {
    int const n = static_cast<int>(info.words.size());
    int const k = static_cast<int>(tokens.size());
    if (k == 0) return;
    for (int p = endWord + 1; p + k <= n; ++p) {
        if (!TokensMatchAt(tokens, info.words, static_cast<std::size_t>(p))) continue;
        int const distance = FindWSANDistance(info.words, endWord, p);
        if (gbTrackSWAN) std::printf("  Assoc \"%s\" forward %d words\n", tokens[0].c_str(), distance);
        tally.Add(distance, weight);
    }
    for (int q = 0; q + k - 1 < firstWord; ++q) {
        if (!TokensMatchAt(tokens, info.words, static_cast<std::size_t>(q))) continue;
        int const distance = FindWSANDistance(info.words, q + k - 1, firstWord);
        if (gbTrackSWAN) std::printf("  Assoc \"%s\" back %d words\n", tokens[0].c_str(), distance);
        tally.Add(distance, weight);
    }
}

bool CellHasAtom(WSAN_SENTENCE_INFO const& info, int span, int endWord, int16_t atom) {
    std::size_t const index = static_cast<std::size_t>(endWord) * (endWord + 1) / 2 + static_cast<std::size_t>(span);
    if (index >= info.cells.size()) return false;
    for (SemanticRecord const& set : info.cells[index]) {
        if (SFeatureMatch(set, atom, true)) return true;
    }
    return false;
}

void HandleWSANSemanticsAssociate(Tally& tally, std::string const& atomName, double weight,
                                  WSAN_SENTENCE_INFO const& info, int firstWord, int endWord) {
    unsigned short atom = 0;
    if (!gSemanticAtomDatabase_E_Source().Lookup(atomName.c_str(), &atom) || atom == 0) return;
    int const n = static_cast<int>(info.words.size());
    auto const signedAtom = static_cast<int16_t>(atom);
    // Phrases that start after the node, then phrases that end before it.
    for (int p = endWord + 1; p < n; ++p) {
        for (int span = 0; p + span < n; ++span) {
            if (!CellHasAtom(info, span, p + span, signedAtom)) continue;
            int const distance = FindWSANDistance(info.words, endWord, p);
            if (gbTrackSWAN)
                std::printf("  Semantic atom \"%s\" in word \"%s\" forward %d words\n", atomName.c_str(),
                            info.words[p].c_str(), distance);
            tally.Add(distance, weight);
        }
    }
    for (int q = 0; q < firstWord; ++q) {
        for (int span = 0; span <= q; ++span) {
            if (!CellHasAtom(info, span, q, signedAtom)) continue;
            int const distance = FindWSANDistance(info.words, q, firstWord);
            if (gbTrackSWAN)
                std::printf("  Semantic atom \"%s\" in word \"%s\" back %d words\n", atomName.c_str(),
                            info.words[q].c_str(), distance);
            tally.Add(distance, weight);
        }
    }
}

// The target's words end at the node's end word.
bool TargetMatches(char const* target, std::vector<std::string> const& words, int endWord) {
    std::vector<std::string> const parts = TokenizeLikePreparser(target);
    int const k = static_cast<int>(parts.size());
    if (k == 0 || k > endWord + 1) return false;
    for (int i = 0; i < k; ++i) {
        if (!CaseInsensitiveMatch(parts[i], words[endWord - k + 1 + i])) return false;
    }
    return true;
}

}  // namespace

bool CaseInsensitiveMatch(std::string const& a, std::string const& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::vector<std::string> TokenizeLikePreparser(std::string const& text) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        char const c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        std::size_t const start = i++;
        // An apostrophe starts a word only before a letter or digit, and
        // always starts a new one.
        if (IsWordChar(c) || (c == '\'' && i < text.size() && IsAlnum(text[i]))) {
            while (i < text.size() && IsWordChar(text[i])) ++i;
        }
        tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

int FindWSANDistance(std::vector<std::string> const& words, int a, int b) {
    int distance = 1;
    for (int i = std::max(a + 1, 0); i < b && i < static_cast<int>(words.size()); ++i) {
        std::string const& word = words[static_cast<std::size_t>(i)];
        if (word.compare(0, 3, "zxj") == 0) continue;
        if (word.size() > 1 && word[0] == '\'') continue;
        if (std::any_of(word.begin(), word.end(), IsAlnum)) ++distance;
    }
    return distance;
}

double ScoreFunction(int distance, double weight) {
    double const p = gSWANProportionAt10;
    if (p < -0.1) return weight / std::sqrt(static_cast<double>(std::max(distance, 1)));
    if (distance <= 9) return weight * (p + (1 - p) * (10 - distance) / 10.0);
    return weight * p;
}

bool MatchIncludingInflections(std::string const& base, std::string const& word) {
    if (CaseInsensitiveMatch(base, word)) return true;
    if (base.empty()) return false;
    std::string lower;
    for (char c : base) lower += Lower(c);
    std::size_t const n = lower.size();
    char const last = lower[n - 1];
    bool const vowelBeforeLast = n >= 2 && IsVowel(lower[n - 2]);
    bool const consonantLast = std::isalpha(static_cast<unsigned char>(last)) && !IsVowel(last);
    auto nonVowelY = [&] { return last == 'y' && n >= 2 && std::strchr("aeiouy", lower[n - 2]) == nullptr; };
    auto is = [&](std::string const& form) { return CaseInsensitiveMatch(form, word); };

    // Plural.
    std::string plural;
    if (n < 2)
        plural = lower + "s";
    else if (EndsWith(lower, "man"))
        plural = lower.substr(0, n - 3) + "men";
    else if (EndsWith(lower, "s") || EndsWith(lower, "sh") || EndsWith(lower, "ch") || EndsWith(lower, "o") ||
             EndsWith(lower, "x") || EndsWith(lower, "z"))
        plural = lower + "es";
    else if (nonVowelY())
        plural = lower.substr(0, n - 1) + "ies";
    else
        plural = lower + "s";
    if (is(plural)) return true;

    // "-ing".
    std::string ing;
    if (n < 2)
        ing = lower + "ing";
    else if (last == 'e' && !EndsWith(lower, "ee"))
        ing = lower.substr(0, n - 1) + "ing";
    else if (consonantLast && vowelBeforeLast)
        ing = lower + last + "ing";
    else
        ing = lower + "ing";
    if (is(ing)) return true;

    // "-ed".
    std::string ed;
    if (n < 2)
        ed = lower + "ed";
    else if (last == 'e')
        ed = lower + "d";
    else if (nonVowelY())
        ed = lower.substr(0, n - 1) + "ied";
    else if (consonantLast && vowelBeforeLast)
        ed = lower + last + "ed";
    else
        ed = lower + "ed";
    return is(ed);
}

float FindWSANAssociates(EXPERT_VIEW const* view, WSANTranslation const& translation, WSAN_SENTENCE_INFO const& info) {
    Tally tally;
    int const endWord = view->end;
    int const firstWord = view->end - view->start;
    for (uint32_t i = 0; i < translation.associateCount; ++i) {
        uint32_t const index = translation.firstAssociate + i;
        if (index >= kWSANAssociateCount) break;
        WSANAssociate const& associate = kWSANAssociates[index];
        std::vector<std::string> const tokens = TokenizeLikePreparser(StringAt(associate.text));
        if (!tokens.empty() && tokens[0] == kSemanticAssociate) {
            if (tokens.size() >= 2)
                HandleWSANSemanticsAssociate(tally, tokens[1], associate.weight, info, firstWord, endWord);
        } else {
            HandleWSANTextAssociate(tally, tokens, associate.weight, info, firstWord, endWord);
        }
    }
    double const result = tally.max + (tally.total - tally.max) * gProportionOverMax;
    if (gbTrackSWAN)
        std::printf("  Summary for target: %.3f max, %.3f total, %.3f final total\n", tally.max, tally.total, result);
    return static_cast<float>(result);
}

float WSANScore(EXPERT_VIEW const* view, Sentence const& sentence) {
    if ((view->flags & EXPERT_VIEW::kDictionaryLeaf) == 0 || view->paraphrase.IsNull()) return 0;
    if (!gbUsingSWAN || !sentence.UsingWordSenseExpert()) return 0;
    WSAN_SENTENCE_INFO const* info = sentence.WordSenseInfo().get();
    if (info == nullptr || view->start > view->end || view->end >= info->words.size()) return 0;
    int const endWord = view->end;
    std::string translation;  // made when a target matches
    float sum = 0;
    for (unsigned t = 0; t < kWSANTargetCount; ++t) {
        WSANTarget const& target = kWSANTargets[t];
        if (target.translationCount == 0 || !TargetMatches(StringAt(target.text), info->words, endWord)) continue;
        if (!gbUseSWANUnderMultiword) {
            ParseChart const& chart = sentence.Chart();
            if (chart.Exists() && view->end < chart.WordCount() &&
                (chart.Cell(view->start, view->end).flags & PCHART_CELL::kDominated)) {
                if (gbTrackSWAN)
                    std::printf("SWAN disabled for target word \"%s\": under multiword dict entry.\n",
                                StringAt(target.text));
                return 0;
            }
        }
        if (translation.empty()) translation = TranslationOfView(*view);
        for (uint32_t i = 0; i < target.translationCount; ++i) {
            uint32_t const index = target.firstTranslation + i;
            if (index >= kWSANTranslationCount) break;
            WSANTranslation const& candidate = kWSANTranslations[index];
            if (translation != StringAt(candidate.text)) continue;
            if (gbTrackSWAN)
                std::printf("Found target \"%s\", translation %s\n", StringAt(target.text), translation.c_str());
            sum += FindWSANAssociates(view, candidate, *info);
        }
    }
    return sum;
}

float ExpertContext::WSANExpert(EXPERT_VIEW* view, ALLP_TOP const*, ALLP_TOP const*, uint16_t) {
    return WSANScore(view, GetSentence());
}

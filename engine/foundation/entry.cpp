#include "engine/foundation/entry.h"

#include <stdexcept>

namespace {
// GetSrcText() reads at most this many bytes of a headword it cannot peek.
constexpr unsigned long kMaxCopiedHeadwordLength = 255;
}  // namespace

// ---- EntryRep_EX defaults --------------------------------------------------

bool EntryRep_EX::GetCannotBeginAndEndSentenceFlag(FinePosCookieID_* /*fp*/) const { return false; }

void EntryRep_EX::SetCannotBeginAndEndSentenceFlag(FinePosCookieID_* /*fp*/, bool /*flag*/) {
    throw NotSupportedOnReadOnlyDictionary<Dictionary_EX>(GetDictionary());
}

// ---- Entry handles ---------------------------------------------------------

Dictionary_EX Entry_LangPair<Entry_EX, EntryRep_EX>::GetDictionary() const { return GetRep()->GetDictionary(); }

char const* Entry_LangPair<Entry_EX, EntryRep_EX>::PeekSrcText() const { return GetRep()->PeekSrcText(); }

std::string Entry_LangPair<Entry_EX, EntryRep_EX>::GetSrcText() const {
    if (char const* peeked = PeekSrcText()) return peeked;
    // Zero-filled so that the text ends at the copied bytes whatever the
    // representation writes after them.
    char buffer[kMaxCopiedHeadwordLength + 1] = {};
    GetRep()->GetSrcText(buffer, kMaxCopiedHeadwordLength);
    return buffer;
}

bool Entry_LangPair<Entry_EX, EntryRep_EX>::operator==(Entry_LangPair const& other) const {
    return GetRep()->Equal(*other.GetRep());
}

ForwardIterator<FinePOS_EX> Entry_EX::GetFinePOSIterator() const { return GetRep()->GetFinePOSIterator(); }

FinePOS_EX Entry_EX::CreateNewFinePOS() { return GetRep()->CreateNewFinePOS(); }

void Entry_EX::RemoveFinePOS(FinePOS_EX const& finePOS) { GetRep()->RemoveFinePOS(finePOS); }

unsigned long Entry_EX::GetFinePOSCount() const {
    unsigned long count = 0;
    for (ForwardIterator<FinePOS_EX> it = GetFinePOSIterator(); !it.IsAtEnd(); ++it) ++count;
    return count;
}

FinePOS_EX Entry_EX::GetIthFinePOS(unsigned long i) const {
    ForwardIterator<FinePOS_EX> it = GetFinePOSIterator();
    if (it.IsAtEnd()) throw std::out_of_range("GetIthFinePOS: the entry has no fine part of speech");
    FinePOS_EX const first = *it;
    for (unsigned long index = 0; !it.IsAtEnd(); ++it, ++index) {
        if (index == i) return *it;
    }
    return first;
}

void Entry_EX::RemoveAllFinePOSes() {
    ForwardIterator<FinePOS_EX> it = GetFinePOSIterator();
    while (!it.IsAtEnd()) {
        FinePOS_EX const current = *it;
        // Step before removing: the iterator may stand on what is removed.
        ++it;
        RemoveFinePOS(current);
    }
}

// ---- Reading handles -------------------------------------------------------

bool FinePOS_EX::operator==(FinePOS_EX const& other) const {
    return fCookie == other.fCookie && fEntry == other.fEntry;
}

ForwardIterator<FinePOS_EX> FinePOS_EX::GetCFIterator_end() const {
    ForwardIterator<FinePOS_EX> it = GetCFIterator_start();
    while (!it.IsAtEnd()) ++it;
    return it;
}

ForwardIterator<Paraphrase_EX> FinePOS_EX::GetParaphraseIterator() const {
    return fEntry->GetParaphraseIterator(fCookie);
}

Paraphrase_EX FinePOS_EX::CreateNewParaphrase() { return fEntry->CreateNewParaphrase(fCookie); }

bool Paraphrase_EX::operator==(Paraphrase_EX const& other) const {
    return fCookie == other.fCookie && fEntry == other.fEntry;
}

bool operator==(CanBeNull<POSAndParaphrase> const& left, CanBeNull<POSAndParaphrase> const& right) {
    if (left.IsNull() || right.IsNull()) return left.IsNull() == right.IsNull();
    return left.Get() == right.Get();
}

bool operator!=(CanBeNull<POSAndParaphrase> const& left, CanBeNull<POSAndParaphrase> const& right) {
    return !(left == right);
}

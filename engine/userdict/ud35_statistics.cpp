#include "engine/userdict/ud35_statistics.h"

#include <typeinfo>

#include "engine/userdict/ud35_entry_view.h"

uint32_t UDStatisticsInterface::EntryIDOf(Paraphrase_EX const& paraphrase) {
    auto const& view = dynamic_cast<EntryRep_EJ_35UserDict const&>(*paraphrase.GetEntry().GetRep());
    return view.GetIDs().at(UDCookieIndex(FromCookie(paraphrase.GetCookie())));
}

unsigned long UDStatisticsInterface::GetCount(Paraphrase_EX const& paraphrase) const {
    return fFile.UDGetInteractiveFreq(EntryIDOf(paraphrase));
}

void UDStatisticsInterface::SetCount(Paraphrase_EX const& paraphrase, unsigned long count) {
    fFile.UDSetInteractiveFreq(EntryIDOf(paraphrase), static_cast<uint32_t>(count));
}

void UDStatisticsInterface::Increment(Paraphrase_EX const& paraphrase) {
    SetCount(paraphrase, GetCount(paraphrase) + 1);
}

unsigned long UDStatisticsInterface::GetFlag(Paraphrase_EX const& paraphrase) const {
    return fFile.UDGetBatchFreq(EntryIDOf(paraphrase));
}

void UDStatisticsInterface::SetFlag(Paraphrase_EX const& paraphrase, unsigned long flag) {
    fFile.UDSetBatchFreq(EntryIDOf(paraphrase), static_cast<uint32_t>(flag));
}

void UDStatisticsInterface::DeleteAllStats() {
    SimpleFileLocker_READ readLock(&fFile);
    SimpleFileLocker_WRITE writeLock(&fFile);
    for (uint32_t n = 1; n < fFile.GetBlockCount(); ++n) {
        uint32_t const kind = fFile.ReadDataBlockType(n);
        if (kind == kUDHeadBlock) {
            fFile.UDSetInteractiveFreq(n, 0);
            fFile.UDSetBatchFreq(n, 0);
        } else if (kind != kUDContinuationBlock && kind != kUDFreeBlock) {
            ThrowIfError(kUDFileCorrupt);
        }
    }
}

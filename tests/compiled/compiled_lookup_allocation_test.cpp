// A lookup that finds nothing allocates nothing: filling a parse chart looks
// up every word and word sequence, and most of them miss.  This test program
// counts the allocations of the thread that runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "compiled/compiled_test_support.h"

namespace {

thread_local long tAllocations = 0;

}  // namespace

namespace {

void* CountedAllocation(std::size_t size) noexcept {
    ++tAllocations;
    return std::malloc(size == 0 ? 1 : size);
}

void* CountedAllocationOrThrow(std::size_t size) {
    if (void* memory = CountedAllocation(size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

// Every plain form is replaced, so that each allocation is freed by its own
// family.
void* operator new(std::size_t size) { return CountedAllocationOrThrow(size); }
void* operator new[](std::size_t size) { return CountedAllocationOrThrow(size); }
void* operator new(std::size_t size, std::nothrow_t const&) noexcept { return CountedAllocation(size); }
void* operator new[](std::size_t size, std::nothrow_t const&) noexcept { return CountedAllocation(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::nothrow_t const&) noexcept { std::free(memory); }
void operator delete[](void* memory, std::nothrow_t const&) noexcept { std::free(memory); }

namespace {

using namespace compiled_test;

class CompiledLookupAllocationTest : public ::testing::TestWithParam<FormatKit> {};

TEST_P(CompiledLookupAllocationTest, AMissAllocatesNothing) {
    std::string text;
    // Enough headwords that the search goes past the levels an unmapped file
    // would keep in memory.
    for (int i = 0; i < 5000; ++i) text += "entry\tword" + std::to_string(i) + "\nfpos\tpos=N\n";
    ScratchFile file;
    Dictionary_EX const dictionary = CompileTextAs(GetParam(), text, file.Path());
    std::string const misses[] = {"a", "word", "word12345", "word4999x", "zzz", "WORD77 then more"};
    struct Counter : MaybeAnyLongerCallback {
        void FoundOne() override { ++heard; }
        int GetCoreSpeed() override { return 0; }
        int heard = 0;
    } callback;
    // The first lookup may set up what every later one reuses.
    dictionary.Lookup(misses[0], nullptr);
    for (std::string const& key : misses) {
        long const before = tAllocations;
        bool const atEnd = dictionary.Lookup(key, &callback).IsAtEnd();
        EXPECT_EQ(tAllocations, before) << key;
        EXPECT_TRUE(atEnd) << key;
    }
    // "word" begins longer headwords: the callback heard it.
    EXPECT_GE(callback.heard, 1);
    // A hit still finds its entry.
    EXPECT_FALSE(dictionary.Lookup("Word42", nullptr).IsAtEnd());
}

INSTANTIATE_TEST_SUITE_P(Formats, CompiledLookupAllocationTest, ::testing::ValuesIn(Formats()),
                         [](auto const& info) { return std::string(info.param.name); });

}  // namespace

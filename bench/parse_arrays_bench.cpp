// The parser's arrays: appending parse records to a growable array and to a
// chunked array in the shared arena, and the chunk walk that reaches an
// element of a long chunked array.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "engine/parse/array.h"
#include "engine/parse/chunked_array.h"

namespace {

struct Record {  // the size of a chart entry
    uint32_t words[4];
};

void BM_ArrayAppendRecords(benchmark::State& state) {
    for (auto _ : state) {
        Array<Record> array;
        for (int64_t i = 0; i < state.range(0); ++i) array.Append(Record{{static_cast<uint32_t>(i), 0, 0, 0}});
        benchmark::DoNotOptimize(array.begin());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ArrayAppendRecords)->Arg(100)->Arg(10000);

void BM_ArrayAppendStrings(benchmark::State& state) {
    std::string const text = "a reading long enough to live outside the string";
    for (auto _ : state) {
        Array<std::string> array;
        for (int64_t i = 0; i < state.range(0); ++i) array.Append(text);
        benchmark::DoNotOptimize(array.begin());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ArrayAppendStrings)->Arg(10000);

void BM_ChunkedAppend(benchmark::State& state) {
    for (auto _ : state) {
        SimpleSimpleHeapChunkedArray<Record> array;
        for (int64_t i = 0; i < state.range(0); ++i) array.Append()->words[0] = static_cast<uint32_t>(i);
        benchmark::DoNotOptimize(array.Count());
        ThreeTieredHeap().FreeAllData();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ChunkedAppend)->Arg(10000);

// Reading every element by index costs i / 20 chunk hops each.
void BM_ChunkedReadByIndex(benchmark::State& state) {
    SimpleSimpleHeapChunkedArray<Record> array;
    for (int64_t i = 0; i < state.range(0); ++i) array.Append()->words[0] = static_cast<uint32_t>(i);
    for (auto _ : state) {
        uint32_t sum = 0;
        for (uint32_t i = 0; i < array.Count(); ++i) sum += array.At(i).words[0];
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    ThreeTieredHeap().FreeAllData();
}
BENCHMARK(BM_ChunkedReadByIndex)->Arg(200)->Arg(2000);

}  // namespace

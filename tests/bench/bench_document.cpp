// SPDX-License-Identifier: GPL-3.0-or-later
// Open plus save of a complete document (configuration and a full phone book),
// and the comparison of two such documents.
#include "CData_All.h"
#include "CQ410CfDoc.h"
#include "Derivat.h"
#include "DocumentCompare.h"
#include "DocumentVariants.h"
#include "PhoneBookImport.h"
#include "TestSupport.h"

#include <benchmark/benchmark.h>

namespace {

struct FullDocument {
    IdentityScope identity{{.phonebookPart = "1"}};
    TempDir dir;
    std::string path = dir.File("voll.mv8");
    CData_All data;
    CData_All saved;
    CQ410CfDoc doc{data, saved};

    FullDocument()
    {
        doc.OnNewDocument();
        FillTestData(data);
        std::string error;
        doc.OnSaveDocument(path, error);
    }
};

void BM_OpenAndSaveFullDocument(benchmark::State& state)
{
    FullDocument f;
    std::string error;
    for (auto _ : state) {
        bool ok = f.doc.OnOpenDocument(f.path, error) && f.doc.OnSaveDocument(f.path, error);
        benchmark::DoNotOptimize(ok);
        if (!ok)
            state.SkipWithError(error.c_str());
    }
    state.counters["file_bytes"] = static_cast<double>(ReadFileBytes(f.path).size());
}
BENCHMARK(BM_OpenAndSaveFullDocument)->Unit(benchmark::kMillisecond);

void BM_OpenFullDocument(benchmark::State& state)
{
    FullDocument f;
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.doc.OnOpenDocument(f.path, error));
}
BENCHMARK(BM_OpenFullDocument)->Unit(benchmark::kMillisecond);

// Every field differs: the comparison's worst case (1066 differences).
void BM_CompareFullDocuments(benchmark::State& state)
{
    IdentityScope identity{{.phonebookPart = "1"}};
    CData_All first, second;
    FillDocumentVariant(first, 0);
    FillDocumentVariant(second, 1);
    std::size_t differences = 0;
    for (auto _ : state) {
        const std::vector<FieldDifference> list = CompareDocuments(first, second, Derivat());
        differences = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["differences"] = static_cast<double>(differences);
}
BENCHMARK(BM_CompareFullDocuments)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// SPDX-License-Identifier: GPL-3.0-or-later
// Open plus save of a complete document (configuration and a full phone book),
// the comparison of two such documents, and listing a folder of kept copies.
#include "BackupListing.h"
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
    TempDir dir;
    std::string path = dir.File("voll.mv8");
    CData_All data;
    CData_All saved;
    CQ410CfDoc doc{data, saved, TestIdentity({.phonebookPart = "1"})};

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
    const CDerivat identity = TestSwitches({.phonebookPart = "1"});
    CData_All first, second;
    FillDocumentVariant(first, 0);
    FillDocumentVariant(second, 1);
    std::size_t differences = 0;
    for (auto _ : state) {
        const std::vector<FieldDifference> list = CompareDocuments(first, second, identity);
        differences = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["differences"] = static_cast<double>(differences);
}
BENCHMARK(BM_CompareFullDocuments)->Unit(benchmark::kMicrosecond);

// What the backups window does when it opens: 100 full copies, half of
// them reads and half writes, each read for its version and phone type.
void BM_ListBackupFolder(benchmark::State& state)
{
    FullDocument f;
    const std::string folder = f.dir.File("backups");
    for (int i = 0; i < 100; ++i)
        KeepTransferBackup(f.data, f.doc.Switches(), i % 3 ? BackupPart::Configuration : BackupPart::PhoneBook,
                           i % 2 ? BackupWay::Sent : BackupWay::Read, folder);
    std::string error;
    std::size_t listed = 0;
    for (auto _ : state) {
        const std::vector<BackupCopy> copies = ListBackups(folder, error);
        listed = copies.size();
        benchmark::DoNotOptimize(copies.data());
    }
    state.counters["copies"] = static_cast<double>(listed);
}
BENCHMARK(BM_ListBackupFolder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

#pragma once
// Shared main for the benchmark programs: runs them on the offscreen platform and, after the
// usual table, prints each benchmark's time as a ratio to the reference benchmark.
#include "platform/Bitmap.h"
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The reference of most ratios: copying every byte of a w x h raster once.
inline void CopyRasterBytes(benchmark::State& state, int w, int h)
{
    TBitmap src(w, h), dst(w, h);
    for (auto _ : state) {
        for (int y = 0; y < h; ++y)
            std::memcpy(dst.ScanLine(y), src.ScanLine(y), size_t(w) * 4);
        benchmark::ClobberMemory();
    }
}

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    // Pairs: benchmark name -> name of its reference.
    explicit TRatioReporter(std::map<std::string, std::string> references) : references_(std::move(references)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nRatios (time / reference time):\n");
        for (const auto& [name, reference] : references_) {
            const auto t = times_.find(name), r = times_.find(reference);
            if (t != times_.end() && r != times_.end() && r->second > 0)
                std::printf("  %-40s %6.2f x %s\n", name.c_str(), t->second / r->second, reference.c_str());
        }
    }

private:
    std::map<std::string, std::string> references_;
    std::map<std::string, double> times_;
};

// After the benchmarks, Measure (when given) prints measurements of its own.
inline int RunWithRatios(int argc, char** argv, std::map<std::string, std::string> references,
                         const std::function<void()>& Measure = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter(std::move(references));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (Measure)
        Measure();
    return 0;
}

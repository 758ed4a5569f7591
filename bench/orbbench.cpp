#include "orbbench.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {
bool g_quick = false;

struct Result
{
    double ns = 0;
    std::map<std::string, double> counters;
};

// Keeps the median (or the single run) of every benchmark while the console shows progress.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            const bool isMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !isMedian)
                continue;
            if (run.run_type == Run::RT_Iteration && results.count(name) && !isMedian)
                continue;
            Result r;
            r.ns = run.GetAdjustedRealTime() * multiplier(run.time_unit);
            for (const auto& c : run.counters)
                r.counters[c.first] = c.second.value;
            results[name] = r;
            if (std::find(order.begin(), order.end(), name) == order.end())
                order.push_back(name);
        }
    }

    static double multiplier(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1;
        }
    }

    std::map<std::string, Result> results;
    std::vector<std::string> order;
};

std::string human(double ns)
{
    char buf[64];
    if (ns >= 1e9)
        std::snprintf(buf, sizeof buf, "%.2f s", ns / 1e9);
    else if (ns >= 1e6)
        std::snprintf(buf, sizeof buf, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3)
        std::snprintf(buf, sizeof buf, "%.2f us", ns / 1e3);
    else
        std::snprintf(buf, sizeof buf, "%.0f ns", ns);
    return buf;
}
} // namespace

namespace orbbench {
bool quick()
{
    return g_quick;
}

int run(int argc, char** argv)
{
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--orb-quick") == 0)
            g_quick = true;
        else
            args.push_back(argv[i]);
    }
    int n = int(args.size());
    QApplication app(n, args.data());
    benchmark::Initialize(&n, args.data());
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-44s %12s %12s %8s  %s\n", "benchmark", "time", "baseline", "ratio", "counters");
    for (const std::string& name : reporter.order) {
        const std::string suffix = "_Baseline";
        if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            continue;
        const Result& r = reporter.results[name];
        auto base = reporter.results.find(name + suffix);
        std::string counters;
        for (const auto& c : r.counters) {
            char buf[96];
            std::snprintf(buf, sizeof buf, "%s=%.3g ", c.first.c_str(), c.second);
            counters += buf;
        }
        if (base != reporter.results.end() && base->second.ns > 0)
            std::printf("%-44s %12s %12s %8.2f  %s\n", name.c_str(), human(r.ns).c_str(),
                        human(base->second.ns).c_str(), r.ns / base->second.ns, counters.c_str());
        else
            std::printf("%-44s %12s %12s %8s  %s\n", name.c_str(), human(r.ns).c_str(), "-", "-",
                        counters.c_str());
    }
    benchmark::Shutdown();
    return 0;
}
} // namespace orbbench

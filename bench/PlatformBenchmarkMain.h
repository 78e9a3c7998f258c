#pragma once

// The main of a benchmark program that uses the window layer: the platform starts before the
// benchmarks and is shut down before the program's static objects go (finishing it from an
// exit handler crashes once a form has been shown).
#include "platform/ui/Application.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

#define VELMARO_PLATFORM_BENCHMARK_MAIN()                                                          \
    int main(int argc, char** argv) {                                                              \
        setenv("QT_QPA_PLATFORM", "offscreen", 0);                                                 \
        benchmark::Initialize(&argc, argv);                                                        \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                    \
            return 1;                                                                              \
        Application->Initialize();                                                                 \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        Application->Finalize();                                                                   \
        return 0;                                                                                  \
    }

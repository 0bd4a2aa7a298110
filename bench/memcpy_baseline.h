#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>

// The baseline every figure is measured against: memcpy of `bytes` bytes, in the same run.
void runMemcpyBaseline(benchmark::State& state, std::size_t bytes);

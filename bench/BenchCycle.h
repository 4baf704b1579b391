#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

// Times `call` on the items in turn, so that one figure stands for a spread of states.
template <typename Item, typename Call>
void Cycle(benchmark::State& state, const std::vector<Item>& items, Call call) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(call(items[i]));
    if (++i == items.size()) i = 0;
  }
}

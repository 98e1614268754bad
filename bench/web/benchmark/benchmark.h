// A small stand-in for Google Benchmark, enough for the render benchmark in a browser: each
// case runs a fixed number of timed iterations after a warm-up and prints its median and
// mean, one line per case ("<name> median <ms> mean <ms> iterations <n>").
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace benchmark {

enum TimeUnit { kMillisecond, kMicrosecond };

template <class T>
inline void DoNotOptimize(T const& value) {
  asm volatile("" : : "r,m"(value) : "memory");
}

inline void ClobberMemory() {
  asm volatile("" : : : "memory");
}

class State {
 public:
  State(std::int64_t range, int iterations) : range_(range), left_(iterations) {}
  std::int64_t range(int) const { return range_; }
  void SetLabel(const std::string& label) { label_ = label; }
  const std::string& label() const { return label_; }
  const std::vector<double>& times_ms() const { return times_ms_; }

  // for (auto _ : state): each step of the loop is one timed iteration.
  struct __attribute__((unused)) Value {};
  struct Iterator {
    State* state;
    bool operator!=(const Iterator&) const { return state->next(); }
    void operator++() {}
    Value operator*() const { return {}; }
  };
  Iterator begin() { return {this}; }
  Iterator end() { return {this}; }

 private:
  using Clock = std::chrono::steady_clock;
  bool next() {
    const auto now = Clock::now();
    if (started_)
      times_ms_.push_back(std::chrono::duration<double, std::milli>(now - start_).count());
    started_ = true;
    start_ = now;
    return left_-- > 0;
  }
  std::int64_t range_;
  int left_;
  bool started_ = false;
  Clock::time_point start_;
  std::string label_;
  std::vector<double> times_ms_;
};

struct Case {
  std::string name;
  std::function<void(State&)> run;
  std::vector<std::int64_t> ranges{0};
  bool ranged = false;
  Case* Unit(TimeUnit) { return this; }
  Case* DenseRange(std::int64_t from, std::int64_t to) {
    ranges.clear();
    for (std::int64_t r = from; r <= to; ++r) ranges.push_back(r);
    ranged = true;
    return this;
  }
};

inline std::vector<Case*>& cases() {
  static std::vector<Case*> all;
  return all;
}

inline Case* add_case(const char* name, void (*fn)(State&)) {
  cases().push_back(new Case{name, fn});
  return cases().back();
}

inline double median_of(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline void run_all(int iterations) {
  for (Case* c : cases()) {
    for (std::int64_t r : c->ranges) {
      State warm(r, iterations / 10 + 1);
      c->run(warm);
      State state(r, iterations);
      c->run(state);
      double sum = 0;
      for (double t : state.times_ms()) sum += t;
      const std::string name = c->name + (c->ranged ? "/" + std::to_string(r) : std::string()) +
                               (state.label().empty() ? "" : " " + state.label());
      std::printf("%s median %.3f mean %.3f iterations %zu\n", name.c_str(),
                  median_of(state.times_ms()), sum / double(state.times_ms().size()),
                  state.times_ms().size());
    }
  }
}

}  // namespace benchmark

#define ORV_BENCH_CONCAT2(a, b) a##b
#define ORV_BENCH_CONCAT(a, b) ORV_BENCH_CONCAT2(a, b)
#define BENCHMARK(fn) \
  static ::benchmark::Case* ORV_BENCH_CONCAT(orv_case_, __LINE__) = ::benchmark::add_case(#fn, fn)
#define BENCHMARK_MAIN()                                     \
  int main(int argc, char** argv) {                          \
    int iterations = argc > 1 ? std::atoi(argv[1]) : 200;    \
    ::benchmark::run_all(iterations > 0 ? iterations : 200); \
    return 0;                                                \
  }

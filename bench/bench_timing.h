#pragma once
// What every bench program shares: a stopwatch, the samples of one figure and
// the line that hands its median to scripts/bench.sh:
//   bench <figure> <median> <sample> <sample> ...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace bench {

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start_); }
  double Ms() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_;
};

// The samples of one figure. Each is shown on stderr as it comes, so that a
// long run shows its progress; the figure's line goes to stdout at the end.
class Samples {
 public:
  explicit Samples(std::string figure) : figure_(std::move(figure)) {}
  void Add(double value) {
    values_.push_back(value);
    fprintf(stderr, "  %s: %.2f\n", figure_.c_str(), value);
  }
  // The middle value; of an even count, the mean of the two middle ones.
  double Median() const {
    std::vector<double> sorted = values_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    if (n == 0) return 0;
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  }
  // Prints the figure's line; nothing when no sample was taken.
  void Report() const {
    if (values_.empty()) return;
    printf("bench %s %.2f", figure_.c_str(), Median());
    for (double v : values_) printf(" %.2f", v);
    printf("\n");
    fflush(stdout);
  }

 private:
  std::string figure_;
  std::vector<double> values_;
};

// Takes `rounds` samples of a figure and of its floor, one of each per
// round, the order swapped every round so that a drift in the machine's load
// weighs on both alike.
template <class Figure, class Floor>
void Alternate(int rounds, Figure figure, Floor floor) {
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) {
      figure();
      floor();
    } else {
      floor();
      figure();
    }
  }
}

}  // namespace bench

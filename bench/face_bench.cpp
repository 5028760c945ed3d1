// Times drawing one card face, as the main window does whenever the card changes, at device
// pixel ratios 1 and 2. Prints one line per ratio and one for both together:
//   face dpr=<r> faces=<n> cold_us=<first call> median_us=<m> p90_us=<p> max_us=<x>
// The first call of a run also builds the drawing's shared shapes and fonts, so it is shown
// apart as cold_us and kept out of the median.
//
// Usage: tarvelle_face_bench [rounds]   (default 20 rounds over all 52 cards)

#include "cards/CardFace.h"

#include <QGuiApplication>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Summary {
    double median = 0.0;
    double p90 = 0.0;
    double max = 0.0;
};

Summary summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    Summary out;
    out.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
    out.p90 = samples[std::min(n - 1, n * 9 / 10)];
    out.max = samples.back();
    return out;
}

double microsecondsToDraw(int index, qreal ratio)
{
    const auto start = std::chrono::steady_clock::now();
    const QPixmap face = cards::renderCardFace(index, ratio);
    const auto end = std::chrono::steady_clock::now();
    // A face that came out empty would make any time meaningless.
    if (face.isNull()) {
        std::fprintf(stderr, "face_bench: card %d at ratio %g gave no picture\n", index, ratio);
        std::exit(1);
    }
    return std::chrono::duration<double, std::micro>(end - start).count();
}

void print(const char *label, const std::vector<double> &samples, double cold)
{
    const Summary s = summarise(samples);
    std::printf("face dpr=%s faces=%zu cold_us=%.1f median_us=%.1f p90_us=%.1f max_us=%.1f\n",
                label, samples.size(), cold, s.median, s.p90, s.max);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    constexpr int kCards = 52;
    constexpr qreal kRatios[] = {1.0, 2.0};

    double cold[2] = {microsecondsToDraw(1, kRatios[0]), microsecondsToDraw(1, kRatios[1])};
    std::vector<double> perRatio[2];
    std::vector<double> all;
    for (int round = 0; round < rounds; ++round) {
        for (int r = 0; r < 2; ++r) {
            for (int index = 1; index <= kCards; ++index) {
                const double us = microsecondsToDraw(index, kRatios[r]);
                perRatio[r].push_back(us);
                all.push_back(us);
            }
        }
    }
    print("1", perRatio[0], cold[0]);
    print("2", perRatio[1], cold[1]);
    print("both", all, std::max(cold[0], cold[1]));
    return 0;
}

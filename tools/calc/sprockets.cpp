#include "tools/calc/sprockets.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/formulas.h"
#include "tools/calc/change.h"

namespace kcalc {

namespace {

struct TRanked {
    double Distance;
    TCandidate Candidate;
};

// Pairs exactly as far above as below the target tie although both distances carry the rounding of
// the target and of the speeds: a few units in the last place of the larger of the two.
bool Ties(double nearer, double farther, double target) {
    return !(farther - nearer > 1e-9 * (std::abs(target) + nearer));  // infinite distances tie too
}

bool ByTeeth(const TRanked& x, const TRanked& y) {
    if (x.Candidate.Front != y.Candidate.Front) return x.Candidate.Front < y.Candidate.Front;
    return x.Candidate.Rear < y.Candidate.Rear;
}

// Nearest first; each run of tied distances (each tied to the run's first) by front, then rear teeth,
// up to the run that holds the last of `count`.
void Rank(std::vector<TRanked>& ranked, std::size_t count, double target) {
    std::sort(ranked.begin(), ranked.end(),
              [](const auto& x, const auto& y) { return x.Distance < y.Distance; });
    for (auto first = ranked.begin();
         first != ranked.end() && first - ranked.begin() < std::ptrdiff_t(count);) {
        const auto last = std::find_if(first, ranked.end(), [&](const TRanked& r) {
            return !Ties(first->Distance, r.Distance, target);
        });
        std::sort(first, last, ByTeeth);
        first = last;
    }
}

}  // namespace

double TopSpeed(const TSprocketSearch& s, double front, double rear) {
    const auto& in = s.Setup;
    return kgr::SpeedAtRpm(in.MaxK * 1000.0, in.Primary, front, rear, in.Tire, in.Gears[s.Gear - 1]) /
           s.KmPerUnit;
}

std::vector<TCandidate> FindSprockets(const TSprocketSearch& s) {
    const double current = TopSpeed(s, s.Setup.Drive, s.Setup.Driven);
    std::vector<TRanked> ranked;
    for (int f = s.Front.first; f <= s.Front.second; ++f)
        for (int r = s.Rear.first; r <= s.Rear.second; ++r) {
            const double speed = TopSpeed(s, f, r);
            const double distance = std::abs(speed - s.TargetSpeed);
            // A distance that is no number ranks last rather than breaking the ordering.
            ranked.push_back({std::isnan(distance) ? INFINITY : distance,
                              {f, r, speed, PercentChange(current, speed), {}}});
        }
    const auto count = static_cast<std::ptrdiff_t>(std::min<long long>(s.Count, ranked.size()));
    Rank(ranked, count, s.TargetSpeed);
    std::vector<TCandidate> out;
    for (auto it = ranked.begin(); it != ranked.begin() + count; ++it) {
        out.push_back(it->Candidate);
        if (s.Chain) out.back().Links = ChainLinks(it->Candidate.Front, it->Candidate.Rear, *s.Chain);
    }
    return out;
}

double ChainLinks(int front, int rear, const TChain& chain) {
    const double wrap = (rear - front) / (2 * std::numbers::pi);
    const double links =
        2 * chain.Centre / chain.Pitch + (front + rear) / 2.0 + wrap * wrap * chain.Pitch / chain.Centre;
    // A length a hair above an even count is that count: the formula is not exact to the last bit.
    return std::ceil((links - 1e-9) / 2) * 2;
}

}  // namespace kcalc

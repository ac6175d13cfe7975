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

bool RanksBefore(const TRanked& x, const TRanked& y) {
    if (x.Distance != y.Distance) return x.Distance < y.Distance;
    if (x.Candidate.Front != y.Candidate.Front) return x.Candidate.Front < y.Candidate.Front;
    return x.Candidate.Rear < y.Candidate.Rear;
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
    std::partial_sort(ranked.begin(), ranked.begin() + count, ranked.end(), RanksBefore);
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

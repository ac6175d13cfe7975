// The sprocket pairs whose top speed comes closest to a target, and the chain they need.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "core/gearinginputs.h"

namespace kcalc {

// Tooth counts a search may span; keeps every search small (at most 250000 pairs). The usage
// texts (texts.h) name the same limit.
constexpr long long kMaxTeeth = 500;

struct TChain {
    double Pitch = 0;   // mm
    double Centre = 0;  // sprocket centre distance, mm
};

struct TSprocketSearch {
    kgr::TParsedInputs Setup;  // the current drive train; its sprockets are the reference
    int Gear = 1;              // 1 ... 6, not 0 in Setup
    std::pair<int, int> Front{12, 20};
    std::pair<int, int> Rear{36, 54};
    double TargetSpeed = 0;  // top speed at maxK in the unit
    double KmPerUnit = 1;
    long long Count = 10;
    std::optional<TChain> Chain;
};

struct TCandidate {
    int Front = 0;
    int Rear = 0;
    double TopSpeed = 0;           // at maxK in the unit
    std::optional<double> Change;  // against the current sprockets, %; none where it means nothing
    std::optional<double> Links;
};

// Top speed at maxK in the search's gear and unit with the given sprockets.
double TopSpeed(const TSprocketSearch& search, double front, double rear);

// The best Count pairs: nearest top speed to the target first; equal distances by front, then rear
// teeth ascending.
std::vector<TCandidate> FindSprockets(const TSprocketSearch& search);

// Chain length in links, rounded up to an even number (a chain has inner and outer links in pairs).
double ChainLinks(int front, int rear, const TChain& chain);

}  // namespace kcalc

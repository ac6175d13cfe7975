#include "core/inputfields.h"

#include <algorithm>

namespace kgr {

TGearingInputs ToGearingInputs(std::span<const std::string> texts) {
    TInputTexts t;
    std::copy_n(texts.begin(), std::min(texts.size(), t.size()), t.begin());
    TGearingInputs in{t[ifMaxRpm],    t[ifPBLow],      t[ifPBHigh], t[ifRatio1],
                      t[ifRatio2drv], t[ifRatio2drvn], t[ifTire],   {}};
    std::copy(t.begin() + ifRatioT1, t.end(), in.RatioT.begin());
    return in;
}

TInputTexts ToInputTexts(const TGearingInputs& in) {
    TInputTexts t{in.MaxRpm, in.PBLow, in.PBHigh, in.Ratio1, in.Ratio2drv, in.Ratio2drvn, in.Tire};
    std::copy(in.RatioT.begin(), in.RatioT.end(), t.begin() + ifRatioT1);
    return t;
}

}  // namespace kgr

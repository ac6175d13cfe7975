#include "core/formulas.h"

namespace kgr {

namespace {

// Every intermediate is formed in long double (64-bit mantissa on x86-64); the static_casts to
// double are the points where a value is stored, and must stay: they decide the last bit.
using Ext = long double;
constexpr Ext kPi = 3.14159265358979323846264338327950288L;

double Store(Ext value) {
    return static_cast<double>(value);
}

}  // namespace

double SpeedAtRpm(double rpm, double primary, double drive, double driven, double tire, double gear) {
    const double t1 = Store(Ext{rpm} / primary);
    const double t2 = gear == 0 ? 0.0 : Store(Ext{t1} / gear);
    const double t3 = Store(Ext{t2} / (Ext{driven} / drive));
    return Store(Ext{t3} * tire * kPi * 60 / 1000 / 1000);
}

double RpmAtSpeed(double speed, double primary, double drive, double driven, double tire, double gear) {
    if (tire == 0 || drive == 0) return 0;
    const double w = Store(Ext{speed} * 1000 * 1000 / 60 / kPi / tire);
    const double x = Store(Ext{driven} / drive * w);
    const double y = gear == 0 ? 0.0 : Store(Ext{x} * gear);
    return Store(Ext{y} * primary);
}

double TireDiameter(double dia, double wid, double flt) {
    return Store(Ext{wid} * flt / 100 * 2 + 25.4L * dia);
}

}  // namespace kgr

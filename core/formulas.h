// The physics of the calculator: road speed from engine speed and back, and tyre diameter.
// Intermediate results are formed in long double (x87 extended precision) and stored as double.
#pragma once

namespace kgr {

// Road speed in km/h. Callers ensure primary, drive and driven are non-zero; gear 0 gives 0.
double SpeedAtRpm(double rpm, double primary, double drive, double driven, double tire, double gear);

// Engine speed in rpm at a road speed in km/h; tire 0, drive 0 or gear 0 give 0.
double RpmAtSpeed(double speed, double primary, double drive, double driven, double tire, double gear);

// Outer tyre diameter in mm from rim diameter (inches), section width (mm) and aspect ratio (%).
double TireDiameter(double dia, double wid, double flt);

}  // namespace kgr

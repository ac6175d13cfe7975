// The scale of an axis as values: its range, where it lies in pixels, and the map between the two.
// Whether the scale is linear or logarithmic is decided here, in TScaleMap, and nowhere else.
#pragma once

#include <cstdint>
#include <optional>

// Values spaced evenly along the axis, or by their natural logarithms.
enum class TScaleKind : std::uint8_t { Linear, Logarithmic };

// The two ends of a range and the span between them, always in step.
class TAxisRange {
  public:
    constexpr TAxisRange() = default;
    // The ends are taken as they are: a minimum above the maximum gives a negative span.
    constexpr TAxisRange(double min, double max) : min_(min), max_(max), span_(max - min) {}
    constexpr double Min() const { return min_; }
    constexpr double Max() const { return max_; }
    constexpr double Span() const { return span_; }

  private:
    double min_ = 0;
    double max_ = 0;
    double span_ = 0;
};

// The first and last pixel of an axis, the length between them and its centre. Far-off ends
// saturate at the int limits; the length and the centre are formed wide.
class TAxisPixels {
  public:
    constexpr TAxisPixels() = default;
    TAxisPixels(long long start, long long end);
    constexpr int Start() const { return start_; }
    constexpr int End() const { return end_; }
    constexpr int Length() const { return length_; }
    constexpr int Center() const { return center_; }

  private:
    int start_ = 0;
    int end_ = 0;
    int length_ = 0;
    int center_ = 0;
};

// How an axis runs: horizontal axes put larger values further right, vertical ones further up;
// Inverted turns that round.
struct TScaleDirection {
    bool Horizontal = true;
    bool Inverted = false;
};

// Maps the values of a range onto the pixels of an axis and back. A zero span, or a value too far
// off to be a pixel, maps to the centre.
class TScaleMap {
  public:
    TScaleMap(const TAxisRange& range, const TAxisPixels& pixels, TScaleKind kind, int logBase,
              TScaleDirection direction)
        : range_(range), pixels_(pixels), kind_(kind), logBase_(logBase), direction_(direction) {}

    const TAxisRange& Range() const { return range_; }
    const TAxisPixels& Pixels() const { return pixels_; }
    TScaleKind Kind() const { return kind_; }
    int LogBase() const { return logBase_; }
    bool IsHorizontal() const { return direction_.Horizontal; }

    // As on a horizontal axis: RangeMin at the start pixel, or at the end one when inverted.
    int XPixelOf(double value) const;
    // As on a vertical axis: RangeMin at the end pixel (larger values higher up), or at the start
    // one when inverted.
    int YPixelOf(double value) const;
    int PixelOf(double value) const { return direction_.Horizontal ? XPixelOf(value) : YPixelOf(value); }
    double ValueAtPixel(int pixel) const;

  private:
    // Pixels from the pixel of RangeMin; none when the value maps to the centre.
    std::optional<long long> OffsetOf(double value) const;

    TAxisRange range_;
    TAxisPixels pixels_;
    TScaleKind kind_;
    int logBase_;
    TScaleDirection direction_;
};

// Round to the nearest integer, halves to the even neighbour.
int RoundHalfEven(long double value);

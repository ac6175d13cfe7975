// Chart axes: the scale (fixed or taken from the series), value <-> pixel mapping, label steps,
// label values and texts, and the bands and painting of an axis around the chart rectangle.
// The class is the axis' public face; its scale map lives in axisscale, its steps, label values
// and minor ticks in axisticks, its bands and painting in axispaint.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "chart/axisscale.h"
#include "chart/chartfwd.h"
#include "chart/storechanged.h"

class TFont;
class TChartAxisPen;
class TDottedGrayPen;
class TDarkGrayPen;
class TChartHiddenPen;
class TickPositions;
class TAxisTicker;

// Where an axis lies: a side of the chart rectangle, or the depth of a 3-D chart.
enum TAxisSide : std::uint8_t { asBottom, asTop, asLeft, asRight, asDepth };

// The chart creates one axis per TAxisSide, in that order, at the head of its axis list; only these
// take bands from the chart rectangle, axes added after them just place themselves.
constexpr std::size_t StandardAxisCount = asDepth + 1;

// What the labels of an axis show.
enum TAxisLabelStyle : std::uint8_t { talAuto, talNone, talValue, talMark, talText };

// The chart's label events. OnGetAxisLabel may replace the text of a label (series is null and
// valueIndex -1 for value labels); OnGetNextAxisLabel supplies custom label values one by one.
using TAxisOnGetLabel = std::function<void(const TCustomChartAxis* sender, TChartSeries* series,
                                           int valueIndex, std::string& labelText)>;
using TAxisOnGetNextLabel =
    std::function<void(const TCustomChartAxis* sender, int labelIndex, double& labelValue, bool& stop)>;

// The title of an axis: caption, angle and font.
class TChartAxisTitle {
  public:
    explicit TChartAxisTitle(TCustomChartAxis* axis);
    ~TChartAxisTitle();
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    TCustomChartAxis* Axis() const { return axis_; }
    int Angle() const { return angle_; }
    // Raises ChartException for angles outside 0..359; the angle is then unchanged.
    void SetAngle(int angle);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont& font);

  private:
    TCustomChartAxis* axis_;
    int angle_;
    std::string caption_;
    std::unique_ptr<TFont> font_;
};

class TCustomChartAxis {
  public:
    // chart may be null (a detached axis: no series, no repaint, never loading).
    TCustomChartAxis(TCustomAxisPanel* chart, TAxisSide side);
    virtual ~TCustomChartAxis();
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    TCustomAxisPanel* ParentChart() const { return chart_; }
    TAxisSide Side() const { return side_; }
    bool IsHorizontal() const { return side_ == asBottom || side_ == asTop; }
    // The top, right and depth axes lie on the far side of the chart from the bottom and left ones.
    bool IsOtherSide() const { return side_ == asTop || side_ == asRight || side_ == asDepth; }
    bool IsDepth() const { return side_ == asDepth; }
    // Titles read upwards on the left axis and downwards on the right one.
    int DefaultTitleAngle() const { return side_ == asLeft ? 90 : (side_ == asRight ? 270 : 0); }

    // ---- Published properties ----
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value);
    TChartAxisPen* Axis() const { return axisPen_.get(); }
    void SetAxis(const TChartPen& pen);
    const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(const std::string& value);
    const std::string& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const std::string& value);
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool value);
    TDottedGrayPen* Grid() const { return grid_.get(); }
    void SetGrid(const TChartPen& pen);
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);  // AxisException when not >= 0
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value);
    bool Labels() const { return labels_; }
    void SetLabels(bool value);
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int value);  // ChartException outside 0..359
    TFont* LabelsFont() const { return labelsFont_.get(); }
    void SetLabelsFont(const TFont& font);
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value);
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value);
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);  // AxisException below 0
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value);
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value);
    bool Logarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool value);  // AxisException on a date-time axis or a range below 0
    int LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(int value);  // AxisException at 2 or below
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);  // AxisException below Minimum unless loading
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);  // AxisException above Maximum unless loading
    TChartHiddenPen* MinorGrid() const { return minorGrid_.get(); }
    void SetMinorGrid(const TChartPen& pen);
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value);
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value);
    TDarkGrayPen* MinorTicks() const { return minorTicks_.get(); }
    void SetMinorTicks(const TChartPen& pen);
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value);
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value);
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value);
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value);
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value);
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value);
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value);
    TDarkGrayPen* Ticks() const { return ticks_.get(); }
    void SetTicks(const TChartPen& pen);
    TDarkGrayPen* TicksInner() const { return ticksInner_.get(); }
    void SetTicksInner(const TChartPen& pen);
    TChartAxisTitle* Title() const { return title_.get(); }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // ---- Run-time state ----
    double RangeMin() const { return range_.Min(); }
    double RangeMax() const { return range_.Max(); }
    double RangeSpan() const { return range_.Span(); }
    // Sets RangeMin/RangeMax (and RangeSpan) directly, as a layout would.
    void SetRangeMin(double value);
    void SetRangeMax(double value);
    bool IsDateTimeAxis() const { return isDateTimeAxis_; }
    void SetIsDateTimeAxis(bool value) { isDateTimeAxis_ = value; }
    int StartPixel() const { return pixels_.Start(); }
    int EndPixel() const { return pixels_.End(); }
    int LengthPixels() const { return pixels_.Length(); }
    int CenterPixel() const { return pixels_.Center(); }
    // Sets StartPixel/EndPixel and the derived LengthPixels and CenterPixel.
    void SetStartPixel(int value);
    void SetEndPixel(int value);
    int AxisPixel() const { return axisPixel_; }
    void SetAxisPixel(int value) { axisPixel_ = value; }
    int LabelsPixel() const { return labelsPixel_; }
    void SetLabelsPixel(int value) { labelsPixel_ = value; }
    int TitlePixel() const { return titlePixel_; }
    void SetTitlePixel(int value) { titlePixel_ = value; }

    // ---- Scale and mapping ----
    // Takes the automatic ends from the series and copies Minimum/Maximum into the range.
    void RefreshRange();
    // Widens the range so that the data keeps the given pixels free at both ends (left/right on a
    // horizontal axis, top/bottom on a vertical one).
    void FitRangeToMargins(int left, int top, int right, int bottom);
    // StartPixel/EndPixel from the chart's PlotRect, StartPosition and EndPosition.
    void ComputePositions();
    // The scale as it stands: range, pixels, linear or logarithmic, direction.
    TScaleMap Map() const {
        const TScaleKind kind = logarithmic_ ? TScaleKind::Logarithmic : TScaleKind::Linear;
        return {range_, pixels_, kind, logarithmicBase_, {IsHorizontal(), inverted_}};
    }
    int XPixelOf(double value) const { return Map().XPixelOf(value); }
    int YPixelOf(double value) const { return Map().YPixelOf(value); }
    int PixelOf(double value) const { return Map().PixelOf(value); }
    double ValueAtPixel(int pixel) const { return Map().ValueAtPixel(pixel); }

    // Fixes both ends (swapped when min > max; at least 1e-10 apart).
    void SetRange(double min, double max);
    // Moves both ends by delta; with checkLimits only towards data beyond the current end.
    void ShiftRange(bool checkLimits, double delta);

    // ---- Labels ----
    // The surface font must be the labels font.
    double ComputeLabelStep();
    double StepForLabelSize(int size) const;
    double StepForLabelCount(int count) const;
    std::string LabelTextOf(double value) const;
    TAxisLabelStyle EffectiveLabelStyle() const;
    bool ShowsDateTime() const;
    // Visits the numeric label values (custom, logarithmic or default source) from the source's
    // first value on; the default source runs from the top value downwards.
    void ForEachLabelValue(double step, const std::function<void(double)>& visit) const;

    // ---- Bands and painting ----
    void ComputeBands(TRect& rect, bool shrink);
    int TickBandSize() const;
    int LabelsBandSize();
    int TitleBandSize() const;
    int WidestValueLabel();
    void PaintAxis(bool placeAxisLine);
    void PlaceLabel(int pixel, const std::string& text);
    void DrawAxisText(int x, int y, const std::string& text, int angle);

    // Asks the chart to repaint (nothing without a chart).
    void Repaint() const;

  protected:
    // Stores a changed value and asks the chart to repaint.
    template <typename T>
    void Change(T& field, const T& value) {
        StoreChanged(field, value, [this] { Repaint(); });
    }

  private:
    bool ChartIsLoading() const;
    double Extreme(bool isMin) const;
    // The label steps, label values and minor ticks of the current scale and settings.
    TAxisTicker Ticker() const;
    bool CustomLabelValues(const std::function<void(double)>& visit) const;
    void RunLabelPass(double step);
    void PlaceSeriesLabels(TAxisLabelStyle style);
    void PlaceValueLabel(double value);
    int LabelExtent(const std::string& text) const;
    int WidestSeriesLabel() const;
    int Offset(const TRect& rect, int anchor) const;
    int EdgeOf(const TRect& rect) const;
    void ShrinkOnSide(TRect& rect, int n) const;
    int OutwardOf(int anchor, int n) const;
    int DepthOfSide() const;
    void UseTextFont(const TFont& font);
    void DrawTitle();
    void DrawAxisLine() const;
    void DrawGrid(const TickPositions& ticks) const;
    void DrawTicksAndGrid(const TickPositions& ticks) const;
    void DrawTick(int pixel, int offset, long long length) const;
    void DrawGridLine(int pixel) const;

    TCustomAxisPanel* chart_;
    TAxisSide side_;

    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    std::unique_ptr<TChartAxisPen> axisPen_;
    std::string axisValuesFormat_ = "#,##0.###";
    std::string dateTimeFormat_;
    bool exactDateTime_ = true;
    std::unique_ptr<TDottedGrayPen> grid_;
    bool gridCentered_ = false;
    double increment_ = 0;
    bool inverted_ = false;
    bool labels_ = true;
    int labelsAngle_ = 0;
    std::unique_ptr<TFont> labelsFont_;
    bool labelsMultiLine_ = false;
    bool labelsOnAxis_ = true;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    TAxisLabelStyle labelStyle_ = talAuto;
    bool logarithmic_ = false;
    int logarithmicBase_ = 10;
    double maximum_ = 0;
    double minimum_ = 0;
    std::unique_ptr<TChartHiddenPen> minorGrid_;
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    std::unique_ptr<TDarkGrayPen> minorTicks_;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    bool roundFirstLabel_ = true;
    int tickInnerLength_ = 0;
    int tickLength_ = 4;
    bool tickOnLabelsOnly_ = true;
    std::unique_ptr<TDarkGrayPen> ticks_;
    std::unique_ptr<TDarkGrayPen> ticksInner_;
    std::unique_ptr<TChartAxisTitle> title_;
    int titleSize_ = 0;
    bool visible_ = true;

    TAxisRange range_;
    bool isDateTimeAxis_ = false;
    TAxisPixels pixels_;
    int axisPixel_ = 0;
    int labelsPixel_ = 0;
    int titlePixel_ = 0;
    // The positions the last PaintAxis recorded; made empty when the next one starts.
    std::unique_ptr<TickPositions> tickPositions_;
};

// One of the four side axes.
class TChartAxis : public TCustomChartAxis {
  public:
    using TCustomChartAxis::TCustomChartAxis;
};

// The depth axis (3-D charts only); created invisible.
class TChartDepthAxis : public TCustomChartAxis {
  public:
    explicit TChartDepthAxis(TCustomAxisPanel* chart);
};

// The mouse wheel: shifts every vertical axis of the chart by 3 % of its span per notch, up for a
// notch down (negative: towards the user).
void ShiftAxesForWheelNotches(TCustomAxisPanel& chart, int notches);

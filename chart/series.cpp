#include "chart/series.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "chart/errors.h"

namespace {

constexpr std::array<TColor, 16> kPalette = {
    clRed,  clGreen,  clYellow, clBlue,  clWhite,  clGray,   clFuchsia, clTeal,
    clNavy, clMaroon, clLime,   clOlive, clPurple, clSilver, clAqua,    clBlack,
};

// Stores a changed value and asks the chart to repaint.
template <typename T>
void ChangeAndRepaint(const TChartSeries& series, T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    series.RequestRepaint();
}

}  // namespace

void TSeriesMarks::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    if (owner_) owner_->RequestRepaint();
}

void TSeriesMarks::SetClip(bool value) {
    if (clip_ == value) return;
    clip_ = value;
    if (owner_) owner_->RequestRepaint();
}

void TSeriesMarks::Assign(const TSeriesMarks& source) {
    SetVisible(source.visible_);
    SetClip(source.clip_);
}

TChartSeries::TChartSeries(TComponent* owner)
    : TComponent(owner), marks_(std::make_unique<TSeriesMarks>(this)) {
    xValues_ = new TChartValueList(this, ChartStrings::ValueListXName);  // owned by valueLists_
    xValues_->SetOrder(loAscending);
    yValues_ = new TChartValueList(this, ChartStrings::ValueListYName);  // owned by valueLists_
}

TColor TChartSeries::PaletteColor(int index) {
    const int entry = index % 16;
    return kPalette[static_cast<size_t>(entry < 0 ? entry + 16 : entry)];
}

void TChartSeries::SetActive(bool value) {
    ChangeAndRepaint(*this, active_, value);
}

void TChartSeries::SetColorEachPoint(bool value) {
    ChangeAndRepaint(*this, colorEachPoint_, value);
    if (value) return;
    // Turning per-point colours off (even when already off) forgets every stored colour.
    for (int i = 0; i < PointColorCount(); ++i) SetPointColor(i, clDefault);
}

void TChartSeries::SetColorSource(std::string value) {
    if (colorSource_ == value) return;
    colorSource_ = std::move(value);
    CheckDataSource();
}

void TChartSeries::SetXLabelsSource(std::string value) {
    if (xLabelsSource_ == value) return;
    xLabelsSource_ = std::move(value);
    CheckDataSource();
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
    if (horizAxis_ == value) return;
    horizAxis_ = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
    if (vertAxis_ == value) return;
    vertAxis_ = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetCustomHorizAxis(TCustomChartAxis* axis) {
    if (customHorizAxis_ == axis) return;
    customHorizAxis_ = axis;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetCustomVertAxis(TCustomChartAxis* axis) {
    if (customVertAxis_ == axis) return;
    customVertAxis_ = axis;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetPercentFormat(std::string value) {
    ChangeAndRepaint(*this, percentFormat_, std::move(value));
}
void TChartSeries::SetSeriesColor(TColor value) {
    ChangeAndRepaint(*this, seriesColor_, value);
}
void TChartSeries::SetShowInLegend(bool value) {
    ChangeAndRepaint(*this, showInLegend_, value);
}
void TChartSeries::SetTitle(std::string value) {
    ChangeAndRepaint(*this, title_, std::move(value));
}
void TChartSeries::SetValueFormat(std::string value) {
    ChangeAndRepaint(*this, valueFormat_, std::move(value));
}

void TChartSeries::SetXValues(const TChartValueList& value) {
    xValues_->Assign(value);
    RequestRepaint();
}

void TChartSeries::SetYValues(const TChartValueList& value) {
    yValues_->Assign(value);
    RequestRepaint();
}

void TChartSeries::SetDepthBand(int startZ, int middleZ, int endZ) {
    startZ_ = startZ;
    middleZ_ = middleZ;
    endZ_ = endZ;
}

TColor TChartSeries::PointColor(int index) const {
    if (index < 0 || index >= PointColorCount()) return seriesColor_;
    const TColor stored = pointColors_[static_cast<size_t>(index)];
    if (stored != clDefault) return stored;
    return colorEachPoint_ ? PaletteColor(index) : seriesColor_;
}

std::string TChartSeries::PointLabel(int index) const {
    if (index < 0 || index >= PointLabelCount()) return {};
    const auto& text = pointLabels_[static_cast<size_t>(index)];
    return text ? *text : std::string();
}

void TChartSeries::SetPointX(int index, double value) {
    xValues_->SetValueAt(index, value);
    RequestRepaint();
}

void TChartSeries::SetPointY(int index, double value) {
    yValues_->SetValueAt(index, value);
    RequestRepaint();
}

void TChartSeries::SetPointColor(int index, TColor colour) {
    if (index < 0 || index >= PointColorCount())
        throw EListError(FormatMessage(ChartStrings::ListIndexError, index));
    pointColors_[static_cast<size_t>(index)] = colour;
    RequestRepaint();
}

// Labels are kept as NUL-terminated texts: anything after an embedded NUL is dropped.
void TChartSeries::InsertPointLabel(int index, const std::string& label) {
    const std::string_view text(label.data(), std::min(label.size(), label.find('\0')));
    pointLabels_.insert(pointLabels_.begin() + index,
                        text.empty() ? nullptr : std::make_unique<std::string>(text));
}

int TChartSeries::AddPointXY(double x, double y, const std::string& label, TColor colour) {
    xValues_->SetPendingValue(x);
    yValues_->SetPendingValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(this)) return -1;
    const int index = xValues_->AddInOrder(xValues_->PendingValue());
    yValues_->InsertValueAt(index, yValues_->PendingValue());
    InsertPendingExtras(index);
    pointColors_.insert(pointColors_.begin() + index, colour);
    InsertPointLabel(index, label);
    PointAdded(this, index);
    return index;
}

void TChartSeries::InsertPendingExtras(int index) {
    for (int i = 2; i < valueLists_.Count(); ++i) {
        TChartValueList* list = valueLists_.At(i);
        list->InsertValueAt(index, list->PendingValue());
    }
}

int TChartSeries::AddPointY(double y, const std::string& label, TColor colour) {
    return AddPointXY(PointCount(), y, label, colour);
}

int TChartSeries::AddPointX(double x, const std::string& label, TColor colour) {
    return AddPointXY(x, PointCount(), label, colour);
}

int TChartSeries::AddPoint(double value, const std::string& label, TColor colour) {
    return YIsMain() ? AddPointY(value, label, colour) : AddPointX(value, label, colour);
}

int TChartSeries::AddNullPoint(const std::string& label) {
    return AddPoint(0, label, clNone);
}

int TChartSeries::AddNullPointXY(double x, double y, const std::string& label) {
    return AddPointXY(x, y, label, clNone);
}

void TChartSeries::PointAdded(TChartSeries* sender, int index) {
    if (OnAfterAdd) OnAfterAdd(sender, index);
    NotifyDependents(TSeriesChange::Insert, index);
    if (active_) RequestRepaint();
}

void TChartSeries::EmptyAllLists() {
    for (int i = 0; i < valueLists_.Count(); ++i) valueLists_.At(i)->RemoveAllValues();
    ReleaseStorage(pointColors_);
    ReleaseStorage(pointLabels_);
    marks_->ClearPositions();
}

void TChartSeries::ClearPoints() {
    EmptyAllLists();
    if (OnClearValues) OnClearValues(this);
    NotifyDependents(TSeriesChange::Clear);
    if (active_) RequestRepaint();
}

void TChartSeries::DeletePoint(int index) {
    // Checked first so that a bad index leaves every list as it was.
    if (index < 0 || index >= PointCount())
        throw EListError(FormatMessage(ChartStrings::ListIndexError, index));
    for (int i = 0; i < valueLists_.Count(); ++i) valueLists_.At(i)->RemoveValueAt(index);
    const auto at = static_cast<size_t>(index);
    if (at < pointColors_.size()) pointColors_.erase(pointColors_.begin() + index);
    if (at < pointLabels_.size()) pointLabels_.erase(pointLabels_.begin() + index);
    auto& positions = marks_->Positions();
    if (at < positions.size()) positions.erase(positions.begin() + index);
    NotifyDependents(TSeriesChange::Delete, index);
    if (active_) RequestRepaint();
}

void TChartSeries::SwapPoints(int index1, int index2) {
    for (int i = 0; i < valueLists_.Count(); ++i) valueLists_.At(i)->SwapValues(index1, index2);
    const auto a = static_cast<size_t>(index1);
    const auto b = static_cast<size_t>(index2);
    if (a < pointColors_.size() && b < pointColors_.size()) std::swap(pointColors_[a], pointColors_[b]);
    if (a < pointLabels_.size() && b < pointLabels_.size()) std::swap(pointLabels_[a], pointLabels_[b]);
}

TChartValueList* TChartSeries::ValueListNamed(const std::string& name) const {
    for (int i = 2; i < valueLists_.Count(); ++i) {
        TChartValueList* list = valueLists_.At(i);
        const std::string& own = list->Name();
        if (own.size() == name.size() && std::equal(own.begin(), own.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return list;
    }
    return yValues_;
}

#include "app/Unit1.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <algorithm>
#include <string>

#include "app/chartcopy.h"
#include "app/fieldinput.h"
#include "app/fieldmarks.h"
#include "app/gearchart.h"
#include "app/messagebox.h"
#include "app/panelwidgets.h"
#include "app/presetlist.h"
#include "app/presetlisthints.h"
#include "app/settingmemorypanel.h"
#include "app/speedtablemodel.h"
#include "app/tablecopy.h"
#include "app/tableselection.h"
#include "app/windowplacement.h"
#include "chart/chart.h"
#include "chart/colors.h"
#include "chart/component.h"
#include "chart/series.h"
#include "chart/shape.h"
#include "core/catalogdir.h"
#include "core/gearing.h"
#include "core/inputfields.h"
#include "core/localeseparator.h"

namespace {

// The input fields in the order of the input table (core/inputfields.h).
constexpr QLineEdit* TForm1::*kTableFields[] = {
    &TForm1::E_MaxRPM,     &TForm1::E_PBLow,   &TForm1::E_PBHigh,  &TForm1::E_Ratio1,  &TForm1::E_Ratio2drv,
    &TForm1::E_Ratio2drvn, &TForm1::E_Tire,    &TForm1::E_RatioT1, &TForm1::E_RatioT2, &TForm1::E_RatioT3,
    &TForm1::E_RatioT4,    &TForm1::E_RatioT5, &TForm1::E_RatioT6};
static_assert(std::size(kTableFields) == kgr::GearingInputCount);

enum class TFieldLook { flTinted, flBevelled, flPlain };

// The window font: "ＭＳ Ｐゴシック" 12 px, else IPA P Gothic, else any font with Japanese glyphs.
QFont WindowFont() {
    const QStringList families = QFontDatabase::families();
    QString family;
    for (const QString& wanted : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                  QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")}) {
        if (families.contains(wanted)) {
            family = wanted;
            break;
        }
    }
    if (family.isEmpty()) {
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        if (!japanese.isEmpty()) family = japanese.front();
    }
    QFont font(family);
    font.setPixelSize(12);
    return font;
}

// Labels are as high as their font: a substitute font may need a pixel more than the original's
// 12, and a label of exactly 12 would cut the descenders of "g", "," and "(".
int LabelHeight(const QWidget& label) {
    return std::max(12, QFontMetrics(label.font()).height());
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->resize(label->sizeHint().width(), LabelHeight(*label));
    return label;
}

QLabel* MakeSizedLabel(QWidget* parent, const char* name, QRect bounds, const QString& text) {
    QLabel* label = MakeLabel(parent, name, bounds.left(), bounds.top(), text);
    label->resize(bounds.width(), LabelHeight(*label));
    return label;
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, QRect bounds, const QString& caption) {
    auto* box = new TGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(bounds);
    return box;
}

// The gear labels have 20 pixels before their field; substitute fonts can be a pixel or two wider
// than the original one, so tighten the letter spacing until the text fits.
void FitLabelWidth(QLabel& label, int room) {
    QFont font = label.font();
    for (qreal spacing = -0.25; QFontMetrics(font).horizontalAdvance(label.text()) > room && spacing >= -1;
         spacing -= 0.25) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    label.setFont(font);
    label.resize(std::min(label.sizeHint().width(), room), label.height());
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect bounds, TFieldLook look) {
    auto* edit = look == TFieldLook::flBevelled ? new TBevelledEdit(QStringLiteral("0"), parent)
                                                : new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(bounds);
    if (look == TFieldLook::flTinted) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, ToQColor(cl3DLight));
        edit->setPalette(palette);
    }
    return edit;
}

QComboBox* MakeList(QWidget* parent, const char* name, QRect bounds) {
    auto* box = new TPresetListBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(bounds);
    AddPresetListHints(*box);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect bounds, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    return button;
}

// A PNG of our resources, read by Qt's own PNG reader. Left to detect the format, Qt loads every image
// format plug-in to ask it first (a cost in start-up time and memory), and an icon made from a file
// name looks for icon engine plug-ins as well.
QPixmap ResourcePicture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The close button's picture: its light grey background (the bottom-left pixel's colour) is clear.
QIcon ExitPicture() {
    QPixmap picture = ResourcePicture(QStringLiteral(":/kestrigo/exit.png"));
    const QImage image = picture.toImage();
    picture.setMask(
        QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return QIcon(picture);
}

}  // namespace

TForm1::TForm1(IMessageDialogs* messages, QString catalogDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    Q_INIT_RESOURCE(kestrigo);
    if (!messages) {
        ownMessages_ = std::make_unique<TMessageBox>();
        messages = ownMessages_.get();
    }
    if (catalogDirectory.isEmpty())
        catalogDirectory = QString::fromStdString(
            kgr::CatalogDirectory((QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString()));
    catalogs_.Directory = catalogDirectory.toStdString();
    catalogs_.DecimalSeparator = kgr::LocaleDecimalSeparator();
    catalogs_.Messages = messages;

    components_ = std::make_unique<TComponent>();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kestrigo - ケストリゴ"));
    setWindowIcon(QIcon(ResourcePicture(QStringLiteral(":/kestrigo/gear.png"))));
    setFont(WindowFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    KeepOnScreen(*this, {273, 107});
    setFixedSize(620, 460);

    CreateWindowControls();
    SetTabOrder();
    ConnectPresets();
    ConnectHandlers();
    FormCreate(this);
    memoryPanel_ = std::make_unique<TSettingMemoryPanel>(
        TSettingMemoryPanel::TControls{*Edit1, *Button2, *ListBox1, *Button3, *Button4}, TableFields(),
        PresetLists(), *messages, kgr::TSettingMemory::DefaultPath());
    memoryPanel_->Load();
}

TForm1::~TForm1() = default;

void TForm1::CreateWindowControls() {
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(584, 424, 33, 33);
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setFocusPolicy(Qt::NoFocus);
    SpeedButton2->setToolTip(QStringLiteral("終了する"));
    SpeedButton2->setIcon(ExitPicture());
    SpeedButton2->setIconSize(QSize(32, 32));

    Label19 = MakeSizedLabel(this, "Label19", {520, 0, 98, 12}, QStringLiteral("Kestrigo (K.G.R.)"));
    Label19->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    CreateTabs();
    CreateSettingMemory();
    CreateInputs();
}

void TForm1::CreateTabs() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(4, 4, 485, 305);

    TabSheet1 = new QWidget(PageControl1);  // in the window already, so the grid takes its font
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    gridModel_ = new TSpeedTableModel(TabSheet1);
    PageControl1->addTab(TabSheet1, QStringLiteral("rpm/kmph 対応表"));
    // The chart tab is in front at start-up: the grid is built when its tab is first shown.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == TabSheet1) CreateStringGrid();
    });

    TabSheet2 = new QWidget(PageControl1);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Chart1 = new TChart(TabSheet2);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->move(0, 1);
    ConfigureGearChart(*Chart1, *components_);
    AddChartCopy(*Chart1);
    PageControl1->addTab(TabSheet2, QStringLiteral("rpm/kmph グラフ"));
    PageControl1->setCurrentIndex(1);
}

void TForm1::CreateStringGrid() {
    if (StringGrid1 != nullptr) return;
    StringGrid1 = new QTableView(TabSheet1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(0, 0, 477, 277);
    StringGrid1->setModel(gridModel_);
    ApplyStringGridLook(*StringGrid1);
    AddSpreadsheetSelection(*StringGrid1);
    AddTableCopy(*StringGrid1, *gridModel_, catalogs_.Messages);
    // Where it stood when built with the window: next after the tabs.
    QWidget::setTabOrder(PageControl1->tabBar(), StringGrid1);
    StringGrid1->show();
}

void TForm1::CreateSettingMemory() {
    GroupBox1 = MakeGroupBox(this, "GroupBox1", {492, 20, 125, 289}, QStringLiteral("セッティングメモリー"));
    Label1 = MakeSizedLabel(GroupBox1, "Label1", {4, 16, 39, 12}, QStringLiteral("タイトル"));
    Edit1 = MakeEdit(GroupBox1, "Edit1", {4, 32, 97, 20}, TFieldLook::flPlain);
    Edit1->clear();
    Button2 = MakeButton(GroupBox1, "Button2", {4, 52, 49, 21}, QStringLiteral("追加"));
    ListBox1 = new QListWidget(GroupBox1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(4, 76, 117, 185);
    ListBox1->setUniformItemSizes(true);
    Button3 = MakeButton(GroupBox1, "Button3", {4, 264, 49, 21}, QStringLiteral("呼出"));
    Button4 = MakeButton(GroupBox1, "Button4", {72, 264, 49, 21}, QStringLiteral("削除"));
}

void TForm1::CreateInputs() {
    GroupBox2 = MakeGroupBox(this, "GroupBox2", {4, 312, 573, 145}, QStringLiteral("セッティングパラメータ"));
    QWidget* g = GroupBox2;
    MakeLabel(g, "Label8", 8, 20, QStringLiteral("一次減速比"));
    C_Ratio1 = MakeList(g, "C_Ratio1", {76, 16, 161, 20});
    E_Ratio1 = MakeEdit(g, "E_Ratio1", {236, 16, 49, 20}, TFieldLook::flTinted);
    MakeLabel(g, "Label12", 8, 44, QStringLiteral("最高回転数"));
    E_MaxRPM = MakeEdit(g, "E_MaxRPM", {76, 40, 29, 20}, TFieldLook::flBevelled);
    MakeLabel(g, "Label13", 108, 44, QStringLiteral("x1,000 RPM"));
    MakeLabel(g, "Label16", 232, 44, QStringLiteral("パワーバンド"));
    E_PBLow = MakeEdit(g, "E_PBLow", {304, 40, 29, 20}, TFieldLook::flBevelled);
    MakeLabel(g, "Label17", 336, 44, QStringLiteral("～"));
    E_PBHigh = MakeEdit(g, "E_PBHigh", {352, 40, 29, 20}, TFieldLook::flBevelled);
    MakeLabel(g, "Label18", 384, 44, QStringLiteral("x1,000 RPM"));
    MakeLabel(g, "Label9", 8, 72, QStringLiteral("ﾄﾗﾝｽﾐｯｼｮﾝ"));
    CreateTransmissionPanel();
    MakeLabel(g, "Label10", 8, 124, QStringLiteral("二次減速比"));
    C_Ratio2drv = MakeList(g, "C_Ratio2drv", {76, 120, 49, 20});
    E_Ratio2drv = MakeEdit(g, "E_Ratio2drv", {124, 120, 33, 20}, TFieldLook::flTinted);
    MakeLabel(g, "Label15", 160, 124, QStringLiteral(":"));
    C_Ratio2drvn = MakeList(g, "C_Ratio2drvn", {164, 120, 49, 20});
    E_Ratio2drvn = MakeEdit(g, "E_Ratio2drvn", {212, 120, 33, 20}, TFieldLook::flTinted);
    MakeLabel(g, "Label11", 284, 124, QStringLiteral("ﾀｲﾔｻｲｽﾞ(直径)"));
    C_Tire = MakeList(g, "C_Tire", {368, 120, 121, 20});
    E_Tire = MakeEdit(g, "E_Tire", {488, 120, 65, 20}, TFieldLook::flTinted);
}

void TForm1::CreateTransmissionPanel() {
    Panel1 = new QFrame(GroupBox2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(76, 64, 489, 53);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    C_RatioT = MakeList(Panel1, "C_RatioT", {4, 5, 249, 20});
    Label14 = MakeSizedLabel(Panel1, "Label14", {268, 12, 188, 12},
                             QStringLiteral("相当するｷﾞｱが無いところは「0」をｾｯﾄ"));
    Label14->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette maroon = Label14->palette();
    maroon.setColor(QPalette::WindowText, ToQColor(clMaroon));
    Label14->setPalette(maroon);

    for (int g = 0; g < kgr::GearCount; ++g) {
        const std::string labelName = "Label" + std::to_string(2 + g);
        QLabel* label =
            MakeLabel(Panel1, labelName.c_str(), 8 + 80 * g, 33, QString::fromLatin1(kgr::GearNames[g]));
        FitLabelWidth(*label, 20);
        const int field = kgr::ifRatioT1 + g;
        this->*kTableFields[field] = MakeEdit(Panel1, kgr::InputFields[field].Control,
                                              {28 + 80 * g, 29, 49, 20}, TFieldLook::flTinted);
    }
}

void TForm1::SetTabOrder() {
    const std::vector<QWidget*> order = {C_Ratio1,     E_Ratio1,  E_MaxRPM,    E_PBLow,     E_PBHigh,
                                         C_RatioT,     E_RatioT1, E_RatioT2,   E_RatioT3,   E_RatioT4,
                                         E_RatioT5,    E_RatioT6, C_Ratio2drv, E_Ratio2drv, C_Ratio2drvn,
                                         E_Ratio2drvn, C_Tire,    E_Tire};
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    for (QWidget* w : order)
        if (auto* edit = qobject_cast<QLineEdit*>(w)) inputFields_.push_back(edit);
}

std::vector<QLineEdit*> TForm1::TableFields() const {
    std::vector<QLineEdit*> fields;
    for (QLineEdit* TForm1::*field : kTableFields) fields.push_back(this->*field);
    return fields;
}

std::vector<QComboBox*> TForm1::PresetLists() const {
    return {C_Ratio1, C_RatioT, C_Ratio2drv, C_Ratio2drvn, C_Tire};
}

void TForm1::ConnectPresets() {
    ratio1List_ = std::make_unique<TPresetList>(*C_Ratio1);
    ratioTList_ = std::make_unique<TPresetList>(*C_RatioT);
    ratio2drvList_ = std::make_unique<TPresetList>(*C_Ratio2drv);
    ratio2drvnList_ = std::make_unique<TPresetList>(*C_Ratio2drvn);
    tireList_ = std::make_unique<TPresetList>(*C_Tire);
    ratio1List_->OnSelect = [this] { C_Ratio1Select(C_Ratio1); };
    ratioTList_->OnSelect = [this] { C_RatioTSelect(C_RatioT); };
    ratio2drvList_->OnSelect = [this] { C_Ratio2drvSelect(C_Ratio2drv); };
    ratio2drvnList_->OnSelect = [this] { C_Ratio2drvnSelect(C_Ratio2drvn); };
    tireList_->OnSelect = [this] { C_TireSelect(C_Tire); };
}

void TForm1::ConnectHandlers() {
    // textChanged fires only when the text really changes, typed or written by the program.
    const std::pair<QLineEdit*, void (TForm1::*)(QObject*)> handlers[] = {
        {E_Ratio1, &TForm1::E_Ratio1Change},
        {E_RatioT1, &TForm1::E_RatioT1Change},
        {E_RatioT2, &TForm1::E_RatioT2Change},
        {E_RatioT3, &TForm1::E_RatioT3Change},
        {E_RatioT4, &TForm1::E_RatioT4Change},
        {E_RatioT5, &TForm1::E_RatioT5Change},
        {E_RatioT6, &TForm1::E_RatioT6Change},
        {E_Ratio2drv, &TForm1::E_Ratio2drvChange},
        {E_Ratio2drvn, &TForm1::E_Ratio2drvnChange},
        {E_Tire, &TForm1::E_TireChange},
        {E_MaxRPM, &TForm1::E_MaxRPMChange},
        {E_PBLow, &TForm1::E_PBChange},
        {E_PBHigh, &TForm1::E_PBChange}};
    for (const auto& entry : handlers) {
        QLineEdit* field = entry.first;
        const auto handler = entry.second;
        connect(field, &QLineEdit::textChanged, this, [this, field, handler] { (this->*handler)(field); });
    }
    for (QLineEdit* field : TableFields()) AddFieldInput(*field);
    fieldMarks_ = std::make_unique<TFieldMarks>(TableFields());
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(SpeedButton2); });
}

void TForm1::FormCreate(QObject*) {
    E_MaxRPM->setText(QStringLiteral("10"));
    E_PBLow->setText(QStringLiteral("6"));
    E_PBHigh->setText(QStringLiteral("8"));
    for (QLineEdit* field : {E_Ratio1, E_RatioT1, E_RatioT2, E_RatioT3, E_RatioT4, E_RatioT5, E_RatioT6,
                             E_Ratio2drv, E_Ratio2drvn, E_Tire})
        field->setText(QStringLiteral("0"));
    TPresetList* lists[] = {ratio1List_.get(), ratioTList_.get(), ratio2drvList_.get(), ratio2drvnList_.get(),
                            tireList_.get()};
    for (size_t i = 0; i < std::size(lists); ++i)
        kgr::LoadCatalog(catalogs_, kgr::CatalogFileName(kgr::AllCatalogKinds[i]), *lists[i]);
    Recalculate();
}

void TForm1::Recalculate() {
    ++recalculations_;
    kgr::TInputTexts texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = (this->*kTableFields[i])->text().toStdString();
    fieldMarks_->Update(texts, catalogs_.DecimalSeparator);
    gridModel_->SetResult(kgr::ComputeGearing(kgr::ToGearingInputs(texts), catalogs_.DecimalSeparator));
    ShowOnChart(gridModel_->Result());
}

void TForm1::ShowOnChart(const kgr::TGearingResult& result) {
    for (int i = 0; i < kgr::ChartSeriesCount; ++i)
        if (i != kgr::PowerBandIndex) Chart1->SeriesAt(i)->ClearPoints();
    if (!result.Drawn || !result.PowerBand) return;
    // The silver whole-range lines first, then the used parts; each emptied right before it is filled.
    for (int g = 1; g <= kgr::GearCount; ++g) FillChartLine(kgr::WholeRangeLineIndex(g), result);
    for (int g = 1; g <= kgr::GearCount; ++g) FillChartLine(kgr::GearLineIndex(g), result);
    auto& band = dynamic_cast<TChartShape&>(*Chart1->SeriesAt(kgr::PowerBandIndex));
    band.SetX0(result.PowerBand->X0);
    band.SetY0(result.PowerBand->Y0);
    band.SetX1(result.PowerBand->X1);
    band.SetY1(result.PowerBand->Y1);
}

void TForm1::FillChartLine(int index, const kgr::TGearingResult& result) {
    TChartSeries* series = Chart1->SeriesAt(index);
    series->ClearPoints();
    for (const kgr::TPointXY& point : result.Points[static_cast<size_t>(index)])
        series->AddPointXY(point.x, point.y, std::string(), clDefault);
}

void TForm1::FieldChanged(QLineEdit* field, TPresetList& list) {
    if (QApplication::focusWidget() == field) list.SetItemIndex(0);
    Recalculate();
}

void TForm1::E_Ratio1Change(QObject*) {
    FieldChanged(E_Ratio1, *ratio1List_);
}
void TForm1::E_RatioT1Change(QObject*) {
    FieldChanged(E_RatioT1, *ratioTList_);
}
void TForm1::E_RatioT2Change(QObject*) {
    FieldChanged(E_RatioT2, *ratioTList_);
}
void TForm1::E_RatioT3Change(QObject*) {
    FieldChanged(E_RatioT3, *ratioTList_);
}
void TForm1::E_RatioT4Change(QObject*) {
    FieldChanged(E_RatioT4, *ratioTList_);
}
void TForm1::E_RatioT5Change(QObject*) {
    FieldChanged(E_RatioT5, *ratioTList_);
}
void TForm1::E_RatioT6Change(QObject*) {
    FieldChanged(E_RatioT6, *ratioTList_);
}
void TForm1::E_Ratio2drvChange(QObject*) {
    FieldChanged(E_Ratio2drv, *ratio2drvList_);
}
void TForm1::E_Ratio2drvnChange(QObject*) {
    FieldChanged(E_Ratio2drvn, *ratio2drvnList_);
}
void TForm1::E_TireChange(QObject*) {
    FieldChanged(E_Tire, *tireList_);
}
void TForm1::E_MaxRPMChange(QObject*) {
    Recalculate();
}
void TForm1::E_PBChange(QObject*) {
    Recalculate();
}

void TForm1::SelectPreset(kgr::TCatalogKind kind, const TPresetList& list,
                          const std::vector<QLineEdit*>& fields) {
    std::vector<kgr::TFieldWriter> writers;
    for (QLineEdit* field : fields)
        writers.emplace_back(
            [field](const std::string& text) { field->setText(QString::fromStdString(text)); });
    kgr::SelectPreset(catalogs_, kind, list, writers);
}

void TForm1::C_Ratio1Select(QObject*) {
    SelectPreset(kgr::TCatalogKind::ckPrimary, *ratio1List_, {E_Ratio1});
}
void TForm1::C_RatioTSelect(QObject*) {
    const std::vector<QLineEdit*> fields = TableFields();
    SelectPreset(kgr::TCatalogKind::ckTransmission, *ratioTList_,
                 {fields.begin() + kgr::ifRatioT1, fields.end()});
}
void TForm1::C_Ratio2drvSelect(QObject*) {
    SelectPreset(kgr::TCatalogKind::ckDrive, *ratio2drvList_, {E_Ratio2drv});
}
void TForm1::C_Ratio2drvnSelect(QObject*) {
    SelectPreset(kgr::TCatalogKind::ckDriven, *ratio2drvnList_, {E_Ratio2drvn});
}
void TForm1::C_TireSelect(QObject*) {
    SelectPreset(kgr::TCatalogKind::ckTire, *tireList_, {E_Tire});
}

void TForm1::SpeedButton2Click(QObject*) {
    close();
}

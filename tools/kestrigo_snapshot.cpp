// kestrigo-snapshot: builds the Kestrigo window headless, exactly as the program does (catalogs beside
// this executable or installed; Qt's texts in Japanese; messages recorded instead of shown), replays
// typed texts, picks and tab changes in the order given, and writes a picture of the window and/or its
// state as JSON.
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/bandedframestyle.h"
#include "app/messagebox.h"
#include "app/qtjapanese.h"
#include "app/settingmemorypanel.h"
#include "app/speedtablemodel.h"
#include "chart/axis.h"
#include "chart/chart.h"
#include "chart/series.h"
#include "core/version.h"
#include "tools/replay/useractions.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;
constexpr int kStateRows = 100;

const char* const kUsage =
    "usage: kestrigo-snapshot [--type FIELD=TEXT] [--paste FIELD=TEXT] [--pick LIST=INDEX]\n"
    "                         [--tab table|chart] [--select ListBox1=INDEX] [--answer yes|no]\n"
    "                         [--click BUTTON]... [--png FILE] [--chart-png FILE] [--state FILE]\n"
    "                         [--scale R]\n"
    "       kestrigo-snapshot --version\n"
    "  Actions run in the order given. FIELD is an input field (E_Ratio1, E_MaxRPM, ...) or the\n"
    "  memory's title Edit1, LIST a preset list (C_Ratio1, C_RatioT, C_Ratio2drv, C_Ratio2drvn,\n"
    "  C_Tire), BUTTON one of the memory's Button2 (追加), Button3 (呼出) and Button4 (削除).\n"
    "  A question a click asks is answered はい, or いいえ after --answer no.\n"
    "  The memory is memory.json in $XDG_DATA_HOME/kestrigo/.\n"
    "  --scale R renders at device pixel ratio R (0.5 to 8; --png and --chart-png are then R times as "
    "large).\n";

struct TAction {
    QString Option;  // --type, --paste, --pick, --tab, --select, --click or --answer
    QString Name;
    QString Value;
};

// Output file names keep the bytes they were given: a Linux file name need not be valid UTF-8.
struct TOptions {
    std::vector<TAction> Actions;
    QByteArray Png;
    QByteArray ChartPng;
    QByteArray State;
    bool Version = false;
};

class TUsageError {
  public:
    explicit TUsageError(QString text) : Text(std::move(text)) {}
    QString Text;
};

// NAME=VALUE; the value may itself contain "=".
std::pair<QString, QString> SplitAssignment(const QString& option, const QString& argument) {
    const qsizetype eq = argument.indexOf(QLatin1Char('='));
    if (eq <= 0) throw TUsageError(option + QStringLiteral(" expects NAME=VALUE, got \"") + argument + '"');
    return {argument.left(eq), argument.mid(eq + 1)};
}

// Where an output option keeps its file name, or nullptr for any other option.
QByteArray* OutputPath(TOptions& options, const QString& option) {
    if (option == QLatin1String("--png")) return &options.Png;
    if (option == QLatin1String("--chart-png")) return &options.ChartPng;
    if (option == QLatin1String("--state")) return &options.State;
    return nullptr;
}

// The ratio of --scale, or 0 when `text` is not one.
double ScaleOf(const QByteArray& text) {
    bool ok = false;
    const double ratio = text.toDouble(&ok);
    return ok && ratio >= 0.5 && ratio <= 8 ? ratio : 0;
}

// --scale takes effect through Qt's scale factor, which must be set before the application exists.
void ApplyScale(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--scale" && ScaleOf(argv[i + 1]) > 0)
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
}

bool IsAction(const QString& option) {
    return option == QLatin1String("--type") || option == QLatin1String("--paste") ||
           option == QLatin1String("--pick") || option == QLatin1String("--tab") ||
           option == QLatin1String("--select") || option == QLatin1String("--click") ||
           option == QLatin1String("--answer");
}

// Options whose value is a single word from a list.
std::optional<QStringList> WordsOf(const QString& option) {
    if (option == QLatin1String("--tab"))
        return QStringList{QStringLiteral("table"), QStringLiteral("chart")};
    if (option == QLatin1String("--answer")) return QStringList{QStringLiteral("yes"), QStringLiteral("no")};
    if (option == QLatin1String("--click"))
        return QStringList{QStringLiteral("Button2"), QStringLiteral("Button3"), QStringLiteral("Button4")};
    return std::nullopt;
}

// The arguments as main received them (after Qt took its own); texts are read in the locale's encoding.
TOptions ParseOptions(const std::vector<QByteArray>& arguments) {
    TOptions options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const QString option = QString::fromLocal8Bit(arguments[i]);
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) throw TUsageError({});
        if (option == QLatin1String("--version")) {
            options.Version = true;
            continue;
        }
        if (option == QLatin1String("--scale")) {
            if (i + 1 >= arguments.size() || ScaleOf(arguments[i + 1]) == 0)
                throw TUsageError(QStringLiteral("--scale expects a ratio from 0.5 to 8"));
            ++i;
            continue;
        }
        QByteArray* const path = OutputPath(options, option);
        if (!path && !IsAction(option)) throw TUsageError(QStringLiteral("unknown option ") + option);
        if (i + 1 >= arguments.size()) throw TUsageError(QStringLiteral("missing value after ") + option);
        const QByteArray& bytes = arguments[++i];
        const QString value = QString::fromLocal8Bit(bytes);
        if (path) {
            // An empty name would silently write nothing.
            if (bytes.isEmpty()) throw TUsageError(option + QStringLiteral(" expects a file name"));
            *path = bytes;
        } else if (const auto words = WordsOf(option)) {
            if (!words->contains(value))
                throw TUsageError(option + QStringLiteral(" expects ") + words->join(QStringLiteral(" or ")) +
                                  QStringLiteral(", got \"") + value + '"');
            options.Actions.push_back({option, value, {}});
        } else {
            auto [name, text] = SplitAssignment(option, value);
            options.Actions.push_back({option, name, text});
        }
    }
    return options;
}

QLineEdit* FieldNamed(const TForm1& form, const QString& name) {
    if (name == QLatin1String("Edit1")) return form.Edit1;
    for (QLineEdit* field : form.InputFields())
        if (field->objectName() == name) return field;
    throw TUsageError(QStringLiteral("unknown field \"") + name + '"');
}

QComboBox* ListNamed(const TForm1& form, const QString& name) {
    for (QComboBox* list : form.PresetLists())
        if (list->objectName() == name) return list;
    throw TUsageError(QStringLiteral("unknown list \"") + name + '"');
}

void SelectEntry(TForm1& form, const TAction& action) {
    if (action.Name != QLatin1String("ListBox1"))
        throw TUsageError(QStringLiteral("unknown list box \"") + action.Name + '"');
    bool ok = false;
    const int index = action.Value.toInt(&ok);
    if (!ok || index < 0 || index >= form.ListBox1->count())
        throw TUsageError(QStringLiteral("ListBox1 has no position \"%1\" (it holds %2 entries)")
                              .arg(action.Value)
                              .arg(form.ListBox1->count()));
    ActivateWindowOf(*form.ListBox1);
    form.ListBox1->setFocus(Qt::MouseFocusReason);
    form.ListBox1->setCurrentRow(index);
}

QPushButton* ButtonNamed(const TForm1& form, const QString& name) {
    if (name == QLatin1String("Button2")) return form.Button2;
    return name == QLatin1String("Button3") ? form.Button3 : form.Button4;
}

// A click as the mouse gives it: the button takes the focus, and a disabled button does nothing.
void Click(TForm1& form, TMessageRecorder& messages, const QString& name) {
    QPushButton* button = ButtonNamed(form, name);
    ActivateWindowOf(*button);
    if (button->isEnabled()) button->setFocus(Qt::MouseFocusReason);
    button->click();
    messages.Answer = true;
}

void Apply(TForm1& form, TMessageRecorder& messages, const TAction& action) {
    if (action.Option == QLatin1String("--select")) {
        SelectEntry(form, action);
    } else if (action.Option == QLatin1String("--click")) {
        Click(form, messages, action.Name);
    } else if (action.Option == QLatin1String("--answer")) {
        messages.Answer = action.Name == QLatin1String("yes");
    } else if (action.Option == QLatin1String("--type")) {
        TypeAsUser(*FieldNamed(form, action.Name), action.Value);
    } else if (action.Option == QLatin1String("--paste")) {
        PasteAsUser(*FieldNamed(form, action.Name), action.Value);
    } else if (action.Option == QLatin1String("--pick")) {
        QComboBox* list = ListNamed(form, action.Name);
        bool ok = false;
        const int index = action.Value.toInt(&ok);
        if (!ok || !PickAsUser(*list, index))
            throw TUsageError(QStringLiteral("%1 has no position \"%2\" (it holds %3 entries)")
                                  .arg(action.Name, action.Value)
                                  .arg(list->count()));
    } else {
        form.PageControl1->setCurrentIndex(action.Name == QLatin1String("table") ? 0 : 1);
    }
}

QJsonObject GridState(const TSpeedTableModel& grid) {
    QJsonArray rows;
    for (int r = 0; r < std::min(grid.RowCount(), kStateRows); ++r) {
        QJsonArray row;
        for (int c = 0; c < grid.ColCount(); ++c) row.append(grid.Cells(c, r));
        rows.append(row);
    }
    return {{"ColCount", grid.ColCount()}, {"RowCount", grid.RowCount()}, {"rows", rows}};
}

QJsonArray SeriesState(const TChart& chart) {
    QJsonArray list;
    for (int i = 0; i < chart.CountSeries(); ++i) {
        const TChartSeries& series = *chart.SeriesAt(i);
        QJsonArray points;
        for (int p = 0; p < series.PointCount(); ++p)
            points.append(QJsonArray{series.PointX(p), series.PointY(p)});
        list.append(QJsonObject{{"name", QString::fromStdString(series.Name())},
                                {"title", QString::fromStdString(series.Title())},
                                {"points", points}});
    }
    return list;
}

QJsonObject AxisState(const TCustomChartAxis& axis) {
    return {{"Minimum", axis.Minimum()},
            {"Maximum", axis.Maximum()},
            {"StartPixel", axis.StartPixel()},
            {"EndPixel", axis.EndPixel()},
            {"AxisPixel", axis.AxisPixel()}};
}

QJsonObject ChartState(const TChart& chart) {
    const TRect plot = chart.PlotRect();
    return {{"PlotRect", QJsonArray{plot.Left, plot.Top, plot.Right, plot.Bottom}},
            {"axes",
             QJsonObject{{"bottom", AxisState(*chart.BottomAxis())}, {"left", AxisState(*chart.LeftAxis())}}},
            {"paints", chart.PaintCount()}};
}

QJsonObject MemoryState(const TForm1& form) {
    QJsonArray titles;
    for (int i = 0; i < form.ListBox1->count(); ++i) titles.append(form.ListBox1->item(i)->text());
    const QListWidgetItem* current = form.ListBox1->currentItem();
    return {{"titles", titles},
            {"selected", current && current->isSelected() ? form.ListBox1->row(current) : -1},
            {"title", form.Edit1->text()},
            {"file", form.SettingMemory().Memory().Path()}};
}

QJsonObject State(const TForm1& form, const TMessageRecorder& messages) {
    QJsonArray messageList;
    for (const std::string& text : messages.Messages) messageList.append(QString::fromStdString(text));
    QJsonObject fields;
    QJsonObject invalidFields;  // a marked field's tooltip says what it expects
    for (const QLineEdit* field : form.InputFields()) {
        fields.insert(field->objectName(), field->text());
        if (!field->toolTip().isEmpty()) invalidFields.insert(field->objectName(), field->toolTip());
    }
    QJsonObject lists;
    for (const QComboBox* list : form.PresetLists()) {
        QJsonArray items;
        for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
        lists.insert(list->objectName(), QJsonObject{{"items", items}, {"index", list->currentIndex()}});
    }
    return {{"messages", messageList},
            {"fields", fields},
            {"invalidFields", invalidFields},
            {"lists", lists},
            {"grid", GridState(form.GridModel())},
            {"recalculations", form.Recalculations()},
            {"series", SeriesState(*form.Chart1)},
            {"chart", ChartState(*form.Chart1)},
            {"memory", MemoryState(form)},
            {"window", QJsonObject{{"title", form.windowTitle()},
                                   {"x", form.x()},
                                   {"y", form.y()},
                                   {"width", form.width()},
                                   {"height", form.height()}}}};
}

// The chart's buffer as last painted; a chart whose tab was never shown is rendered as it would paint.
QImage ChartImage(TChart& chart) {
    return chart.LastImage().isNull() ? chart.RenderToImage() : chart.LastImage();
}

struct TCloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Opened by its bytes, which QFile's Unicode names cannot carry.
bool WriteFile(const QByteArray& path, const QByteArray& bytes) {
    std::unique_ptr<std::FILE, TCloseFile> file(std::fopen(path.constData(), "wb"));
    if (!file) return false;
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, file.get()) == size;
    // Closing flushes the buffer: a full disk shows here.
    return std::fclose(file.release()) == 0 && written;
}

bool WritePng(const QByteArray& path, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") && WriteFile(path, bytes);
}

int CannotWrite(const QByteArray& path) {
    std::fprintf(stderr, "kestrigo-snapshot: cannot write %s\n", path.constData());
    return kExitFailure;
}

// Text asked for on stdout; a stdout that cannot take it fails the run.
int Print(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    std::fputs("kestrigo-snapshot: cannot write the output\n", stderr);
    return kExitFailure;
}

int Run(const TOptions& options) {
    if (options.Version) return Print(std::string("kestrigo-snapshot ") + kgr::KestrigoVersion + "\n");
    TMessageRecorder messages;
    TForm1 form(&messages);
    form.show();
    ActivateWindowOf(form);
    for (const TAction& action : options.Actions) Apply(form, messages, action);
    QApplication::processEvents();
    // Pending repaint requests of a shown chart are served now, so its facts are those on screen.
    if (form.Chart1->isVisible()) form.Chart1->repaint();
    if (!options.Png.isEmpty() && !WritePng(options.Png, form.grab().toImage()))
        return CannotWrite(options.Png);
    if (!options.ChartPng.isEmpty() && !WritePng(options.ChartPng, ChartImage(*form.Chart1)))
        return CannotWrite(options.ChartPng);
    if (!options.State.isEmpty() &&
        !WriteFile(options.State, QJsonDocument(State(form, messages)).toJson(QJsonDocument::Indented)))
        return CannotWrite(options.State);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Always headless; an offscreen platform given with its options (a screen size) is kept.
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ApplyScale(argc, argv);
    QApplication app(argc, argv);
    InstallBandedFrameStyle();
    QApplication::setApplicationName(QStringLiteral("K.G.R."));
    const TQtJapanese qtJapanese;
    try {
        return Run(ParseOptions({argv, argv + argc}));
    } catch (const TUsageError& error) {
        if (error.Text.isEmpty()) return Print(kUsage);  // --help: asked for, so on stdout
        std::fprintf(stderr, "kestrigo-snapshot: %s\n", qPrintable(error.Text));
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
}

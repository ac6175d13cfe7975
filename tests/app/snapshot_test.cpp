// kestrigo-snapshot end to end: the tool built beside the program, run as a user would run it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/runprocess.h"

namespace {

const QString kTool = QStringLiteral(KESTRIGO_BINARY_DIR "/kestrigo-snapshot");
const QString kProgram = QStringLiteral(KESTRIGO_BINARY_DIR "/kestrigo");

struct RunResult {
    int ExitCode = -1;
    QString Errors;
    QString Output;
};

// The test's environment with `dataHome` as the user data folder.
QProcessEnvironment WithDataHome(const QString& dataHome) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    return environment;
}

RunResult RunTool(const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                  const QString& program = kTool) {
    const kgr_test::TProcessRun run = kgr_test::RunProcess(program, arguments, environment);
    return {run.ExitCode, QString::fromUtf8(run.Errors), QString::fromUtf8(run.Output)};
}

class SnapshotTool : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFile::exists(kTool)) GTEST_FAIL() << "build kestrigo-snapshot first: " << kTool.toStdString();
    }
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

QJsonObject ReadJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

TEST_F(SnapshotTool, ReplaysTheSettingMemoryPanelAndReportsIt) {
    const QString dataHome = PathOf("data");
    const QString file = dataHome + QStringLiteral("/kestrigo/memory.json");
    RunResult run =
        RunTool({"--type",   "E_MaxRPM=12", "--type",  "Edit1=峠 = [1]",    "--click",  "Button2",
                 "--type",   "Edit1=二",    "--click", "Button2",           "--type",   "E_MaxRPM=9",
                 "--select", "ListBox1=0",  "--click", "Button3",           "--answer", "no",
                 "--click",  "Button4",     "--state", PathOf("state.json")},
                WithDataHome(dataHome));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    QJsonObject state = ReadJson(PathOf("state.json"));
    EXPECT_EQ(state["fields"].toObject()["E_MaxRPM"].toString(), "12");
    EXPECT_EQ(state["memory"].toObject(), (QJsonObject{{"titles", QJsonArray{"峠 = [1]", "二"}},
                                                       {"selected", 0},
                                                       {"title", "峠 = [1]"},
                                                       {"file", file}}));
    EXPECT_EQ(state["messages"].toArray().size(), 1) << "the question of 削除";

    // The next run lists what the first stored; "はい" deletes.
    run = RunTool({"--select", "ListBox1=1", "--click", "Button4", "--state", PathOf("state.json")},
                  WithDataHome(dataHome));
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    state = ReadJson(PathOf("state.json"));
    EXPECT_EQ(state["memory"].toObject()["titles"].toArray(), QJsonArray{"峠 = [1]"});
    EXPECT_EQ(state["memory"].toObject()["selected"].toInt(), -1);
    EXPECT_EQ(RunTool({"--select", "ListBox1=5"}, WithDataHome(dataHome)).ExitCode, 2);
    EXPECT_EQ(RunTool({"--click", "Button9"}, WithDataHome(dataHome)).ExitCode, 2);
}

TEST_F(SnapshotTool, WritesTheStateAfterTypingPickingAndSwitchingTabs) {
    const RunResult run =
        RunTool({"--type", "E_RatioT6=0", "--pick", "C_Tire=1", "--tab", "table", "--state",
                 PathOf("state.json"), "--png", PathOf("window.png"), "--chart-png", PathOf("chart.png")});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    const QJsonObject state = ReadJson(PathOf("state.json"));
    ASSERT_FALSE(state.isEmpty());

    EXPECT_TRUE(state["messages"].toArray().isEmpty());
    const QJsonObject fields = state["fields"].toObject();
    EXPECT_EQ(fields.size(), 13);
    EXPECT_EQ(fields["E_RatioT6"].toString(), "0");
    EXPECT_EQ(fields["E_MaxRPM"].toString(), "10");
    const QJsonObject lists = state["lists"].toObject();
    EXPECT_EQ(lists.size(), 5);
    EXPECT_EQ(lists["C_RatioT"].toObject()["index"].toInt(), 0);  // typed: "(USER)"
    EXPECT_EQ(lists["C_Tire"].toObject()["index"].toInt(), 1);
    EXPECT_EQ(lists["C_Tire"].toObject()["items"].toArray()[0].toString(), "(USER)");

    const QJsonObject grid = state["grid"].toObject();
    EXPECT_EQ(grid["ColCount"].toInt(), 7);
    EXPECT_EQ(grid["RowCount"].toInt(), 12);
    const QJsonArray rows = grid["rows"].toArray();
    ASSERT_EQ(rows.size(), 12);
    EXPECT_EQ(rows[0].toArray()[1].toString(), "1st");
    EXPECT_EQ(rows[11].toArray()[0].toString(), "10000rpm");
    EXPECT_EQ(rows[11].toArray()[6].toString(), " 0.0");
    EXPECT_GT(state["recalculations"].toInt(), 10);

    const QJsonArray series = state["series"].toArray();
    ASSERT_EQ(series.size(), 13);
    EXPECT_EQ(series[0].toObject()["name"].toString(), "Series13");
    EXPECT_EQ(series[0].toObject()["title"].toString(), "PowerBand");
    EXPECT_EQ(series[7].toObject()["name"].toString(), "Series8");
    const QJsonArray sixth = series[12].toObject()["points"].toArray();
    ASSERT_EQ(sixth.size(), 2);
    EXPECT_EQ(sixth[1].toArray()[0].toDouble(), 0.0);  // gear 6 typed as 0 collapses to the origin

    const QJsonObject window = state["window"].toObject();
    EXPECT_EQ(window["title"].toString(), "Kestrigo - ケストリゴ");
    EXPECT_EQ(window["width"].toInt(), 620);
    EXPECT_EQ(window["height"].toInt(), 460);

    const QJsonObject chart = state["chart"].toObject();
    EXPECT_EQ(chart["PlotRect"].toArray().size(), 4);
    EXPECT_EQ(chart["axes"].toObject()["left"].toObject()["Maximum"].toDouble(), 10000);

    EXPECT_EQ(QImage(PathOf("window.png")).size(), QSize(620, 460));
    EXPECT_EQ(QImage(PathOf("chart.png")).size(), QSize(473, 272));
}

TEST_F(SnapshotTool, UnknownNamesAndOptionsEndWithStatusTwo) {
    for (const QStringList& arguments :
         {QStringList{"--type", "E_Nothing=1"}, QStringList{"--pick", "C_Nothing=1"},
          QStringList{"--pick", "C_Tire=999"}, QStringList{"--pick", "C_Tire=one"},
          QStringList{"--tab", "pie"}, QStringList{"--colour", "red"}, QStringList{"--type"},
          QStringList{"--type", "E_Ratio1"}}) {
        const RunResult run = RunTool(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.contains("kestrigo-snapshot:")) << run.Errors.toStdString();
    }
    EXPECT_TRUE(RunTool({"--type", "E_Nothing=1"}).Errors.contains("E_Nothing"));
}

TEST_F(SnapshotTool, FilesThatCannotBeWrittenOrHaveNoNameFail) {
    // A full disk shows only when the written bytes are flushed.
    for (const char* option : {"--png", "--chart-png", "--state"}) {
        const RunResult full = RunTool({option, "/dev/full"});
        EXPECT_EQ(full.ExitCode, 1) << option;
        EXPECT_TRUE(full.Errors.contains("cannot write /dev/full")) << option << full.Errors.toStdString();
        const RunResult unnamed = RunTool({"--state", PathOf("state.json"), option, ""});
        EXPECT_EQ(unnamed.ExitCode, 2) << option;
        EXPECT_TRUE(unnamed.Errors.contains(QString(option) + " expects a file name"))
            << unnamed.Errors.toStdString();
        EXPECT_FALSE(QFile::exists(PathOf("state.json"))) << option;
    }
}

TEST_F(SnapshotTool, WritesToTheFileNameGivenEvenWhenItIsNoValidUtf8) {
    // A Linux file name is bytes; decoded as UTF-8, 0xFF would become U+FFFD and another name.
    const std::string path = QFile::encodeName(dir_.path()).toStdString() + "/state\xff.json";
    const std::string command =
        QFile::encodeName(kTool).toStdString() + " --state '" + path + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_TRUE(file);
    if (file) std::fclose(file);
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("state\ufffd.json"))));
}

TEST_F(SnapshotTool, VersionAndHelpOnAFullDiskFail) {
    for (const char* option : {"--version", "--help"}) {
        const std::string command =
            QFile::encodeName(kTool).toStdString() + " " + option + " >/dev/full 2>/dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << option;
        EXPECT_EQ(WEXITSTATUS(status), 1) << option;
    }
}

TEST_F(SnapshotTool, UnknownOptionsAreNamedAsSuchAndHelpGoesToStdout) {
    const RunResult unknown = RunTool({"--colour"});
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_TRUE(unknown.Errors.contains("unknown option --colour")) << unknown.Errors.toStdString();
    const RunResult help = RunTool({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_TRUE(help.Output.startsWith("usage: kestrigo-snapshot")) << help.Output.toStdString();
}

TEST_F(SnapshotTool, TypesEveryCharacterAsAUserWould) {
    // Beyond the Basic Multilingual Plane a character is two UTF-16 units, yet one keystroke.
    const QString typed = QStringLiteral("6\U0001F600\u00e90");
    ASSERT_EQ(RunTool({"--type", "E_Tire=" + typed, "--state", PathOf("state.json")}).ExitCode, 0);
    const QJsonObject state = ReadJson(PathOf("state.json"));
    EXPECT_EQ(state["fields"].toObject()["E_Tire"].toString(), typed);
    EXPECT_EQ(state["grid"].toObject()["RowCount"].toInt(), 2);  // the tyre no longer parses
}

TEST_F(SnapshotTool, PastesThroughTheClipboardAndNamesTheMarkedFields) {
    ASSERT_EQ(RunTool({"--paste", "E_Tire=６５０\r\n", "--type", "E_MaxRPM=1x", "--paste", "E_Ratio1=\t0\n",
                       "--state", PathOf("state.json")})
                  .ExitCode,
              0);
    QJsonObject state = ReadJson(PathOf("state.json"));
    EXPECT_EQ(state["fields"].toObject()["E_Tire"].toString(), "650");
    EXPECT_EQ(state["invalidFields"].toObject(),
              QJsonObject({{"E_MaxRPM", "整数を入力してください（1,000 rpm 単位）"},
                           {"E_Ratio1", "0 以外の値を入力してください"}}));
    ASSERT_EQ(RunTool({"--state", PathOf("state.json")}).ExitCode, 0);
    state = ReadJson(PathOf("state.json"));
    EXPECT_TRUE(state["invalidFields"].isObject());
    EXPECT_TRUE(state["invalidFields"].toObject().isEmpty());
}

TEST_F(SnapshotTool, TheWindowMovesOntoAScreenTooSmallForItsPlace) {
    const struct {
        int Width, Height, X, Y;
    } screens[] = {{1280, 1024, 273, 107}, {853, 683, 229, 107}, {960, 510, 273, 46}, {600, 400, 0, 0}};
    for (const auto& screen : screens) {
        QFile config(PathOf("screen.json"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        config.write(
            QJsonDocument(QJsonObject{{"screens", QJsonArray{QJsonObject{{"name", "small"},
                                                                         {"width", screen.Width},
                                                                         {"height", screen.Height}}}}})
                .toJson());
        config.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
        ASSERT_EQ(RunTool({"--state", PathOf("state.json")}, environment).ExitCode, 0);
        // The offscreen frame is two pixels wide on every side: 624 x 464 in all.
        const QJsonObject window = ReadJson(PathOf("state.json"))["window"].toObject();
        EXPECT_EQ(window["x"].toInt(), screen.X) << screen.Width;
        EXPECT_EQ(window["y"].toInt(), screen.Y) << screen.Height;
    }
}

TEST(Kestrigo, HelpAndVersionNeedNoDisplayAndWithoutOneTheWindowSaysSo) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    const RunResult help = RunTool({"--help"}, environment, kProgram);
    EXPECT_EQ(help.ExitCode, 0) << help.Errors.toStdString();
    EXPECT_TRUE(help.Output.startsWith("usage: kestrigo")) << help.Output.toStdString();
    const RunResult version = RunTool({"--version"}, environment, kProgram);
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_TRUE(version.Output.startsWith("kestrigo ")) << version.Output.toStdString();
    for (const QString& platform : {QString(), QStringLiteral("xcb")}) {
        if (!platform.isEmpty()) environment.insert("QT_QPA_PLATFORM", platform);
        const RunResult window = RunTool({"-style", "fusion"}, environment, kProgram);
        EXPECT_EQ(window.ExitCode, 1);
        EXPECT_EQ(window.Errors.count('\n'), 1) << window.Errors.toStdString();
        EXPECT_TRUE(window.Errors.contains("no display")) << window.Errors.toStdString();
        EXPECT_TRUE(window.Errors.contains("kestrigo-snapshot"));
    }
}

TEST_F(SnapshotTool, AChartStateAfterTheChartWasShownCountsItsPaint) {
    ASSERT_EQ(RunTool({"--state", PathOf("state.json")}).ExitCode, 0);
    const QJsonObject chart = ReadJson(PathOf("state.json"))["chart"].toObject();
    EXPECT_GE(chart["paints"].toInt(), 1);
    const QJsonArray plot = chart["PlotRect"].toArray();
    EXPECT_EQ(plot[2].toInt(), 461);
}

}  // namespace

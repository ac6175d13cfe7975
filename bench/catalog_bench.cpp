// Start-up with catalogs at the 4 MiB read limit: loading one into a list (with its default pick), and
// the whole window with five of them. Reading the same file's bytes is the baseline of the same run.
// Then the setting memory at 10,000 entries: reading it, and the window's start-up listing it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/messagebox.h"
#include "app/presetlist.h"
#include "core/catalogs.h"
#include "core/inifile.h"
#include "core/inputfields.h"
#include "memory/settingmemory.h"
#include "tests/support/fakepresetlist.h"

namespace {

// A catalog of short entries filling the read limit; info1 carries every kind's value keys. The
// descriptions are UTF-8, or code page 932 with `prefix` "\x83\x47" ("エ").
std::string HugeCatalog(int& entries, const std::string& prefix) {
    std::string text = "[generic]\nnumber=999999\ndefault=1\n[info1]\ndescription=" + prefix +
                       " 1\nratio=2.5\n1st=2.5\n2nd=1.8\ndia=17\nwid=120\nflt=70\n";
    entries = 1;
    while (text.size() < kgr::TIniFile::MaxFileBytes - 64) {
        const std::string k = std::to_string(++entries);
        text += "[info" + k + "]\ndescription=" + prefix + k + "\n";
    }
    return text;
}

// The five catalogs, written once into a scratch directory of the benchmark's own.
class THugeCatalogs {
  public:
    THugeCatalogs() {
        const std::string text = HugeCatalog(Entries, "E");
        for (const kgr::TCatalogKind kind : kgr::AllCatalogKinds)
            std::ofstream(Directory() + kgr::CatalogFileName(kind), std::ios::binary) << text;
        int sjisEntries = 0;
        std::ofstream(Directory() + "sjis.ini", std::ios::binary) << HugeCatalog(sjisEntries, "\x83\x47");
    }
    std::string Directory() const { return Dir_.path().toStdString() + "/"; }
    int Entries = 0;

  private:
    QTemporaryDir Dir_;
};

const THugeCatalogs& Catalogs() {
    static const THugeCatalogs catalogs;
    return catalogs;
}

kgr::TCatalogContext Context() {
    return {Catalogs().Directory(), '.', nullptr};
}

// Loads a catalog as the transmission's (one value per gear read at the default pick) into `list`.
void LoadWired(kgr::IPresetList& list, const std::string& fileName = "transmission.ini") {
    const kgr::TCatalogContext context = Context();
    std::vector<kgr::TFieldWriter> fields(kgr::GearCount,
                                          [](const std::string& text) { benchmark::DoNotOptimize(text); });
    list.OnSelect = [&] { kgr::SelectPreset(context, kgr::TCatalogKind::ckTransmission, list, fields); };
    kgr::LoadCatalog(context, fileName, list);
}

void BM_ReadHugeCatalogBytes(benchmark::State& state) {
    const std::string path = Catalogs().Directory() + "transmission.ini";
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadHugeCatalogBytes)->Unit(benchmark::kMillisecond);

void BM_LoadHugeCatalogCore(benchmark::State& state) {
    for (auto _ : state) {
        kgr::test::TFakeList list;
        LoadWired(list);
        benchmark::DoNotOptimize(list.Items.data());
    }
    state.counters["entries"] = Catalogs().Entries;
}
BENCHMARK(BM_LoadHugeCatalogCore)->Unit(benchmark::kMillisecond);

// Argument 0: UTF-8 descriptions, 1: code page 932.
void BM_LoadHugeCatalogIntoDropDown(benchmark::State& state) {
    for (auto _ : state) {
        TPresetListBox box;
        TPresetList list(box);
        LoadWired(list, state.range(0) == 0 ? "transmission.ini" : "sjis.ini");
        state.counters["items"] = box.count();
    }
}
BENCHMARK(BM_LoadHugeCatalogIntoDropDown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WindowStartWithFiveHugeCatalogs(benchmark::State& state) {
    const QString directory = QString::fromStdString(Catalogs().Directory());
    for (auto _ : state) {
        TMessageRecorder messages;
        TForm1 form(&messages, directory);
        form.show();
        benchmark::DoNotOptimize(form.C_Tire->count());
    }
}
BENCHMARK(BM_WindowStartWithFiveHugeCatalogs)->Unit(benchmark::kMillisecond);

// A memory file of `count` entries with titles of ten characters, written in the store's format.
class TLargeMemory {
  public:
    explicit TLargeMemory(int count) {
        QJsonObject fields;
        for (const kgr::TInputField& field : kgr::InputFields)
            fields.insert(QLatin1String(field.Control), "2.5");
        QJsonObject presets;
        for (const char* list : kgr::PresetListNames) presets.insert(QLatin1String(list), "(USER)");
        QJsonArray entries;
        for (int i = 0; i < count; ++i)
            entries.append(
                QJsonObject{{"title", QStringLiteral("峠セッティング%1").arg(i, 5, 10, QLatin1Char('0'))},
                            {"fields", fields},
                            {"presets", presets}});
        const QJsonObject root{{"format", "kestrigo-setting-memory"}, {"version", 1}, {"entries", entries}};
        QDir().mkpath(Dir_.filePath(QStringLiteral("kestrigo")));
        QFile file(Path());
        if (file.open(QIODevice::WriteOnly)) file.write(QJsonDocument(root).toJson());
    }
    QString DataHome() const { return Dir_.path(); }
    QString Path() const { return Dir_.filePath(QStringLiteral("kestrigo/memory.json")); }

  private:
    QTemporaryDir Dir_;
};

constexpr int kMemoryEntries = 10000;

void BM_LoadSettingMemory(benchmark::State& state) {
    const TLargeMemory file(kMemoryEntries);
    for (auto _ : state) {
        kgr::TSettingMemory memory(file.Path());
        memory.Load();
        state.counters["entries"] = static_cast<double>(memory.Entries().size());
    }
}
BENCHMARK(BM_LoadSettingMemory)->Unit(benchmark::kMillisecond);

// Argument: entries in the memory (0: no file). No catalogs, so that the memory alone makes the
// difference.
void BM_WindowStartWithSettingMemory(benchmark::State& state) {
    const TLargeMemory file(static_cast<int>(state.range(0)));
    if (state.range(0) == 0) QFile::remove(file.Path());
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", file.DataHome().toLocal8Bit());
    QTemporaryDir noCatalogs;
    for (auto _ : state) {
        TMessageRecorder messages;
        TForm1 form(&messages, noCatalogs.path() + QLatin1Char('/'));
        form.show();
        state.counters["titles"] = form.ListBox1->count();
    }
    qputenv("XDG_DATA_HOME", oldDataHome);
}
BENCHMARK(BM_WindowStartWithSettingMemory)->Arg(0)->Arg(kMemoryEntries)->Unit(benchmark::kMillisecond);

}  // namespace

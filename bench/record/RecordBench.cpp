// The time of a record on screen: UpdateView with its request, the layout pass alone over the
// answer already in its file, and a first layout (a window that has laid out nothing yet), for a
// used vehicle, a new-vehicle order and a customer of the demo dealership. And the time of saving:
// one keystroke's statement, a saved price, a new vehicle inserted and shown.
#include "app/AxGarvex.h"
#include "lists/PickLists.h"
#include "platform/Controls.h"
#include "platform/FormBuilder.h"
#include "platform/Hints.h"
#include "platform/ScriptedDialogs.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "tests/support/DemoFolder.h"

#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The window as the program composes it; the pick lists go first.
struct Window {
    std::unique_ptr<app::TAxGarvex> w;
    std::unique_ptr<lists::PickLists> pickLists;

    explicit Window(platform::Dialogs& dialogs) : w(std::make_unique<app::TAxGarvex>(dialogs)) {
        w->Timer1->stop();
        record::TRecordForm& form = record::AttachRecordForm(*w);
        pickLists = std::make_unique<lists::PickLists>(*w);
        record::ConnectPickLists(form, *pickLists);
    }
    app::TAxGarvex* operator->() const { return w.get(); }
    app::TAxGarvex& operator*() const { return *w; }
};

struct Demo : DemoFolder {
    platform::ScriptedDialogs dialogs;

    Demo() : DemoFolder(false) {}
    static Demo& get() {
        static Demo demo;
        return demo;
    }
    // A window with the record of these parameters on screen.
    std::unique_ptr<Window> open(const char* idTVO, const char* idClient, const char* idTypeVO) {
        WriteIni(idTVO, idClient, idTypeVO, QStringLiteral("1000001"));
        auto w = std::make_unique<Window>(dialogs);
        (*w)->Timer1Timer();
        return w;
    }
};

struct Record {
    const char *idTVO, *idClient, *idTypeVO;
};
constexpr Record kRecords[] = {{"1001", "", "1"}, {"1006", "", "2"}, {"", "1", "1"}};

record::TRecordForm& form(app::TAxGarvex& w) {
    return *w.findChild<record::TRecordForm*>();
}

void counters(benchmark::State& state, app::TAxGarvex& w) {
    state.counters["items_scanned"] = form(w).Layout.ItemsScanned();
    state.SetLabel(w.State.RecordKind.toStdString());
}

// The reload a user waits for: request, answer file, layout of the pages laid out before.
void BM_UpdateViewWithRequest(benchmark::State& state) {
    const Record& r = kRecords[state.range(0)];
    auto w = Demo::get().open(r.idTVO, r.idClient, r.idTypeVO);
    for (auto _ : state)
        (*w)->UpdateView(false);
    counters(state, **w);
}

// The layout pass alone over the answer already received: the values put into the same controls.
void BM_RefreshLayout(benchmark::State& state) {
    const Record& r = kRecords[state.range(0)];
    auto w = Demo::get().open(r.idTVO, r.idClient, r.idTypeVO);
    for (auto _ : state)
        form(**w).Layout.UpdateTabDesc(false, true);
    counters(state, **w);
}

// The first layout of a run: descriptors read, controls bound or created, captions made.
void BM_FirstLayout(benchmark::State& state) {
    const Record& r = kRecords[state.range(0)];
    auto w = Demo::get().open(r.idTVO, r.idClient, r.idTypeVO); // leaves the answer files in TEMP
    for (auto _ : state) {
        state.PauseTiming();
        w.reset();
        w = std::make_unique<Window>(Demo::get().dialogs);
        state.ResumeTiming();
        form(**w).Layout.UpdateTabDesc(true, true);
    }
    counters(state, **w);
}

QWidget* field(app::TAxGarvex& w, const char* name) {
    return platform::Require<QWidget>(w.Sheets[0], name);
}

// One keystroke in the sale price: the field's value recorded and the page's statement rebuilt.
void BM_KeystrokeStatement(benchmark::State& state) {
    auto w = Demo::get().open("1001", "", "1");
    QWidget* price = field(**w, "cPrixVente");
    int i = 0;
    for (auto _ : state)
        platform::SetControlText(price, QString::number(10000 + (++i % 2)));
    state.SetLabel((*w)->State.Pages[1].PendingSql.toStdString());
}

// The Save button on a changed price: checks, AxUpdate, the page taken as saved.
void BM_SavePrice(benchmark::State& state) {
    auto w = Demo::get().open("1001", "", "1");
    QWidget* price = field(**w, "cPrixVente");
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        platform::SetControlText(price, QString::number(10000 + (++i % 2)));
        state.ResumeTiming();
        if (!form(**w).Commands.SaveChanges()) state.SkipWithError("save failed");
    }
}

// A new used vehicle typed and saved: AxInsert, then the reload that shows it under its number.
void BM_InsertNewVehicle(benchmark::State& state) {
    auto w = Demo::get().open("1001", "", "1");
    int number = 90000;
    for (auto _ : state) {
        state.PauseTiming();
        form(**w).Commands.JvXPBtnNewVOClick();
        platform::SetControlText(field(**w, "cNVO"), QString::number(++number));
        platform::SetControlText(field(**w, "cInfoMarque"), QStringLiteral("TORVAL"));
        state.ResumeTiming();
        if (!form(**w).Commands.SaveChanges() || (*w)->State.FlagNewEnreg) state.SkipWithError("insert failed");
    }
}

BENCHMARK(BM_UpdateViewWithRequest)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshLayout)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstLayout)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeStatement)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SavePrice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertNewVehicle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(platform::CreateAppStyle());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The time from the search countdown reaching 0 to the grid filled (query composed, request,
// answer file, rows read and shown), and of a click on "plus" that brings the grid to 100, 200 or
// 500 rows, on the real window against the web server over a demo database of 100,000 vehicles.
#include "app/AxGarvex.h"
#include "lists/PickLists.h"
#include "platform/Hints.h"
#include "platform/ScriptedDialogs.h"
#include "record/PickListsLink.h"
#include "record/RecordForm.h"
#include "search/SearchPanel.h"
#include "server/Requests.h"
#include "tests/support/DemoFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

constexpr int kVehiclesPerDealership = 50000; // two dealerships

// The window as the program composes it, on a used vehicle of the dealership MER, panel open.
struct Demo {
    std::unique_ptr<DemoFolder> folder;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<app::TAxGarvex> w;
    std::unique_ptr<lists::PickLists> pickLists;
    std::unique_ptr<search::TSearchPanel> panel;

    Demo() {
        QElapsedTimer made;
        made.start();
        folder = std::make_unique<DemoFolder>(false, kVehiclesPerDealership);
        std::fprintf(stderr, "demo database: %lld ms\n", made.elapsed());
        folder->WriteIni("1001", "", "1", "1000001");
        w = std::make_unique<app::TAxGarvex>(dialogs);
        w->Timer1->stop();
        record::TRecordForm& form = record::AttachRecordForm(*w);
        pickLists = std::make_unique<lists::PickLists>(*w);
        record::ConnectPickLists(form, *pickLists);
        panel = std::make_unique<search::TSearchPanel>(*w);
        panel->Reload = [&form] { form.Commands.JvXPBtnActualizeClick(); };
        w->Timer1Timer();
        w->JvXPBtnSearch->click();
    }
    ~Demo() {
        panel.reset();
        pickLists.reset();
        w->Http().DropConnection();
        w.reset();
    }
    // Made at the first benchmark, gone before the application object.
    static std::unique_ptr<Demo> instance;
    static Demo& get() {
        if (!instance) instance = std::make_unique<Demo>();
        return *instance;
    }
    // Chooses the kind and the text and lets the countdown run out.
    void search(QLabel* label, QPushButton* button, const char* text) {
        panel->BtnActivate(label, button);
        panel->ncbSearch->setText(QString::fromLatin1(text));
        while (w->State.SearchCountdown > 0)
            w->Timer1Timer();
    }
};

std::unique_ptr<Demo> Demo::instance;

struct Kind {
    const char* name;
    QLabel* search::TSearchPanel::*label;
    QPushButton* search::TSearchPanel::*button;
    const char* text;
};
const Kind kKinds[] = {
    {"registration like %AB%", &search::TSearchPanel::TSLbImmat, &search::TSearchPanel::TSImmat, "AB"},
    {"buyer like %MAR%", &search::TSearchPanel::TSLbClient, &search::TSearchPanel::TSClient, "MAR"},
    {"number >= 24000", &search::TSearchPanel::TSLbNVO, &search::TSearchPanel::TSNVO, "24000"},
};

void counters(benchmark::State& state, const Demo& demo) {
    state.counters["rows"] = demo.panel->ngSearch->rowCount();
    if (!demo.w->WarningLine().isEmpty()) state.SkipWithError(qPrintable(demo.w->WarningLine()));
}

// The heartbeat's tick that brings the countdown to 0 runs the search and fills the grid.
void BM_SearchFromCountdown(benchmark::State& state) {
    Demo& demo = Demo::get();
    const Kind& kind = kKinds[state.range(0)];
    demo.search(demo.panel.get()->*kind.label, demo.panel.get()->*kind.button, kind.text);
    for (auto _ : state) {
        demo.w->State.SearchCountdown = 1;
        demo.w->Timer1Timer();
    }
    state.SetLabel(kind.name);
    counters(state, demo);
}

// A click on "plus" that grows the grid from rows - 50 to rows.
void BM_SearchPlus(benchmark::State& state) {
    Demo& demo = Demo::get();
    const Kind& kind = kKinds[1];
    demo.search(demo.panel.get()->*kind.label, demo.panel.get()->*kind.button, kind.text);
    for (auto _ : state) {
        demo.panel->SearchMaxRows = static_cast<int>(state.range(0)) - 50;
        demo.panel->JvXPBtnSearchPlus->click();
    }
    state.SetLabel(kind.name);
    counters(state, demo);
}

BENCHMARK(BM_SearchFromCountdown)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchPlus)->Arg(100)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(platform::CreateAppStyle());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Demo::instance.reset();
    benchmark::Shutdown();
    return 0;
}

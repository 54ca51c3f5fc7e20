// Speed of one rescale of the employee master window: its client area changes size and the
// component moves, sizes and re-fonts every control on it. The same resize with the
// component switched off shows what Qt spends without it.
#include "app/Program.h"
#include "master/Unitmaster.h"
#include "platform/Pace.h"

#include <Formetry.h>
#include <QApplication>
#include <QRegularExpression>
#include <benchmark/benchmark.h>

namespace {

Forms* forms = nullptr;

void masterResize(benchmark::State& state, bool scaling)
{
    TFormMaster* master = forms->FormMaster;
    master->findChild<TFormetry*>()->setEnabled(scaling);
    master->show();
    QWidget* client = master->centralWidget();
    const QSize design = client->size();
    const QSize sizes[] = { design * 1.5, design };
    int next = 0;
    for (auto _ : state) {
        master->resize(master->size() - client->size() + sizes[next]);
        next ^= 1;
    }
    const auto controls = client->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(?!qt_).")));
    state.counters["controls"] = static_cast<double>(controls.size());
    master->hide();
}

BENCHMARK_CAPTURE(masterResize, with_component, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(masterResize, component_off, false)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pace::setScale(0);
    Program program;
    forms = &program.forms();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

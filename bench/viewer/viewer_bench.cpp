// How long a frame takes for a sampler list of 200 and of 10,000 samplers, and how long a date
// choice takes on an SF6 data file of 30 experiments of 200 samplers. Run it on a display
// with software OpenGL, for instance: xvfb-run -a bin/viewer_bench
#include "GLControl.h"
#include "Main.h"
#include "ORVUnit1.h"
#include "vcl/Application.h"

#include "CurrentFolder.h"

#include <QTest>
#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int kExperiments = 30;
constexpr int kSamplersPerExperiment = 200;

std::string ExperimentKey(int experiment)
{
    return std::to_string(50380 + experiment);
}

// Samplers spread over the map, up to 40 km from the source, with values up to 500.
void FillSamplerList(int samplers)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> km(-40, 40);
    std::uniform_int_distribution<int> value(-5, 500);
    Form1->Memo2->Lines.Clear();
    for (int i = 0; i < samplers; ++i)
        Form1->Memo2->Lines.Add(std::to_string(km(random)) + " " + std::to_string(km(random)) + " " +
                                std::to_string(value(random)));
}

void WriteDataFiles()
{
    std::ofstream meteo("MISC_KIN.DAT", std::ios::binary);
    for (int experiment = 0; experiment < kExperiments; ++experiment)
        for (int hour = 1; hour <= 24; ++hour)
            meteo << "80 5 " << 3 + experiment << " " << hour
                  << " 1200 1100 -0.5 290.1 5.1 7.2 240 0.8 0.4 0.35 1.2 -55\r\n";

    std::mt19937 random(11);
    std::uniform_real_distribution<double> km(-40, 40);
    std::ofstream sf6("SF6_All.DAT", std::ios::binary);
    for (int experiment = 0; experiment < kExperiments; ++experiment) {
        sf6 << ExperimentKey(experiment) << " 000011111111110000000000 " << kSamplersPerExperiment << "\r\n";
        for (int sampler = 1; sampler <= kSamplersPerExperiment; ++sampler) {
            sf6 << sampler << " " << 285.66 + km(random) << " " << 4385.1 + km(random) << " 0";
            for (int hour = 1; hour <= 12; ++hour)
                sf6 << " " << (hour * 37 + sampler) % 400;
            sf6 << "\r\n";
            for (int hour = 13; hour <= 24; ++hour)
                sf6 << " " << (hour * 37 + sampler) % 400;
            sf6 << "\r\n";
        }
    }
}

void BM_DrawScene(benchmark::State& state)
{
    FillSamplerList(static_cast<int>(state.range(0)));
    for (auto _ : state)
        Form1->DrawScene();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DrawScene)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);

// The last experiment of the file, so that the whole file is read.
void ChooseLastDate()
{
    Form1->ComboBox1->SetItemIndex(kExperiments - 1);
}

void BM_ReadExperimentData(benchmark::State& state)
{
    SelectedDate = ExperimentKey(kExperiments - 1);
    for (auto _ : state) {
        Form1->ComboBox2->ClearItems();
        ReadExperimentData();
    }
}
BENCHMARK(BM_ReadExperimentData)->Unit(benchmark::kMillisecond);

// The whole date choice: the experiment's block, the sampler list of its first hour, the
// meteorological column and a frame.
void BM_DateChoice(benchmark::State& state)
{
    ChooseLastDate();
    for (auto _ : state)
        Form1->IzborNaDen(Form1->ComboBox1);
}
BENCHMARK(BM_DateChoice)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const kit_test::CurrentScratchFolder folder;
    WriteDataFiles();

    PrepareOpenGLFormat();
    vcl::TApplication application(argc, argv);
    CreateViewerForms();
    MainForm->show();
    if (!QTest::qWaitForWindowExposed(Form1->GLPanel))
        return 1;
    MainForm->Kincaid1->trigger();

    benchmark::RunSpecifiedBenchmarks();

    DestroyViewerForms();
    return 0;
}

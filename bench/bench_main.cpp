// Benchmarks need a QGuiApplication for text and regions, and the bundled fonts; a
// QApplication when widgets are measured too (VTSKIN_BENCH_WIDGETS).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#ifdef VTSKIN_BENCH_WIDGETS
#include <QApplication>
using TBenchApplication = QApplication;
#else
using TBenchApplication = QGuiApplication;
#endif

#include "rtl/Fonts.h"

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  TBenchApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The time FetchInfo adds to start-up: with nothing listening (a machine
// whose announcement server is down) and with a small announcement served.

#include "shell/FetchInfo.h"

#include "tests/support/LocalHttpServer.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_FetchInfoClosedPort(benchmark::State& state) {
    const QUrl address(QString("http://127.0.0.1:%1/software/wyc/info.txt").arg(ClosedPort()));
    bool shown = false;
    const InfoTarget target{[&] { shown = true; }, [](const QString&) {}};
    for (auto _ : state)
        FetchInfo(target, address);
    if (shown)
        state.SkipWithError("a closed port showed an announcement");
}
// Registered first: its single run pays for the network stack's first use,
// as start-up does.
BENCHMARK(BM_FetchInfoClosedPort)
    ->Name("BM_FetchInfoClosedPort/first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchInfoClosedPort)->Unit(benchmark::kMillisecond);

void BM_FetchInfoSmallAnnouncement(benchmark::State& state) {
    LocalHttpServer server;
    server.Answer(
        200, "text/plain; charset=utf-8",
        QString::fromUtf8("新版发布,http://a.example/;使用说明,http://b.example/\r\n").toUtf8());
    QString caption;
    const InfoTarget target{[] {}, [&](const QString& text) { caption = text; }};
    for (auto _ : state)
        FetchInfo(target, server.Url());
    if (caption.isEmpty())
        state.SkipWithError("no announcement arrived");
}
BENCHMARK(BM_FetchInfoSmallAnnouncement)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

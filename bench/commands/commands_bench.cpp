// The time the commands take on a started window with the shipped dictionary
// and editor page, for articles from a few lines to a long feature, and the
// time the result file alone takes to encode and replace.

#include "bench/support/WindowBench.h"
#include "shell/EditorBridge.h"
#include "shell/FrmMain.h"
#include "shell/ResultFile.h"
#include "shell/TextBox.h"
#include "tests/support/ShippedProgramFiles.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> programDir;
std::unique_ptr<rewrix::FrmMain> window;

QString Paragraph(int64_t i) {
    return QStringLiteral("今天天气很好，村庄里的孩子很聪慧，我们一起去公园散步。"
                          "<b>看见</b>许多人在锻炼身体，头发花白的老人率领大家前进。%1")
        .arg(i);
}

QString Html(int64_t paragraphs) {
    QString html;
    for (int64_t i = 0; i < paragraphs; ++i)
        html += QStringLiteral("<p>") + Paragraph(i) + QStringLiteral("</p>");
    return html;
}

QString Plain(int64_t paragraphs) {
    QStringList lines;
    for (int64_t i = 0; i < paragraphs; ++i)
        lines << Paragraph(i);
    return lines.join(QStringLiteral("\r\n\r\n"));
}

rewrix::EditorBridge Editor() {
    return rewrix::EditorBridge(*window->WebBrowser2, std::chrono::seconds(60));
}

void BM_ResultFileBytes(benchmark::State& state) {
    const QString html = Html(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(rewrix::ResultFileBytes(html));
    state.SetBytesProcessed(state.iterations() * html.size() * 2);
}
BENCHMARK(BM_ResultFileBytes)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_WriteResultFile(benchmark::State& state) {
    const QString html = Html(state.range(0));
    for (auto _ : state)
        if (!rewrix::WriteResultFile(programDir->path(), html).isEmpty())
            state.SkipWithError("the result file could not be written");
    state.SetBytesProcessed(state.iterations() * html.size() * 2);
}
BENCHMARK(BM_WriteResultFile)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Paragraph shuffle and synonym replacement, with the text box's own write.
void BM_CmdDo(benchmark::State& state) {
    const QString text = Plain(state.range(0));
    window->Option1->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        window->TxtContent->SetText(text);
        state.ResumeTiming();
        window->CmdDo_Click();
    }
}
BENCHMARK(BM_CmdDo)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CmdWyc(benchmark::State& state) {
    const QString html = Html(state.range(0));
    window->Option3->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        Editor().SetEditorHtml(html);
        state.ResumeTiming();
        window->CmdWyc_Click();
    }
}
BENCHMARK(BM_CmdWyc)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CmdFt(benchmark::State& state) {
    const QString html = Html(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Editor().SetEditorHtml(html);
        state.ResumeTiming();
        window->CmdFt_Click();
    }
}
BENCHMARK(BM_CmdFt)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_CmdSave(benchmark::State& state) {
    Editor().SetEditorHtml(Html(state.range(0)));
    for (auto _ : state)
        window->CmdSave_Click();
}
BENCHMARK(BM_CmdSave)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    rewrix::bench::PrepareOffscreenApplication();
    QApplication app(argc, argv);

    programDir = std::make_unique<QTemporaryDir>();
    bool copied = rewrix::test::PrepareProgramDir(programDir->path());
    copied = rewrix::test::CopyShippedFile(programDir->path(), QStringLiteral("data/dict.dict")) &&
             copied;
    if (!copied) {
        fprintf(stderr, "the shipped program files were not found\n");
        return 1;
    }
    rewrix::FrmMainSettings settings;
    settings.programDir = programDir->path();
    settings.productPage = QUrl(QStringLiteral("http://127.0.0.1:1/"));
    settings.announcement = QUrl(QStringLiteral("http://127.0.0.1:1/"));
    settings.announcementGiveUp = std::chrono::seconds(1);
    window = std::make_unique<rewrix::FrmMain>(settings);
    // The save confirmation is answered at once.
    SetMessageBoxHook([](const MessageBoxCall&) { return QMessageBox::Ok; });
    if (!window->Form_Load())
        return 1;
    rewrix::bench::WaitUntilLoaded(*window->WebBrowser2);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return 0;
}

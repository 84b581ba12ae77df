// The suppression list at a million entries, beside an empty list in the
// same run: reading its file at start, a run's plan looking up each of its
// recipients on a worker, a change made while that plan holds the list, and
// the lookups themselves; each with the longest event-loop stall of the
// window's thread. Timings are printed, never asserted.
// Run: build/bench/bench_suppression [entries] [recipients]

#include "BenchSupport.h"

#include "run/DeliveryThread.h"
#include "run/RunPlan.h"
#include "suppression/SuppressionList.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Figures
{
    double loadMs = 0, loadStallMs = 0;
    double planMs = 0, planStallMs = 0;
    double changeStallMs = 0;
    double lookupNs = 0;
    int suppressed = 0;
};

Figures measure(const QString &path, int entries, int recipients)
{
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const QByteArray at = QByteArray::number(QDateTime::currentMSecsSinceEpoch());
        QByteArray chunk;
        for (int i = 0; i < entries; ++i) {
            chunk += "+\treader" + QByteArray::number(i) + "@bench.test\tbounced\t" + at
                     + "\t550 5.1.1 User unknown\n";
            if (chunk.size() > (1 << 20)) {
                file.write(chunk);
                chunk.clear();
            }
        }
        file.write(chunk);
    }
    Figures figures;
    SuppressionList list;
    benchsupport::StallProbe probe;
    QElapsedTimer clock;
    probe.start();
    clock.start();
    list.setPath(path);
    benchsupport::waitUntil([&list] { return list.loaded(); });
    figures.loadMs = clock.nsecsElapsed() / 1e6;
    figures.loadStallMs = probe.stopMs();

    // A run's start: its recipients (every other one listed) gathered and
    // looked up on a worker while the window goes on; meanwhile a bounce
    // is listed, as a run does.
    QString typed;
    for (int i = 0; i < recipients; ++i)
        typed += u"reader%1@%2; "_s.arg(i * 2).arg(i % 2 ? u"bench.test"_s : u"new.test"_s);
    RunPlan::Input input{{}, {}, {}, typed, {}, list.snapshot()};
    auto plan = std::make_shared<RunPlan::Plan>();
    probe.start();
    clock.restart();
    QThread *worker = oneOffThread(
            [input = std::move(input), plan] { *plan = RunPlan::make(input); });
    bool done = false;
    QObject::connect(worker, &QThread::finished, [&done] { done = true; });
    worker->start();
    benchsupport::StallProbe change;
    change.start();
    list.add(u"bounce@bench.test"_s, u"bounced"_s, u"550 5.1.1"_s);
    figures.changeStallMs = change.stopMs();
    benchsupport::waitUntil([&done] { return done; });
    figures.planMs = clock.nsecsElapsed() / 1e6;
    figures.planStallMs = probe.stopMs();
    figures.suppressed = plan->summary.value(u"suppressed"_s).toInt();

    clock.restart();
    int found = 0;
    for (int i = 0; i < 100000; ++i)
        found += list.contains(u"reader%1@bench.test"_s.arg(i * 7)) ? 1 : 0;
    figures.lookupNs = clock.nsecsElapsed() / 100000.0;
    std::fprintf(stderr, "%d found\n", found);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int recipients = argc > 2 ? std::atoi(argv[2]) : 100000;
    QTemporaryDir dir;
    const Figures empty = measure(dir.filePath(u"empty.tsv"_s), 0, recipients);
    const Figures full = measure(dir.filePath(u"full.tsv"_s), entries, recipients);
    const auto line = [recipients](const char *name, int count, const Figures &f) {
        std::printf("%s (%d entries): file read in %.0f ms (longest stall %.1f ms); plan of %d "
                    "recipients in %.0f ms (longest stall %.1f ms, %d suppressed); a change while "
                    "the plan holds the list stalls %.1f ms; one lookup %.0f ns\n",
                    name, count, f.loadMs, f.loadStallMs, recipients, f.planMs, f.planStallMs,
                    f.suppressed, f.changeStallMs, f.lookupNs);
    };
    line("empty list", 0, empty);
    line("full list", entries, full);
    std::printf("longest stall with %d entries %.1f ms (goal under 50), with none %.1f ms\n",
                entries, std::max({full.loadStallMs, full.planStallMs, full.changeStallMs}),
                std::max({empty.loadStallMs, empty.planStallMs, empty.changeStallMs}));
    return full.suppressed == recipients / 2 ? 0 : 1;
}

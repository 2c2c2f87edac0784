#include "app/application_setup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The benchmarks that use widgets need one QApplication; offscreen unless told otherwise. Their
// windows keep work for recovery in a state folder of their own, never the user's.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QApplication app(argc, argv);
    ondulix::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

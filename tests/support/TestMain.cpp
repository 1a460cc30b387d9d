// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestMain.h"

#include <QTest>
#include <csignal>
#include <execinfo.h>
#include <unistd.h>
#ifndef PLAYHAVEN_TEST_WITHOUT_APPLICATION
#include "ui/Application.h"

#include <QApplication>
#endif
#include <vector>

namespace testing {
namespace {

struct Entry {
    const char *name;
    TestFactory factory;
};

std::vector<Entry> &entries()
{
    static std::vector<Entry> all;
    return all;
}

} // namespace

int registerTest(const char *name, TestFactory factory)
{
    entries().push_back({ name, std::move(factory) });
    return int(entries().size());
}

} // namespace testing

#ifndef PLAYHAVEN_TEST_WITHOUT_APPLICATION
namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform warns about window operations it cannot do (raise, size hints);
// that is noise here, not a finding.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_defaultHandler(type, context, message);
}

} // namespace
#endif

namespace {

// A crash prints the stack of the crashing thread and ends the test at once. (Qt Test's own
// handler attaches a debugger for its stack, which has been seen to hang for many minutes; it
// is switched off by the test environment.)
void printStackAndDie(int signal)
{
    const char header[] = "\n=== test crashed; stack of the crashing thread ===\n";
    [[maybe_unused]] auto written = write(STDERR_FILENO, header, sizeof header - 1);
    void *frames[64];
    backtrace_symbols_fd(frames, backtrace(frames, 64), STDERR_FILENO);
    _exit(128 + signal);
}

void installCrashHandler()
{
    for (int signal : { SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL })
        std::signal(signal, printStackAndDie);
}

} // namespace

// Runs every registered test class; arguments after the program name are passed to each
// (for example -v2 or a test function name). Exits non-zero if any test failed.
int main(int argc, char *argv[])
{
    installCrashHandler();
#ifdef PLAYHAVEN_TEST_WITHOUT_APPLICATION
    // The rules need no application object: they must run without one.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
#else
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    ui::initApplication(app);
    QStringList args = app.arguments();
#endif
    int failures = 0;
    QStringList functions;
    for (int i = 1; i < args.size(); ++i) {
        if (!args[i].startsWith(QLatin1Char('-')) && !args[i - 1].startsWith(QLatin1String("-o")))
            functions << args[i].section(QLatin1Char(':'), 0, 0).remove(QLatin1String("()"));
    }
    for (const auto &entry : testing::entries()) {
        std::unique_ptr<QObject> test = entry.factory();
        // With test function names on the command line, run only the classes that have them.
        bool wanted = functions.isEmpty();
        for (const QString &f : std::as_const(functions))
            wanted = wanted || test->metaObject()->indexOfMethod(qPrintable(f + QStringLiteral("()"))) >= 0;
        if (wanted)
            failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}

#include "app/CommandLine.h"
#include "app/PickCommand.h"
#include "app/Program.h"
#include "app/TintraApplication.h"
#include "platform/FontPages.h"
#include "platform/HeapPages.h"
#include "platform/loader/PlatformLoader.h"
#include "platform/TerminationSignals.h"
#include "ui/picker/MainWindow.h"

#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The program that has not saved yet. When the desktop goes away under the program (the X server
// ends with the session), the toolkit ends the process without unwinding; the program then saves on
// the way out, as it would have on closing.
Program* Unsaved = nullptr;

void Say(const QStringList& problems) {
    for (const QString& problem : problems)
        std::fprintf(stderr, "tintra: %s\n", problem.toLocal8Bit().constData());
}

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// What was printed reached its place: a full disk or a closed pipe is a failure like any other.
int Printed(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    Say({QCoreApplication::translate("main", "the output could not be written")});
    return 1;
}

void SaveOnExit() {
    if (!Unsaved)
        return;
    const QStringList problems = Unsaved->End();
    Say(problems);
    if (!problems.isEmpty())
        std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    FixLargeBufferThreshold();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = ReadCommandLine(arguments);
    switch (command.What) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        Print(stdout, command.Text);
        return Printed(0);
    case CommandLine::Action::Mistake:
        Print(stderr, command.Text + '\n');
        return 2;
    case CommandLine::Action::Run:
    case CommandLine::Action::Pick:
        break;
    }

    if (const QString why = WhyNoDisplay(); !why.isEmpty()) {
        Say({why});
        return 1;
    }
    TintraApplication application(argc, argv);
    application.Speak(QLocale::system().uiLanguages());
    const std::unique_ptr<Platform> platform = LoadPlatform();
    if (command.What == CommandLine::Action::Pick)
        return Printed(RunPickCommand(
            *platform, command.Style, [](const QString& color) { Print(stdout, color + '\n'); },
            [](const QString& problem) { Say({problem}); }));
    const std::unique_ptr<QObject> signalWatch(QuitOnTerminationSignals());

    Program program(*platform);
    if (program.AnotherCopyRuns()) {
        Say({QCoreApplication::translate(
                 "main", "already running with the files in %1; its window is brought to the front")
                 .arg(program.Folders().Write)});
        return 0;
    }
    Unsaved = &program;
    std::atexit(SaveOnExit);
    // A session that ends asks the program to keep its data before it may be stopped.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, [&program] { Say(program.Save()); });
    program.Window().show();
    // By then the window, its lists and the first pick are drawn, and their glyphs kept by the toolkit;
    // what the start let go lies free inside the heap, where glibc keeps it resident.
    QTimer::singleShot(std::chrono::seconds(2), &application, [] {
        ReleaseFontPages();
        ReturnFreeHeapPages();
    });
    const int status = TintraApplication::exec();

    // A save that fails is said, and the program's status says it too.
    const QStringList problems = program.End();
    Unsaved = nullptr;
    if (problems.isEmpty())
        return status;
    Say(problems);
    // A close by the user has the user there to read the box; the loop that ended is run once more for it,
    // since a dialog's own loop would end at once after the program's.
    if (!QuitBySignal()) {
        auto* box =
            new QMessageBox(QMessageBox::Critical, program.Window().windowTitle(), problems.join('\n'));
        box->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(box, &QDialog::finished, &application, &QCoreApplication::quit);
        box->show();
        TintraApplication::exec();
    }
    return 1;
}

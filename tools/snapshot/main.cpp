// snapshot [--lang ro|en] WINDOW OUT.png [ACTION ...]
// snapshot [--lang ro|en] WINDOW --dump [ACTION ...]
// Starts the program headlessly exactly as RNA does (in Romanian, or in the language given), shows WINDOW (Form0 ...
// Form3), runs the actions in order through the input events a user raises, then writes a PNG of the client area or
// prints the window's state. Actions: TrackBarN=POS, TrackBarN:key=KEY, ComboBoxN=INDEX, ComboBoxN:text=TEXT,
// EditN:text=TEXT, LabelN:click, BitBtnN:click, key=KEY, hide, show, separator=C, ChartN:drag=BUTTON,X0,Y0,X1,Y1,
// ChartN:wheel=K. An error the program shows in its message box is printed as error=MESSAGE where it happens; the
// actions after it still run. Exit codes: 0 done, 1 start-up, an action or writing failed, 2 wrong arguments, unknown
// window or action.
#include "app/Program.h"
#include "tools/snapshot/ActionParser.h"
#include "tools/snapshot/ActionRunner.h"
#include "tools/snapshot/ErrorBoxes.h"
#include "tools/snapshot/WindowDump.h"
#include "tools/snapshot/WindowSnapshot.h"

#include <QByteArray>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <string_view>

namespace {

constexpr const char* Usage =
    "usage: snapshot [--lang ro|en] WINDOW OUT.png [ACTION ...]\n"
    "       snapshot [--lang ro|en] WINDOW --dump [ACTION ...]\n"
    "WINDOW: Form0, Form1, Form2 or Form3. ACTION: TrackBarN=POS, TrackBarN:key=KEY, ComboBoxN=INDEX,\n"
    "ComboBoxN:text=TEXT, EditN:text=TEXT, LabelN:click, BitBtnN:click, key=KEY, hide, show, separator=C,\n"
    "ChartN:drag=BUTTON,X0,Y0,X1,Y1 (BUTTON left or right, chart pixels), ChartN:wheel=K (notches, + towards you)\n";

struct Request {
    rna::app::Language language = rna::app::Language::Romanian;
    QString windowName;
    QString outPath;  // empty: print the state instead
    QStringList actions;
};

int Snapshot(const char* programPath, const Request& request)
{
    const rna::app::Program program(programPath, request.language);
    rna::ui::TForm* window = program.findForm(request.windowName);
    if (!window) {
        std::fprintf(stderr, "snapshot: unknown window '%s'\n", qPrintable(request.windowName));
        return 2;
    }
    std::vector<rna::tools::SnapshotAction> actions;
    try {
        actions = rna::tools::ActionParser(*window).ParseAll(request.actions);
    } catch (const rna::tools::ActionError& error) {
        std::fprintf(stderr, "snapshot: %s\n", error.what());
        return 2;
    }
    rna::tools::ErrorBoxes errorBoxes(program.application());
    rna::tools::ShowWindowAsUser(program, request.windowName);
    rna::tools::ActionRunner runner(*window);
    for (const rna::tools::SnapshotAction& action : actions) {
        errorBoxes.Dismiss();
        runner.Run(action);
    }
    if (request.outPath.isEmpty()) {
        for (const QString& line : rna::tools::DumpWindow(*window))
            std::printf("%s\n", line.toUtf8().constData());
        return 0;
    }
    const QImage image = errorBoxes.DrawOpenBoxOver(rna::tools::RenderWindow(*window));
    if (!image.save(request.outPath, "PNG")) {
        std::fprintf(stderr, "snapshot: cannot write '%s'\n", qPrintable(request.outPath));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Request request;
    int first = 1;
    if (argc > 2 && std::string_view(argv[1]) == "--lang") {
        const std::string_view code(argv[2]);
        if (code != "ro" && code != "en") {
            std::fputs(Usage, stderr);
            return 2;
        }
        request.language = code == "en" ? rna::app::Language::English : rna::app::Language::Romanian;
        first = 3;
    }
    if (argc < first + 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    request.windowName = QString::fromLocal8Bit(argv[first]);
    const QString second = QString::fromLocal8Bit(argv[first + 1]);
    if (second != QLatin1String("--dump"))
        request.outPath = second;
    for (int i = first + 2; i < argc; ++i)
        request.actions.append(QString::fromLocal8Bit(argv[i]));
    // Rendered off screen where the build's Qt can (tools/snapshot/CMakeLists.txt): no window appears, and no
    // display is needed there.
    qputenv("QT_QPA_PLATFORM", QByteArray(RNA_SNAPSHOT_PLATFORM));
    try {
        return Snapshot(argv[0], request);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "snapshot: %s\n", error.what());
        return 1;
    }
}

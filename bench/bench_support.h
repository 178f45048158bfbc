#pragma once
// Shared ground of the benchmarks: the generated class pairs, a running main window over a
// scripted platform, and the figures that the ratios are computed from.
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace benchmark {
class State;
}

class QPlainTextEdit;
class TChildForm;
class TTavMainForm;

namespace tav {
class AppWindows;
class Dialogs;
class ScriptedPlatform;
}  // namespace tav

namespace tavbench {

// A generated class pair: a header whose access markers stand near its top, and a source in
// which one line in ten is a function's head (ten lines per function, about 40 bytes a line).
struct ClassPair {
    QString directory;
    QString headerPath;
    QString sourcePath;
    std::string sourceBytes;   // the source file's bytes, for the plain search
    std::string lastFunction;  // the head line of the source's last function
};
ClassPair writeClassPair(const QString& directory, const std::string& className, int headerLines,
                         int sourceLines);

// The large pair: a 20,000-line header and a 200,000-line source (about 8 MB).
inline constexpr int kLargeHeaderLines = 20'000;
inline constexpr int kLargeSourceLines = 200'000;
inline constexpr char kLargeClassName[] = "LargeClass";
const ClassPair& largePair();
// The same lines, cut to a 20-line header and a 30-line source.
const ClassPair& smallPair();

// A window with two panes of the toolkit's own and nothing of ours, filled the plain way: the
// file's bytes, decoded, set as the pane's text.
class BarePanes {
public:
    BarePanes();
    ~BarePanes();
    void load(const QString& topPath, const QString& bottomPath);
    void clear();

private:
    static QString readUtf8(const QString& path);

    QWidget window_;
    QPlainTextEdit* top_;
    QPlainTextEdit* bottom_;
};

// A main window with its dialogs over a scripted platform, shown on the offscreen platform; its
// class windows keep recovery copies in a temporary folder.
class Workspace {
public:
    Workspace();
    ~Workspace();

    TTavMainForm& main() { return *main_; }
    tav::Dialogs& dialogs();
    tav::ScriptedPlatform& platform() { return *platform_; }

    // A new class window holding the generated skeleton (20-line header, 30-line source).
    TChildForm* newSkeleton(const QString& name);
    // A new, empty class window on which OpenClass will open pair.
    TChildForm* prepareOpen(const ClassPair& pair);
    // Makes document the active, maximised window, so that its panes are the ones painted.
    void bringToFront(TChildForm* document);
    void close(TChildForm* document);

    // Kept open for the edit benchmarks: the large pair, the small pair, a new skeleton.
    TChildForm* largeDocument();
    TChildForm* smallDocument();
    TChildForm* skeletonDocument();

private:
    TChildForm* opened(const ClassPair& pair);

    std::unique_ptr<tav::ScriptedPlatform> platform_;
    QTemporaryDir recoveryRoot_;  // the class windows keep recovery copies, as in the program
    std::unique_ptr<tav::AppWindows> windows_;
    TTavMainForm* main_ = nullptr;
    TChildForm* large_ = nullptr;
    TChildForm* small_ = nullptr;
    TChildForm* skeleton_ = nullptr;
};

Workspace& workspace();
void shutdownWorkspace();

// Lets the event loop do everything that a change left behind (layout, colouring, painting).
void settle();

// Every timed iteration's figure, by benchmark name: the ratios use the median of these, which
// one late iteration (the machine busy elsewhere) does not move as it moves a mean.
void recordSample(const std::string& name, double value);
const std::map<std::string, std::vector<double>>& recordedSamples();
// Sets the iteration's time and records it.
void sample(benchmark::State& state, const char* figure, double seconds);

using Clock = std::chrono::steady_clock;
inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The directory that holds this program (and the programs started by the process benchmarks).
QString programDirectory();

// Re-executed as a child process: opens the large pair and exits; the parent reads its peak
// memory. Returns the exit status.
int runMemoryChild(int argc, char** argv);

}  // namespace tavbench

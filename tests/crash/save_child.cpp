// Saves a big class over and over, switching between its two versions, in worker processes that
// the crash-safety test kills at random moments. It fills its panes once and then, for each line
// "go <version>" on its input, forks a worker that saves the pair (starting with that version,
// then the other, and so on) until it is killed, waits for the worker's end and reports it.
// Output, for the test to follow:
//   "ready\n"           the panes are filled
//   "worker <pid>\n"    a worker runs; then 'b' before and 'e' after each save of the pair
//   "\nended <sig>\n"   the worker is gone (<sig>: the signal that ended it, 0 for none)
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <string>

#include "crash_texts.h"
#include "document/class_files.h"
#include "document/document_text.h"

namespace {

void say(const std::string& text) {
    if (::write(STDOUT_FILENO, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        ::_exit(3);
    }
}

[[noreturn]] void saveForever(const tav::DocumentText (&headers)[2],
                              const tav::DocumentText (&sources)[2], const QString& headerPath,
                              const QString& sourcePath, int version) {
    say("worker " + std::to_string(::getpid()) + "\n");
    for (;; version = 1 - version) {
        say("b");
        const auto write = [](const tav::DocumentText& text, const QString& path) {
            const tav::Status written = tav::writeTextToFile(text, path);
            if (written.ok()) return;
            std::fprintf(stderr, "%s\n", qPrintable(written.message()));
            ::_exit(1);
        };
        write(headers[version], headerPath);
        write(sources[version], sourcePath);
        say("e");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // Nor does this process outlive the test that started it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tavrin_save_child <directory>\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QString headerPath = dir.filePath(tav::crash::kHeaderName);
    const QString sourcePath = dir.filePath(tav::crash::kSourceName);
    tav::DocumentText headers[2];
    tav::DocumentText sources[2];
    for (int version = 0; version < 2; ++version) {
        headers[version].setWholeText(tav::crash::headerText(version));
        sources[version].setWholeText(tav::crash::sourceText(version));
    }
    say("ready\n");
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        int version = 0;
        if (std::sscanf(line, "go %d", &version) != 1 || (version != 0 && version != 1)) {
            std::fprintf(stderr, "unknown command: %s", line);
            return 2;
        }
        // The process has a single thread, so the worker may go on with everything it has.
        const pid_t server = ::getpid();
        const pid_t worker = ::fork();
        if (worker < 0) {
            std::perror("fork");
            return 1;
        }
        if (worker == 0) {
            // A worker never outlives this process, whatever happens to the test.
            if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != server) ::_exit(1);
            saveForever(headers, sources, headerPath, sourcePath, version);
        }
        int status = 0;
        if (::waitpid(worker, &status, 0) != worker) {
            std::perror("waitpid");
            return 1;
        }
        say("\nended " + std::to_string(WIFSIGNALED(status) ? WTERMSIG(status) : 0) + "\n");
    }
    return 0;
}

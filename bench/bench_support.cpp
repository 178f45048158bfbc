#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "app/app_windows.h"
#include "dialogs/dialogs.h"
#include "platform/scripted_platform.h"
#include "window/child_form.h"

namespace tavbench {

namespace {

std::string number(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", value);
    return text;
}

void writeFile(const QString& path, const std::string& bytes) {
    std::ofstream file(path.toStdString(), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.toStdString());
}

std::string header(const std::string& name, int lineCount) {
    std::string text;
    int lines = 0;
    auto line = [&](const std::string& content) {
        text += content;
        text += "\r\n";
        ++lines;
    };
    line("//" + std::string(75, '-'));
    line("// " + name + ".h");
    line("#ifndef " + name + "H");
    line("#define " + name + "H");
    line("class " + name);
    line("{");
    line("private:");
    line("protected:");
    line("public:");
    line("    " + name + "();");
    line("    ~" + name + "();");
    for (int i = 0; lines < lineCount - 2; ++i) {
        line("    int member_" + number(i) + ";  // a counter of the generated class");
        if (lines < lineCount - 2)
            line("    void Function" + number(i) + "(int first, int second);");
    }
    line("};");
    line("#endif");
    return text;
}

std::string source(const std::string& name, int lineCount, std::string& lastHead) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lineCount) * 42);
    for (int i = 0; i < lineCount / 10; ++i) {
        lastHead = "void " + name + "::Function" + number(i) + "(int first, int second)";
        text += lastHead;
        text +=
            "\r\n{\r\n"
            "    int total = first + second;         // the sum of both arguments\r\n"
            "    for (int index = 0; index < second; ++index)\r\n"
            "        total += values_[index] * first + offsets_[index % 16];\r\n"
            "    if (total > limit_ && !ignoreLimit_) /* keep it in range */\r\n"
            "        total = limit_ - (total - limit_) / 2;\r\n"
            "    result_ = total;  // kept for the next call\r\n"
            "}\r\n"
            "\r\n";
    }
    return text;
}

std::unique_ptr<Workspace> theWorkspace;

long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

}  // namespace

ClassPair writeClassPair(const QString& directory, const std::string& className, int headerLines,
                         int sourceLines) {
    ClassPair pair;
    pair.directory = directory;
    const QString base = directory + QStringLiteral("/") + QString::fromStdString(className);
    pair.headerPath = base + QStringLiteral(".h");
    pair.sourcePath = base + QStringLiteral(".cpp");
    writeFile(pair.headerPath, header(className, headerLines));
    pair.sourceBytes = source(className, sourceLines, pair.lastFunction);
    writeFile(pair.sourcePath, pair.sourceBytes);
    return pair;
}

namespace {
QTemporaryDir& pairDirectory() {
    static QTemporaryDir directory;
    return directory;
}
}  // namespace

const ClassPair& largePair() {
    static const ClassPair pair = writeClassPair(pairDirectory().path(), kLargeClassName,
                                                 kLargeHeaderLines, kLargeSourceLines);
    return pair;
}

const ClassPair& smallPair() {
    static const ClassPair pair = [] {
        const QString directory = pairDirectory().path() + QStringLiteral("/small");
        QDir().mkpath(directory);
        return writeClassPair(directory, "SmallClass", 20, 30);
    }();
    return pair;
}

namespace {
std::map<std::string, std::vector<double>>& sampleTable() {
    static std::map<std::string, std::vector<double>> table;
    return table;
}
}  // namespace

void recordSample(const std::string& name, double value) { sampleTable()[name].push_back(value); }

const std::map<std::string, std::vector<double>>& recordedSamples() { return sampleTable(); }

void sample(benchmark::State& state, const char* figure, double seconds) {
    state.SetIterationTime(seconds);
    recordSample(figure, seconds);
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

BarePanes::BarePanes() {
    auto* layout = new QVBoxLayout(&window_);
    top_ = new QPlainTextEdit;
    bottom_ = new QPlainTextEdit;
    layout->addWidget(top_);
    layout->addWidget(bottom_, 1);
    window_.resize(605, 377);
    window_.show();
}

BarePanes::~BarePanes() = default;

void BarePanes::load(const QString& topPath, const QString& bottomPath) {
    top_->setPlainText(readUtf8(topPath));
    bottom_->setPlainText(readUtf8(bottomPath));
}

void BarePanes::clear() {
    top_->clear();
    bottom_->clear();
}

QString BarePanes::readUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read a file");
    return QString::fromUtf8(file.readAll());
}

QString programDirectory() { return QCoreApplication::applicationDirPath(); }

// ---- Workspace ---------------------------------------------------------------------------------

Workspace::Workspace() : platform_(std::make_unique<tav::ScriptedPlatform>()) {
    windows_ = std::make_unique<tav::AppWindows>(*platform_, recoveryRoot_.path());
    main_ = windows_->TavMainForm.get();
    windows_->makeDialogs();
    main_->show();
    settle();
}

Workspace::~Workspace() {
    for (TChildForm* document : main_->documents()) document->document().setModified(false);
    windows_.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

tav::Dialogs& Workspace::dialogs() { return windows_->dialogs(); }

TChildForm* Workspace::newSkeleton(const QString& name) {
    const QString directory = largePair().directory;
    platform_->modalScripts.push_back([name, directory](QDialog* shown) {
        auto* dialog = static_cast<TNewClassDlg*>(shown);
        dialog->Name->setText(name);
        dialog->Normal->setChecked(true);
        dialog->setDirectory(directory);
        return tav::ModalOk;
    });
    main_->New1Click();
    TChildForm* document = main_->activeDocument();
    settle();
    return document;
}

TChildForm* Workspace::prepareOpen(const ClassPair& pair) {
    platform_->openFiles.push_back(pair.headerPath);
    TChildForm* document = main_->createDocument();
    settle();
    return document;
}

void Workspace::bringToFront(TChildForm* document) {
    main_->MdiArea->setActiveSubWindow(document);
    document->showMaximized();
    settle();
}

void Workspace::close(TChildForm* document) {
    for (TChildForm** kept : {&large_, &small_, &skeleton_}) {
        if (*kept == document) *kept = nullptr;
    }
    document->document().setModified(false);
    document->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
}

TChildForm* Workspace::opened(const ClassPair& pair) {
    TChildForm* document = prepareOpen(pair);
    if (document->OpenClass()) main().opened(*document);
    settle();
    return document;
}

TChildForm* Workspace::largeDocument() {
    if (!large_) large_ = opened(largePair());
    return large_;
}

TChildForm* Workspace::smallDocument() {
    if (!small_) small_ = opened(smallPair());
    return small_;
}

TChildForm* Workspace::skeletonDocument() {
    if (!skeleton_) skeleton_ = newSkeleton(QStringLiteral("SkeletonClass"));
    return skeleton_;
}

Workspace& workspace() {
    if (!theWorkspace) theWorkspace = std::make_unique<Workspace>();
    return *theWorkspace;
}

void shutdownWorkspace() { theWorkspace.reset(); }

// ---- The memory child --------------------------------------------------------------------------

int runMemoryChild(int argc, char** argv) {
    if (argc < 4) return 2;
    const std::string_view mode = std::string_view(argv[1]).substr(sizeof "--memory-child=" - 1);
    const QString header = QString::fromLocal8Bit(argv[2]);
    const QString source = QString::fromLocal8Bit(argv[3]);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (mode == "tavrin") {
        tav::ScriptedPlatform platform;
        tav::AppWindows windows(platform);
        TTavMainForm& main = windows.main();
        windows.makeDialogs();
        main.show();
        settle();
        platform.openFiles.push_back(header);
        TChildForm* document = main.createDocument();
        if (document->OpenClass()) main.opened(*document);
        settle();
        if (document->document().FunctionList().size() != kLargeSourceLines / 10) return 3;
        std::printf("%ld\n", peakKilobytes());
        std::fflush(stdout);
        std::_Exit(0);  // the peak is taken; tearing the windows down would only cost time
    }
    if (mode == "bare") {
        BarePanes panes;
        settle();
        panes.load(header, source);
        settle();
        std::printf("%ld\n", peakKilobytes());
        std::fflush(stdout);
        std::_Exit(0);
    }
    return 2;
}

}  // namespace tavbench

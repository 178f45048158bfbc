#pragma once
// A folder of its own for the tests that prove generated code compiles: texts written as files,
// then a source checked with g++ -std=c++20 -fsyntax-only.
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tav::testing {

class CompileFolder {
public:
    CompileFolder() {
        static std::atomic<int> next{0};
        dir_ = std::filesystem::temp_directory_path() /
               ("tavrin-compile-" + std::to_string(::getpid()) + "-" + std::to_string(++next));
        std::filesystem::create_directories(dir_);
    }
    ~CompileFolder() { std::filesystem::remove_all(dir_); }
    CompileFolder(const CompileFolder&) = delete;
    CompileFolder& operator=(const CompileFolder&) = delete;

    const std::filesystem::path& dir() const { return dir_; }

    void write(const std::string& name, const std::vector<std::string>& lines) const {
        std::ofstream out(dir_ / name);
        for (const std::string& line : lines) out << line << '\n';
    }

    // Whether the file compiles, its folder on the include path; the compiler's messages show
    // in the test's output unless quiet.
    bool compiles(const std::string& name, bool quiet = false) const {
        const std::string command = "g++ -std=c++20 -fsyntax-only -I" + dir_.string() + " " +
                                    (dir_ / name).string() + (quiet ? " 2>/dev/null" : "");
        return std::system(command.c_str()) == 0;
    }

private:
    std::filesystem::path dir_;
};

}  // namespace tav::testing

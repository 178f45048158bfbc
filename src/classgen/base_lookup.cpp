#include "classgen/base_lookup.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace tav {

namespace {

// A header larger than this is not a class's base header (a generated table, a data file).
constexpr std::uintmax_t kLargestHeader = 16 * 1024 * 1024;

std::optional<std::string> readFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kLargestHeader) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The written name's namespace part: "geo::Shape" gives "geo", "Shape" gives "".
std::string namespaceOf(const std::string& writtenName) {
    const std::string bare = writtenName.substr(0, writtenName.find('<'));
    const std::size_t last = bare.rfind("::");
    if (last == std::string::npos) return "";
    return bare.substr(bare.starts_with("::") ? 2 : 0, last - (bare.starts_with("::") ? 2 : 0));
}

const cpp::Class* classNamed(const cpp::Model& model, const std::string& writtenName) {
    const std::string name = declaredName(writtenName);
    const std::string nameSpace = namespaceOf(writtenName);
    const cpp::Class* any = nullptr;
    for (const cpp::Class& cls : model.classes) {
        if (cls.name != name) continue;
        // A qualified name must match the namespace's end; a bare one takes the first.
        if (nameSpace.empty() || cls.nameSpace == nameSpace ||
            cls.nameSpace.ends_with("::" + nameSpace))
            return &cls;
        if (!any) any = &cls;
    }
    return any ? any : model.findClass(name);
}

}  // namespace

std::string declaredName(const std::string& writtenName) {
    std::string name = writtenName.substr(0, writtenName.find('<'));
    const std::size_t last = name.rfind("::");
    if (last != std::string::npos) name.erase(0, last + 2);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::optional<std::string> findHeaderFile(const std::string& include,
                                          const std::vector<std::string>& folders) {
    const std::optional<std::string> file = includedFile(include);
    if (!file) return std::nullopt;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const std::filesystem::path path = std::filesystem::path(folder) / *file;
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) return path.lexically_normal().string();
    }
    return std::nullopt;
}

std::optional<cpp::Class> classInHeaderFile(const std::string& path, const std::string& name) {
    const std::optional<std::string> text = readFile(path);
    // Reading a header costs a parse: only one that names the class is read.
    if (!text || text->find(declaredName(name)) == std::string::npos) return std::nullopt;
    const cpp::ParseResult parsed = cpp::parseHeader(*text);
    if (!parsed.ok()) return std::nullopt;
    const cpp::Class* found = classNamed(parsed.model, name);
    if (!found) return std::nullopt;
    return *found;
}

BaseClasses findBaseClasses(const ReadClass& read, const std::vector<std::string>& folders) {
    BaseClasses result;
    if (!read.cls) return result;
    std::vector<std::string> headers;  // the included files that exist, in include order
    for (const std::string& include : read.model.includes) {
        if (const std::optional<std::string> path = findHeaderFile(include, folders))
            headers.push_back(*path);
    }
    for (const cpp::Base& base : read.cls->bases) {
        const cpp::Class* here = classNamed(read.model, base.name);
        if (here && here != read.cls) {
            result.found.push_back(*here);
            continue;
        }
        std::optional<cpp::Class> there;
        for (const std::string& header : headers) {
            if ((there = classInHeaderFile(header, base.name))) break;
        }
        if (there)
            result.found.push_back(std::move(*there));
        else
            result.missing.push_back(base.name);
    }
    return result;
}

}  // namespace tav

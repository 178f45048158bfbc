#pragma once
// A text as an ordered list of whole lines, indexed from 0. The Qt pane implements it over its
// document; tests and the rules use the in-memory list. Texts are UTF-8.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

class LineList {
public:
    virtual ~LineList() = default;
    virtual std::size_t count() const = 0;
    virtual std::string line(std::size_t index) const = 0;
    // index may equal count(): the line becomes the new last line.
    virtual void insert(std::size_t index, const std::string& text) = 0;
    virtual void append(const std::string& text) = 0;
    virtual void clear() = 0;

    // Visits the lines from the first on, in order, until visit returns false. A line's view is
    // valid during its visit only. The default reads them one by one through count() and line();
    // a list whose text lies in one piece walks it without copying a line, so that a rule that
    // reads every line costs little more than reading the text once.
    using LineVisitor = std::function<bool(std::string_view line)>;
    virtual void forEachLine(const LineVisitor& visit) const;

    // The whole text in one piece, the lines joined by '\n' (a final '\n' may end the last
    // line), for a list that holds it that way; nullopt for one that does not. Valid until the
    // list changes. A search can then look through all lines at once.
    virtual std::optional<std::string_view> joinedText() const { return std::nullopt; }
};

class VectorLineList final : public LineList {
public:
    VectorLineList() = default;
    explicit VectorLineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    std::size_t count() const override { return lines_.size(); }
    std::string line(std::size_t index) const override { return lines_.at(index); }
    void insert(std::size_t index, const std::string& text) override;
    void append(const std::string& text) override { lines_.push_back(text); }
    void clear() override { lines_.clear(); }
    void forEachLine(const LineVisitor& visit) const override;

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace tav

#pragma once
// A memo: a list of whole text lines (a long line stays one line; the view does not wrap).
// Lines are kept as 8-bit strings, and the view follows every change of the list.
#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace vcl {

class TMemo;

class TStrings {
public:
    explicit TStrings(TMemo& owner) : owner_(owner) {}
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const { return lines_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& All() const { return lines_; }
    void Add(const std::string& line);
    void Clear();

private:
    TMemo& owner_;
    std::vector<std::string> lines_;
};

class TMemo : public QPlainTextEdit {
public:
    TMemo(QWidget* parent, const std::vector<std::string>& lines);
    TStrings Lines{*this};

private:
    friend class TStrings;
    void Appended(const std::string& line);
    void Cleared();
};

} // namespace vcl

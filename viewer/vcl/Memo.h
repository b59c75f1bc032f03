#pragma once
// A memo: a list of whole text lines (a long line stays one line; the view does not wrap).
// The widget's text is the one source of the lines: what the user types is in Lines, and what
// the program adds shows at once. Lines are 8-bit strings.
#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace vcl {

class TMemo;

class TStrings {
public:
    explicit TStrings(TMemo& owner) : owner_(owner) {}
    // The lines of the text; an empty last line does not count, so a text that ends with a line
    // break has as many lines as the breaks before it.
    std::vector<std::string> All() const;
    int Count() const { return static_cast<int>(All().size()); }
    std::string operator[](int index) const { return All().at(static_cast<std::size_t>(index)); }
    void Add(const std::string& line);
    void Clear();

private:
    TMemo& owner_;
};

class TMemo : public QPlainTextEdit {
public:
    TMemo(QWidget* parent, const std::vector<std::string>& lines);
    TStrings Lines{*this};
};

} // namespace vcl

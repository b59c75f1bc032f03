#pragma once
// Texts of the viewer are 8-bit strings (the data files' bytes); Qt shows them one byte per
// character.
#include <QString>
#include <string>

namespace vcl {

inline QString ToQ(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQ(const QString& text)
{
    return text.toLatin1().toStdString();
}

} // namespace vcl

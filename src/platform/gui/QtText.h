#pragma once
// The program keeps its texts as 8-bit Latin-1 bytes (the degree sign is the
// single byte 0xB0); Qt works in Unicode. These convert at the boundary.
#include <filesystem>
#include <string>
#include <string_view>

#include <QString>

namespace saltmark {

inline QString toQt(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become "?", as the system code page would show them.
inline std::string fromQt(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Paths are file-system names, not display texts: they travel as UTF-8.
inline QString pathToQt(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
inline std::filesystem::path pathFromQt(const QString& path) { return std::filesystem::path(path.toStdString()); }

}  // namespace saltmark

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fup {

// The file boundary: texts in memory are UTF-8 with "\n" line ends; files are
// Windows-1252 with CR LF.

// Windows-1252 bytes to UTF-8; CR LF becomes "\n" (files with bare LF read the same;
// a lone CR stays as it is).
std::string decodeFileText(std::string_view bytes);
// UTF-8 to Windows-1252; every "\n" is written as CR LF (one that already follows a CR
// is left alone, so CR LF in memory does not double).
std::string encodeFileText(std::string_view text);

struct FileResult {
    bool ok = false;
    std::string error; // translated, names the file and the system's reason
};

// Reads a whole file as bytes.
FileResult readFileBytes(const std::filesystem::path& file, std::string& bytes);

// Writes the bytes so that the target is either the complete new file or, after any
// failure, the old file untouched: a temporary file in the same directory is written,
// flushed to the disk and only then renamed over the target. A symbolic link is
// followed, so the file it points to is replaced and the link stays. The permissions
// of an existing target are kept.
FileResult saveFileAtomic(const std::filesystem::path& target, std::string_view bytes);

} // namespace fup

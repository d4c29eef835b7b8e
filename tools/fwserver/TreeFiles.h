// The firmware server's file tree: safe URL paths and reading files by them.
#pragma once
#include <string>

namespace fwserver {

// Decodes %xx escapes and refuses paths that could leave the tree: no "..",
// no backslash, no NUL, no drive colon; the path must start with "/".
bool SafeUrlPath(const std::string& raw, std::string* decoded);
// Reads the file at a safe URL path under root. False for folders and
// missing files.
bool ReadTreeFile(const std::wstring& root, const std::string& urlPath, std::string* content);

}  // namespace fwserver

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/FileOps.h"

namespace rewrix::platform {

// Replaces the file at `path` by `bytes` as one step: the bytes go to a
// temporary file in the same folder, which is then renamed over the target,
// so a failure at any point leaves the previous file whole and no temporary
// file behind. An existing file keeps its permissions; a symbolic link is
// followed, so the file it points to is the one replaced.
// Returns the empty string on success, else the system's description of the
// failure (in UTF-8).
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                FileOps& ops = FileOps::System());

} // namespace rewrix::platform

// Writing a file whole or not at all, for callers outside the library: the
// bytes go to a temporary file beside `path`, which replaces `path` only
// when every byte was written; otherwise any file at `path` stays as it was.
#pragma once

#include <cstddef>
#include <string>

namespace talvinet {

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size);

// The file that writing to `path` replaces: `path` with every symbolic link
// followed, even to a file that does not exist yet.
std::string ReplacementTarget(const std::string& path);

// Why no file can be written at `path`, for any host's message after a
// failed write: "the folder /data cannot take a new file: Permission denied"
// naming the folder of the replaced file. Empty when that folder takes one
// (the failure had another cause). Creates and removes a temporary file.
std::string NewFileRefusal(const std::string& path);

}  // namespace talvinet

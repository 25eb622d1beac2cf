// Writing a file whole or not at all, for callers outside the library: the
// bytes go to a temporary file beside `path`, which replaces `path` only
// when every byte was written; otherwise any file at `path` stays as it was.
#pragma once

#include <cstddef>
#include <string>

namespace talvinet {

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size);

}  // namespace talvinet

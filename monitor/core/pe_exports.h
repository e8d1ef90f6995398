#pragma once

#include <span>
#include <string_view>

namespace velmorant {

// Whether a PE file (a library or program as it lies on disk, not as loaded) exports a
// function under `name`, read from its export table without running any of its code. Every
// offset is checked against the bytes given: a truncated or malformed file says no.
bool PeFileExports(std::span<const unsigned char> file, std::string_view name);

}  // namespace velmorant

#pragma once
// Saving a template must never cost the author the file they had. The new
// bytes go to a file of their own in the same folder, are flushed to the
// disk, and only then take the old name in one rename, so that at every
// moment the name holds either the whole old file or the whole new one.
#include <string>
#include <string_view>

namespace platform {

// Replaces the file at nativePath (UTF-8) with bytes. False when any step
// fails (folder missing or read-only, disk full, RLIMIT_FSIZE reached, the
// name taken by a folder); then the old file is as it was and the temporary
// file is gone. A symbolic link keeps pointing at the file it named, which
// receives the new bytes; a replaced file keeps its permission bits.
bool ReplaceFileContents(const std::string& nativePath, std::string_view bytes) noexcept;

// Every byte to an open file descriptor, past interrupted writes; false at
// the first write that fails or writes nothing.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace platform

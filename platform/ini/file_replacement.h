#pragma once
// Every file the programs write whole is written here (templates, the
// global style file, the host script) or at least checked here (printed PDF
// files), so that one rule decides which files may be written at all.
//
// Saving a template must never cost the author the file they had. The new
// bytes go to a file of their own in the same folder, are flushed to the
// disk, and only then take the old name in one rename, so that at every
// moment the name holds either the whole old file or the whole new one.
#include <string>
#include <string_view>

namespace platform {

// Whether the file at nativePath (UTF-8) may take new contents. A missing
// name may be created. An existing name must be a regular file that carries
// a write permission bit and that this user may write: a file without any
// write bit is what Windows calls read-only, which stops every user there,
// administrators included, so it is refused to root as well; and a file
// this user may not write is refused although its folder would let a
// rename replace it. Folders, pipes and devices are never replaced.
bool MayReplaceFile(const std::string& nativePath) noexcept;

// Replaces the file at nativePath (UTF-8) with bytes. False when any step
// fails (the file refused by MayReplaceFile, folder missing or read-only,
// disk full, RLIMIT_FSIZE reached); then the old file is as it was and the
// temporary file is gone. A symbolic link keeps pointing at the file it
// named, which receives the new bytes; a replaced file keeps its permission
// bits.
bool ReplaceFileContents(const std::string& nativePath, std::string_view bytes) noexcept;

// Writes bytes over the file at nativePath in place, creating it when it is
// missing: for files rewritten after every change of one value (the INI
// files' key-by-key writes), where a flush to the disk each time would cost
// more than it saves. False when MayReplaceFile refuses the file or a write
// fails.
bool OverwriteFileContents(const std::string& nativePath, std::string_view bytes) noexcept;

}  // namespace platform

#pragma once
// Resources of a library built for Linux. ELF has no resource table, so each
// resource is a section of its own named ".rsrc.<type>.<id>"; they are read
// from the file's section headers, without loading or running the library.
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace host {

class ElfResources {
 public:
  // Throws HostError when the file cannot be read or is no well-formed 64-bit
  // little-endian ELF file; every offset and size is checked against the file.
  static ElfResources Load(const std::filesystem::path& path);
  static ElfResources Parse(std::span<const unsigned char> image);

  // The bytes of the resource, or null when the file has none of that name.
  const std::string* Find(std::string_view type, std::string_view id) const;

 private:
  std::map<std::string, std::string, std::less<>> sections_;  // "<type>.<id>" -> bytes
};

}  // namespace host

#include "host/elf_resources.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstring>

#include "host/host_error.h"

namespace host {
namespace {

static_assert(std::endian::native == std::endian::little,
              "section headers are copied as they lie in the file");

constexpr std::string_view kResourcePrefix = ".rsrc.";

// The file stays mapped for the parse only; nothing of it is kept.
class MappedFile {
 public:
  explicit MappedFile(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw HostError(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw HostError(std::strerror(errno));
    if (!S_ISREG(info.st_mode)) throw HostError("not a regular file");
    size_ = static_cast<std::size_t>(info.st_size);
    if (size_ == 0) return;
    void* data = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd_, 0);
    if (data == MAP_FAILED) throw HostError(std::strerror(errno));
    data_ = static_cast<const unsigned char*>(data);
  }
  ~MappedFile() {
    if (data_ != nullptr) ::munmap(const_cast<unsigned char*>(data_), size_);
    if (fd_ >= 0) ::close(fd_);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::span<const unsigned char> Bytes() const { return {data_, data_ == nullptr ? 0 : size_}; }

 private:
  int fd_ = -1;
  const unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
};

bool RangeInside(std::size_t total, uint64_t offset, uint64_t size) {
  return offset <= total && size <= total - offset;
}

Elf64_Shdr SectionHeader(std::span<const unsigned char> image, uint64_t tableOffset,
                         uint64_t index) {
  Elf64_Shdr header;
  std::memcpy(&header, image.data() + tableOffset + index * sizeof(Elf64_Shdr), sizeof header);
  return header;
}

}  // namespace

ElfResources ElfResources::Load(const std::filesystem::path& path) {
  MappedFile file(path);
  return Parse(file.Bytes());
}

ElfResources ElfResources::Parse(std::span<const unsigned char> image) {
  Elf64_Ehdr elf;
  if (image.size() < sizeof elf) throw HostError("not an ELF file");
  std::memcpy(&elf, image.data(), sizeof elf);
  if (std::memcmp(elf.e_ident, ELFMAG, SELFMAG) != 0) throw HostError("not an ELF file");
  if (elf.e_ident[EI_CLASS] != ELFCLASS64) throw HostError("not a 64-bit ELF file");
  if (elf.e_ident[EI_DATA] != ELFDATA2LSB) throw HostError("not a little-endian ELF file");
  if (elf.e_shoff == 0) throw HostError("the file has no section headers");
  if (elf.e_shentsize != sizeof(Elf64_Shdr)) throw HostError("unexpected section header size");

  const uint64_t tableOffset = elf.e_shoff;
  if (!RangeInside(image.size(), tableOffset, sizeof(Elf64_Shdr))) {
    throw HostError("the section headers lie beyond the end of the file");
  }
  // With many sections the real count and name-table index live in section 0.
  const Elf64_Shdr first = SectionHeader(image, tableOffset, 0);
  const uint64_t count = elf.e_shnum != 0 ? elf.e_shnum : first.sh_size;
  const uint64_t namesIndex = elf.e_shstrndx == SHN_XINDEX ? first.sh_link : elf.e_shstrndx;
  if (count > (image.size() - tableOffset) / sizeof(Elf64_Shdr)) {
    throw HostError("the section headers lie beyond the end of the file");
  }
  if (namesIndex == SHN_UNDEF || namesIndex >= count) {
    throw HostError("the file has no section name table");
  }
  const Elf64_Shdr namesHeader = SectionHeader(image, tableOffset, namesIndex);
  if (namesHeader.sh_type != SHT_STRTAB ||
      !RangeInside(image.size(), namesHeader.sh_offset, namesHeader.sh_size)) {
    throw HostError("the section name table is damaged");
  }
  const std::string_view names(reinterpret_cast<const char*>(image.data()) + namesHeader.sh_offset,
                               namesHeader.sh_size);

  ElfResources resources;
  for (uint64_t index = 1; index < count; ++index) {
    const Elf64_Shdr header = SectionHeader(image, tableOffset, index);
    if (header.sh_name >= names.size()) throw HostError("a section name lies outside the name table");
    const std::size_t end = names.find('\0', header.sh_name);
    if (end == std::string_view::npos) throw HostError("a section name is not terminated");
    const std::string_view name = names.substr(header.sh_name, end - header.sh_name);
    if (!name.starts_with(kResourcePrefix)) continue;

    const std::string quoted = "\"" + std::string(name) + "\"";
    if (header.sh_type == SHT_NOBITS || !RangeInside(image.size(), header.sh_offset, header.sh_size)) {
      throw HostError("resource section " + quoted + " lies beyond the end of the file");
    }
    const auto* bytes = reinterpret_cast<const char*>(image.data()) + header.sh_offset;
    const bool added = resources.sections_
                           .emplace(std::string(name.substr(kResourcePrefix.size())),
                                    std::string(bytes, header.sh_size))
                           .second;
    if (!added) throw HostError("resource section " + quoted + " appears twice");
  }
  return resources;
}

const std::string* ElfResources::Find(std::string_view type, std::string_view id) const {
  std::string key;
  key.reserve(type.size() + 1 + id.size());
  key.append(type).append(".").append(id);
  const auto found = sections_.find(key);
  return found == sections_.end() ? nullptr : &found->second;
}

}  // namespace host

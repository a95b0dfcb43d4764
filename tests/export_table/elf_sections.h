#pragma once
// Reads a 64-bit ELF shared object as a host's loader sees it: its sections
// by name and the names of the dynamic symbols it defines.
#include <elf.h>

#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tessel_test {

class ElfSections {
 public:
  explicit ElfSections(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamsize size = in.tellg();
    if (size <= 0) return;
    bytes_.resize(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(bytes_.data(), size)) return;
    Read();
  }

  bool Valid() const { return valid_; }

  // Section name -> its bytes (empty for SHT_NOBITS).
  const std::map<std::string, std::string>& Sections() const { return sections_; }

  // Names of the global and weak symbols .dynsym defines.
  const std::set<std::string>& DefinedDynamicSymbols() const { return dynamicSymbols_; }
  const std::set<std::string>& DefinedDynamicFunctions() const { return dynamicFunctions_; }

 private:
  template <class T>
  std::optional<T> At(uint64_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) return std::nullopt;
    T value;
    std::memcpy(&value, bytes_.data() + offset, sizeof(T));
    return value;
  }

  std::string Slice(uint64_t offset, uint64_t size) const {
    if (offset > bytes_.size() || bytes_.size() - offset < size) return {};
    return std::string(bytes_.data() + offset, size);
  }

  static std::string CString(const std::string& table, uint64_t offset) {
    if (offset >= table.size()) return {};
    return std::string(table.c_str() + offset);
  }

  void Read() {
    const auto header = At<Elf64_Ehdr>(0);
    if (!header || std::memcmp(header->e_ident, ELFMAG, SELFMAG) != 0 ||
        header->e_ident[EI_CLASS] != ELFCLASS64) {
      return;
    }
    std::vector<Elf64_Shdr> headers;
    for (uint16_t i = 0; i < header->e_shnum; ++i) {
      const auto section = At<Elf64_Shdr>(header->e_shoff + uint64_t{i} * header->e_shentsize);
      if (!section) return;
      headers.push_back(*section);
    }
    if (header->e_shstrndx >= headers.size()) return;
    const Elf64_Shdr& names = headers[header->e_shstrndx];
    const std::string nameTable = Slice(names.sh_offset, names.sh_size);
    for (const Elf64_Shdr& section : headers) {
      const std::string content =
          section.sh_type == SHT_NOBITS ? std::string() : Slice(section.sh_offset, section.sh_size);
      sections_[CString(nameTable, section.sh_name)] = content;
      if (section.sh_type == SHT_DYNSYM && section.sh_link < headers.size()) {
        const Elf64_Shdr& strings = headers[section.sh_link];
        ReadSymbols(content, Slice(strings.sh_offset, strings.sh_size));
      }
    }
    valid_ = true;
  }

  void ReadSymbols(const std::string& table, const std::string& strings) {
    for (size_t at = 0; at + sizeof(Elf64_Sym) <= table.size(); at += sizeof(Elf64_Sym)) {
      Elf64_Sym symbol;
      std::memcpy(&symbol, table.data() + at, sizeof symbol);
      const unsigned binding = ELF64_ST_BIND(symbol.st_info);
      if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK)) continue;
      const std::string name = CString(strings, symbol.st_name);
      dynamicSymbols_.insert(name);
      if (ELF64_ST_TYPE(symbol.st_info) == STT_FUNC) dynamicFunctions_.insert(name);
    }
  }

  std::vector<char> bytes_;
  bool valid_ = false;
  std::map<std::string, std::string> sections_;
  std::set<std::string> dynamicSymbols_;
  std::set<std::string> dynamicFunctions_;
};

}  // namespace tessel_test

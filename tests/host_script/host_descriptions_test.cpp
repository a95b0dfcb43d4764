#include <elf.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "host/elf_resources.h"
#include "host/host_descriptions_reader.h"
#include "host/host_error.h"
#include "host_process.h"

namespace host {
namespace {

using Bytes = std::vector<unsigned char>;
using Sections = std::vector<std::pair<std::string, std::string>>;  // full name, bytes

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A minimal 64-bit ELF file: the header, the sections' bytes, the section
// name table and the section headers last, as linkers lay them out.
Bytes BuildElf(const Sections& sections) {
  Bytes image(sizeof(Elf64_Ehdr), 0);
  std::string names(1, '\0');
  std::vector<Elf64_Shdr> headers(1, Elf64_Shdr{});
  for (const auto& [name, bytes] : sections) {
    Elf64_Shdr header{};
    header.sh_name = static_cast<Elf64_Word>(names.size());
    header.sh_type = SHT_PROGBITS;
    header.sh_flags = SHF_ALLOC;
    header.sh_offset = image.size();
    header.sh_size = bytes.size();
    names += name + '\0';
    image.insert(image.end(), bytes.begin(), bytes.end());
    headers.push_back(header);
  }
  Elf64_Shdr nameTable{};
  nameTable.sh_name = static_cast<Elf64_Word>(names.size());
  names += std::string(".shstrtab") + '\0';
  nameTable.sh_type = SHT_STRTAB;
  nameTable.sh_offset = image.size();
  nameTable.sh_size = names.size();
  image.insert(image.end(), names.begin(), names.end());
  headers.push_back(nameTable);

  Elf64_Ehdr elf{};
  std::memcpy(elf.e_ident, ELFMAG, SELFMAG);
  elf.e_ident[EI_CLASS] = ELFCLASS64;
  elf.e_ident[EI_DATA] = ELFDATA2LSB;
  elf.e_ident[EI_VERSION] = EV_CURRENT;
  elf.e_type = ET_DYN;
  elf.e_machine = EM_X86_64;
  elf.e_version = EV_CURRENT;
  elf.e_shoff = image.size();
  elf.e_ehsize = sizeof(Elf64_Ehdr);
  elf.e_shentsize = sizeof(Elf64_Shdr);
  elf.e_shnum = static_cast<Elf64_Half>(headers.size());
  elf.e_shstrndx = static_cast<Elf64_Half>(headers.size() - 1);
  std::memcpy(image.data(), &elf, sizeof elf);
  const auto* raw = reinterpret_cast<const unsigned char*>(headers.data());
  image.insert(image.end(), raw, raw + headers.size() * sizeof(Elf64_Shdr));
  return image;
}

std::string Fields(const FunctionDescription& function) {
  return std::string("\0", 1) + function.result + '\0' + function.arguments + '\0' +
         function.prototype + '\0';
}

// The descriptions of the given functions as the engine lays them out.
Sections DescriptionSections(const std::vector<FunctionDescription>& functions) {
  std::string list;
  Sections sections;
  for (const FunctionDescription& function : functions) {
    list += function.name + '\0';
    std::string id;
    for (char c : function.name) id += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    sections.emplace_back(".rsrc.DLL_HEADER." + id, Fields(function));
  }
  sections.emplace_back(".rsrc.DLL_HEADER.1", list + '\0');
  return sections;
}

std::string ErrorOf(const Bytes& image) {
  try {
    ReadHostDescriptions(ElfResources::Parse(image));
  } catch (const HostError& error) {
    return error.what();
  }
  return "no error";
}

Elf64_Ehdr HeaderOf(const Bytes& image) {
  Elf64_Ehdr elf;
  std::memcpy(&elf, image.data(), sizeof elf);
  return elf;
}

void SetHeader(Bytes& image, const Elf64_Ehdr& elf) { std::memcpy(image.data(), &elf, sizeof elf); }

TEST(HostDescriptions, ReadsTheDescriptionsOfALibraryBuiltWithThem) {
  const HostDescriptions descriptions = ReadHostDescriptions(ElfResources::Load(FIXTURE_GOOD));
  const std::vector<FunctionDescription>& read = descriptions.Functions();
  const std::vector<FunctionDescription>& required = RequiredFunctions();
  ASSERT_EQ(read.size(), required.size());
  for (std::size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].name, required[i].name);
    EXPECT_EQ(read[i].result, "V");
    EXPECT_EQ(read[i].arguments, required[i].arguments) << read[i].name;
  }
  EXPECT_EQ(read[7].prototype, "Result:=zBxSetVariable(varName,varVal)");
  EXPECT_EQ(read[11].prototype,
            "Result:=zBxPrintScreen(Orientation , PrintScale, Position)\r\n\r\n"
            "Prints the whole screen.");
  ASSERT_NE(descriptions.Find("ZBXPRINTWINDOW"), nullptr);
  EXPECT_EQ(descriptions.Find("ZBXPRINTWINDOW")->name, "zBxPrintWindow");
  EXPECT_EQ(descriptions.Find("zBxPrintWindow@16"), nullptr);
}

TEST(HostDescriptions, RefusesALibraryThatLacksAFunctionOrMisdescribesOne) {
  EXPECT_EQ(ErrorOf(ReadFile(FIXTURE_MISSING_FUNCTION)),
            "the library does not describe zBxPrintWindow");
  EXPECT_EQ(ErrorOf(ReadFile(FIXTURE_WRONG_LETTERS)),
            "zBxSetVariable is described with the argument letters \"S\", not \"SS\"");
}

TEST(HostDescriptions, RefusesDamagedDescriptions) {
  std::vector<FunctionDescription> functions = RequiredFunctions();
  EXPECT_EQ(ErrorOf(BuildElf(DescriptionSections(functions))), "no error");

  Sections noList = DescriptionSections(functions);
  noList.pop_back();
  EXPECT_EQ(ErrorOf(BuildElf(noList)), "the library has no function name list (DLL_HEADER 1)");

  Sections openList = DescriptionSections(functions);
  openList.back().second = "zBxCreateReport" + std::string(1, '\0');
  EXPECT_EQ(ErrorOf(BuildElf(openList)),
            "the function name list (DLL_HEADER 1) is not terminated by an empty name");

  Sections threeFields = DescriptionSections(functions);
  threeFields[1].second = std::string("\0V\0V", 4);
  EXPECT_EQ(ErrorOf(BuildElf(threeFields)),
            "the description DLL_HEADER ZBXFREEREPORT does not hold four fields");

  Sections undescribed = DescriptionSections(functions);
  undescribed.erase(undescribed.begin() + 1);
  EXPECT_EQ(ErrorOf(BuildElf(undescribed)),
            "the library lists zBxFreeReport but has no description DLL_HEADER ZBXFREEREPORT");

  Sections twice = DescriptionSections(functions);
  twice.back().second.insert(0, std::string("ZBXFREEREPORT") + '\0');
  EXPECT_EQ(ErrorOf(BuildElf(twice)), "the library lists zBxFreeReport twice");

  functions.push_back({"zBxExtra", "V", "SI", "zBxExtra(a, b)"});
  EXPECT_EQ(ErrorOf(BuildElf(DescriptionSections(functions))),
            "zBxExtra is described with the argument letters \"SI\", which this host cannot call");
  functions.back().arguments = "III";
  const HostDescriptions extra = ReadHostDescriptions(ElfResources::Parse(BuildElf(DescriptionSections(functions))));
  EXPECT_NE(extra.Find("zbxextra"), nullptr);

  Sections duplicate = DescriptionSections(RequiredFunctions());
  duplicate.push_back(duplicate.back());
  EXPECT_EQ(ErrorOf(BuildElf(duplicate)), "resource section \".rsrc.DLL_HEADER.1\" appears twice");
}

TEST(ElfResources, RefusesFilesThatAreNoUsableElf) {
  host_test::ScratchFolder scratch;
  const auto text = scratch.Write("script.txt", "zBxFreeReport()\n");
  try {
    ElfResources::Load(text);
    FAIL() << "a text file was read as a library";
  } catch (const HostError& error) {
    EXPECT_EQ(std::string(error.what()), "not an ELF file");
  }
  try {
    ElfResources::Load(scratch.Path() / "missing.so");
    FAIL() << "a missing file was read";
  } catch (const HostError& error) {
    EXPECT_EQ(std::string(error.what()), "No such file or directory");
  }

  const Bytes good = BuildElf(DescriptionSections(RequiredFunctions()));
  Bytes bad = good;
  bad[EI_CLASS] = ELFCLASS32;
  EXPECT_EQ(ErrorOf(bad), "not a 64-bit ELF file");

  bad = good;
  Elf64_Ehdr elf = HeaderOf(bad);
  elf.e_shstrndx = static_cast<Elf64_Half>(elf.e_shnum + 5);
  SetHeader(bad, elf);
  EXPECT_EQ(ErrorOf(bad), "the file has no section name table");

  bad = good;
  elf = HeaderOf(bad);
  elf.e_shoff = bad.size() - 10;
  SetHeader(bad, elf);
  EXPECT_EQ(ErrorOf(bad), "the section headers lie beyond the end of the file");

  bad = good;
  elf = HeaderOf(bad);
  elf.e_shnum = 0xFFFF;
  SetHeader(bad, elf);
  EXPECT_EQ(ErrorOf(bad), "the section headers lie beyond the end of the file");

  // The name list is the last resource section, just before the name table.
  const std::size_t listHeader = HeaderOf(good).e_shoff + (HeaderOf(good).e_shnum - 2) * sizeof(Elf64_Shdr);
  Elf64_Shdr section;
  bad = good;
  std::memcpy(&section, bad.data() + listHeader, sizeof section);
  section.sh_size = bad.size();
  std::memcpy(bad.data() + listHeader, &section, sizeof section);
  EXPECT_EQ(ErrorOf(bad), "resource section \".rsrc.DLL_HEADER.1\" lies beyond the end of the file");

  bad = good;
  std::memcpy(&section, bad.data() + listHeader, sizeof section);
  section.sh_name = 0x7FFFFFFF;
  std::memcpy(bad.data() + listHeader, &section, sizeof section);
  EXPECT_EQ(ErrorOf(bad), "a section name lies outside the name table");
}

TEST(ElfResources, EveryTruncationOfARealLibraryIsAnErrorNeverACrash) {
  const Bytes library = ReadFile(FIXTURE_GOOD);
  ASSERT_GT(library.size(), 1000u);
  for (std::size_t length = 0; length < library.size(); ++length) {
    EXPECT_THROW(ElfResources::Parse(std::span(library).first(length)), HostError) << length;
  }
}

TEST(ElfResources, DamagedHeadersAndNamesAreErrorsNeverCrashes) {
  const Bytes library = ReadFile(FIXTURE_GOOD);
  const Elf64_Ehdr elf = HeaderOf(library);
  std::mt19937 random(1101);
  // Damage lands in the file header, the section headers and the last
  // kilobytes before them, where the name table lies.
  const std::size_t tableStart = elf.e_shoff > 4096 ? elf.e_shoff - 4096 : 0;
  std::uniform_int_distribution<std::size_t> inHeader(0, sizeof(Elf64_Ehdr) - 1);
  std::uniform_int_distribution<std::size_t> inTables(tableStart, library.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = library;
    for (int flip = 0; flip < 1 + round % 6; ++flip) {
      const std::size_t at = round % 3 == 0 ? inHeader(random) : inTables(random);
      damaged[at] = static_cast<unsigned char>(byte(random));
    }
    try {
      ReadHostDescriptions(ElfResources::Parse(damaged));
    } catch (const HostError&) {
      ++refused;
    }
  }
  EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace host

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Bytes.h"

// A fresh folder below the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// The folder holding the five language files of the source tree.
std::filesystem::path LanguageSourceFolder();
// Copies the language files into a folder, as the build puts them beside the program.
void CopyLanguageFiles(const std::filesystem::path& folder);

std::vector<Byte> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<Byte>& bytes);

// A CamPac file as the format lays it out, with every field given by the test.
struct RomFileFields {
    std::string keplundTag = "[Keplund ]";
    std::string versionTag = "[Version ]";
    std::string version = "309";
    std::string rcTag = "[RCAnlage]";
    std::string typeName = "FC18V3    ";
    std::string camPacTag = "[CamPac  ]";
    std::string size = "2048";
    std::string commentTag = "[Kommenta]";
    std::string comment;
    std::string dataTag = "[Daten   ]";
    std::vector<Byte> image;  // empty: a 2048-byte FC18V3 image with a valid header
    bool withModelComments = true;
    std::vector<std::string> modelComments;
};
std::vector<Byte> BuildRomFile(const RomFileFields& fields);

// A model file as the format lays it out, with every field given by the test; the record
// bytes count up from 0xA0.
struct MdlFileFields {
    std::string keplundTag = "[Keplund ]";
    std::string versionTag = "[Version ]";
    std::string version = "309";
    std::string rcTag = "[RCAnlage]";
    std::string typeName = "FF9       ";
    std::string sizeTag = "[Groesse ]";
    std::string size = "330";
    std::string commentTag = "[Kommenta]";
    std::string comment = "Extra";
    std::string dataTag = "[Daten   ]";
    std::size_t recordBytes = 330;
};
std::vector<Byte> BuildMdlFile(const MdlFileFields& fields);

// An image of `size` bytes with the header of a type code; the rest counts up.
std::vector<Byte> HeaderedImage(int size, int sizeCode, int typeCode);

#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Records the two bus wires as a Value Change Dump (IEEE 1364), the format logic-analyser
// tools read: wires `scl` and `sda` in module `campac`, one time step per port access.
class VcdWriter {
  public:
    // Opens the file and writes the header with both wires at their first levels.
    bool Open(const std::filesystem::path& path, bool scl, bool sda);
    bool IsOpen() const { return out_.is_open(); }
    // The levels at a time step; only changes are written.
    void Record(std::uint64_t time, bool scl, bool sda);
    // Writes the last time step and closes the file.
    void Close(std::uint64_t time);

  private:
    std::ofstream out_;
    bool scl_ = true;
    bool sda_ = true;
    std::uint64_t lastTime_ = 0;
};

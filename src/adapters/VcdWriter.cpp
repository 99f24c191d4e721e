#include "adapters/VcdWriter.h"

bool VcdWriter::Open(const std::filesystem::path& path, bool scl, bool sda) {
    out_.open(path, std::ios::binary | std::ios::trunc);
    if (!out_.is_open()) {
        return false;
    }
    scl_ = scl;
    sda_ = sda;
    lastTime_ = 0;
    out_ << "$date Keplund simulated CamPac $end\n"
         << "$version keplund $end\n"
         << "$timescale 1 us $end\n"
         << "$scope module campac $end\n"
         << "$var wire 1 ! scl $end\n"
         << "$var wire 1 \" sda $end\n"
         << "$upscope $end\n"
         << "$enddefinitions $end\n"
         << "#0\n"
         << "$dumpvars\n"
         << (scl ? '1' : '0') << "!\n"
         << (sda ? '1' : '0') << "\"\n"
         << "$end\n";
    return static_cast<bool>(out_);
}

void VcdWriter::Record(std::uint64_t time, bool scl, bool sda) {
    if (!out_.is_open() || (scl == scl_ && sda == sda_)) {
        return;
    }
    out_ << '#' << time << '\n';
    if (scl != scl_) {
        out_ << (scl ? '1' : '0') << "!\n";
    }
    if (sda != sda_) {
        out_ << (sda ? '1' : '0') << "\"\n";
    }
    scl_ = scl;
    sda_ = sda;
    lastTime_ = time;
}

void VcdWriter::Close(std::uint64_t time) {
    if (!out_.is_open()) {
        return;
    }
    if (time > lastTime_) {
        out_ << '#' << time << '\n';
    }
    out_.close();
}

// A growing little-endian byte buffer, with the compressed number forms that topic records use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace helpc {

class Bytes {
  public:
    void U8(unsigned value) { data_.push_back(static_cast<uint8_t>(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8((value >> 8) & 0xFF);
    }
    void U32(uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Text(const std::string& text) { data_.insert(data_.end(), text.begin(), text.end()); }
    void Append(const std::vector<uint8_t>& bytes) {
        data_.insert(data_.end(), bytes.begin(), bytes.end());
    }
    void Fill(size_t count, uint8_t value = 0) { data_.insert(data_.end(), count, value); }
    void Patch16(size_t at, unsigned value) {
        data_[at] = static_cast<uint8_t>(value & 0xFF);
        data_[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
    }
    void Patch32(size_t at, uint32_t value) {
        Patch16(at, value & 0xFFFF);
        Patch16(at + 2, value >> 16);
    }

    // Unsigned 0..0x7FFF: one byte holding 2v, or two bytes holding 2v+1.
    void CompressedUShort(unsigned value) {
        if (value < 0x80)
            U8(value * 2);
        else
            U16(value * 2 + 1);
    }
    // Signed -0x40..0x3FFF: one byte holding 0x80+2v, or two bytes holding 0x8000+2v+1.
    void CompressedShort(int value) {
        if (value >= -0x40 && value < 0x40)
            U8(static_cast<unsigned>(0x80 + 2 * value));
        else
            U16(static_cast<unsigned>(0x8000 + 2 * value + 1));
    }
    // Signed: two bytes holding 0x8000+2v, or four bytes holding 0x80000000+2v+1.
    void CompressedLong(int32_t value) {
        if (value >= -0x4000 && value < 0x4000)
            U16(static_cast<unsigned>(0x8000 + 2 * value));
        else
            U32(0x80000000u + 2 * static_cast<uint32_t>(value) + 1);
    }

    size_t Size() const { return data_.size(); }
    const std::vector<uint8_t>& Data() const { return data_; }

  private:
    std::vector<uint8_t> data_;
};

} // namespace helpc

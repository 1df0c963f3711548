#pragma once
// Little-endian reading and writing of file structures (internal).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace decalia::gdi {

// Reads past the end give 0 and clear Ok(), so a parser checks once at the end
// of a structure instead of before every field.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint8_t U8() { return static_cast<std::uint8_t>(Read(1)); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Read(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Read(4)); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    void Seek(std::size_t position) {
        ok_ = ok_ && position <= data_.size();
        position_ = ok_ ? position : data_.size();
    }
    std::size_t Position() const { return position_; }
    bool Ok() const { return ok_; }

private:
    std::uint64_t Read(std::size_t bytes) {
        if (data_.size() - position_ < bytes) {
            ok_ = false;
            position_ = data_.size();
            return 0;
        }
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            value |= std::uint64_t{data_[position_ + i]} << (8 * i);
        }
        position_ += bytes;
        return value;
    }

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

class ByteWriter {
public:
    void U8(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void U16(std::uint16_t value) { Write(value, 2); }
    void U32(std::uint32_t value) { Write(value, 4); }
    void I32(std::int32_t value) { Write(static_cast<std::uint32_t>(value), 4); }
    void Bytes(std::span<const std::uint8_t> data) {
        bytes_.append(reinterpret_cast<const char*>(data.data()), data.size());
    }
    void Zeros(std::size_t count) { bytes_.append(count, '\0'); }
    std::size_t Size() const { return bytes_.size(); }
    std::string Take() { return std::move(bytes_); }

private:
    void Write(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    }

    std::string bytes_;
};

inline std::span<const std::uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace decalia::gdi

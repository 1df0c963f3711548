#pragma once
// The real kernel32/gdi32 calls behind an interface that names no Windows
// type, so test files can include the stand-in's headers next to it (the
// system headers #define many of the stand-in's names).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace realwin {

// Wine answers where Windows' own DLLs would; some of its answers are known
// to differ from Windows, and those cases are skipped only there.
bool UnderWine();

// Profile functions (named apart from the system headers' macros).
struct ProfileString {
    std::string value;
    std::uint32_t count = 0;
};
ProfileString ProfileReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue, std::uint32_t bufferSize,
                                const std::string& file);
std::int32_t ProfileReadInt(const std::string& section, const std::string& key,
                            std::int32_t defaultValue, const std::string& file);
bool ProfileWrite(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file);

// A DIB section selected into its own memory DC. Rows are bottom-up, padded
// to 4 bytes; an 8-bit section takes a 256-entry colour table of RGBQUAD bytes.
class Dib {
public:
    Dib(int width, int height, int bitsPerPixel, std::span<const std::uint8_t> colorTable = {});
    ~Dib();
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    bool Valid() const {
        return bits_ != nullptr;
    }
    // Byte b of pixel (x, y), y counted from the top.
    std::uint8_t& At(int x, int y, int b = 0);
    // The DC's stretch mode is the black-on-white one it starts with.
    bool InBlackOnWhiteMode() const;
    void* Dc() const {
        return dc_;
    }

private:
    void* dc_ = nullptr;
    void* bitmap_ = nullptr;
    void* previous_ = nullptr;
    std::uint8_t* bits_ = nullptr;
    int height_ = 0;
    int stride_ = 0;
    int bytesPerPixel_ = 0;
};

bool StretchBlt(Dib& dest, int x, int y, int width, int height, Dib& source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight);

// A region handle; modes and result codes are the numbers both sides share.
class Region {
public:
    Region(int left, int top, int right, int bottom);
    // ExtCreateRegion without a transform; Valid() tells whether it took the data.
    explicit Region(std::span<const std::uint8_t> data);
    ~Region();
    Region(const Region&) = delete;
    Region& operator=(const Region&) = delete;

    bool Valid() const {
        return handle_ != nullptr;
    }
    int Combine(const Region& first, const Region& second, int mode);
    std::vector<std::uint8_t> Data() const;
    // GetRegionData into a buffer of the given size; its answer.
    std::uint32_t DataInto(std::size_t bufferSize) const;
    bool Contains(int x, int y) const;
    int Offset(int dx, int dy);
    // GetRgnBox's answer; box receives left, top, right, bottom.
    int Box(std::int32_t (&box)[4]) const;
    bool Equals(const Region& other) const;

private:
    void* handle_ = nullptr;
};

}  // namespace realwin

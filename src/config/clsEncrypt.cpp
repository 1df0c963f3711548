#include "config/clsEncrypt.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "config/BlowfishTables.h"
#include "platform/fs/Fs.h"

namespace decalia::config {
namespace {

constexpr std::size_t kBlock = 8;
constexpr std::size_t kHeader = 12;  // two random words and the length field
constexpr std::int64_t kMinOverhead = 12;
constexpr std::int64_t kMaxOverhead = 19;

std::uint32_t LoadBigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t word;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    return std::endian::native == std::endian::little ? __builtin_bswap32(word) : word;
}

void StoreBigEndian(std::string& bytes, std::size_t at, std::uint32_t word) {
    if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap32(word);
    std::memcpy(bytes.data() + at, &word, sizeof word);
}

std::uint32_t LoadLittleEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t word = 0;
    for (std::size_t i = 4; i-- > 0;) {
        word = (word << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return word;
}

void StoreLittleEndian(std::string& bytes, std::size_t at, std::uint32_t word) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((word >> (8 * i)) & 0xFFu);
    }
}

// The plain length a decrypted container's size descriptor gives, when sound.
std::optional<std::size_t> PlainLength(const std::string& container) {
    // One block holds no length field; in two blocks a length of -1 to -3
    // passes the overhead test and would cut before the data.
    if (container.size() < 2 * kBlock) return std::nullopt;
    const std::int64_t len = static_cast<std::int32_t>(LoadLittleEndian(container, 8));
    const std::int64_t overhead = static_cast<std::int64_t>(container.size()) - len;
    if (len < 0 || overhead < kMinOverhead || overhead > kMaxOverhead) return std::nullopt;
    return static_cast<std::size_t>(len);
}

// Raises Progress before a block once the block offset passes the next
// threshold; the threshold is rounded half-to-even as the shipped tool does,
// so the same offsets report the same percents.
class ProgressTracker {
public:
    ProgressTracker(const std::function<void(std::int32_t)>& sink, std::size_t total)
        : sink_(sink), total_(total) {}

    void BeforeBlock(std::size_t offset) {
        if (static_cast<double>(offset) < threshold_) return;
        const auto percent = static_cast<std::int32_t>(offset * 100 / total_);
        Raise(percent);
        threshold_ = std::nearbyint(static_cast<double>(percent + 1) / 100.0 *
                                        static_cast<double>(total_) +
                                    1.0);
    }

    void Complete() {
        if (last_ != 100) Raise(100);
    }

private:
    void Raise(std::int32_t percent) {
        last_ = percent;
        if (sink_) sink_(percent);
    }

    const std::function<void(std::int32_t)>& sink_;
    std::size_t total_;
    double threshold_ = 0.0;
    std::int32_t last_ = -1;
};

char HexDigit(unsigned value) { return "0123456789ABCDEF"[value & 0xFu]; }

std::string ToHex(std::string_view bytes) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto code = static_cast<unsigned>(static_cast<unsigned char>(c));
        hex += HexDigit(code >> 4u);
        hex += HexDigit(code);
    }
    return hex;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> FromHex(std::string_view hex) {
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]);
        const int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

// An empty input is refused like a missing one, and so is one too large to be
// anything we wrote.
std::optional<std::string> ReadInput(std::string_view inFile) {
    auto bytes = fs::ReadAll(inFile, kMaxCipherFileBytes);
    if (!bytes || bytes->empty()) return std::nullopt;
    return bytes;
}

bool OutputAllowed(std::string_view outFile, bool overwrite) {
    return overwrite || !fs::FileExists(outFile);
}

// The new content replaces the old in one step, so a failed write leaves the
// earlier output as it was instead of deleting it first.
bool ReplaceFile(std::string_view outFile, std::string_view bytes) {
    return fs::WriteAll(outFile, bytes);
}

}  // namespace

clsEncrypt::clsEncrypt(SboxOrder order) : order_(order), random_(std::random_device{}()) {
    ResetTables();
}

void clsEncrypt::ResetTables() {
    p_ = kBlowfishP;
    for (std::size_t k = 0; k < 4; ++k) {
        for (std::size_t x = 0; x < 256; ++x) {
            s_[k][x] = order_ == SboxOrder::Shipped ? kBlowfishS[4 * x + k]
                                                    : kBlowfishS[256 * k + x];
        }
    }
}

std::uint32_t clsEncrypt::F(std::uint32_t x) const {
    return ((s_[0][x >> 24] + s_[1][(x >> 16) & 0xFFu]) ^ s_[2][(x >> 8) & 0xFFu]) +
           s_[3][x & 0xFFu];
}

void clsEncrypt::EncryptBlock(std::uint32_t& l, std::uint32_t& r) const {
    for (std::size_t i = 0; i < 16; ++i) {
        l ^= p_[i];
        r ^= F(l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= p_[16];
    l ^= p_[17];
}

void clsEncrypt::DecryptBlock(std::uint32_t& l, std::uint32_t& r) const {
    for (std::size_t i = 17; i > 1; --i) {
        l ^= p_[i];
        r ^= F(l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= p_[1];
    l ^= p_[0];
}

void clsEncrypt::Key(std::string_view newValue) {
    if (newValue == key_) return;
    key_ = newValue;
    // Keying always starts from the initial tables, so a re-keyed object
    // encrypts exactly as a fresh one with that key would.
    ResetTables();
    if (!key_.empty()) RunKeySchedule(key_);
}

void clsEncrypt::RunKeySchedule(std::string_view keyBytes) {
    std::size_t next = 0;
    for (auto& word : p_) {
        std::uint32_t keyWord = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            keyWord = (keyWord << 8) | static_cast<unsigned char>(keyBytes[next]);
            next = (next + 1) % keyBytes.size();
        }
        word ^= keyWord;
    }
    std::uint32_t l = 0;
    std::uint32_t r = 0;
    for (std::size_t i = 0; i < p_.size(); i += 2) {
        EncryptBlock(l, r);
        p_[i] = l;
        p_[i + 1] = r;
    }
    for (auto& box : s_) {
        for (std::size_t x = 0; x < box.size(); x += 2) {
            EncryptBlock(l, r);
            box[x] = l;
            box[x + 1] = r;
        }
    }
}

void clsEncrypt::UseKeyIfGiven(std::string_view key) {
    if (!key.empty()) Key(key);
}

std::uint32_t clsEncrypt::RandomWord() {
    return static_cast<std::uint32_t>(random_() >> 1);  // below 2^31, as a non-negative int32
}

void clsEncrypt::EncryptByte(std::string& bytes, std::string_view key) {
    UseKeyIfGiven(key);
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw std::length_error("clsEncrypt: buffer too large for the size descriptor");
    }
    const std::size_t total = (bytes.size() + kHeader + kBlock - 1) / kBlock * kBlock;
    std::string container(total, '\0');
    StoreLittleEndian(container, 0, RandomWord());
    StoreLittleEndian(container, 4, RandomWord());
    StoreLittleEndian(container, 8, static_cast<std::uint32_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), container.begin() + kHeader);
    ProgressTracker progress(Progress, total);
    std::uint32_t l = 0;  // the previous cipher block, zero before the first
    std::uint32_t r = 0;
    for (std::size_t o = 0; o < total; o += kBlock) {
        progress.BeforeBlock(o);
        l ^= LoadBigEndian(container, o);
        r ^= LoadBigEndian(container, o + 4);
        EncryptBlock(l, r);
        StoreBigEndian(container, o, l);
        StoreBigEndian(container, o + 4, r);
    }
    progress.Complete();
    bytes = std::move(container);
}

bool clsEncrypt::DecryptByte(std::string& bytes, std::string_view key) {
    UseKeyIfGiven(key);
    lastError_.clear();
    const std::size_t total = bytes.size();
    if (total == 0 || total % kBlock != 0) {
        lastError_ = kSizeDescriptorError;
        return false;
    }
    ProgressTracker progress(Progress, total);
    std::uint32_t previousL = 0;
    std::uint32_t previousR = 0;
    for (std::size_t o = 0; o < total; o += kBlock) {
        progress.BeforeBlock(o);
        const std::uint32_t cipherL = LoadBigEndian(bytes, o);
        const std::uint32_t cipherR = LoadBigEndian(bytes, o + 4);
        std::uint32_t l = cipherL;
        std::uint32_t r = cipherR;
        DecryptBlock(l, r);
        StoreBigEndian(bytes, o, l ^ previousL);
        StoreBigEndian(bytes, o + 4, r ^ previousR);
        previousL = cipherL;
        previousR = cipherR;
    }
    const auto len = PlainLength(bytes);
    if (!len) {
        lastError_ = kSizeDescriptorError;
        return false;
    }
    bytes = bytes.substr(kHeader, *len);
    progress.Complete();
    return true;
}

std::string clsEncrypt::EncryptString(std::string_view text, std::string_view key,
                                      bool outputInHex) {
    std::string bytes(text);
    EncryptByte(bytes, key);
    return outputInHex ? ToHex(bytes) : bytes;
}

std::string clsEncrypt::DecryptString(std::string_view text, std::string_view key,
                                      bool isTextInHex) {
    UseKeyIfGiven(key);
    std::optional<std::string> bytes = isTextInHex ? FromHex(text) : std::string(text);
    if (!bytes) {
        lastError_ = kHexTextError;
        return {};
    }
    if (!DecryptByte(*bytes)) return {};
    return std::move(*bytes);
}

bool clsEncrypt::EncryptFile(std::string_view inFile, std::string_view outFile,
                             bool overwrite, std::string_view key) {
    lastError_.clear();
    UseKeyIfGiven(key);
    if (!fs::FileLength(inFile) || !OutputAllowed(outFile, overwrite)) return false;
    auto bytes = ReadInput(inFile);
    if (!bytes) return false;
    EncryptByte(*bytes);
    return ReplaceFile(outFile, *bytes);
}

bool clsEncrypt::DecryptFile(std::string_view inFile, std::string_view outFile,
                             bool overwrite, std::string_view key) {
    lastError_.clear();
    UseKeyIfGiven(key);
    if (!fs::FileLength(inFile) || !OutputAllowed(outFile, overwrite)) return false;
    auto bytes = ReadInput(inFile);
    if (!bytes || !DecryptByte(*bytes)) return false;
    return ReplaceFile(outFile, *bytes);
}

std::optional<std::string> clsEncrypt::DecryptFileToMemory(std::string_view inFile,
                                                           std::string_view key) {
    lastError_.clear();
    UseKeyIfGiven(key);
    auto bytes = ReadInput(inFile);
    if (!bytes || !DecryptByte(*bytes)) return std::nullopt;
    return bytes;
}

}  // namespace decalia::config

#pragma once
// The Blowfish cipher the aircraft configurations ship under: 16 rounds in
// cipher-block-chaining mode from an all-zero vector, around a small container
// (eight random bytes, the plain length as a little-endian int32, the data,
// zero padding to a multiple of 8 bytes). The initial S-box constants are laid
// in as S[k][x] = constant 4*x + k; the shipped files depend on that order.
//
// Every text here is Windows-1252 bytes, one char per byte.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace decalia::config {

// The key the program's own configuration files are encrypted with.
inline constexpr std::string_view kProgramKey = "PaRcHmEnTqUiLlS52719";
inline constexpr std::string_view kSizeDescriptorError =
    "Incorrect size descriptor in Blowfish decryption";
inline constexpr std::string_view kHexTextError =
    "Incorrect hexadecimal text in Blowfish decryption";
// Larger files are refused unread: no configuration comes anywhere near this.
inline constexpr std::uint64_t kMaxCipherFileBytes = 256ull << 20;

class clsEncrypt {
public:
    // Textbook lays the constants in as S[k][x] = constant 256*k + x; it exists
    // only to prove the cipher core against published Blowfish vectors.
    enum class SboxOrder { Shipped, Textbook };

    explicit clsEncrypt(SboxOrder order = SboxOrder::Shipped);

    // Raised while a buffer is encrypted or decrypted: 0 first, 100 last, each
    // percent at most once.
    std::function<void(std::int32_t percent)> Progress;

    // Replaces the buffer by its encrypted container. Throws std::length_error
    // for a buffer whose length does not fit the container's int32 field.
    void EncryptByte(std::string& bytes, std::string_view key = {});
    std::string EncryptString(std::string_view text, std::string_view key = {},
                              bool outputInHex = false);
    // The plain text, or "" with LastError() set when the text does not decrypt.
    std::string DecryptString(std::string_view text, std::string_view key = {},
                              bool isTextInHex = false);
    // Replaces the container by the plain bytes. On failure returns false and
    // sets LastError(); a buffer of the wrong length is left as it was, one
    // that fails the size check holds the decrypted, untrimmed container.
    bool DecryptByte(std::string& bytes, std::string_view key = {});

    // Sets the key (the key schedule). The same key again changes nothing; a
    // different key gives the tables a fresh object would get from it, and an
    // empty key the unkeyed tables.
    void Key(std::string_view newValue);

    // False when the input is missing, empty or too large, when the output
    // exists and overwrite is false, or when the cipher or the write fails; a
    // failed decryption writes nothing.
    bool EncryptFile(std::string_view inFile, std::string_view outFile, bool overwrite,
                     std::string_view key = {});
    bool DecryptFile(std::string_view inFile, std::string_view outFile, bool overwrite,
                     std::string_view key = {});
    // The plain bytes of an encrypted file, never written anywhere; nullopt when
    // the file is missing, empty, too large or does not decrypt.
    std::optional<std::string> DecryptFileToMemory(std::string_view inFile,
                                                   std::string_view key = {});

    const std::string& LastError() const { return lastError_; }

    // One 64-bit block, (L, R) as the big-endian halves of its eight bytes.
    void EncryptBlock(std::uint32_t& l, std::uint32_t& r) const;
    void DecryptBlock(std::uint32_t& l, std::uint32_t& r) const;

private:
    using Box = std::array<std::uint32_t, 256>;

    void ResetTables();
    void RunKeySchedule(std::string_view keyBytes);
    void UseKeyIfGiven(std::string_view key);
    std::uint32_t F(std::uint32_t x) const;
    void ChainEncrypt(std::string& container);
    void ChainDecrypt(std::string& container);
    std::uint32_t RandomWord();

    SboxOrder order_;
    std::array<std::uint32_t, 18> p_{};
    std::array<Box, 4> s_{};
    std::string key_;
    std::string lastError_;
    std::mt19937 random_;
};

}  // namespace decalia::config

#include "config/clsEncrypt.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "config/BlowfishTables.h"

namespace decalia::config {
namespace {

std::string FromHexText(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    }
    return bytes;
}

std::string ToHexText(std::string_view bytes) {
    std::string hex;
    char pair[3];
    for (const char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(c));
        hex += pair;
    }
    return hex;
}

std::uint32_t Word(std::string_view hex) {
    return static_cast<std::uint32_t>(std::stoul(std::string(hex), nullptr, 16));
}

std::string RandomBytes(std::size_t size, std::mt19937& random) {
    std::string bytes(size, '\0');
    for (auto& c : bytes) c = static_cast<char>(random() & 0xFFu);
    return bytes;
}

// Published Blowfish known answers: key, plaintext, ciphertext.
struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

const Vector kEcbVectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
    {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
    {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
    {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
    {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};

// Keys of 1 to 24 bytes, each a prefix of one long key, on one plaintext.
constexpr std::string_view kLongKey = "F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677";
constexpr std::string_view kVariableKeyPlain = "FEDCBA9876543210";
const char* const kVariableKeyCiphers[] = {
    "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05",
    "B39E44481BDB1E6E", "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82",
    "15750E7A4F4EC577", "122BA70B3AB64AE0", "3A833C9AFFC537F6", "9409DA87A90F6BF2",
    "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F", "93142887EE3BE15C",
    "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
    "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
};

void ExpectKnownAnswer(std::string_view keyHex, std::string_view plainHex,
                       std::string_view cipherHex) {
    clsEncrypt cipher(clsEncrypt::SboxOrder::Textbook);
    cipher.Key(FromHexText(keyHex));
    std::uint32_t l = Word(plainHex.substr(0, 8));
    std::uint32_t r = Word(plainHex.substr(8, 8));
    cipher.EncryptBlock(l, r);
    EXPECT_EQ(l, Word(cipherHex.substr(0, 8))) << "key " << keyHex;
    EXPECT_EQ(r, Word(cipherHex.substr(8, 8))) << "key " << keyHex;
    cipher.DecryptBlock(l, r);
    EXPECT_EQ(l, Word(plainHex.substr(0, 8))) << "key " << keyHex;
    EXPECT_EQ(r, Word(plainHex.substr(8, 8))) << "key " << keyHex;
}

TEST(clsEncryptCore, TextbookOrderMatchesPublishedVectorsForEveryKeyLength) {
    for (const auto& vector : kEcbVectors) {
        ExpectKnownAnswer(vector.key, vector.plain, vector.cipher);
    }
    for (std::size_t length = 1; length <= 24; ++length) {
        ExpectKnownAnswer(kLongKey.substr(0, 2 * length), kVariableKeyPlain,
                          kVariableKeyCiphers[length - 1]);
    }
}

// A plain, slow Blowfish over a given initial box layout, to show the shipped
// order is exactly the textbook cipher with S[k][x] = constant 4*x + k.
class ReferenceBlowfish {
public:
    explicit ReferenceBlowfish(bool shippedLayout) {
        p_.assign(kBlowfishP.begin(), kBlowfishP.end());
        s_.resize(1024);
        for (std::size_t k = 0; k < 4; ++k) {
            for (std::size_t x = 0; x < 256; ++x) {
                s_[256 * k + x] = kBlowfishS[shippedLayout ? 4 * x + k : 256 * k + x];
            }
        }
    }

    void Key(std::string_view key) {
        for (std::size_t i = 0; i < 18; ++i) {
            std::uint32_t word = 0;
            for (std::size_t b = 0; b < 4; ++b) {
                word = word * 256 + static_cast<unsigned char>(key[(4 * i + b) % key.size()]);
            }
            p_[i] ^= word;
        }
        std::uint32_t l = 0;
        std::uint32_t r = 0;
        for (std::size_t i = 0; i < 18 + 1024; i += 2) {
            Encrypt(l, r);
            Slot(i) = l;
            Slot(i + 1) = r;
        }
    }

    void Encrypt(std::uint32_t& l, std::uint32_t& r) const {
        for (std::size_t round = 0; round < 16; ++round) {
            l ^= p_[round];
            r ^= Round(l);
            std::swap(l, r);
        }
        std::swap(l, r);
        r ^= p_[16];
        l ^= p_[17];
    }

private:
    std::uint32_t& Slot(std::size_t i) { return i < 18 ? p_[i] : s_[i - 18]; }
    std::uint32_t Round(std::uint32_t x) const {
        const std::uint32_t a = s_[x >> 24];
        const std::uint32_t b = s_[256 + ((x >> 16) & 255)];
        const std::uint32_t c = s_[512 + ((x >> 8) & 255)];
        const std::uint32_t d = s_[768 + (x & 255)];
        return ((a + b) ^ c) + d;
    }

    std::vector<std::uint32_t> p_;
    std::vector<std::uint32_t> s_;
};

TEST(clsEncryptCore, ShippedOrderIsTextbookCipherWithInterleavedBoxes) {
    for (const std::string_view key : {std::string_view{}, kProgramKey, std::string_view("k")}) {
        clsEncrypt shipped;
        clsEncrypt textbook(clsEncrypt::SboxOrder::Textbook);
        ReferenceBlowfish reference(true);
        shipped.Key(key);
        textbook.Key(key);
        if (!key.empty()) reference.Key(key);
        std::uint32_t l = 0x01234567;
        std::uint32_t r = 0x89ABCDEF;
        std::uint32_t referenceL = l;
        std::uint32_t referenceR = r;
        std::uint32_t textbookL = l;
        std::uint32_t textbookR = r;
        shipped.EncryptBlock(l, r);
        reference.Encrypt(referenceL, referenceR);
        textbook.EncryptBlock(textbookL, textbookR);
        EXPECT_EQ(std::pair(l, r), std::pair(referenceL, referenceR)) << "key " << key;
        EXPECT_NE(std::pair(l, r), std::pair(textbookL, textbookR)) << "key " << key;
    }
}

TEST(clsEncryptKey, SameKeyTwiceChangesNothingAndRekeyingStartsAfresh) {
    clsEncrypt once;
    once.Key(kProgramKey);
    clsEncrypt twice;
    twice.Key(kProgramKey);
    twice.Key(kProgramKey);
    clsEncrypt rekeyed;
    rekeyed.Key("an earlier key");
    rekeyed.Key(kProgramKey);
    clsEncrypt cleared;
    cleared.Key("an earlier key");
    cleared.Key("");
    const clsEncrypt unkeyed;

    auto encrypt = [](const clsEncrypt& cipher) {
        std::uint32_t l = 0xDEADBEEF;
        std::uint32_t r = 0x0BADF00D;
        cipher.EncryptBlock(l, r);
        return std::pair(l, r);
    };
    EXPECT_EQ(encrypt(twice), encrypt(once));
    EXPECT_EQ(encrypt(rekeyed), encrypt(once));
    EXPECT_EQ(encrypt(cleared), encrypt(unkeyed));
    EXPECT_NE(encrypt(once), encrypt(unkeyed));
}

// Chains blocks as the container does, for building containers by hand and
// looking inside real ones.
std::string ChainEncrypt(const clsEncrypt& cipher, std::string plain) {
    std::uint32_t l = 0;
    std::uint32_t r = 0;
    for (std::size_t o = 0; o < plain.size(); o += 8) {
        l ^= Word(ToHexText(plain.substr(o, 4)));
        r ^= Word(ToHexText(plain.substr(o + 4, 4)));
        cipher.EncryptBlock(l, r);
        char block[17];
        std::snprintf(block, sizeof block, "%08X%08X", l, r);
        plain.replace(o, 8, FromHexText(block));
    }
    return plain;
}

std::string ChainDecrypt(const clsEncrypt& cipher, const std::string& sealed) {
    std::string plain;
    std::uint32_t previousL = 0;
    std::uint32_t previousR = 0;
    for (std::size_t o = 0; o < sealed.size(); o += 8) {
        std::uint32_t l = Word(ToHexText(sealed.substr(o, 4)));
        std::uint32_t r = Word(ToHexText(sealed.substr(o + 4, 4)));
        const std::uint32_t cipherL = l;
        const std::uint32_t cipherR = r;
        cipher.DecryptBlock(l, r);
        char block[17];
        std::snprintf(block, sizeof block, "%08X%08X", l ^ previousL, r ^ previousR);
        plain += FromHexText(block);
        previousL = cipherL;
        previousR = cipherR;
    }
    return plain;
}

std::string LittleEndian(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((bits >> shift) & 255);
    return bytes;
}

// A container of the given total size whose length field says len.
std::string CraftedContainer(const clsEncrypt& cipher, std::size_t total, std::int32_t len) {
    std::string plain = "\x11\x22\x33\x44\x55\x66\x77\x08" + LittleEndian(len);
    plain.resize(total, 'd');
    return ChainEncrypt(cipher, plain);
}

TEST(clsEncryptContainer, GrowsToLengthPlusTwelveRoundedUpToEight) {
    clsEncrypt cipher;
    const std::pair<std::size_t, std::size_t> sizes[] = {{0, 16}, {1, 16}, {4, 16}, {5, 24},
                                                         {12, 24}, {13, 32}, {20, 32}};
    for (const auto& [plainSize, sealedSize] : sizes) {
        std::string bytes(plainSize, 'x');
        cipher.EncryptByte(bytes, kProgramKey);
        EXPECT_EQ(bytes.size(), sealedSize) << plainSize << " plain bytes";
    }
}

TEST(clsEncryptContainer, HoldsRandomWordsLengthDataAndZeroPadding) {
    clsEncrypt cipher;
    cipher.Key(kProgramKey);
    std::string bytes = "plain text";
    cipher.EncryptByte(bytes);
    const std::string plain = ChainDecrypt(cipher, bytes);
    ASSERT_EQ(plain.size(), 24u);
    EXPECT_EQ(plain[3] & 0x80, 0) << "random words are non-negative int32";
    EXPECT_EQ(plain[7] & 0x80, 0);
    EXPECT_EQ(plain.substr(8, 4), LittleEndian(10));
    EXPECT_EQ(plain.substr(12, 10), "plain text");
    EXPECT_EQ(plain.substr(22), std::string(2, '\0'));
}

TEST(clsEncryptContainer, RoundTripsEverySmallSizeAndALargeBuffer) {
    std::mt19937 random(7);
    clsEncrypt sender;
    clsEncrypt receiver;
    std::vector<std::size_t> sizes;
    for (std::size_t size = 0; size <= 40; ++size) sizes.push_back(size);
    sizes.push_back(1 << 20);
    for (const std::size_t size : sizes) {
        const std::string original = RandomBytes(size, random);
        std::string bytes = original;
        sender.EncryptByte(bytes, kProgramKey);
        std::string again = original;
        sender.EncryptByte(again);
        EXPECT_NE(bytes, again) << "fresh random words for every container";
        ASSERT_TRUE(receiver.DecryptByte(bytes, kProgramKey)) << size << " bytes";
        EXPECT_EQ(bytes, original);
        EXPECT_TRUE(receiver.LastError().empty());
    }
}

TEST(clsEncryptContainer, SizeCheckAcceptsOverheadTwelveToNineteenOnly) {
    clsEncrypt cipher;
    cipher.Key(kProgramKey);
    struct Case {
        std::size_t total;
        std::int32_t len;
        bool accepted;
    };
    // In 16 bytes a length of -1 to -3 leaves 17 to 19 bytes of "overhead".
    const Case cases[] = {{32, 20, true},  {32, 13, true},  {32, 21, false}, {32, 12, false},
                          {32, -1, false}, {16, -1, false}, {16, -2, false}, {16, -3, false},
                          {32, std::numeric_limits<std::int32_t>::max(), false},
                          {32, std::numeric_limits<std::int32_t>::min(), false}};
    for (const auto& [total, len, accepted] : cases) {
        std::string bytes = CraftedContainer(cipher, total, len);
        EXPECT_EQ(cipher.DecryptByte(bytes), accepted) << "length field " << len;
        if (accepted) {
            EXPECT_EQ(bytes, std::string(static_cast<std::size_t>(len), 'd'));
        } else {
            EXPECT_EQ(cipher.LastError(), kSizeDescriptorError);
            EXPECT_EQ(bytes.size(), total) << "a rejected container is not trimmed";
        }
    }
}

TEST(clsEncryptContainer, MalformedBuffersFailWithoutTouchingThem) {
    clsEncrypt cipher;
    for (const std::size_t size : {0u, 1u, 7u, 9u, 15u, 17u}) {
        std::string bytes(size, 'z');
        EXPECT_FALSE(cipher.DecryptByte(bytes, kProgramKey)) << size << " bytes";
        EXPECT_EQ(bytes, std::string(size, 'z'));
        EXPECT_EQ(cipher.LastError(), kSizeDescriptorError);
    }
    std::string oneBlock(8, '\0');
    EXPECT_FALSE(cipher.DecryptByte(oneBlock)) << "no room for a length field";
}

TEST(clsEncryptContainer, WrongKeyAndRandomBytesAreRejected) {
    clsEncrypt sender;
    std::string bytes(100, 'a');
    sender.EncryptByte(bytes, kProgramKey);
    clsEncrypt receiver;
    EXPECT_FALSE(receiver.DecryptByte(bytes, "another key"));
    EXPECT_EQ(receiver.LastError(), kSizeDescriptorError);

    std::mt19937 random(11);
    for (std::size_t size = 8; size <= 4096; size += 8) {
        std::string noise = RandomBytes(size, random);
        if (receiver.DecryptByte(noise)) {
            EXPECT_LE(noise.size() + 12, size);
        }
    }
}

TEST(clsEncryptString, RoundTripsAsTextAndAsHexOfEitherCase) {
    clsEncrypt cipher;
    const std::string text = "Callsign \xC4gypten\r\n\t\0end";
    EXPECT_EQ(cipher.DecryptString(cipher.EncryptString(text, kProgramKey)), text);
    // A kilobyte of ciphertext is all but sure to hold bytes below 0x10 and
    // above 0x9F, where a lost leading zero or a lower-case digit would show.
    const std::string long_text = text + std::string(1000, 'q');
    std::string hex = cipher.EncryptString(long_text, {}, true);
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(cipher.DecryptString(FromHexText(hex)), long_text);
    for (auto& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(cipher.DecryptString(hex, {}, true), long_text);
}

TEST(clsEncryptString, MalformedHexOrContainerGivesEmptyText) {
    clsEncrypt cipher;
    cipher.Key(kProgramKey);
    for (const std::string_view bad : {std::string_view("ABC"), std::string_view("0G")}) {
        EXPECT_EQ(cipher.DecryptString(bad, {}, true), "");
        EXPECT_EQ(cipher.LastError(), kHexTextError);
    }
    EXPECT_EQ(cipher.DecryptString("not a container"), "");
    EXPECT_EQ(cipher.LastError(), kSizeDescriptorError);
}

std::vector<std::int32_t> ProgressOf(std::size_t plainSize) {
    clsEncrypt cipher;
    std::vector<std::int32_t> events;
    cipher.Progress = [&events](std::int32_t percent) { events.push_back(percent); };
    std::string bytes(plainSize, 'p');
    cipher.EncryptByte(bytes, kProgramKey);
    std::vector<std::int32_t> decryptEvents;
    cipher.Progress = [&decryptEvents](std::int32_t percent) { decryptEvents.push_back(percent); };
    EXPECT_TRUE(cipher.DecryptByte(bytes));
    EXPECT_EQ(decryptEvents, events) << "both directions report alike";
    return events;
}

TEST(clsEncryptProgress, StartsAtZeroEndsAtHundredAndNeverRepeats) {
    for (const std::size_t size : {0u, 5u, 100u, 788u, 5000u, 100000u, 1u << 20}) {
        const auto events = ProgressOf(size);
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.front(), 0);
        EXPECT_EQ(events.back(), 100);
        EXPECT_LE(events.size(), 101u);
        for (std::size_t i = 1; i < events.size(); ++i) {
            EXPECT_LT(events[i - 1], events[i]) << size << " bytes";
        }
    }
    EXPECT_EQ(ProgressOf(1u << 20).size(), 101u) << "a large buffer reports every percent";
}

TEST(clsEncryptProgress, NextThresholdLiesOneBytePastTheNextPercent) {
    EXPECT_EQ(ProgressOf(1), (std::vector<std::int32_t>{0, 50, 100}));
    EXPECT_EQ(ProgressOf(5), (std::vector<std::int32_t>{0, 33, 66, 100}));
    // 800 bytes: each block is one percent, but the block at the next percent
    // sits one byte short of the threshold, so every other percent shows.
    std::vector<std::int32_t> everyOther;
    for (std::int32_t percent = 0; percent <= 100; percent += 2) everyOther.push_back(percent);
    EXPECT_EQ(ProgressOf(788), everyOther);
}

}  // namespace
}  // namespace decalia::config

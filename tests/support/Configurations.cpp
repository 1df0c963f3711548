#include "support/Configurations.h"

#include "config/clsEncrypt.h"
#include "platform/text/Text.h"
#include "support/TempDir.h"

namespace testsupport {

void WriteEncryptedConfiguration(const std::filesystem::path& file, std::string_view ini,
                                 std::string_view key) {
    std::string bytes(ini);
    decalia::config::clsEncrypt cipher;
    cipher.EncryptByte(bytes, key.empty() ? decalia::config::kProgramKey : key);
    WriteFile(file, bytes);
}

std::string MinimalConfigurationIni(std::string_view displayName, int textureCount) {
    std::string ini = "[Main]\r\nAircraftDisplayName=" + std::string(displayName) +
                      "\r\nNumTextures=" + std::to_string(textureCount) + "\r\n";
    for (int i = 0; i < textureCount; ++i) {
        const std::string index = decalia::text::Format00(i);
        ini += "[Texture." + index + "]\r\nViewName=Sheet " + index +
               "\r\nTextureSizeX=256\r\nTextureSizeY=256\r\nNumSectionsOnTexture=1\r\n"
               "Section.00.TemplateRight=256\r\nSection.00.TemplateBottom=256\r\n"
               "Section.00.DestRight=256\r\nSection.00.DestBottom=256\r\n";
    }
    return ini;
}

}  // namespace testsupport

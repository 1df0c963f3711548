// Start-up reads every configuration's display name: how long does a
// catalogue of 100 demo-sized configurations take?
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "config/AircraftCatalogue.h"
#include "config/clsEncrypt.h"

namespace {

namespace stdfs = std::filesystem;

// About the size of a real configuration: six sheets, two sections each.
std::string ConfigurationText(int n) {
    std::string ini = "[Main]\r\nAircraftDisplayName=Aircraft " + std::to_string(n) +
                      "\r\nNumTextures=6\r\nTemplateSizeX=4096\r\nTemplateSizeY=2048\r\n";
    for (int t = 0; t < 6; ++t) {
        ini += "[Texture.0" + std::to_string(t) + "]\r\nBaseTextureName=KW_XXX_sheet\r\n"
               "ViewName=Sheet\r\nTextureSizeX=1024\r\nTextureSizeY=1024\r\nNumSectionsOnTexture=2\r\n";
        for (int s = 0; s < 2; ++s) {
            for (const char* key : {"TemplateLeft", "TemplateTop", "TemplateRight", "TemplateBottom",
                                    "DestLeft", "DestTop", "DestRight", "DestBottom"})
                ini += "Section.0" + std::to_string(s) + "." + key + "=512\r\n";
        }
    }
    return ini;
}

class CatalogueFolder {
public:
    explicit CatalogueFolder(int count)
        : path_(stdfs::temp_directory_path() / ("decalia-bench-catalogue-" + std::to_string(::getpid()))) {
        stdfs::create_directories(path_);
        decalia::config::clsEncrypt cipher;
        for (int n = 0; n < count; ++n) {
            std::string bytes = ConfigurationText(n);
            cipher.EncryptByte(bytes, decalia::config::kProgramKey);
            std::ofstream(path_ / ("aircraft" + std::to_string(n) + ".bin"), std::ios::binary) << bytes;
        }
    }
    ~CatalogueFolder() { stdfs::remove_all(path_); }
    std::string Str() const { return path_.string(); }

private:
    stdfs::path path_;
};

void BM_LoadCatalogueOf100(benchmark::State& state) {
    const CatalogueFolder folder(100);
    for (auto _ : state) {
        auto catalogue = decalia::config::LoadAircraftCatalogue(folder.Str());
        benchmark::DoNotOptimize(catalogue);
    }
}
BENCHMARK(BM_LoadCatalogueOf100)->Unit(benchmark::kMillisecond);

}  // namespace

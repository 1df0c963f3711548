// decalia-artwork MEDIA_FOLDER: writes the skin files the program loads.
#include <iostream>

#include "Skin.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: decalia-artwork MEDIA_FOLDER\n";
        return 2;
    }
    const std::string folder = decalia::text::Utf8ToCp1252(argv[1]);
    if (!decalia::fs::FolderExists(folder)) {
        std::cerr << "decalia-artwork: no folder " << argv[1] << '\n';
        return 1;
    }
    std::string error;
    if (!decalia::artwork::WriteSkinFiles(folder, error)) {
        std::cerr << "decalia-artwork: " << decalia::text::Cp1252ToUtf8(error) << '\n';
        return 1;
    }
    return 0;
}

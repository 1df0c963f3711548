// decalia-demodata DEMO_FOLDER APP_FOLDER STEM...: lays out the demo aircraft
// named by their configuration stems (KW12_Kite, ...) for the program in
// APP_FOLDER.
#include <iostream>

#include "DemoData.h"
#include "platform/text/Text.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: decalia-demodata DEMO_FOLDER APP_FOLDER STEM...\n";
        return 2;
    }
    using decalia::text::Utf8ToCp1252;
    const std::string demoFolder = Utf8ToCp1252(argv[1]);
    const std::string appFolder = Utf8ToCp1252(argv[2]);
    for (int i = 3; i < argc; ++i) {
        std::string error;
        if (!decalia::demodata::WriteDemoAircraft(demoFolder, Utf8ToCp1252(argv[i]), appFolder, error)) {
            std::cerr << "decalia-demodata: " << decalia::text::Cp1252ToUtf8(error) << '\n';
            return 1;
        }
    }
    return 0;
}

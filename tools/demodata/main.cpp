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
    using decalia::text::FromHost;
    const std::string demoFolder = FromHost(argv[1]);
    const std::string appFolder = FromHost(argv[2]);
    for (int i = 3; i < argc; ++i) {
        std::string error;
        if (!decalia::demodata::WriteDemoAircraft(demoFolder, FromHost(argv[i]), appFolder, error)) {
            std::cerr << "decalia-demodata: " << decalia::text::ToHost(error) << '\n';
            return 1;
        }
    }
    return 0;
}

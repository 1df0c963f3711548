// decalia-guide GUIDE_TEXT_FOLDER SIMULATOR PICTURE_FOLDER OUT.pdf
// Writes the user guide with pictures of the real windows, and keeps the
// pictures in PICTURE_FOLDER for review.
#include <QApplication>
#include <filesystem>
#include <iostream>

#include "GuidePdf.h"
#include "GuideShots.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: decalia-guide GUIDE_TEXT_FOLDER SIMULATOR PICTURE_FOLDER OUT.pdf\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // Pictures at twice the pixels, so that text stays sharp on paper.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    try {
        const auto pictures = decalia::guide::TakeWindowPictures(argv[2]);
        const std::filesystem::path folder(argv[3]);
        std::filesystem::create_directories(folder);
        for (const auto& [name, image] : pictures)
            image.save(QString::fromStdString((folder / (name + ".png")).string()));
        if (!decalia::guide::WriteGuidePdf(argv[1], pictures, argv[4])) {
            std::cerr << "decalia-guide: cannot write " << argv[4] << '\n';
            return 1;
        }
    } catch (const std::exception& failure) {
        std::cerr << "decalia-guide: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}

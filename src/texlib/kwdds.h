#pragma once
// The two entry points the program loads from libkwdds.so. Both return 0 when
// the texture was written and a TexError code otherwise (texlib/TexError.h);
// a failed call leaves no file at outputPath.
//
// BMPScompressBMP: colourPath is a 24- or 32-bit bitmap, alphaPath an 8-bit
// palette bitmap of the same size whose palette entries give the alpha levels.
// formatCode 10 = DXT1, 12 = DXT3, 17 = 32 bits with 8-bit alpha. flag1 non-zero
// writes the full mip chain; flag2 non-zero keeps 1-bit alpha in DXT1 (alpha
// below 128 is transparent) and means nothing for the other codes.
// ConvertImageFormat: code "1" = 16 bits 1:5:5:5, "2" = 5:6:5, "3" = 4:4:4:4,
// "4" = 32 bits opaque; the source is a 24- or 32-bit bitmap; the full mip chain
// is always written.
// Environment: KWDDS_QUALITY = default | maximum, KWDDS_THREADS = worker count.

#include <cstdint>

// A Windows build names its exports in kwdds.def and defines this empty.
#ifndef KWDDS_EXPORT
#define KWDDS_EXPORT __attribute__((visibility("default")))
#endif

extern "C" KWDDS_EXPORT std::int32_t BMPScompressBMP(const char* colourPath, const char* alphaPath, std::int32_t formatCode, std::int16_t flag1, std::int16_t flag2, const char* outputPath);
extern "C" KWDDS_EXPORT std::int32_t ConvertImageFormat(const char* sourcePath, const char* outputPath, const char* code);

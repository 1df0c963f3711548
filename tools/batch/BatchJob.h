#pragma once
// A batch job file: one repaint, described by what a user would enter in the
// wizard.
//
//   [Job]
//   Aircraft=<display name as listed in step 1; any case>
//   Template=<template bitmap; relative to the job file's folder>
//   Variation=<text>
//   FolderExtension=<text>
//   TailNumber=<text; empty or absent keeps the aircraft's default>
//   Callsign=<typed into the callsign box as written; *NONE* for none>
//   DXT3=<1 checks "Create Plane in DXT3 Format"; anything else or absent does not>

#include <optional>
#include <string>
#include <vector>

namespace decalia::batch {

struct BatchJob {
    std::string file;          // the job file, as given (host path)
    std::string aircraft;
    std::string templatePath;  // a program path, made absolute
    std::string variation;
    std::string folderExtension;
    std::string tailNumber;
    std::string callsign;
    bool dxt3 = false;
};

struct JobRead {
    std::optional<BatchJob> job;
    std::vector<std::string> problems;  // one per missing key or value
};

JobRead ReadJobFile(const std::string& file);

}  // namespace decalia::batch

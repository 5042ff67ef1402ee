#pragma once

#include <filesystem>
#include <string>

namespace fup {

// The settings a program file carries besides the diagram: the project section and
// the parts of the view that the document does not keep. The shell copies its state in
// before reading or writing and takes the values back after a successful read.
struct ProgramSettings {
    // --- project section (the project information panel) -----------------------------
    std::string projectName;
    std::string author;         // "BEARBEITER"
    std::string processVersion; // "PROJEKTVERSION"
    std::string saveDate;       // "dd.mm.yyyy  hh:mm:ss", set by every interactive save
    std::string compileDate;
    std::string comment;                 // may hold line breaks
    double cycleTimeMs = 0.0;            // 0: not set (the reader then takes the file's value)
    std::filesystem::path dataDirectory; // with a trailing separator, or empty
    int optimisationLevel = 0;           // 0 "optimieren", 1 "nicht optimieren", 2 "optimieren_2"
    int target = -1;                     // -1 none, 0..10 (the reader takes the file's only at -1)
    std::string comPort = "COM1";
    bool useTempVars = false;
    std::string digitalTempName = "DxT";
    std::string fixedTempName = "AxT";

    // --- view: the scroll ranges of the sheet view, in pixels ---------------------------
    int scrollRangeX = 0;
    int scrollRangeY = 0;

    // --- what the reader consults; never written ---------------------------------------
    std::filesystem::path programDirectory; // with a trailing separator, or empty
    bool ideDriven = false;                 // the data directory was given on the command line
    bool projectNameFixed = false;          // the project name was given on the command line
};

} // namespace fup

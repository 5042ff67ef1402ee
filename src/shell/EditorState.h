#pragma once

#include "model/Types.h"

#include <filesystem>
#include <string>

namespace fup {

// The address text that stands for "no controller address configured".
inline constexpr const char* NotConfiguredAddress = "000.000.000.000";

// The editor's run-wide settings and flags; one instance for the whole run.
struct EditorState {
    std::filesystem::path executableDirectory;  // with trailing separator
    std::filesystem::path programDirectory;     // with trailing separator, or empty
    std::filesystem::path dataDirectory;        // with trailing separator, or empty
    std::string processName = "Unbenannt";
    bool ideDriven = false;                     // data directory given on the command line
    int target = -1;                            // 0..10, -1 unknown
    double cycleTimeMs = 0.0;
    double cycleTimeSeconds = 0.0;
    unsigned char optimisationLevel = 0;
    std::string comPort = "COM1";
    std::string targetAddress;
    int cycleNumber = -1;                       // -1 none, else 0..64
    std::string projectName;                    // from the command line; fixes the project name
    EditorMode mode = EditorMode::Edit;
    bool readOnly = true;
    bool processVisualisationOnly = false;
    bool batchMode = false;
    bool warningFlag = false;

    void setCycleTime(double milliseconds)
    {
        cycleTimeMs = milliseconds;
        cycleTimeSeconds = milliseconds / 1000.0;
    }
    bool targetAddressConfigured() const
    {
        return !targetAddress.empty() && targetAddress != NotConfiguredAddress;
    }
};

}  // namespace fup

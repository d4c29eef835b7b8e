// The simulated CAN controller as the flash loader reaches it: a key=value
// file named by MORVEX_SIM_FLASH_TARGET. The world writes "port", "fault"
// and "speed"; the loader adds "flashed_file", "flashed_bytes" and
// "flashed_address" and copies the image to the same name plus ".flash".
#pragma once
#include <map>
#include <string>

namespace flashloader {

struct FlashTarget {
    std::wstring path;
    int port = 0;
    std::string fault = "none";  // none, no-answer, write-fails, hang, stall
    unsigned speed = 1;
};

// False when the variable is not set or the file cannot be read.
bool LoadTarget(FlashTarget* target);
// Records a finished download in the target file and its ".flash" copy.
bool RecordFlash(const FlashTarget& target, const std::wstring& image, const std::string& bytes,
                 unsigned long address);

}  // namespace flashloader

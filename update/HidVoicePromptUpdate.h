// The voice-prompt package update: up to two parts over the normal HID
// interface, then one part to the separate update-mode device in 58-byte
// chunks (checked by CRC-16 on newer devices), then the package's
// voice-prompt language to the device and the chosen one into its settings.
#pragma once
#include "update/HidUpdateJob.h"

// Tries of an open of the application or update-mode device, 1000 ms apart.
const int VOICE_PROMPT_OPEN_TRIES = 100;
// Tries of the whole CRC-checked transfer, and refusals of one chunk's CRC
// in a row before the transfer gives up.
const int VOICE_PROMPT_CRC_TRIES = 6;
const int VOICE_PROMPT_CHUNK_RESENDS = 10;

UINT HidVoicePromptUpdateThread(HidUpdateJob& job);

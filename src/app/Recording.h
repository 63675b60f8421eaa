#pragma once

#include "app/RecordSettings.h"

#include <ostream>
#include <string>

// Throws RecordingRefused with one line for what dooms a recording before a
// frame is drawn: an extension no format answers to, a folder that is missing
// or not writable, an odd size, no ffmpeg.
void checkRecording(const RecordSettings& settings);

struct RecordingResult {
    int framesWritten = 0;
    // The signal that stopped it early, or 0.
    int stopSignal = 0;
    double seconds = 0.0;
};

// Renders the frames offscreen at fixed timeline steps and pipes them to
// ffmpeg, with a progress line on `progress`. Ctrl-C stops it at the end of
// the frame being drawn and completes the file with the frames done, the
// first frame always among them. Throws EncoderFailure when ffmpeg fails; nothing is then
// left under the file's name.
RecordingResult recordFlight(const RecordSettings& settings, std::ostream& progress);

// The whole command: the checks, the recording and a closing line, each
// failure one line on standard error after `program`'s name. Returns the
// exit code: 0 done, 2 refused, 1 encoder failure, 128 + signal when stopped.
int recordCommand(const RecordSettings& settings, const std::string& program);

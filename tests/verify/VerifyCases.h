// The symbols every build must draw readably: a barcode command, and what an
// independent decoder must read from the drawing.
#pragma once

#include <string>
#include <vector>

struct VerifyCase {
    std::string command;  // without rotation; the runs add "R=n,"
    std::string format;   // zxing-cpp's name of the symbology
    std::string expected; // the decoded text
    // How the decoder reads it: "full-ascii" (Code 39 extended), "start-stop"
    // (Codabar with its start and stop characters), "add-on" (EAN/UPC with
    // the add-on after a blank) or "pure-upright" (MaxiCode: the decoder
    // reads only clean upright symbols, so the drawing is turned back first).
    std::string reading = {};
    // The symbology identifier the decoder must report, when it matters
    // ("]C1" for the GS1 forms of Code 128).
    std::string identifier = {};
};

// Every type zxing-cpp reads: the linear ones and the two-dimensional ones.
const std::vector<VerifyCase>& VerifyCases();

// The resolutions and rotations every case is drawn at.
inline const std::vector<int> kVerifyResolutions = {203, 300, 600, 1200};
inline constexpr int kVerifyRotations = 4;

// The command of a case at a rotation.
std::string RotatedCommand(const VerifyCase& verifyCase, int rotation);

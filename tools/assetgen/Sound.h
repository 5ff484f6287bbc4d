// The five wave sounds of Pebblix, synthesised. Every sound is a deterministic function of the
// source: no clocks, no unseeded randomness.
#pragma once

#include "resources/ResourceIds.h"
#include "tools/assetgen/files.h"

#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 11025;

struct SoundFile {
    SoundEffect resource;    // the wave resource
    std::string name;        // GameOverSound, ...
    std::string description; // what is heard, for the comment of a file that has room for one
    int bits;                // 8 or 16
    std::size_t fileSize;    // bytes of the whole file
    std::size_t dataSize;    // bytes of sample data
};

// The five sounds: numbers, names, sample widths and the exact sizes the game expects.
const std::vector<SoundFile>& soundFiles();

// The complete file of one sound.
QByteArray waveFile(const SoundFile& sound);

} // namespace assetgen

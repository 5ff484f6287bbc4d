// The five wave sounds of Pebblix, synthesised. Every sound is a deterministic function of the
// source: no clocks, no unseeded randomness.
#pragma once

#include "resources/ResourceIds.h"
#include "tools/assetgen/FileFormats.h"

#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

namespace AssetGen {

constexpr int SampleRate = 11025;

struct SoundFile {
    SoundEffect Resource;    // the wave resource
    std::string Name;        // GameOverSound, ...
    std::string Description; // what is heard, for the comment of a file that has room for one
    int Bits;                // 8 or 16
    std::size_t FileSize;    // bytes of the whole file
    std::size_t DataSize;    // bytes of sample data
};

// The five sounds: numbers, names, sample widths and the exact sizes the game expects.
const std::vector<SoundFile>& SoundFiles();

// The complete file of one sound.
QByteArray WaveFileBytes(const SoundFile& sound);

} // namespace AssetGen

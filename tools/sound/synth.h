// Our own synthesised sounds: short effects chosen by the kind a file name
// tells (hits, swings, metal, coins, bells, doors, explosions, steps,
// voices...) and seamless music loops. Everything is seeded from the file
// name, so every build writes the same bytes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace synth {

constexpr int kSampleRate = 22050;

struct SoundClip {
    int channels = 1;
    bool loops = false;          // the end runs on into the start without a seam
    std::vector<float> samples;  // interleaved, nominally -1..1
    std::size_t Frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};

// The sound of a file name: an effect, an ambient loop or a music loop.
SoundClip SynthesiseSound(std::string_view name);

// Whether the game plays this file as music (a long loop).
bool IsMusicName(std::string_view name);

// Scales the clip so its loudest sample reaches peak (0 < peak < 1); a
// silent clip stays silent.
void Normalise(SoundClip& clip, float peak);

// A PCM WAV file, 16-bit at kSampleRate, of the clip; samples are clamped.
std::vector<std::uint8_t> EncodeWav(const SoundClip& clip);

// FNV-1a of the name: the seed of its sound.
std::uint32_t NameSeed(std::string_view name);

}  // namespace synth

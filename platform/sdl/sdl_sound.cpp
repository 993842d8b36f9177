// The real backend's sound: SDL_mixer, one channel per slot.
//
// A sound holds the mixer's 16-bit stereo samples only while it sounds and
// a second after. A short one keeps its file's own samples (most are mono,
// half the size) and makes the mixer's from them when it plays; a long one
// (a piece of music: a few play at a time, each of megabytes) keeps nothing
// and reads them from its file, from where it stopped. Files the mixer
// cannot take straight are converted by SDL_mixer once and kept.
#include "platform/platform.h"

#include "platform/common/internal.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace plat {

namespace {

constexpr int kSoundSlots = 237;                                  // slots 1..236, channel = slot
constexpr std::size_t kLongSoundBytes = std::size_t{1} << 20;     // in the mixer's format
constexpr double kGiveBackAfter = 1.0;                            // seconds quiet
constexpr int kMixFrameBytes = 4;                                 // 16-bit stereo

// A file's sound, loaded once for every slot that plays it (the round-robin
// banks load one file into several slots). A file is the same while its
// path, size and change time are.
struct SoundFile {
    std::string path;
    long long size = 0, changed = 0;
    Mix_Chunk* chunk = nullptr;              // converted by the mixer, or
    detail::WavInfo info;                    // the file's own samples
    std::vector<Uint8> data;
    SoundFile() = default;
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    ~SoundFile() {
        if (chunk) Mix_FreeChunk(chunk);
    }
};

struct SoundSlot {
    bool loaded = false;
    std::shared_ptr<SoundFile> file;         // a short sound's, or null
    std::string longPath;                    // a long sound's file
    std::size_t bytes = 0;                   // the whole sound in the mixer's format
    std::unique_ptr<Uint8[]> samples;        // the mixer's, from `from` to the end
    std::size_t from = 0;
    Mix_Chunk view{};                        // what the channel plays
    double quietSince = -1;
    // Where a long sound is: how far its play has gone, or where it waits.
    std::size_t base = 0;                    // where the current play started
    std::atomic<std::size_t> played{0};      // bytes the mixer has taken since
    bool started = false;                    // a play began at `base`
    std::size_t resumeAt = 0;                // where the next play starts otherwise
    bool Long() const { return !longPath.empty(); }
    bool Playable() const { return file || Long(); }
    std::size_t Position() const { return started ? std::min(bytes, base + played.load()) : resumeAt; }
};

struct SoundState {
    bool tried = false;
    bool open = false;
    SoundSlot slots[kSoundSlots];
    std::vector<std::weak_ptr<SoundFile>> files;
};

SoundState& S() {
    // Never destroyed: the exit handler that closes the mixer still needs it.
    static SoundState& s = *new SoundState();
    return s;
}

SoundSlot* Slot(int slot) {
    if (slot < 1 || slot >= kSoundSlots) return nullptr;
    return &S().slots[slot];
}

bool OpenAudio(int channels, int rate, int bits) {
    SoundState& s = S();
    if (s.open) return true;
    const Uint16 format = bits == 8 ? AUDIO_U8 : AUDIO_S16SYS;
    if (Mix_OpenAudio(rate, format, channels, 1024) == 0) {
        s.open = true;
    } else {
        const std::string first = Mix_GetError();
        // A machine without a sound card: mix into the dummy device, so
        // sounds still play (silently) and report their state.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(rate, format, channels, 1024) == 0) {
            s.open = true;
            detail::ReportOnce("audio", "No sound device (" + first + "); the game runs without sound.");
        } else {
            detail::ReportOnce("audio", "No sound device (" + first + "); the game runs without sound.");
            return false;
        }
    }
    Mix_AllocateChannels(kSoundSlots);
    return true;
}

bool FileIdentity(const char* path, long long& size, long long& changed) {
    struct stat st {};
    if (!path || stat(path, &st) != 0) return false;
    size = st.st_size;
    changed = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

// Whether the mixer plays 16-bit stereo at this file's rate, so its samples
// can be made from the file's own, from any place.
bool ReadsStraight(const detail::WavInfo& info) {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    return Mix_QuerySpec(&rate, &format, &channels) != 0 && format == AUDIO_S16SYS && channels == 2 &&
           rate == info.samplesPerSecond;
}

int FileFrameBytes(const detail::WavInfo& info) { return info.channels * info.bitsPerSample / 8; }

std::size_t MixBytes(const detail::WavInfo& info) {
    return std::size_t(info.dataBytes) / std::size_t(FileFrameBytes(info)) * kMixFrameBytes;
}

// `frames` of the file's samples into the mixer's 16-bit stereo.
void ToMixFormat(const detail::WavInfo& info, const Uint8* in, std::size_t frames, Sint16* out) {
    const std::size_t step = std::size_t(FileFrameBytes(info));
    for (std::size_t i = 0; i < frames; ++i, in += step, out += 2) {
        if (info.bitsPerSample == 16) {
            out[0] = Sint16(Uint16(in[0] | (in[1] << 8)));
            out[1] = info.channels == 2 ? Sint16(Uint16(in[2] | (in[3] << 8))) : out[0];
        } else {
            out[0] = Sint16((int(in[0]) - 128) * 256);
            out[1] = info.channels == 2 ? Sint16((int(in[1]) - 128) * 256) : out[0];
        }
    }
}

// A short sound's file, read once for every slot that loads it; null (with
// the reason) when it cannot be.
std::shared_ptr<SoundFile> AcquireSoundFile(const char* path, std::string& why) {
    SoundState& s = S();
    long long size = 0, changed = 0;
    const bool known = FileIdentity(path, size, changed);
    s.files.erase(std::remove_if(s.files.begin(), s.files.end(), [](const auto& w) { return w.expired(); }),
                  s.files.end());
    if (known)
        for (const auto& w : s.files)
            if (auto f = w.lock(); f && f->path == path && f->size == size && f->changed == changed) return f;
    auto file = std::make_shared<SoundFile>();
    if (known) {
        file->path = path;
        file->size = size;
        file->changed = changed;
    }
    std::FILE* in = detail::OpenRegularFile(path, &why);
    if (!in) return nullptr;
    long dataOffset = 0;
    const bool straight = detail::ReadWavLayout(in, file->info, dataOffset, nullptr) && ReadsStraight(file->info);
    if (straight) {
        file->data.resize(file->info.dataBytes);
        const bool read = std::fseek(in, dataOffset, SEEK_SET) == 0 &&
                          std::fread(file->data.data(), 1, file->data.size(), in) == file->data.size();
        std::fclose(in);
        if (!read) {
            why = "the file cannot be read";
            return nullptr;
        }
    } else {
        std::fclose(in);
        file->chunk = Mix_LoadWAV(path);
        if (!file->chunk) {
            why = Mix_GetError();
            return nullptr;
        }
        // The mixer converts into a buffer sized for its widest step (mono
        // 16-bit goes through 32-bit float stereo): give back what the
        // samples do not use.
        if (file->chunk->allocated && file->chunk->alen > 0)
            if (void* fitted = SDL_realloc(file->chunk->abuf, file->chunk->alen))
                file->chunk->abuf = static_cast<Uint8*>(fitted);
    }
    if (known) s.files.push_back(file);
    return file;
}

// Makes a slot's samples in the mixer's format from byte `at` to the end:
// a short sound's from its file's samples held here, a long sound's read
// from its file. False, with the reason, when the file no longer serves.
bool MakeSamples(SoundSlot& sl, std::size_t at, std::string& why) {
    sl.samples.reset();
    if (sl.file) {
        const detail::WavInfo& info = sl.file->info;
        const std::size_t frames = MixBytes(info) / kMixFrameBytes;
        sl.samples = std::make_unique_for_overwrite<Uint8[]>(frames * kMixFrameBytes + 1);
        ToMixFormat(info, sl.file->data.data(), frames, reinterpret_cast<Sint16*>(sl.samples.get()));
        sl.from = 0;
        return true;
    }
    std::FILE* f = detail::OpenRegularFile(sl.longPath.c_str(), &why);
    if (!f) return false;
    detail::WavInfo info;
    long dataOffset = 0;
    bool ok = detail::ReadWavLayout(f, info, dataOffset, &why);
    if (ok && !ReadsStraight(info)) {
        why = "its format changed";
        ok = false;
    }
    if (ok) {
        sl.bytes = MixBytes(info);
        at = std::min(at, sl.bytes) / kMixFrameBytes * kMixFrameBytes;
        const std::size_t fileFrame = std::size_t(FileFrameBytes(info));
        const std::size_t frames = (sl.bytes - at) / kMixFrameBytes;
        auto out = std::make_unique_for_overwrite<Uint8[]>(frames * kMixFrameBytes + 1);
        ok = std::fseek(f, dataOffset + long(at / kMixFrameBytes * fileFrame), SEEK_SET) == 0;
        if (ok && fileFrame == kMixFrameBytes && SDL_BYTEORDER == SDL_LIL_ENDIAN) {
            // 16-bit stereo is already the mixer's format.
            ok = std::fread(out.get(), kMixFrameBytes, frames, f) == frames;
        } else {
            Uint8 block[1 << 16];
            const std::size_t blockFrames = sizeof block / fileFrame;
            for (std::size_t done = 0; ok && done < frames;) {
                const std::size_t n = std::min(blockFrames, frames - done);
                ok = std::fread(block, fileFrame, n, f) == n;
                if (ok) ToMixFormat(info, block, n, reinterpret_cast<Sint16*>(out.get()) + 2 * done);
                done += n;
            }
        }
        if (!ok && why.empty()) why = "the file cannot be read";
        if (ok) {
            sl.samples = std::move(out);
            sl.from = at;
        }
    }
    std::fclose(f);
    return ok;
}

// The mixer takes a long sound's samples through this, so the place its
// play has reached is known when it stops. Runs on the audio thread.
void CountPlayed(int, void*, int len, void* slot) { static_cast<SoundSlot*>(slot)->played += std::size_t(len); }

// Plays a slot from where it is (a long sound from where it stopped, from
// its start once played out), making its samples first when it has none.
void StartSound(int slot, SoundSlot& sl) {
    if (sl.file && sl.file->chunk) {
        Mix_PlayChannel(slot, sl.file->chunk, 0);
        return;
    }
    std::size_t at = sl.Long() ? sl.Position() : 0;
    if (at >= sl.bytes) at = 0;
    if (!sl.samples || at < sl.from) {
        std::string why;
        if (!MakeSamples(sl, at, why)) {
            const std::string& path = sl.Long() ? sl.longPath : sl.file->path;
            detail::ReportOnce("sound-" + path, "The sound '" + path + "' cannot be played: " + why + ".");
            return;
        }
        at = sl.from;
        if (at >= sl.bytes) return;
    }
    sl.view = Mix_Chunk{};
    sl.view.abuf = sl.samples.get() + (at - sl.from);
    sl.view.alen = Uint32(sl.bytes - at);
    sl.view.volume = MIX_MAX_VOLUME;
    sl.quietSince = -1;
    if (sl.Long()) {
        sl.base = at;
        sl.played = 0;
        sl.started = true;
        // Registered while the channel is still: a play keeps it, and the
        // channel's end or halt takes it off again.
        Mix_UnregisterAllEffects(slot);
        Mix_RegisterEffect(slot, CountPlayed, nullptr, &sl);
    }
    if (Mix_PlayChannel(slot, &sl.view, 0) < 0 && sl.Long()) {
        Mix_UnregisterAllEffects(slot);
        sl.started = false;
        sl.resumeAt = at;
    }
}

void GiveBackSamples(int slot, SoundSlot& sl) {
    if (sl.Long()) {
        Mix_HaltChannel(slot);
        // The mixer is done with it: the place it reached is final.
        sl.resumeAt = sl.Position() >= sl.bytes ? 0 : sl.Position();
        sl.started = false;
    }
    sl.samples.reset();
    sl.from = 0;
    sl.quietSince = -1;
}

}  // namespace

namespace detail {

void SoundEndFrame(double now) {
    SoundState& s = S();
    for (int slot = 1; slot < kSoundSlots; ++slot) {
        SoundSlot& sl = s.slots[slot];
        if (!sl.samples) continue;
        // A long sound stopped part-way gives its samples back and keeps
        // its place; a short one keeps them until it has played out.
        const bool busy = Mix_Playing(slot) && (!sl.Long() || !Mix_Paused(slot));
        if (busy) {
            sl.quietSince = -1;
        } else if (sl.quietSince < 0) {
            sl.quietSince = now;
        } else if (now - sl.quietSince >= kGiveBackAfter) {
            GiveBackSamples(slot, sl);
        }
    }
}

void CloseSound() {
    SoundState& s = S();
    for (int slot = 1; slot < kSoundSlots; ++slot) SoundDelete(slot);
    if (s.open) Mix_CloseAudio();
    s.open = false;
}

std::size_t HeldSoundBytes() {
    std::size_t bytes = 0;
    for (const SoundSlot& sl : S().slots)
        if (sl.samples) bytes += sl.bytes - sl.from;
    return bytes;
}

}  // namespace detail

bool SoundManagerInit() {
    SoundState& s = S();
    if (SDL_WasInit(SDL_INIT_AUDIO)) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) return true;
    const std::string first = SDL_GetError();
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) return true;
    s.tried = true;
    detail::ReportOnce("audio", "No sound device (" + first + "); the game runs without sound.");
    return false;
}

bool SoundSetPrimaryFormat(int channels, int samplesPerSecond, int bitsPerSample) {
    SoundState& s = S();
    if (s.open) return true;
    s.tried = true;
    if (!SDL_WasInit(SDL_INIT_AUDIO) && !SoundManagerInit()) return false;
    return OpenAudio(channels, samplesPerSecond, bitsPerSample);
}

bool SoundLoad(int slot, const char* path) {
    SoundState& s = S();
    SoundSlot* sl = Slot(slot);
    if (!sl) {
        std::fprintf(stderr, "Sound slot %d does not exist.\n", slot);
        return false;
    }
    SoundDelete(slot);
    if (!s.open && !s.tried) SoundSetPrimaryFormat(2, 22050, 16);
    if (!s.open) {
        // Silent: still check the file, so a bad file is reported the same way.
        detail::WavInfo info;
        if (!detail::CheckSoundFile(path, info)) return false;
        sl->loaded = true;
        return true;
    }
    // The mixer would wait on a FIFO put in place of the file.
    std::string why;
    std::FILE* probe = detail::OpenRegularFile(path, &why);
    if (!probe) {
        detail::SaySoundNotLoaded(path, why);
        return false;
    }
    detail::WavInfo info;
    long dataOffset = 0;
    const bool straight = detail::ReadWavLayout(probe, info, dataOffset, nullptr) && ReadsStraight(info);
    std::fclose(probe);
    if (straight && MixBytes(info) >= kLongSoundBytes) {
        sl->longPath = path;
        sl->bytes = MixBytes(info);
        sl->loaded = true;
        return true;
    }
    sl->file = AcquireSoundFile(path, why);
    if (!sl->file) {
        detail::SaySoundNotLoaded(path, why);
        return false;
    }
    sl->bytes = sl->file->chunk ? 0 : MixBytes(sl->file->info);
    sl->loaded = true;
    return true;
}

bool SoundLoaded(int slot) {
    const SoundSlot* sl = Slot(slot);
    return sl && sl->loaded;
}

void SoundDelete(int slot) {
    SoundSlot* sl = Slot(slot);
    if (!sl) return;
    if (sl->Playable()) Mix_HaltChannel(slot);
    sl->loaded = false;
    sl->file.reset();
    sl->longPath.clear();
    sl->bytes = 0;
    sl->samples.reset();
    sl->from = 0;
    sl->quietSince = -1;
    sl->base = 0;
    sl->played = 0;
    sl->started = false;
    sl->resumeAt = 0;
}

void SoundPlay(int slot, int volumeMb) {
    SoundSlot* sl = Slot(slot);
    if (!sl || !sl->Playable()) return;
    Mix_Volume(slot, detail::VolumeFromMillibels(volumeMb));
    if (Mix_Playing(slot)) {
        // Still sounding: only the volume changes. Stopped part-way: go on
        // from where it stopped.
        if (Mix_Paused(slot)) Mix_Resume(slot);
        return;
    }
    StartSound(slot, *sl);
}

void SoundStop(int slot) {
    SoundSlot* sl = Slot(slot);
    if (!sl || !sl->Playable()) return;
    if (Mix_Playing(slot) && !Mix_Paused(slot)) Mix_Pause(slot);
}

void SoundReset(int slot) {
    SoundSlot* sl = Slot(slot);
    if (!sl || !sl->Playable()) return;
    // Back to the start: a sounding slot goes on from its beginning, a
    // stopped one waits there for the next play.
    const bool sounding = Mix_Playing(slot) && !Mix_Paused(slot);
    Mix_HaltChannel(slot);
    sl->started = false;
    sl->resumeAt = 0;
    if (sounding) StartSound(slot, *sl);
}

bool SoundIsPlaying(int slot) {
    const SoundSlot* sl = Slot(slot);
    if (!sl || !sl->Playable()) return false;
    return Mix_Playing(slot) && !Mix_Paused(slot);
}

}  // namespace plat

// What the two backends share inside the platform layer. The game never
// includes this; tests and the benchmark may, to reach these directly.
#pragma once

#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct SDL_Renderer;
struct SDL_Texture;

namespace plat::detail {

// ------------------------------------------------------------ pictures --
// Bytes a decoder writes in full: allocated without being cleared first,
// since clearing megabytes that are overwritten at once costs as much as
// the decoding itself.
class ByteBuffer {
public:
    ByteBuffer() = default;
    // A buffer moved from is empty.
    ByteBuffer(ByteBuffer&& o) noexcept
        : bytes_(std::move(o.bytes_)), size_(std::exchange(o.size_, 0)), capacity_(std::exchange(o.capacity_, 0)) {}
    ByteBuffer& operator=(ByteBuffer&& o) noexcept {
        bytes_ = std::move(o.bytes_);
        size_ = std::exchange(o.size_, 0);
        capacity_ = std::exchange(o.capacity_, 0);
        return *this;
    }
    // Keeps the memory it has when that is large enough.
    void Allocate(std::size_t n) {
        if (n > capacity_) {
            bytes_.reset();
            bytes_ = std::make_unique_for_overwrite<std::uint8_t[]>(n);
            capacity_ = n;
        }
        size_ = n;
    }
    void Clear() {
        bytes_.reset();
        size_ = capacity_ = 0;
    }
    // Empty, keeping the memory for the next Allocate.
    void Forget() { size_ = 0; }
    std::uint8_t* data() { return bytes_.get(); }
    const std::uint8_t* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::uint8_t& operator[](std::size_t i) { return bytes_[i]; }
    std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t size_ = 0, capacity_ = 0;
};

struct DecodedPicture {
    int width = 0, height = 0;
    ByteBuffer rgba;                      // width * height * 4, top row first
};

// Decodes a BMP held in memory (24-bit, or 16-bit X1R5G5B5 / bit fields;
// bottom-up or top-down) into texels of exactly the picture's size. Texels
// of colourKey's RGB become transparent black. On failure returns false and
// puts the reason in *error.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, std::uint32_t colourKey,
               DecodedPicture& out, std::string* error);

// A zlib stream holding a BMP file (as the program carries its pictures)
// unpacked into out; false with the reason in *error when it is not one, is
// damaged, or unpacks to more than its BMP header says.
bool LooksCompressed(const std::uint8_t* data, std::size_t size);
bool UnpackBmp(const std::uint8_t* data, std::size_t size, ByteBuffer& out, std::string* error);
// A picture as TextureCreateFromBmp takes it (compressed or not) made into
// texels; false with the reason in *error.
bool MakePicture(const std::uint8_t* data, std::size_t size, std::uint32_t colourKey, DecodedPicture& out,
                 std::string* error);
// Gives back the calling thread's buffer for unpacked files (kept between
// pictures otherwise).
void ReleaseThreadScratch();

// Where a BMP's pixels are and how they are stored, once its headers are
// checked; and its rows (top first) turned into RGBA texels.
struct BmpLayout {
    const std::uint8_t* data = nullptr;
    int width = 0, height = 0;
    int bits = 0;
    bool topDown = false;
    std::uint32_t masks[3] = {};
    std::uint64_t stride = 0;
    std::uint32_t pixelOffset = 0;
};
bool ReadBmpLayout(const std::uint8_t* data, std::size_t size, BmpLayout& out, std::string* error);
void ConvertBmpRows(const BmpLayout& bmp, std::uint32_t colourKey, int firstRow, int rows, std::uint8_t* rgba);

// The same picture made band by band into a small buffer, for a texture
// filled a band at a time: no buffer of the whole picture's texels.
struct BandTarget {
    virtual ~BandTarget() = default;
    virtual bool Start(int width, int height) = 0;   // false: stop, nothing more is made
    virtual void Band(int firstRow, int rows, const std::uint8_t* rgba) = 0;
};
bool MakePictureInBands(const std::uint8_t* data, std::size_t size, std::uint32_t colourKey, BandTarget& target,
                        std::string* error);

// Texture registry shared by both backends. A texture keeps its decoded
// texels while keepPixels is set (headless: rasterised on demand) and gets an
// SDL texture per renderer it is drawn on. Textures are exactly the
// picture's size: a source rectangle is clipped to the picture, so what lies
// past it draws nothing, as transparent texels would.
void SetKeepTexturePixels(bool keep);
// Tests: the system refuses the picture helper's thread from now on, as it
// does under a low process limit (headless Reset lifts it).
void RefuseHelperThread(bool refuse);
// Tests: the picture helper's thread ends now, its queue dropped (it starts
// again when a picture is next asked for ahead), so that a process forked
// from this one holds none of its locks.
void StopPictureHelper();
// The SDL backend uploads at creation on this renderer (null: none).
void SetUploadRenderer(SDL_Renderer* renderer);
struct TextureView {
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
};
// The texture's SDL texture for this renderer (made on first use from the
// kept texels); false when the id is unknown or nothing can be made.
bool TextureFor(SDL_Renderer* renderer, TextureId id, TextureView& view);
// Tests: the bytes a texture was made from (null for no texture), which
// tell the picture a texture slot holds.
const std::uint8_t* TextureMadeFrom(TextureId id);
// Drops every SDL texture made for this renderer (before it is destroyed).
void ForgetRendererTextures(SDL_Renderer* renderer);
void ReleaseAllTextures();
int LiveTextureCount();
// Ends a frame of the kept pictures (those nobody asked for lately go).
void TextureCacheEndFrame();
// Turns pictures made ahead into textures on the upload renderer, a band of
// rows at a time, for at most `seconds` (a frame's spare time), so that the
// frame that creates them only hands them over. False when none is waiting.
bool UploadMadeAhead(double seconds);
// Pictures kept aside now: made ahead, being made, or released a while ago.
int KeptPictureCount();
// Waits until the helper has no picture queued or in the making, or
// `seconds` have passed. For a benchmark that plays frames far faster than
// real time: the helper is given a frame's time per frame, as in play.
void WaitForPicturesAhead(double seconds);
// Every time texels were made from a picture's bytes (at once, or ahead on
// the helper thread), with TimerGetTime then; the most recent few thousand.
struct PictureMaking {
    double time = 0;
    const std::uint8_t* bytes = nullptr;
};
const std::vector<PictureMaking>& PictureMakings();
// The main thread's processor time spent in TextureCreateFromBmp so far, in
// milliseconds (what a frame that makes textures pays for them).
double TextureMakingCpuMs();

// ----------------------------------------------------------- draw list --
struct SpriteItem {
    TextureId texture = 0;
    Rect src;
    float centreX = 0, centreY = 0;
    float x = 0, y = 0, depth = 0;
    std::uint32_t colour = 0;
    std::uint32_t transform = 0;   // into the list's transforms
    int order = 0;
};

struct TextItem {
    FontId font = 0;
    std::string text;
    int x = 0, y = 0;
    float r = 0, g = 0, b = 0, a = 0;
    float scaleX = 1, scaleY = 1;
};

struct DrawCommand {
    bool isText = false;
    int index = 0;   // into sprites or texts
};

// Everything one frame drew: the commands in drawing order; a batch's
// sprites are stored in the order they were submitted.
struct DrawList {
    bool cleared = false;
    std::uint32_t clearColour = 0;
    std::vector<SpriteItem> sprites;
    // The transforms the sprites were drawn with: a batch's sprites share
    // a few, so each sprite holds an index, not a copy.
    std::vector<Matrix> transforms;
    std::vector<TextItem> texts;      // the first textCount are in use
    std::size_t textCount = 0;
    std::vector<DrawCommand> commands;

    void Reset();
};

// The frame being drawn. Backends reset it at the start of a frame and draw
// or record it at the end.
DrawList& CurrentDrawList();
void BeginFrameDrawing();
// Sorts a batch in place: larger depth first, equal depths in submission order.
void SortBatch(std::vector<SpriteItem>& batch);
// The same order as indices into the batch, without moving the sprites.
struct SortEntry {
    std::uint32_t key;
    std::uint32_t index;
};
void SortedOrder(const std::vector<SpriteItem>& batch, std::vector<SortEntry>& order);

// An optional watcher told of every sprite submitted to the batch (texture,
// source rectangle, colour, and whether its rectangle lands on the back
// buffer after its transform), before any sorting or clipping: a test uses it to
// learn which cells of which pictures a whole run draws. Null (the default)
// costs one test per sprite.
using SpriteDrawWatcher = void (*)(TextureId texture, const Rect& src, std::uint32_t colour, bool onTarget);
void SetSpriteDrawWatcher(SpriteDrawWatcher watcher);

// Corners of a sprite on the target after its transform, with the texture
// coordinates that go with them; the source rectangle is clipped to the
// texture (texels past the picture are transparent, so they are left out).
// Returns false when nothing of the sprite is left to draw.
struct SpriteQuad {
    float x[4], y[4];   // top-left, top-right, bottom-left, bottom-right
    float u[4], v[4];
};
bool ComputeSpriteQuad(const SpriteItem& s, const Matrix& transform, int textureWidth, int textureHeight,
                       SpriteQuad& quad);

// Draws a frame's list on any SDL renderer (window or software): clear,
// then sprites and texts in order.
void RenderDrawList(SDL_Renderer* renderer, const DrawList& list);

// --------------------------------------------------------------- fonts --
void ReleaseAllFonts();
// Line height of a font in pixels (0 when unknown).
int FontLineHeight(FontId font);
bool FontValid(FontId font);
// Draws one text item (all its lines) on the renderer.
void DrawTextItem(SDL_Renderer* renderer, const TextItem& item);
// Text textures are cached per renderer; forget them before the renderer goes.
void ForgetRendererText(SDL_Renderer* renderer);
// Ends a frame of the text cache (entries unused for a while are dropped).
void TextCacheEndFrame();

// --------------------------------------------------------------- sound --
struct WavInfo {
    int channels = 0;
    int samplesPerSecond = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    double seconds = 0;
};
// Opens a file for reading in binary without waiting on it: a FIFO or device
// in place of a data file is refused (null, reason in *error) instead of
// blocking the game.
std::FILE* OpenRegularFile(const char* path, std::string* error);
// Checks a RIFF/WAVE PCM file; false with the reason in *error.
bool ParseWav(const std::uint8_t* data, std::size_t size, WavInfo& info, std::string* error);
bool ReadWavFile(const char* path, WavInfo& info, std::string* error);
// Both backends' words for a sound slot left empty by its file.
void SaySoundNotLoaded(const char* path, const std::string& why);
// ReadWavFile that says why a file is refused.
bool CheckSoundFile(const char* path, WavInfo& info);
// The format of an open WAV file and where its samples start, from its chunk
// headers alone (its samples are not read).
bool ReadWavLayout(std::FILE* f, WavInfo& info, long& dataOffset, std::string* error);
// The real backend's sounds: once a frame, samples quiet for a while are
// given back; at exit the slots and the mixer close; the bytes of samples
// in the mixer's format held now.
void SoundEndFrame(double now);
void CloseSound();
std::size_t HeldSoundBytes();
// Hundredths of a decibel to the mixer's 0..128 scale.
int VolumeFromMillibels(int volumeMb);

// -------------------------------------------------------------- effect --
bool EffectLoaded();
bool EffectGetMatrix(const char* name, Matrix& out);
bool EffectGetFloat(const char* name, float& out);

// ----------------------------------------------------------------- png --
bool WritePng(const std::string& path, const std::uint8_t* rgba, int width, int height);
bool EncodePng(const std::uint8_t* rgba, int width, int height, std::vector<std::uint8_t>& out);

// ---------------------------------------------------- device callbacks --
// The game's callbacks around its device, in the order both backends call
// them; a callback the game did not set is skipped.
enum class DeviceOpening { Done, CreateFailed, ResetFailed };
// Create, then reset; a reset that fails takes the create back (lost, then
// destroy).
DeviceOpening OpenDevice(const Callbacks& callbacks, const BackBufferDesc& backBuffer);
// Lost, then destroy.
void CloseDevice(const Callbacks& callbacks);
void LoseDevice(const Callbacks& callbacks);
// false when the game's reset failed.
bool ResetDevice(const Callbacks& callbacks, const BackBufferDesc& backBuffer);
// One frame: move, then render.
void RunFrameCallbacks(const Callbacks& callbacks, double time, float elapsed);

// ------------------------------------------------------------- reports --
// Prints a message on standard error only the first time this key is seen.
void ReportOnce(const std::string& key, const std::string& message);
void ForgetReports();

// ---------------------------------------------------- machine readings --
// The machine's memory and the local time as the system has them (the real
// backend's QueryMemoryStatus and QueryLocalTime).
bool ReadMemoryStatus(MemoryStatus& out);
bool ReadLocalTime(LocalDateTime& out);
// A calendar moment's fields as the game reads them.
void DateTimeOf(const std::tm& t, LocalDateTime& out);

}  // namespace plat::detail

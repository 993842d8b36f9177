// Texture registry: ids handed to the game, the decoded texels and the SDL
// textures made from them on the renderers that draw them; and the pictures
// kept aside, made ahead on a helper thread or kept a while after their
// release, so that making a texture in a frame only hands them over.
#include "platform/common/internal.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include <time.h>

namespace plat::detail {

namespace {

// How long a picture stays kept once nobody asks for it, and the most texel
// bytes kept at once (the oldest go first).
constexpr double kKeepSeconds = 3.0;
constexpr std::size_t kKeptBytesLimit = std::size_t{48} << 20;
constexpr std::size_t kMakingsKept = 4096;

struct RendererTexture {
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
};

// The bytes a picture was made from. Only compressed pictures are kept
// aside: their last four bytes are the checksum of what they hold, so other
// bytes put later at the same place are not taken for them.
struct PictureKey {
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
    std::uint32_t colourKey = 0;
    std::uint32_t check = 0;
    bool operator==(const PictureKey&) const = default;
};

bool KeyOf(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey, PictureKey& key) {
    if (!bmp || size < 6 || !LooksCompressed(bmp, size)) return false;
    std::uint32_t check;
    std::memcpy(&check, bmp + size - 4, 4);
    key = PictureKey{bmp, size, colourKey, check};
    return true;
}

struct TextureRecord {
    bool used = false;
    int width = 0, height = 0;
    PictureKey key;                          // bytes null: not kept after release
    const std::uint8_t* madeFrom = nullptr;  // the bytes it was made from
    ByteBuffer rgba;                         // kept only while keepPixels is set
    std::vector<RendererTexture> uploads;
};

// A picture kept aside. The helper thread writes `picture` and `state`
// under the keeper's lock; everything else is the main thread's.
enum class KeptState { Queued, Making, Ready, Taken };
struct Kept {
    PictureKey key;
    KeptState state = KeptState::Queued;
    bool made = false;                       // the texels could be made
    DecodedPicture picture;
    SDL_Renderer* renderer = nullptr;        // a released texture and where it lives
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
    double lastAsked = 0;                    // TimerGetTime when last asked for
    bool ahead = false;                      // asked for ahead (its making noted then)
    int rowsUploaded = 0;                    // of `picture` into `texture`, while both are held
};

struct TextureState {
    std::vector<TextureRecord> records;      // id = index + 1
    bool keepPixels = true;
    SDL_Renderer* uploadRenderer = nullptr;

    std::vector<std::shared_ptr<Kept>> kept;
    std::vector<PictureMaking> makings;
    double makingMs = 0;
    std::mutex lock;
    std::condition_variable work, done;
    std::deque<std::shared_ptr<Kept>> queue;
    std::thread helper;
    // The system refused the helper (a low process limit): the pictures are
    // made on the main thread when asked for, and no helper is asked for
    // again. refuseHelper makes the system refuse it, for tests.
    bool helperRefused = false;
    bool refuseHelper = false;
    bool stopping = false;
    bool helperMaking = false;               // the helper is making a picture now
    // Texels no longer needed, freed on the helper thread: giving back
    // megabytes costs a frame a good part of a millisecond.
    std::vector<ByteBuffer> retired;
    // When this thread last unpacked a picture, and whether its unpacking
    // buffer is still held.
    double lastUnpack = 0;
    bool scratchHeld = false;
};

TextureState& State() {
    // Never destroyed: the exit handlers that release SDL objects still need it.
    static TextureState& s = *new TextureState();
    return s;
}

// The main thread is about to unpack a picture into its buffer.
void NoteUnpacking() {
    TextureState& st = State();
    st.lastUnpack = TimerGetTime();
    st.scratchHeld = true;
}

TextureRecord* Find(TextureId id) {
    auto& recs = State().records;
    if (id <= 0 || std::size_t(id) > recs.size()) return nullptr;
    TextureRecord& r = recs[std::size_t(id) - 1];
    return r.used ? &r : nullptr;
}

SDL_Texture* NewTexture(SDL_Renderer* renderer, int width, int height) {
    SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, width, height);
    if (!t) {
        ReportOnce("texture-upload", std::string("A picture could not be made into a texture: ") + SDL_GetError());
        return nullptr;
    }
    SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(t, SDL_ScaleModeLinear);
    return t;
}

SDL_Texture* Upload(SDL_Renderer* renderer, int width, int height, const ByteBuffer& rgba) {
    if (rgba.empty()) return nullptr;
    SDL_Texture* t = NewTexture(renderer, width, height);
    if (t) SDL_UpdateTexture(t, nullptr, rgba.data(), width * 4);
    return t;
}

// A texture filled band by band as the picture's rows are made (none when
// there is no renderer: the texels are made and let go).
struct TextureBands : BandTarget {
    explicit TextureBands(SDL_Renderer* r) : renderer(r) {}
    SDL_Renderer* renderer;
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
    bool Start(int w, int h) override {
        width = w;
        height = h;
        if (!renderer) return true;
        texture = NewTexture(renderer, w, h);
        return texture != nullptr;
    }
    void Band(int firstRow, int rows, const std::uint8_t* rgba) override {
        if (!texture) return;
        const SDL_Rect area{0, firstRow, width, rows};
        SDL_UpdateTexture(texture, &area, rgba, width * 4);
    }
};

void DestroyUploads(TextureRecord& rec) {
    for (auto& u : rec.uploads)
        if (u.texture) SDL_DestroyTexture(u.texture);
    rec.uploads.clear();
}

// ------------------------------------------------------- the helper thread --
void HelperLoop() {
    TextureState& st = State();
    std::unique_lock<std::mutex> hold(st.lock);
    for (;;) {
        // Nothing more to make for now: the helper's own buffer goes, as
        // this thread's pauses are not a frame's.
        if (!st.retired.empty()) {
            std::vector<ByteBuffer> freeing;
            freeing.swap(st.retired);
            hold.unlock();
            freeing.clear();
            hold.lock();
        }
        if (st.queue.empty() && !st.stopping) {
            hold.unlock();
            ReleaseThreadScratch();
            hold.lock();
        }
        st.work.wait(hold, [&] { return st.stopping || !st.queue.empty() || !st.retired.empty(); });
        if (st.stopping) return;
        if (st.queue.empty()) continue;
        std::shared_ptr<Kept> k = std::move(st.queue.front());
        st.queue.pop_front();
        if (k->state != KeptState::Queued) continue;
        k->state = KeptState::Making;
        st.helperMaking = true;
        hold.unlock();
        DecodedPicture picture;
        const bool made = MakePicture(k->key.bytes, k->key.size, k->key.colourKey, picture, nullptr);
        hold.lock();
        k->picture = std::move(picture);
        k->made = made;
        k->state = KeptState::Ready;
        st.helperMaking = false;
        st.done.notify_all();
    }
}

// Starts the helper unless it runs; false when the system refuses the
// thread, which is said once.
bool StartHelper(TextureState& st) {
    if (st.helper.joinable()) return true;
    if (st.helperRefused) return false;
    try {
        if (st.refuseHelper) throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        st.helper = std::thread(HelperLoop);
        return true;
    } catch (const std::system_error& e) {
        st.helperRefused = true;
        std::fprintf(stderr, "The system refused a thread to make pictures ahead (%s); they are made when they are needed.\n",
                     e.what());
        return false;
    }
}

void StopHelper() {
    TextureState& st = State();
    if (!st.helper.joinable()) return;
    {
        std::lock_guard<std::mutex> hold(st.lock);
        st.stopping = true;
        st.queue.clear();
    }
    st.work.notify_all();
    st.helper.join();
    st.stopping = false;
    st.retired.clear();
}

// Hands texels no longer needed to the helper to free (under the keeper's
// lock); freed here when there is no helper.
void Retire(TextureState& st, DecodedPicture& picture) {
    if (picture.rgba.empty()) return;
    if (st.helper.joinable()) {
        st.retired.push_back(std::move(picture.rgba));
        st.work.notify_one();
    }
    picture = DecodedPicture{};
}

// ------------------------------------------------------- the kept pictures --
// The texel bytes a kept picture holds, here or in its texture.
std::size_t KeptBytes(const Kept& k) {
    return k.picture.rgba.size() + (k.texture ? std::size_t(k.width) * std::size_t(k.height) * 4 : 0);
}

// Under the keeper's lock, or with the helper stopped.
void DropKept(Kept& k) {
    if (k.texture) SDL_DestroyTexture(k.texture);
    k.texture = nullptr;
    k.renderer = nullptr;
    Retire(State(), k.picture);
}

// Takes entry i out of the keeper for good (under the keeper's lock); the
// helper skips it if it is still queued.
void DiscardKept(TextureState& st, std::size_t i) {
    st.kept[i]->state = KeptState::Taken;
    DropKept(*st.kept[i]);
    st.kept.erase(st.kept.begin() + std::ptrdiff_t(i));
}

void DiscardKept(TextureState& st, const std::shared_ptr<Kept>& k) {
    for (std::size_t i = 0; i < st.kept.size(); ++i)
        if (st.kept[i] == k) return DiscardKept(st, i);
}

// Drops what nobody asked for lately, then the oldest while too much is
// kept. A picture still being made stays until it is ready.
void TrimKept(double now) {
    TextureState& st = State();
    std::lock_guard<std::mutex> hold(st.lock);
    auto gone = [&](const std::shared_ptr<Kept>& k) { return now - k->lastAsked > kKeepSeconds; };
    std::size_t bytes = 0;
    for (auto& k : st.kept) bytes += KeptBytes(*k);
    for (std::size_t i = 0; i < st.kept.size();) {
        if (st.kept[i]->state == KeptState::Making || !gone(st.kept[i])) {
            ++i;
            continue;
        }
        bytes -= KeptBytes(*st.kept[i]);
        DiscardKept(st, i);
    }
    while (bytes > kKeptBytesLimit) {
        std::size_t oldest = st.kept.size();
        for (std::size_t i = 0; i < st.kept.size(); ++i)
            if (st.kept[i]->state != KeptState::Making &&
                (oldest == st.kept.size() || st.kept[i]->lastAsked < st.kept[oldest]->lastAsked))
                oldest = i;
        if (oldest == st.kept.size()) break;
        bytes -= KeptBytes(*st.kept[oldest]);
        DiscardKept(st, oldest);
    }
}

std::shared_ptr<Kept> FindKept(const PictureKey& key) {
    for (auto& k : State().kept)
        if (k->key == key) return k;
    return nullptr;
}

void NoteMaking(const std::uint8_t* bytes) {
    auto& m = State().makings;
    if (m.size() >= 2 * kMakingsKept) m.erase(m.begin(), m.begin() + std::ptrdiff_t(m.size() - kMakingsKept));
    m.push_back({TimerGetTime(), bytes});
}

// Rows of a picture made ahead into its texture, a band of about 256 KB at a
// time, until `until` (TimerGetTime) has passed or all are in.
void UploadRows(Kept& k, double until) {
    const int band = std::max(1, (256 << 10) / (k.width * 4));
    const int height = k.picture.height;
    while (k.rowsUploaded < height && TimerGetTime() < until) {
        const int rows = std::min(band, height - k.rowsUploaded);
        const SDL_Rect area{0, k.rowsUploaded, k.width, rows};
        SDL_UpdateTexture(k.texture, &area, k.picture.rgba.data() + std::size_t(k.rowsUploaded) * std::size_t(k.width) * 4,
                          k.width * 4);
        k.rowsUploaded += rows;
    }
}

// What the keeper hands back: texels, or a released texture, or (for a
// backend that draws later from the picture's bytes) only the size.
struct Handed {
    DecodedPicture picture;
    RendererTexture texture;
    int width = 0, height = 0;
    bool asked = false;   // it was asked for ahead (its making noted then)
};

// Takes a kept picture out of the keeper (waiting for the helper when it is
// making it). False when there is nothing to take and the texels must be
// made here.
bool TakeKept(const PictureKey& key, Handed& handed) {
    TextureState& st = State();
    std::shared_ptr<Kept> k = FindKept(key);
    if (!k) return false;
    bool took = false;
    {
        std::unique_lock<std::mutex> hold(st.lock);
        // Still waiting in the queue: made here at once rather than after
        // whatever the helper has before it.
        if (k->state == KeptState::Making) st.done.wait(hold, [&] { return k->state != KeptState::Making; });
        if (k->state == KeptState::Ready && k->made) {
            // Part-way into its texture: the rest goes in now.
            if (k->texture && !k->picture.rgba.empty()) {
                UploadRows(*k, std::numeric_limits<double>::infinity());
                Retire(st, k->picture);
            }
            handed.picture = std::move(k->picture);
            handed.texture = {k->renderer, k->texture};
            handed.width = handed.picture.width ? handed.picture.width : k->width;
            handed.height = handed.picture.width ? handed.picture.height : k->height;
            k->texture = nullptr;
            // A renderer that uploads at once needs texels or its own texture.
            took = !st.uploadRenderer || !handed.picture.rgba.empty() ||
                   (handed.texture.texture && handed.texture.renderer == st.uploadRenderer);
        }
        if (!took) {
            if (handed.texture.texture) SDL_DestroyTexture(handed.texture.texture);
            handed = Handed{};
        }
        handed.asked = k->ahead;
        DiscardKept(st, k);
    }
    return took;
}

}  // namespace

void SetKeepTexturePixels(bool keep) { State().keepPixels = keep; }
void RefuseHelperThread(bool refuse) { State().refuseHelper = refuse; }
void StopPictureHelper() { StopHelper(); }
void SetUploadRenderer(SDL_Renderer* renderer) { State().uploadRenderer = renderer; }

bool TextureFor(SDL_Renderer* renderer, TextureId id, TextureView& view) {
    TextureRecord* rec = Find(id);
    if (!rec || !renderer) return false;
    view.width = rec->width;
    view.height = rec->height;
    for (const auto& u : rec->uploads)
        if (u.renderer == renderer) {
            view.texture = u.texture;
            return u.texture != nullptr;
        }
    SDL_Texture* t = nullptr;
    if (!rec->rgba.empty()) {
        t = Upload(renderer, rec->width, rec->height, rec->rgba);
    } else if (rec->key.bytes) {
        NoteUnpacking();
        TextureBands again(renderer);
        if (MakePictureInBands(rec->key.bytes, rec->key.size, rec->key.colourKey, again, nullptr)) t = again.texture;
        else if (again.texture) SDL_DestroyTexture(again.texture);
    }
    if (!t) return false;
    rec->uploads.push_back({renderer, t});
    view.texture = t;
    return true;
}

void ForgetRendererTextures(SDL_Renderer* renderer) {
    TextureState& st = State();
    for (auto& rec : st.records)
        for (std::size_t i = 0; i < rec.uploads.size();) {
            if (rec.uploads[i].renderer == renderer) {
                if (rec.uploads[i].texture) SDL_DestroyTexture(rec.uploads[i].texture);
                rec.uploads.erase(rec.uploads.begin() + std::ptrdiff_t(i));
            } else {
                ++i;
            }
        }
    std::lock_guard<std::mutex> hold(st.lock);
    for (std::size_t i = 0; i < st.kept.size();) {
        if (st.kept[i]->texture && st.kept[i]->renderer == renderer) DiscardKept(st, i);
        else ++i;
    }
}

void ReleaseAllTextures() {
    TextureState& st = State();
    StopHelper();
    st.helperRefused = false;
    for (auto& k : st.kept) DropKept(*k);
    st.kept.clear();
    st.retired.clear();
    for (auto& rec : st.records) {
        DestroyUploads(rec);
        rec = TextureRecord{};
    }
    st.records.clear();
    st.makings.clear();
}

int LiveTextureCount() {
    int n = 0;
    for (const auto& rec : State().records) n += rec.used ? 1 : 0;
    return n;
}

void TextureCacheEndFrame() {
    TextureState& st = State();
    const double now = TimerGetTime();
    TrimKept(now);
    // Pictures come in bursts: between them the unpacking buffer (as large
    // as the largest picture's file) is given back.
    if (st.scratchHeld && now - st.lastUnpack > kKeepSeconds) {
        ReleaseThreadScratch();
        st.scratchHeld = false;
    }
}

bool UploadMadeAhead(double seconds) {
    TextureState& st = State();
    if (!st.uploadRenderer) return false;
    // Making a large texture's storage takes the driver a few milliseconds:
    // one is begun only with that much room left.
    constexpr double kBeginRoom = 0.003;
    const double until = TimerGetTime() + seconds;
    bool any = false;
    for (;;) {
        std::shared_ptr<Kept> k;
        {
            std::lock_guard<std::mutex> hold(st.lock);
            for (auto& e : st.kept)
                if (e->state == KeptState::Ready && e->made && !e->picture.rgba.empty()) {
                    k = e;
                    break;
                }
        }
        if (!k) return any;
        any = true;
        // The helper leaves a ready picture alone, so it is worked on
        // without the lock.
        if (!k->texture) {
            if (until - TimerGetTime() < kBeginRoom) return true;
            k->width = k->picture.width;
            k->height = k->picture.height;
            k->rowsUploaded = 0;
            k->texture = NewTexture(st.uploadRenderer, k->width, k->height);
            if (!k->texture) {
                std::lock_guard<std::mutex> hold(st.lock);
                k->made = false;   // made again when it is needed
                Retire(st, k->picture);
                continue;
            }
            k->renderer = st.uploadRenderer;
        }
        UploadRows(*k, until);
        if (k->rowsUploaded < k->picture.height) return true;
        std::lock_guard<std::mutex> hold(st.lock);
        Retire(st, k->picture);
    }
}

int KeptPictureCount() { return int(State().kept.size()); }

void WaitForPicturesAhead(double seconds) {
    TextureState& st = State();
    std::unique_lock<std::mutex> hold(st.lock);
    st.done.wait_for(hold, std::chrono::duration<double>(seconds),
                     [&] { return st.queue.empty() && !st.helperMaking; });
}

const std::vector<PictureMaking>& PictureMakings() { return State().makings; }

double TextureMakingCpuMs() { return State().makingMs; }

const std::uint8_t* TextureMadeFrom(TextureId texture) {
    const TextureRecord* rec = Find(texture);
    return rec ? rec->madeFrom : nullptr;
}

}  // namespace plat::detail

namespace plat {

using namespace detail;

void TexturePrefetch(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey) {
    PictureKey key;
    if (!KeyOf(bmp, size, colourKey, key)) return;
    TextureState& st = State();
    const double now = TimerGetTime();
    if (std::shared_ptr<Kept> k = FindKept(key)) {
        std::lock_guard<std::mutex> hold(st.lock);
        k->lastAsked = now;
        return;
    }
    // Without its helper the keeper hands back only released textures.
    if (!StartHelper(st)) return;
    auto k = std::make_shared<Kept>();
    k->key = key;
    k->lastAsked = now;
    k->ahead = true;
    st.kept.push_back(k);
    NoteMaking(bmp);
    {
        std::lock_guard<std::mutex> hold(st.lock);
        st.queue.push_back(k);
    }
    st.work.notify_one();
}

namespace {
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}
TextureId CreateTexture(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey);
}  // namespace

TextureId TextureCreateFromBmp(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey) {
    const double from = ThreadCpuMs();
    const TextureId id = CreateTexture(bmp, size, colourKey);
    State().makingMs += ThreadCpuMs() - from;
    return id;
}

namespace {
TextureId CreateTexture(const std::uint8_t* bmp, std::size_t size, std::uint32_t colourKey) {
    auto& st = State();
    PictureKey key;
    const bool keyed = KeyOf(bmp, size, colourKey, key);
    Handed handed;
    const bool fromKeeper = keyed && TakeKept(key, handed);
    SDL_Texture* made = nullptr;
    if (!fromKeeper) {
        // One asked for ahead that the helper has not come to yet is made
        // here: the same making, noted once.
        if (!handed.asked) NoteMaking(bmp);
        NoteUnpacking();
        std::string why;
        bool ok = false;
        if (st.keepPixels && !keyed) {
            // Pictures of other bytes keep their texels, for a renderer that
            // draws them later.
            ok = MakePicture(bmp, size, colourKey, handed.picture, &why);
            handed.width = handed.picture.width;
            handed.height = handed.picture.height;
        } else {
            // A compressed picture's bytes stay as they are, so its texels
            // are not kept beside its texture (a renderer that needs them
            // later makes them again): they go into the texture a band at a
            // time, with no buffer of the whole picture.
            TextureBands target(st.uploadRenderer);
            ok = MakePictureInBands(bmp, size, colourKey, target, &why);
            made = target.texture;
            handed.width = target.width;
            handed.height = target.height;
            if (!ok && target.width > 0 && st.uploadRenderer && !made) why = "no texture could be made";
        }
        if (!ok) {
            if (made) SDL_DestroyTexture(made);
            std::fprintf(stderr, "A picture could not be read: %s.\n", why.c_str());
            return 0;
        }
    }
    std::size_t slot = 0;
    while (slot < st.records.size() && st.records[slot].used) ++slot;
    if (slot == st.records.size()) st.records.emplace_back();
    TextureRecord& rec = st.records[slot];
    rec.used = true;
    rec.width = handed.width;
    rec.height = handed.height;
    rec.key = keyed ? key : PictureKey{};
    rec.madeFrom = bmp;
    rec.uploads.clear();
    if (handed.texture.texture) {
        rec.uploads.push_back(handed.texture);
    } else if (made) {
        rec.uploads.push_back({st.uploadRenderer, made});
    } else if (st.uploadRenderer) {
        SDL_Texture* t = Upload(st.uploadRenderer, rec.width, rec.height, handed.picture.rgba);
        if (!t) {
            rec = TextureRecord{};
            std::fprintf(stderr, "A picture could not be made into a texture.\n");
            return 0;
        }
        rec.uploads.push_back({st.uploadRenderer, t});
    }
    if (st.keepPixels && !keyed) {
        rec.rgba = std::move(handed.picture.rgba);
    } else {
        std::lock_guard<std::mutex> hold(st.lock);
        Retire(st, handed.picture);
    }
    return TextureId(slot + 1);
}
}  // namespace

void TextureRelease(TextureId texture) {
    TextureRecord* rec = Find(texture);
    if (!rec) return;
    TextureState& st = State();
    // Kept a while: a picture released and asked for again soon (the camera
    // swinging back over a set's edge) is then only handed back.
    if (rec->key.bytes) {
        auto k = std::make_shared<Kept>();
        k->key = rec->key;
        k->state = KeptState::Ready;
        k->width = rec->width;
        k->height = rec->height;
        k->lastAsked = TimerGetTime();
        for (auto& u : rec->uploads)
            if (u.renderer == st.uploadRenderer && u.texture && !k->texture) {
                k->renderer = u.renderer;
                k->texture = u.texture;
                u.texture = nullptr;
            }
        // With no texture to keep (no renderer uploads at once), the
        // picture's size is all a later texture needs until it is drawn.
        k->made = true;
        std::shared_ptr<Kept> old = FindKept(k->key);
        if (old) {
            std::lock_guard<std::mutex> hold(st.lock);
            // One being made ahead is left to finish; this one is not kept.
            if (old->state == KeptState::Making) {
                DropKept(*k);
                k = nullptr;
            } else {
                DiscardKept(st, old);
            }
        }
        if (k) st.kept.push_back(std::move(k));
    }
    DestroyUploads(*rec);
    *rec = TextureRecord{};
}

int TextureWidth(TextureId texture) {
    const TextureRecord* rec = Find(texture);
    return rec ? rec->width : 0;
}

int TextureHeight(TextureId texture) {
    const TextureRecord* rec = Find(texture);
    return rec ? rec->height : 0;
}

}  // namespace plat

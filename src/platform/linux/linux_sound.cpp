// WAV playback through libcanberra, opened with dlopen on first use.
#include "platform/linux/linux_sound.h"

#include <canberra.h>
#include <dlfcn.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tolvex::platform {

namespace {

// A sound server that never reports the end must not hold the bar for ever;
// alarm sounds are a few seconds long.
constexpr std::chrono::minutes kLongestSound(5);

struct Canberra {
  decltype(&ca_context_create) create = nullptr;
  decltype(&ca_context_open) open = nullptr;
  decltype(&ca_context_destroy) destroy = nullptr;
  decltype(&ca_context_play_full) playFull = nullptr;
  decltype(&ca_proplist_create) proplistCreate = nullptr;
  decltype(&ca_proplist_sets) proplistSets = nullptr;
  decltype(&ca_proplist_destroy) proplistDestroy = nullptr;

  bool Complete() const {
    return create && open && destroy && playFull && proplistCreate && proplistSets &&
           proplistDestroy;
  }
};

template <class Function>
void Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
}

// The library's entry points, or nullptr when it is not installed. The library
// stays loaded once a sound has played: its sound threads may outlive a
// context.
const Canberra* Library() {
  static const Canberra* const library = []() -> const Canberra* {
    void* handle = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    static Canberra entries;
    Resolve(handle, "ca_context_create", entries.create);
    Resolve(handle, "ca_context_open", entries.open);
    Resolve(handle, "ca_context_destroy", entries.destroy);
    Resolve(handle, "ca_context_play_full", entries.playFull);
    Resolve(handle, "ca_proplist_create", entries.proplistCreate);
    Resolve(handle, "ca_proplist_sets", entries.proplistSets);
    Resolve(handle, "ca_proplist_destroy", entries.proplistDestroy);
    return entries.Complete() ? &entries : nullptr;
  }();
  return library;
}

// The end of one sound, reported by the library's own thread.
struct Finished {
  std::mutex mutex;
  std::condition_variable changed;
  bool done = false;
};

void OnFinished(ca_context*, uint32_t, int, void* userdata) {
  auto* finished = static_cast<Finished*>(userdata);
  std::lock_guard lock(finished->mutex);
  finished->done = true;
  finished->changed.notify_all();
}

}  // namespace

void LinuxSound::PlayWaveFile(const std::string& path) {
  const Canberra* ca = Library();
  if (ca == nullptr) return;
  ca_context* context = nullptr;
  if (ca->create(&context) != CA_SUCCESS) return;
  Finished finished;
  // Without an audio device opening fails and nothing waits.
  if (ca->open(context) == CA_SUCCESS) {
    ca_proplist* properties = nullptr;
    if (ca->proplistCreate(&properties) == CA_SUCCESS) {
      ca->proplistSets(properties, CA_PROP_MEDIA_FILENAME, path.c_str());
      ca->proplistSets(properties, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
      const bool started =
          ca->playFull(context, 0, properties, OnFinished, &finished) == CA_SUCCESS;
      ca->proplistDestroy(properties);
      if (started) {
        std::unique_lock lock(finished.mutex);
        finished.changed.wait_for(lock, kLongestSound, [&] { return finished.done; });
      }
    }
  }
  // Destroying the context cancels a sound still playing; the callback runs
  // no more afterwards, so `finished` may go.
  ca->destroy(context);
}

}  // namespace tolvex::platform

// Effects: one-shot samples, the sample queue on its own voice, panning.
#include "sonex.h"
#include "sonex_internal.h"

#include <algorithm>

SAMPLE *sonex_sample_queue[SONEX_QUEUE_SIZE] = {};
int sonex_queue_channel = -1;

namespace {

constexpr int kDefaultFreq = 1000;  // Allegro's "as recorded" pitch
constexpr int kCentre = 128;

bool effects_allowed() { return sonex_initialized && sonex_sound_on; }
bool queue_empty() { return sonex_sample_queue[0] == nullptr; }
bool voice_finished() { return voice_get_position(sonex_queue_channel) < 0; }

// Starts the head of the queue on the queue voice and drops it from the queue.
void start_head()
{
  SAMPLE *head = sonex_sample_queue[0];
  voice_set_volume(sonex_queue_channel, sonex_effect_volume());
  voice_set_frequency(sonex_queue_channel, head->freq);
  voice_set_pan(sonex_queue_channel, kCentre);
  voice_start(sonex_queue_channel);
  std::copy(sonex_sample_queue + 1, sonex_sample_queue + SONEX_QUEUE_SIZE, sonex_sample_queue);
  sonex_sample_queue[SONEX_QUEUE_SIZE - 1] = nullptr;
}

}  // namespace

void sonex_play_sample(SAMPLE *spl, int pan, int freq, int priority)
{
  if (!effects_allowed() || !spl)
    return;
  if (priority >= 0)
    spl->priority = priority;
  if (freq < 0)
    freq = kDefaultFreq;
  play_sample(spl, sonex_effect_volume(), pan, freq, 0);
}

void sonex_queue_sample(SAMPLE *spl)
{
  if (!effects_allowed() || !spl || spl == sonex_internal_sample)
    return;
  SAMPLE **end = sonex_sample_queue + SONEX_QUEUE_SIZE;
  SAMPLE **slot = std::find(sonex_sample_queue, end, nullptr);
  if (slot != end)
    *slot = spl;  // a full queue drops the sample
}

void sonex_update_queue()
{
  if (!sonex_initialized)
    return;
  if (queue_empty()) {
    if (sonex_queue_channel >= 0 && voice_finished())
      sonex_release_queue_voice();
    return;
  }
  if (sonex_queue_channel < 0) {
    sonex_queue_channel = allocate_voice(sonex_sample_queue[0]);
    if (sonex_queue_channel < 0)
      return;  // every voice is busy: the queue waits for the next call
  } else if (!voice_finished()) {
    return;
  } else {
    reallocate_voice(sonex_queue_channel, sonex_sample_queue[0]);
  }
  start_head();
}

int queue_in_use()
{
  return sonex_initialized && sonex_queue_channel >= 0 && !voice_finished();
}

void sonex_release_queue_voice()
{
  if (sonex_queue_channel >= 0)
    deallocate_voice(sonex_queue_channel);
  sonex_queue_channel = -1;
}

void sonex_clear_queue()
{
  std::fill_n(sonex_sample_queue, SONEX_QUEUE_SIZE, nullptr);
  if (sonex_queue_channel >= 0)
    voice_stop(sonex_queue_channel);
}

void sonex_hijack_queue(SAMPLE *spl)
{
  if (!spl || queue_in_use())
    sonex_clear_queue();
  sonex_queue_sample(spl);
}

int sonex_place_sound(int a, int b)
{
  const double pan = static_cast<double>(b / 256) * a;
  if (pan < 0)
    return 0;
  if (pan > 255)
    return 255;
  return static_cast<int>(pan);
}

// Items made one after the other, worked on by several threads at once, and handed on in the
// order they were made, whatever the threads' timing: what a batch needs to answer its lines in
// their order. The standard library's threads: oneTBB's parallel_pipeline would do the same, but
// Debian's is a shared library built on the shared C++ runtime, which brivane-cli keeps out of its
// start (the runtime is linked in). No Qt.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

namespace brivane::cli {

// Runs until `produce` has no more: `produce(item)` fills the next item (false: the end), then
// `work(item, worker)` runs on one of `workers` threads (worker 0 .. workers - 1), then
// `consume(item)` (false: stop; the items not consumed yet are dropped). Each runs on a thread of
// its own (consume on the calling one), so that an item is consumed as soon as it is worked on,
// while `produce` waits for more input. At most `slots` items are alive at a time, each reused.
// With one worker everything runs on the calling thread, one item at a time. After a stop the
// call returns once `produce` has returned.
template <class Item, class Produce, class Work, class Consume>
void RunOrdered(std::size_t workers, std::size_t slots, Produce produce, Work work, Consume consume) {
  if (workers <= 1) {
    Item item;
    while (produce(item)) {
      work(item, std::size_t{0});
      if (!consume(item)) return;
    }
    return;
  }
  if (slots < workers + 1) slots = workers + 1;
  std::vector<Item> items(slots);
  std::vector<char> done(slots, 0);
  std::mutex mutex;
  std::condition_variable changed;  // any count below, or a flag
  std::size_t made = 0;             // items produced
  std::size_t taken = 0;            // items a worker took
  std::size_t consumed = 0;
  bool ended = false;  // no item will be made any more
  bool stop = false;   // consume asked to stop

  std::thread producer([&] {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [&] { return stop || made - consumed < slots; });
      if (stop) break;
      Item& item = items[made % slots];
      lock.unlock();
      const bool more = produce(item);
      lock.lock();
      if (!more) break;
      ++made;
      changed.notify_all();
    }
    ended = true;
    changed.notify_all();
  });
  const auto worker = [&](std::size_t index) {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [&] { return stop || taken < made || ended; });
      if (stop || taken == made) return;
      const std::size_t slot = taken++ % slots;
      lock.unlock();
      work(items[slot], index);
      lock.lock();
      done[slot] = 1;
      changed.notify_all();
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (std::size_t i = 0; i < workers; ++i) threads.emplace_back(worker, i);

  std::unique_lock lock(mutex);
  while (true) {
    const std::size_t slot = consumed % slots;
    changed.wait(lock, [&] { return done[slot] != 0 || (ended && consumed == made); });
    if (done[slot] == 0) break;  // every item made is consumed
    lock.unlock();
    const bool more = consume(items[slot]);
    lock.lock();
    done[slot] = 0;
    ++consumed;
    if (!more) stop = true;
    changed.notify_all();
    if (stop) break;
  }
  lock.unlock();
  for (std::thread& t : threads) t.join();
  producer.join();
}

}  // namespace brivane::cli

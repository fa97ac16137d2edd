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
// `consume(item)` (false: stop, the items not yet consumed are dropped). `produce` and `consume`
// run on the calling thread; at most `slots` items are alive at a time, each reused. With one
// worker everything runs on the calling thread, one item at a time.
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
  std::condition_variable toWorkers;
  std::condition_variable toMain;
  std::size_t made = 0;      // items produced
  std::size_t taken = 0;     // items a worker took
  std::size_t consumed = 0;  // items consumed
  bool ended = false;        // no item will be made any more
  const auto worker = [&](std::size_t index) {
    std::unique_lock lock(mutex);
    while (true) {
      toWorkers.wait(lock, [&] { return taken < made || ended; });
      if (taken == made) return;  // ended
      Item& item = items[taken % slots];
      const std::size_t slot = taken++ % slots;
      lock.unlock();
      work(item, index);
      lock.lock();
      done[slot] = 1;
      toMain.notify_one();
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(workers);
  for (std::size_t i = 0; i < workers; ++i) threads.emplace_back(worker, i);

  std::unique_lock lock(mutex);
  while (true) {
    const std::size_t next = consumed % slots;
    if (consumed < made && done[next] != 0) {
      lock.unlock();
      const bool more = consume(items[next]);
      lock.lock();
      done[next] = 0;
      ++consumed;
      if (!more) {
        // The items being worked on are finished, the others dropped.
        made = taken;
        break;
      }
    } else if (!ended && made - consumed < slots) {
      lock.unlock();
      const bool more = produce(items[made % slots]);
      lock.lock();
      if (more) {
        ++made;
        toWorkers.notify_one();
      } else {
        ended = true;
        toWorkers.notify_all();
      }
    } else if (ended && consumed == made) {
      break;
    } else {
      toMain.wait(lock);
    }
  }
  ended = true;
  toWorkers.notify_all();
  lock.unlock();
  for (std::thread& t : threads) t.join();
}

}  // namespace brivane::cli

#include "DiskSync.h"

#include "platform/Platform.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace korvane {
namespace {

// One thread that syncs the files asked, each once however often it was asked meanwhile.
class Syncer {
public:
    ~Syncer() {
        {
            const std::lock_guard lock(mutex_);
            ending_ = true;
        }
        wake_.notify_one();
        if (thread_.joinable())
            thread_.join();
    }
    void ask(const QString& path) {
        {
            const std::lock_guard lock(mutex_);
            if (std::find(waiting_.begin(), waiting_.end(), path) == waiting_.end())
                waiting_.push_back(path);
            if (!thread_.joinable())
                thread_ = std::thread([this] { run(); });
        }
        wake_.notify_one();
    }

private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return ending_ || !waiting_.empty(); });
            if (waiting_.empty())
                return; // ending, and nothing left to sync
            const QString path = waiting_.front();
            waiting_.pop_front();
            lock.unlock();
            platform::syncFile(path);
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<QString> waiting_;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace

void syncSoon(const QString& path) {
    static Syncer syncer;
    syncer.ask(path);
}

} // namespace korvane

#include "ui/app/background_job.h"

#include <QThread>

namespace rekkan::ui {

BackgroundJob::~BackgroundJob() {
    if (!thread_) return;
    cancel_ = true;
    thread_->wait();
}

bool BackgroundJob::Start(Work work) {
    if (thread_) return false;
    cancel_ = false;
    result_ = false;
    lastPerMille_ = -1;
    thread_ = QThread::create([this, work = std::move(work)] {
        const Progress progress = [this](std::int64_t done, std::int64_t total) {
            const int perMille = total > 0 ? static_cast<int>(done * 1000 / total) : 0;
            if (lastPerMille_.exchange(perMille) != perMille) emit progressed(perMille);  // queued to our thread
            return !cancel_.load();
        };
        result_ = work(progress);
    });
    connect(thread_, &QThread::finished, this, [this] {
        thread_->deleteLater();
        thread_ = nullptr;
        emit finished(result_.load());
    });
    thread_->start();
    return true;
}

}  // namespace rekkan::ui

#pragma once

#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>

class QThread;

namespace rekkan::ui {

/// Runs one piece of long work (a file rebuild) on a worker thread while the windows stay
/// painted. The work reports progress through the function it is given and stops when that
/// returns false; `progressed` and `finished` come back on this object's thread.
class BackgroundJob : public QObject {
    Q_OBJECT
public:
    /// Progress of the work: `done` of `total`; false asks it to stop.
    using Progress = std::function<bool(std::int64_t done, std::int64_t total)>;
    /// The work: true when it succeeded. It must touch no widget and no model.
    using Work = std::function<bool(const Progress& progress)>;

    explicit BackgroundJob(QObject* parent = nullptr) : QObject(parent) {}
    ~BackgroundJob() override;

    /// Starts `work`; false when a job runs already.
    bool Start(Work work);
    /// Asks the running work to stop at its next progress report.
    void Cancel() { cancel_ = true; }
    [[nodiscard]] bool Running() const { return thread_ != nullptr; }

signals:
    /// Progress in per mille (0 to 1000).
    void progressed(int perMille);
    /// The work ended; `ok` is its result (false after a cancel).
    void finished(bool ok);

private:
    QThread* thread_ = nullptr;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> result_{false};
    std::atomic<int> lastPerMille_{-1};
};

}  // namespace rekkan::ui

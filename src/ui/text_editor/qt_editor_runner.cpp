#include "ui/text_editor/qt_editor_runner.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include "ui/app/qt_text.h"

namespace rekkan::ui {

bool QtEditorRunner::RunAndWait(const std::vector<std::string>& command, long long& elapsedMs) {
    if (command.empty()) return false;
    QStringList arguments;
    for (std::size_t i = 1; i < command.size(); ++i) arguments << ToQ(command[i]);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(ToQ(command.front()), arguments);
    if (!process.waitForStarted()) return false;
    const bool wasVisible = hidden_ && hidden_->isVisible();
    if (wasVisible) hidden_->hide();
    for (const QPointer<QWidget>& w : blocked_)
        if (w) w->setEnabled(false);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning) loop.exec();
    elapsedMs = clock.elapsed();
    for (const QPointer<QWidget>& w : blocked_)
        if (w) w->setEnabled(true);
    if (wasVisible && hidden_) hidden_->show();
    return true;
}

}  // namespace rekkan::ui

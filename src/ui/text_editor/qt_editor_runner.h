#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

#include "layout_editor/text_edit_session.h"

namespace rekkan::ui {

/// Runs an external editor with QProcess and waits in an event loop, so the windows stay
/// painted: `hidden` is hidden meanwhile, `blocked` take no input.
class QtEditorRunner : public EditorRunner {
public:
    QtEditorRunner(QWidget* hidden, std::vector<QPointer<QWidget>> blocked)
        : hidden_(hidden), blocked_(std::move(blocked)) {}
    [[nodiscard]] bool RunAndWait(const std::vector<std::string>& command, long long& elapsedMs) override;

private:
    QPointer<QWidget> hidden_;
    std::vector<QPointer<QWidget>> blocked_;
};

}  // namespace rekkan::ui

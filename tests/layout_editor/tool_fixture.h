#pragma once

#include <string>

#include "controller_fixture.h"
#include "support/rich_layout.h"
#include "support/scripted_tool_shell.h"

namespace rekkan::test {

/// A started layout editor controller with a scripted tool shell.
class ToolFixture : public ControllerFixture {
public:
    /// The layout with a prefix, a key item and a redefinition, read as a file.
    void OpenRichLayout() {
        Put(dir.File("rich.kvl"), RichLayoutFile());
        ASSERT_TRUE(controller.OpenPath(dir.File("rich.kvl")));
    }

    ScriptedToolShell tools;
};

}  // namespace rekkan::test

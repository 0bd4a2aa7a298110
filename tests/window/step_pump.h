#pragma once

#include <QCoreApplication>

#include "editor.h"
#include "fake_services.h"

// Lets Qt deliver what is pending; once the editor's render loop runs, each of its passes also runs the test's
// next step.
class StepPump : public ScriptedPump {
public:
    void processPendingEvents() override
    {
        QCoreApplication::processEvents();
        if (editor && editor->isRendering())
            ScriptedPump::processPendingEvents();
    }
    const Editor* editor = nullptr;
};

#pragma once

#include <QUndoStack>
#include <functional>
#include <optional>
#include <string>

#include "editor_state.h"

// The steps that Undo takes back and Redo makes again, each kept as the editor's state before and after it. It
// keeps the last 100 steps. The state it was cleared in (a theme loaded or saved) is the saved one: whether the
// editor has unsaved changes is whether undo and redo have led away from it.
class EditHistory {
public:
    // `restore` puts a state back into the editor, for an undo or a redo.
    explicit EditHistory(std::function<void(const EditorState&)> restore);

    // Records a step already made, from `before` to `after`, named for the Edit menu ("Move Object 3").
    void record(const std::string& name, EditorState before, EditorState after);
    void undo();
    void redo();
    // Forgets every step: what the editor holds now is saved.
    void clear();

    // The names of the steps that Undo and Redo would take; nothing when there is none.
    std::optional<std::string> undoStep() const;
    std::optional<std::string> redoStep() const;
    bool hasUnsavedChanges() const { return !m_steps.isClean(); }
    int stepCount() const { return m_steps.count(); }

    // Pictures of `workspace` that are equal to one held already (by a step, or by `before`) take that one's
    // pixels, so that a picture chosen or drawn again is kept in memory once however many steps hold it.
    void shareHeldPictures(Workspace& workspace, const Workspace& before) const;

private:
    QUndoStack m_steps;
    std::function<void(const EditorState&)> m_restore;
};

// The most steps Undo can take back.
constexpr int kMostUndoSteps = 100;
